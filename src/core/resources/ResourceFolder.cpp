#include "resources/ResourceFolder.h"

#include "common/Encoding.h"

#include <algorithm>
#include <system_error>

namespace vlm {

namespace fs = std::filesystem;

std::string LowerName(const std::string& name) {
    std::string out = name;
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}

std::pair<std::string, std::string> SplitExtension(const std::string& name) {
    auto dot = name.rfind('.');
    if (dot == std::string::npos)
        return {name, {}};
    return {name.substr(0, dot), name.substr(dot)};
}

bool IsPlainFileName(const std::string& name) {
    if (name.empty() || name == "." || name == "..")
        return false;
    return name.find_first_of(std::string("/\\:\0", 4)) == std::string::npos;
}

fs::path DiskName(const std::string& name) {
    return PathFromCp1250(name);
}

std::string TextName(const fs::path& fileName) {
    return PathToCp1250(fileName);
}

std::vector<FolderFile> ListFolderFiles(const fs::path& folder) {
    std::vector<FolderFile> files;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code dirEc;
        if (it->is_directory(dirEc))
            continue;
        std::string name = TextName(it->path().filename());
        std::string lower = LowerName(name);
        files.push_back({std::move(name), std::move(lower), it->path()});
    }
    // A stable order (the one the original platform's file system gives).
    std::sort(files.begin(), files.end(), [](const FolderFile& a, const FolderFile& b) {
        return a.lower != b.lower ? a.lower < b.lower : a.name < b.name;
    });
    return files;
}

std::optional<fs::path> FindFileNoCase(const fs::path& folder, const std::string& name) {
    if (!IsPlainFileName(name))
        return std::nullopt;
    std::error_code ec;
    fs::path exact = folder / DiskName(name);
    if (fs::exists(exact, ec) && !fs::is_directory(exact, ec))
        return exact;
    const std::string lower = LowerName(name);
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code dirEc;
        if (!it->is_directory(dirEc) && LowerName(TextName(it->path().filename())) == lower)
            return it->path();
    }
    return std::nullopt;
}

std::optional<std::uintmax_t> FileSizeOf(const fs::path& path) {
    std::error_code ec;
    auto size = fs::file_size(path, ec);
    if (ec)
        return std::nullopt;
    return size;
}

} // namespace vlm
