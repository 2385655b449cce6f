#include "resources/FileDigest.h"

#include <openssl/evp.h>
#include <openssl/provider.h>

#include <atomic>
#include <cstdio>
#include <memory>
#include <vector>

namespace vlm {

namespace {

// Large enough that a read costs little next to the hashing, small enough to
// stay in cache.
constexpr std::size_t kBlockSize = 256 * 1024;

// OpenSSL 3 builds before 3.0.7 keep RIPEMD-160 in the legacy provider only;
// later ones have it in the default provider as well.
const EVP_MD* Ripemd160() {
    static const EVP_MD* md = [] {
        EVP_MD* found = EVP_MD_fetch(nullptr, "RIPEMD160", nullptr);
        if (!found) {
            OSSL_PROVIDER_load(nullptr, "legacy");
            OSSL_PROVIDER_load(nullptr, "default");
            found = EVP_MD_fetch(nullptr, "RIPEMD160", nullptr);
        }
        return found;
    }();
    return md;
}

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
struct ContextFree {
    void operator()(EVP_MD_CTX* c) const { EVP_MD_CTX_free(c); }
};

std::atomic<std::uint64_t> digestsComputed{0};

} // namespace

std::uint64_t FileDigestsComputed() {
    return digestsComputed.load(std::memory_order_relaxed);
}

bool FileDigest(const std::filesystem::path& path, std::string& digest) {
    digestsComputed.fetch_add(1, std::memory_order_relaxed);
    const EVP_MD* md = Ripemd160();
    if (!md)
        return false;
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file)
        return false;
    // Our buffer is the only one needed.
    std::setvbuf(file.get(), nullptr, _IONBF, 0);
    std::unique_ptr<EVP_MD_CTX, ContextFree> ctx(EVP_MD_CTX_new());
    if (!ctx || EVP_DigestInit_ex(ctx.get(), md, nullptr) != 1)
        return false;

    thread_local std::vector<unsigned char> block(kBlockSize);
    for (;;) {
        std::size_t n = std::fread(block.data(), 1, block.size(), file.get());
        if (n > 0 && EVP_DigestUpdate(ctx.get(), block.data(), n) != 1)
            return false;
        if (n < block.size()) {
            if (std::ferror(file.get()))
                return false;
            if (std::feof(file.get()))
                break;
        }
    }
    unsigned char out[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    if (EVP_DigestFinal_ex(ctx.get(), out, &length) != 1)
        return false;

    static const char kHex[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(length * 2);
    for (unsigned int i = 0; i < length; ++i) {
        text += kHex[out[i] >> 4];
        text += kHex[out[i] & 0x0F];
    }
    digest = std::move(text);
    return true;
}

} // namespace vlm
