#include "common/FilesTools.h"

#include "common/AsciiText.h"
#include "common/Encoding.h"

#include <algorithm>
#include <charconv>
#include <system_error>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vlm {

namespace fs = std::filesystem;

namespace {

bool IsRealFolder(const fs::directory_entry& entry) {
    std::error_code ec;
    return entry.symlink_status(ec).type() == fs::file_type::directory;
}

// The entries of a folder sorted by name; empty when it cannot be read.
std::vector<fs::directory_entry> Entries(const fs::path& folder) {
    std::vector<fs::directory_entry> entries;
    std::error_code ec;
    fs::directory_iterator it(folder, ec), end;
    for (; !ec && it != end; it.increment(ec))
        entries.push_back(*it);
    std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
        return a.path().filename() < b.path().filename();
    });
    return entries;
}

bool Wildcard(std::string_view name, std::string_view mask) {
    // Iterative matcher with one backtrack point for the last "*".
    std::size_t n = 0, m = 0, starM = std::string_view::npos, starN = 0;
    while (n < name.size()) {
        if (m < mask.size() && (mask[m] == '?' || AsciiLower(mask[m]) == AsciiLower(name[n]))) {
            ++n, ++m;
        } else if (m < mask.size() && mask[m] == '*') {
            starM = m++;
            starN = n;
        } else if (starM != std::string_view::npos) {
            m = starM + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == '*')
        ++m;
    return m == mask.size();
}

struct CopyCounter {
    int count = 0;
    int total = 0;
};

// Stops at the first failure when `failure` is given; otherwise single
// failures are passed over.
void CopyFolderInto(const fs::path& source, const fs::path& target, bool recursive, int countWhat,
                    bool overwrite, int attributes, const CopyProgress& onProgress,
                    CopyCounter& counter, std::optional<TCopyFailure>* failure) {
    std::error_code ec;
    fs::create_directories(target, ec);
    if (ec && failure) {
        *failure = TCopyFailure{target, ec};
        return;
    }
    for (const auto& entry : Entries(source)) {
        const fs::path to = target / entry.path().filename();
        if (IsRealFolder(entry)) {
            if (recursive)
                CopyFolderInto(entry.path(), to, recursive, countWhat, overwrite, attributes,
                               onProgress, counter, failure);
            if (failure && *failure)
                return;
            if (countWhat & kCountFolders) {
                ++counter.count;
                fs::create_directories(to, ec);
            }
        } else {
            // Only plain files are copied: a link may lead out of the folder and
            // a pipe would block the copy.
            if (entry.symlink_status(ec).type() == fs::file_type::regular) {
                auto failed = CopyFileWhole(entry.path(), to, overwrite);
                if (failed && failure) {
                    *failure = std::move(failed);
                    return;
                }
            }
            if (countWhat & kCountFiles)
                ++counter.count;
            if (attributes != -1)
                ApplyFileAttributes(to, attributes);
        }
        if (onProgress)
            onProgress(counter.count, counter.total);
    }
}

} // namespace

TFolderBounds::TFolderBounds(const fs::path& folder) {
    std::error_code ec;
    real_ = fs::canonical(folder, ec);
    if (ec)
        real_.clear();
}

bool TFolderBounds::Holds(const fs::path& place) const {
    std::error_code ec;
    if (!fs::exists(fs::symlink_status(place, ec)))
        return true;
    const fs::path real = fs::canonical(place, ec);
    if (ec)
        return true;
    if (real_.empty())
        return false;
    auto it = real.begin();
    for (const auto& part : real_) {
        if (it == real.end() || *it != part)
            return false;
        ++it;
    }
    return true;
}

bool IsRealFolder(const fs::path& path) {
    std::error_code ec;
    return fs::symlink_status(path, ec).type() == fs::file_type::directory;
}

std::string TextToHex(std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string out;
    out.reserve(bytes.size() * 2);
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        out += kDigits[b >> 4];
        out += kDigits[b & 0x0F];
    }
    return out;
}

std::string NormalizeFolderPath(std::string_view path) {
    if (path.empty())
        return {};
    std::string slashed(path);
    std::replace(slashed.begin(), slashed.end(), '/', '\\');
    std::string out;
    out.reserve(slashed.size() + 1);
    for (std::size_t i = 0; i < slashed.size(); ++i) {
        out += slashed[i];
        if (slashed[i] == '\\' && i + 1 < slashed.size() && slashed[i + 1] == '\\')
            ++i; // one pass: "\\\\\\" becomes "\\\\"
    }
    if (out.back() != '\\')
        out += '\\';
    return out;
}

void DeleteFolder(const fs::path& path, bool recursive) {
    const fs::path folder = path.has_filename() ? path : path.parent_path();
    if (!IsRealFolder(folder))
        return;
    ClearFolder(folder, recursive);
    std::error_code ec;
    fs::remove(folder, ec);
}

void ClearFolder(const fs::path& path, bool recursive) {
    std::error_code ec;
    for (const auto& entry : Entries(path)) {
        if (IsRealFolder(entry) && recursive)
            DeleteFolder(entry.path(), true);
        fs::remove(entry.path(), ec); // a non-empty folder stays
    }
}

bool DeleteFolderTree(const fs::path& path) {
    bool ok = true;
    std::error_code ec;
    // A link standing for the folder goes alone: what it points to is not ours.
    if (fs::is_symlink(fs::symlink_status(path, ec)))
        return fs::remove(path, ec) && !ec;
    for (const auto& entry : Entries(path)) {
        if (IsRealFolder(entry)) {
            ok = DeleteFolderTree(entry.path()) && ok;
        } else if (!fs::remove(entry.path(), ec) || ec) {
            ok = false;
        }
    }
    if (!fs::remove(path, ec) || ec)
        ok = false;
    return ok;
}

int CountFolderEntries(const fs::path& path, bool recursive, int what) {
    int count = 0;
    for (const auto& entry : Entries(path)) {
        if (IsRealFolder(entry)) {
            if (what & kCountFolders)
                ++count;
            if (recursive)
                count += CountFolderEntries(entry.path(), true, what);
        } else if (what & kCountFiles) {
            ++count;
        }
    }
    return count;
}

bool CopyFolder(const fs::path& source, const fs::path& target, bool recursive, int countWhat,
                bool overwrite, int attributes, const CopyProgress& onProgress) {
    CopyCounter counter;
    counter.total = CountFolderEntries(source, recursive, countWhat);
    CopyFolderInto(source, target, recursive, countWhat, overwrite, attributes, onProgress, counter,
                   nullptr);
    return true;
}

namespace {

// The file's bytes into `to`; errno tells why when it fails. A read and
// write loop of our own, as the library's copy reports a full disk only as
// an input/output error.
bool CopyBytes(const fs::path& from, const fs::path& to) {
    const int in = ::open(from.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0)
        return false;
    struct stat st {};
    if (::fstat(in, &st) != 0) {
        const int err = errno;
        ::close(in);
        errno = err;
        return false;
    }
    const int out = ::open(to.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, st.st_mode & 0777);
    if (out < 0) {
        const int err = errno;
        ::close(in);
        errno = err;
        return false;
    }
    std::vector<char> buffer(1 << 20);
    bool ok = true;
    int err = 0;
    while (ok) {
        const ssize_t n = ::read(in, buffer.data(), buffer.size());
        if (n == 0)
            break;
        if (n < 0) {
            if (errno == EINTR)
                continue;
            ok = false;
            err = errno;
            break;
        }
        for (ssize_t done = 0; done < n;) {
            const ssize_t w =
                ::write(out, buffer.data() + done, static_cast<std::size_t>(n - done));
            if (w < 0 && errno == EINTR)
                continue;
            if (w < 0) {
                ok = false;
                err = errno;
                break;
            }
            done += w;
        }
    }
    ::close(in);
    if (::close(out) != 0 && ok) {
        ok = false;
        err = errno;
    }
    errno = err;
    return ok;
}

} // namespace

std::optional<TCopyFailure> CopyFileWhole(const fs::path& from, const fs::path& to,
                                          bool overwrite) {
    std::error_code ec;
    if (!overwrite && fs::exists(fs::symlink_status(to, ec)))
        return std::nullopt;
    // A link at the target is replaced, never written through.
    if (fs::is_symlink(fs::symlink_status(to, ec)))
        fs::remove(to, ec);
    if (CopyBytes(from, to))
        return std::nullopt;
    const std::error_code error(errno, std::generic_category());
    // A full disk leaves a truncated file behind: it must not pass for the
    // original. A target the copy never opened keeps its size and stays.
    std::error_code ignored;
    if (fs::is_regular_file(fs::symlink_status(to, ignored)) &&
        fs::file_size(to, ignored) != fs::file_size(from, ignored))
        fs::remove(to, ignored);
    return TCopyFailure{to, error};
}

std::optional<TCopyFailure> CopyFolderWhole(const fs::path& source, const fs::path& target,
                                            bool recursive, bool overwrite, int attributes) {
    CopyCounter counter;
    std::optional<TCopyFailure> failure;
    CopyFolderInto(source, target, recursive, 0, overwrite, attributes, {}, counter, &failure);
    return failure;
}

std::optional<fs::path> CreateUniqueFolder(const fs::path& base, std::string_view prefix,
                                           Random& random) {
    std::error_code ec;
    fs::create_directories(base, ec);
    if (ec || !fs::is_directory(base, ec))
        return std::nullopt;
    std::string name(prefix);
    while (true) {
        fs::path candidate = base / PathFromCp1250(name);
        if (fs::exists(fs::symlink_status(candidate, ec))) {
            name += static_cast<char>('0' + random.Next(9));
            continue;
        }
        if (fs::create_directory(candidate, ec))
            return candidate;
        if (ec)
            return std::nullopt;
        // Someone else created it between the test and the creation: try another name.
    }
}

std::vector<std::string> ListFolder(const fs::path& path, int what) {
    std::vector<std::string> names;
    for (const auto& entry : Entries(path)) {
        const std::string name = PathToCp1250(entry.path().filename());
        if (name.starts_with("."))
            continue;
        if ((what & kCountFiles) || ((what & kCountFolders) && IsRealFolder(entry)))
            names.push_back(name);
    }
    return names;
}

bool MatchesFileMask(std::string_view name, std::string_view mask) {
    if (Wildcard(name, mask))
        return true;
    // A trailing ".*" also matches a name without an extension ("*.*", "c00001.*").
    return mask.ends_with(".*") && name.find('.') == std::string_view::npos &&
           Wildcard(name, mask.substr(0, mask.size() - 2));
}

std::vector<fs::path> ListFilesByMask(const fs::path& folder, std::string_view mask) {
    std::vector<fs::path> files;
    for (const auto& entry : Entries(folder)) {
        if (IsRealFolder(entry))
            continue;
        if (MatchesFileMask(PathToCp1250(entry.path().filename()), mask))
            files.push_back(entry.path());
    }
    return files;
}

std::string FormatByteSize(std::int64_t size) {
    constexpr std::int64_t kKB = 1024, kMB = 1048576, kGB = 1073741824;
    // to_chars ignores the C locale, so the separator is always a point.
    auto scaled = [size](std::int64_t unit, const char* suffix) {
        char buf[64];
        const double value = static_cast<double>(size) / static_cast<double>(unit);
        const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, 2);
        return std::string(buf, res.ptr) + suffix;
    };
    if (size / kGB > 0)
        return scaled(kGB, " GB");
    if (size / kMB > 0)
        return scaled(kMB, " MB");
    if (size / kKB > 0)
        return scaled(kKB, " KB");
    return std::to_string(size) + " B";
}

void ApplyFileAttributes(const fs::path& file, int attributes) {
    std::error_code ec;
    constexpr auto write =
        fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    if (attributes & kAttrReadOnly)
        fs::permissions(file, write, fs::perm_options::remove, ec);
    else
        fs::permissions(file, fs::perms::owner_write, fs::perm_options::add, ec);
}

} // namespace vlm
