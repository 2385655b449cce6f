#pragma once
// RIPEMD-160 digest of a file's bytes, the identity of a resource.

#include <cstdint>
#include <filesystem>
#include <string>

namespace vlm {

// Streams the file through RIPEMD-160 in blocks (never reading it whole) and
// gives the 20 digest bytes as 40 upper-case hexadecimal digits. False, and
// `digest` untouched, when the file cannot be opened or read.
bool FileDigest(const std::filesystem::path& path, std::string& digest);

// How many digests FileDigest has been asked for in this process. Hashing
// hundreds of megabytes of media dominates whatever does it needlessly, so
// tests use this to show an operation reads no digest.
std::uint64_t FileDigestsComputed();

} // namespace vlm
