#include "resources/ResourceFolder.h"

#include "common/AsciiText.h"
#include "common/Encoding.h"

#include <algorithm>
#include <system_error>

namespace vlm {

namespace fs = std::filesystem;

std::string LowerName(const std::string& name) {
    return LowerCaseAscii(name);
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

namespace {

// Only plain files count: a link could lead out of the folder and a pipe or a
// device could block a read for ever.
bool IsPlainFile(const fs::directory_entry& entry) {
    std::error_code ec;
    return entry.symlink_status(ec).type() == fs::file_type::regular;
}

} // namespace

std::vector<FolderFile> ListFolderFiles(const fs::path& folder) {
    std::vector<FolderFile> files;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (!IsPlainFile(*it))
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
    fs::directory_entry exact(folder / DiskName(name), ec);
    if (!ec && IsPlainFile(exact))
        return exact.path();
    const std::string lower = LowerName(name);
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        if (IsPlainFile(*it) && LowerName(TextName(it->path().filename())) == lower)
            return it->path();
    return std::nullopt;
}

bool EntryExistsNoCase(const fs::path& folder, const std::string& name) {
    std::error_code ec;
    if (fs::exists(fs::symlink_status(folder / DiskName(name), ec)))
        return true;
    const std::string lower = LowerName(name);
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        if (LowerName(TextName(it->path().filename())) == lower)
            return true;
    return false;
}

std::optional<std::uintmax_t> FileSizeOf(const fs::path& path) {
    std::error_code ec;
    auto size = fs::file_size(path, ec);
    if (ec)
        return std::nullopt;
    return size;
}

} // namespace vlm
