#include "common/FileWrite.h"

#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <system_error>
#include <unistd.h>

namespace vlm {

namespace {
bool WriteAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}
} // namespace

bool WriteFileAtomic(const std::filesystem::path& file, const std::string& bytes) {
    std::filesystem::path tmp = file;
    tmp += ".tmp~";
    const int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    bool ok = WriteAll(fd, bytes) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    std::error_code ec;
    if (ok) {
        std::filesystem::rename(tmp, file, ec);
        ok = !ec;
    }
    if (!ok)
        std::filesystem::remove(tmp, ec);
    return ok;
}

bool WriteFileBytes(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (!out)
        return false;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return !out.fail();
}

std::optional<std::string> ReadFileBytes(const std::filesystem::path& file) {
    std::error_code ec;
    if (std::filesystem::is_directory(file, ec))
        return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream ss;
    ss << in.rdbuf();
    if (in.bad())
        return std::nullopt;
    return ss.str();
}

} // namespace vlm
