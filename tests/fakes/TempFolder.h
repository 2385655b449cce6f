#pragma once
// A fresh folder of its own under the system temporary folder, removed with its contents at the
// end. CTest runs the cases of one binary as parallel processes, so no two may share a name.

#include <stdlib.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <system_error>

namespace vlm::test {

inline void WriteText(const std::filesystem::path& file, const std::string& bytes) {
    if (file.has_parent_path())
        std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary);
    out << bytes;
    if (!out.flush())
        throw std::runtime_error("cannot write " + file.string());
}

inline std::string ReadText(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline std::string ReadAll(const std::filesystem::path& file) {
    return ReadText(file);
}

class TempFolder {
public:
    explicit TempFolder(const std::string& prefix = "vlm-test-") {
        std::string name = (std::filesystem::temp_directory_path() / (prefix + "XXXXXX")).string();
        if (!mkdtemp(name.data()))
            throw std::system_error(errno, std::generic_category(), "mkdtemp " + name);
        path_ = name;
    }
    ~TempFolder() {
        // Tests lock entries on purpose; removal needs them writable (and folders searchable).
        MakeWritable(path_);
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::filesystem::path& name) const {
        return path_ / name;
    }

    // Writes a file (creating its folders) and returns its path.
    std::filesystem::path Write(const std::string& relative, const std::string& bytes) const {
        const auto file = path_ / relative;
        WriteText(file, bytes);
        return file;
    }

    std::string Read(const std::string& relative) const { return ReadText(path_ / relative); }

private:
    // Links are left alone: their targets may lie outside this folder.
    static void MakeWritable(const std::filesystem::path& p) {
        namespace fs = std::filesystem;
        std::error_code ec;
        const auto status = fs::symlink_status(p, ec);
        if (ec || fs::is_symlink(status))
            return;
        fs::permissions(p, fs::perms::owner_all, fs::perm_options::add, ec);
        if (!fs::is_directory(status))
            return;
        for (fs::directory_iterator it(p, ec), end; !ec && it != end; it.increment(ec))
            MakeWritable(it->path());
    }

    std::filesystem::path path_;
};

} // namespace vlm::test
