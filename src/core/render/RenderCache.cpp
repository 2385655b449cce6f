#include "render/RenderCache.h"

#include "app/ProgramOptions.h"
#include "common/FileWrite.h"
#include "common/FilesTools.h"

#include <openssl/evp.h>

#include <algorithm>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace vlm {

namespace {
constexpr std::uintmax_t kMegabyte = 1048576;

std::uintmax_t LimitBytes(int megabytes) {
    return megabytes <= 0 ? 0 : std::uintmax_t(megabytes) * kMegabyte;
}
} // namespace

TRenderCache::TRenderCache(fs::path cacheFolder, int cacheSizeMB)
    : folder_(std::move(cacheFolder)), cacheSizeMB_(cacheSizeMB) {}

TRenderCache TRenderCache::FromOptions(const fs::path& userDataDir, const TOptions& options) {
    return TRenderCache(CacheFolderFor(userDataDir),
                        OptionInteger(options.GetOption(kOptCacheSize), kDefaultCacheSize));
}

fs::path TRenderCache::CacheFolderFor(const fs::path& userDataDir) {
    return userDataDir / "cache";
}

std::string TRenderCache::Digest(const std::string& bytes) {
    unsigned char md[EVP_MAX_MD_SIZE];
    unsigned int len = 0;
    std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> ctx(EVP_MD_CTX_new(), &EVP_MD_CTX_free);
    if (!ctx || EVP_DigestInit_ex(ctx.get(), EVP_md5(), nullptr) != 1 ||
        EVP_DigestUpdate(ctx.get(), bytes.data(), bytes.size()) != 1 ||
        EVP_DigestFinal_ex(ctx.get(), md, &len) != 1)
        throw std::runtime_error("MD5 digest failed");
    return TextToHex(std::string(reinterpret_cast<const char*>(md), len));
}

std::string TRenderCache::CacheFileName(const std::string& html, const std::string& key) {
    return Digest(html) + "." + key;
}

std::optional<fs::path> TRenderCache::CacheFileFor(const fs::path& htmlFile,
                                                   const std::string& key) const {
    const auto html = ReadFileBytes(htmlFile);
    if (!html)
        return std::nullopt;
    return folder_ / CacheFileName(*html, key);
}

std::optional<std::pair<int, int>> PngSize(const std::string& bytes) {
    static const char kSignature[] = "\x89PNG\r\n\x1a\n";
    if (bytes.size() < 24 || bytes.compare(0, 8, kSignature, 8) != 0 ||
        bytes.compare(12, 4, "IHDR") != 0)
        return std::nullopt;
    auto be32 = [&](std::size_t at) {
        std::uint32_t v = 0;
        for (std::size_t i = 0; i < 4; ++i)
            v = (v << 8) | static_cast<unsigned char>(bytes[at + i]);
        return v;
    };
    const std::uint32_t w = be32(16), h = be32(20);
    if (w == 0 || h == 0 || w > 0x7FFFFFFF || h > 0x7FFFFFFF)
        return std::nullopt;
    return std::make_pair(int(w), int(h));
}

std::optional<fs::path> TRenderCache::FindPicture(const fs::path& htmlFile, const std::string& key,
                                                  int width, int height) const {
    const auto file = CacheFileFor(htmlFile, key);
    if (!file)
        return std::nullopt;
    // Only the header is needed to know the picture's size.
    std::ifstream in(*file, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string head(24, '\0');
    in.read(head.data(), std::streamsize(head.size()));
    head.resize(std::size_t(in.gcount()));
    const auto size = PngSize(head);
    if (!size || size->first != width || size->second != height)
        return std::nullopt;
    return file;
}

bool TRenderCache::SavePicture(const fs::path& file, const std::string& pngBytes) {
    if (IsCacheFull())
        TrimCache(cacheSizeMB_);
    std::error_code ec;
    fs::create_directories(file.parent_path(), ec);
    return WriteFileAtomic(file, pngBytes);
}

std::uintmax_t TRenderCache::TotalSize() const {
    std::uintmax_t total = 0;
    std::error_code ec;
    for (fs::directory_iterator it(folder_, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code e2;
        if (it->is_regular_file(e2)) {
            const auto size = it->file_size(e2);
            if (!e2)
                total += size;
        }
    }
    return total;
}

bool TRenderCache::IsCacheFull() const {
    return TotalSize() > LimitBytes(cacheSizeMB_);
}

void TRenderCache::TrimCache(int megabytes) {
    struct Entry {
        fs::file_time_type time;
        fs::path path;
        std::uintmax_t size;
    };
    std::vector<Entry> entries;
    std::uintmax_t total = 0;
    std::error_code ec;
    for (fs::directory_iterator it(folder_, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code e2;
        if (!it->is_regular_file(e2))
            continue;
        const auto size = it->file_size(e2);
        if (e2)
            continue;
        const auto time = it->last_write_time(e2);
        if (e2)
            continue;
        entries.push_back({time, it->path(), size});
        total += size;
    }
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        return a.time != b.time ? a.time < b.time : a.path < b.path;
    });
    // Oldest first: the pictures just made are the ones the designer needs next.
    const std::uintmax_t limit = LimitBytes(megabytes);
    for (const auto& e : entries) {
        if (total < limit)
            break;
        std::error_code e2;
        if (fs::remove(e.path, e2))
            total -= e.size;
    }
}

void TRenderCache::ClearCache() {
    std::error_code ec;
    for (fs::directory_iterator it(folder_, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code e2;
        fs::remove_all(it->path(), e2);
    }
}

} // namespace vlm
