#pragma once
// Folder and file helpers. A "folder" is a real directory: a symbolic link is
// never entered or recursed into, only removed or copied as an entry, so no
// routine can leave the tree it was given. Names starting with "." are hidden.

#include "common/SystemPorts.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace vlm {

// Bits of the "what" arguments.
constexpr int kCountFiles = 1;
constexpr int kCountFolders = 2;

// File attribute values as stored by callers; only read-only has a meaning here.
constexpr int kAttrReadOnly = 1;
constexpr int kAttrArchive = 32;

// Two lower-case hexadecimal digits per byte.
std::string TextToHex(std::string_view bytes);

// Path text: slashes become backslashes, double backslashes become one (one
// pass), a trailing backslash is added; empty stays empty.
std::string NormalizeFolderPath(std::string_view path);

// Clears the folder (see ClearFolder) and removes it; failures are ignored.
void DeleteFolder(const std::filesystem::path& path, bool recursive);

// Deletes the files of the folder, and its sub-folders (with their contents
// when recursive, otherwise only when empty); failures are ignored.
void ClearFolder(const std::filesystem::path& path, bool recursive);

// Deletes the folder with everything below it; false when any entry or the
// folder itself could not be removed.
bool DeleteFolderTree(const std::filesystem::path& path);

// Entries below the folder: files (kCountFiles) and/or folders (kCountFolders).
int CountFolderEntries(const std::filesystem::path& path, bool recursive, int what);

using CopyProgress = std::function<void(int count, int total)>;

// Copies the folder's files (and sub-folders when recursive) into target,
// which is created. Existing files are replaced only with overwrite; when
// attributes is not -1 it is applied to every target file. onProgress gets the
// running count of the entries selected by countWhat and their total. Single
// failures are ignored; the result is always true.
bool CopyFolder(const std::filesystem::path& source, const std::filesystem::path& target,
                bool recursive, int countWhat, bool overwrite, int attributes,
                const CopyProgress& onProgress = {});

// A file a copy could not write whole, and the system's reason.
struct TCopyFailure {
    std::filesystem::path file;
    std::error_code error;
};

// Copies one plain file; a target that was not written whole is removed
// again. With overwrite false an existing target is kept (not a failure).
std::optional<TCopyFailure> CopyFileWhole(const std::filesystem::path& from,
                                          const std::filesystem::path& to, bool overwrite);

// As CopyFolder, but stops at the first file that could not be written
// whole and tells which and why. Entries that are not plain files or
// folders (links among them) are left out, as CopyFolder does.
std::optional<TCopyFailure> CopyFolderWhole(const std::filesystem::path& source,
                                            const std::filesystem::path& target, bool recursive,
                                            bool overwrite, int attributes);

// Creates base if missing, then base/prefix, appending a random digit 0..8
// while a folder of that name exists. The new folder, or nullopt when a
// creation failed. The prefix is cp1250 text.
std::optional<std::filesystem::path> CreateUniqueFolder(const std::filesystem::path& base,
                                                        std::string_view prefix, Random& random);

// Names (cp1250) of the non-hidden entries, sorted: kCountFolders adds
// folders, kCountFiles adds every entry.
std::vector<std::string> ListFolder(const std::filesystem::path& path, int what);

// The paths of the entries that are not folders and whose names match the
// mask ("*" and "?", ASCII case folded; "*.*" matches every name), sorted by name.
std::vector<std::filesystem::path> ListFilesByMask(const std::filesystem::path& folder,
                                                   std::string_view mask);

// True when the name matches the mask as the Windows file finder does.
bool MatchesFileMask(std::string_view name, std::string_view mask);

// "1023 B", "1.50 KB", "2.00 MB", "1.00 GB".
std::string FormatByteSize(std::int64_t size);

// Applies attribute bits to a file: read-only removes the write permissions,
// anything else makes the file writable for its owner.
void ApplyFileAttributes(const std::filesystem::path& file, int attributes);

// A folder's real path, resolved once, and whether a place inside it, as
// the system resolves it when the place is opened (links followed), still
// lies inside. A place that does not exist, or a dangling link, leads
// nowhere and so stays.
class TFolderBounds {
public:
    explicit TFolderBounds(const std::filesystem::path& folder);
    bool Holds(const std::filesystem::path& place) const;

private:
    std::filesystem::path real_;
};

// Real directory (not a link to one).
bool IsRealFolder(const std::filesystem::path& path);

} // namespace vlm
