#include "common/FilesTools.h"

#include "common/AsciiText.h"
#include "common/Encoding.h"

#include <algorithm>
#include <charconv>
#include <system_error>

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

void CopyFolderInto(const fs::path& source, const fs::path& target, bool recursive, int countWhat,
                    bool overwrite, int attributes, const CopyProgress& onProgress,
                    CopyCounter& counter) {
    std::error_code ec;
    fs::create_directories(target, ec);
    for (const auto& entry : Entries(source)) {
        const fs::path to = target / entry.path().filename();
        if (IsRealFolder(entry)) {
            if (recursive)
                CopyFolderInto(entry.path(), to, recursive, countWhat, overwrite, attributes,
                               onProgress, counter);
            if (countWhat & kCountFolders) {
                ++counter.count;
                fs::create_directories(to, ec);
            }
        } else {
            const auto options =
                overwrite ? fs::copy_options::overwrite_existing : fs::copy_options::none;
            // Only plain files are copied: a link may lead out of the folder and
            // a pipe would block the copy. Such an entry counts as a failed copy.
            if (entry.symlink_status(ec).type() == fs::file_type::regular)
                fs::copy_file(entry.path(), to, options, ec);
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
    CopyFolderInto(source, target, recursive, countWhat, overwrite, attributes, onProgress,
                   counter);
    return true;
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
