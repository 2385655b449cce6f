#pragma once
// The picture cache of the renderer: PNG files named by the MD5 digest of the
// rendered HTML and a caller's key, kept below a size limit. Drawing the
// pictures is the GUI's business; this is the bookkeeping.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace vlm {

class TOptions;

class TRenderCache {
public:
    // `cacheSizeMB` is the option "CacheSize" (megabytes).
    TRenderCache(std::filesystem::path cacheFolder, int cacheSizeMB);

    // The cache below UserDataDir with the limit of the option "CacheSize"
    // (its default when the option is missing).
    static TRenderCache FromOptions(const std::filesystem::path& userDataDir,
                                    const TOptions& options);
    // UserDataDir + "cache/".
    static std::filesystem::path CacheFolderFor(const std::filesystem::path& userDataDir);

    // 32 lower-case hex digits of the MD5 digest of the bytes.
    static std::string Digest(const std::string& bytes);
    // Digest(html) + "." + key.
    static std::string CacheFileName(const std::string& html, const std::string& key);
    // The cache file for an HTML file on disk; nothing when the file cannot be read.
    std::optional<std::filesystem::path> CacheFileFor(const std::filesystem::path& htmlFile,
                                                      const std::string& key) const;

    // The cached picture when it exists, is a PNG and has exactly this size.
    std::optional<std::filesystem::path> FindPicture(const std::filesystem::path& htmlFile,
                                                     const std::string& key, int width,
                                                     int height) const;
    // Makes room when the cache is full, then writes the PNG bytes. False on failure.
    bool SavePicture(const std::filesystem::path& file, const std::string& pngBytes);

    bool IsCacheFull() const;
    // Deletes the oldest pictures until the folder is below the limit.
    void TrimCache(int megabytes);
    // Deletes everything below the cache folder, sub-folders included.
    void ClearCache();
    // Total size of the files in the cache folder (sub-folders not counted).
    std::uintmax_t TotalSize() const;

    const std::filesystem::path& CacheFolder() const { return folder_; }
    int CacheSize() const { return cacheSizeMB_; }
    void SetCacheSize(int megabytes) { cacheSizeMB_ = megabytes; }

private:
    std::filesystem::path folder_;
    int cacheSizeMB_;
};

// Width and height from a PNG's header; nothing when the bytes are not a PNG.
std::optional<std::pair<int, int>> PngSize(const std::string& bytes);

} // namespace vlm
