#include "common/FileWrite.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <string_view>
#include <system_error>
#include <unistd.h>

namespace vlm {

namespace {
bool WriteAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}
} // namespace

bool WriteFileAtomic(const std::filesystem::path& file, const std::string& bytes) {
    // A name of its own beside the target, so two writers never share one.
    std::string name = file.string() + ".tmp~XXXXXX";
    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0)
        return false;
    const std::filesystem::path tmp = name;
    bool ok = ::fchmod(fd, 0644) == 0 && WriteAll(fd, bytes) && ::fsync(fd) == 0;
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

int RemoveStaleTemporaries(const std::filesystem::path& folder, std::chrono::seconds age,
                           const std::function<bool(const std::string&)>& owned) {
    namespace fs = std::filesystem;
    constexpr std::string_view kMark = ".tmp~";
    constexpr std::size_t kSuffix = 6; // mkostemp's characters
    const auto before = fs::file_time_type::clock::now() - age;
    int removed = 0;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.size() < kMark.size() + kSuffix + 1)
            continue;
        const std::size_t mark = name.size() - kSuffix - kMark.size();
        if (name.compare(mark, kMark.size(), kMark) != 0)
            continue;
        std::error_code fileEc;
        if (it->symlink_status(fileEc).type() != fs::file_type::regular)
            continue;
        if (owned && !owned(name.substr(0, mark)))
            continue;
        const auto written = fs::last_write_time(it->path(), fileEc);
        if (fileEc || written > before)
            continue;
        if (fs::remove(it->path(), fileEc))
            ++removed;
    }
    return removed;
}

bool WriteFileBytes(const std::filesystem::path& file, const std::string& bytes) {
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    bool ok = WriteAll(fd, bytes);
    int err = ok ? 0 : errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        err = errno;
    }
    if (!ok) {
        // A truncated file must not pass for the whole one.
        ::unlink(file.c_str());
        errno = err;
    }
    return ok;
}

std::optional<std::string> ReadFileBytes(const std::filesystem::path& file) {
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    // On failure errno tells why, for callers that report it.
    const auto fail = [fd](int err) {
        ::close(fd);
        errno = err;
        return std::nullopt;
    };
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        return fail(errno);
    if (S_ISDIR(st.st_mode))
        return fail(EISDIR);
    std::string bytes;
    if (S_ISREG(st.st_mode))
        bytes.reserve(static_cast<std::size_t>(st.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n == 0)
            break;
        if (n < 0) {
            if (errno == EINTR)
                continue;
            // A read error must not pass for a shorter file.
            return fail(errno);
        }
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return bytes;
}

} // namespace vlm
