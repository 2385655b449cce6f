#pragma once
// The flat resources folder as the register sees it: names compared without
// case, only plain file names, never a path.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace vlm {

// ASCII lower case; the register's names are stored that way.
std::string LowerName(const std::string& name);

// Base (the name without its last extension) and extension (the last "." and
// what follows, or empty).
std::pair<std::string, std::string> SplitExtension(const std::string& name);

// True for a name that can only mean a file directly inside a folder: not
// empty, no "/" or "\", not "." or "..", no drive colon, no NUL.
bool IsPlainFileName(const std::string& name);

// The register's cp1250 name as a path component, and back.
std::filesystem::path DiskName(const std::string& name);
std::string TextName(const std::filesystem::path& fileName);

struct FolderFile {
    std::string name;  // the name on disk, as cp1250 text
    std::string lower; // LowerName(name)
    std::filesystem::path path;
};

// The plain files of the folder (no sub-folders and nothing below them, no
// links, pipes or devices), ordered by lower-cased name. Empty when the
// folder cannot be read.
std::vector<FolderFile> ListFolderFiles(const std::filesystem::path& folder);

// The plain file of the folder whose name equals `name` ignoring case (the
// exact name first); none for a name that is not plain or a file that is
// missing.
std::optional<std::filesystem::path> FindFileNoCase(const std::filesystem::path& folder,
                                                    const std::string& name);

// True when any entry of the folder (file, folder, link) has the name,
// ignoring case.
bool EntryExistsNoCase(const std::filesystem::path& folder, const std::string& name);

// Size of a file, or none when it cannot be read.
std::optional<std::uintmax_t> FileSizeOf(const std::filesystem::path& path);

} // namespace vlm
