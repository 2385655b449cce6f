#pragma once
// Whole-file reads and writes of byte strings.

#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace vlm {

// Writes the bytes to a temporary file beside the target, flushes it and
// renames it over the target, so a crash or a full disk never leaves a
// half-written file. Returns false (and leaves the old file) on failure.
bool WriteFileAtomic(const std::filesystem::path& file, const std::string& bytes);

// Removes what WriteFileAtomic left in the folder when its run was killed:
// files named "<name>.tmp~" + six characters, last written at least `age`
// ago (a younger one may belong to a write going on), whose <name> `owned`
// accepts (every name when not given). The number removed.
int RemoveStaleTemporaries(const std::filesystem::path& folder, std::chrono::seconds age,
                           const std::function<bool(const std::string&)>& owned = {});

// Plain write (creating or truncating). Returns false on failure, with
// errno telling why; a file that was not written whole is removed.
bool WriteFileBytes(const std::filesystem::path& file, const std::string& bytes);

// The whole file, or nothing when it cannot be opened or read (errno then
// tells why; a folder gives EISDIR).
std::optional<std::string> ReadFileBytes(const std::filesystem::path& file);

} // namespace vlm
