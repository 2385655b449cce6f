#include "render/RenderCache.h"

#include "app/MemorySettingsStore.h"
#include "app/ProgramOptions.h"
#include "common/FileWrite.h"
#include "fakes/TempFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

namespace fs = std::filesystem;
using namespace vlm;

namespace {

// The 8-byte signature and an IHDR chunk header for the given size.
std::string PngHeader(std::uint32_t w, std::uint32_t h, std::size_t padding = 0) {
    std::string s("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR", 16);
    for (std::uint32_t v : {w, h})
        for (int shift = 24; shift >= 0; shift -= 8)
            s += char((v >> shift) & 0xFF);
    s += std::string("\x08\x06\0\0\0", 5);
    return s + std::string(padding, 'x');
}

class RenderCacheTest : public ::testing::Test {
protected:
    // A file of `size` bytes whose last write lies `age` seconds back.
    fs::path Put(const std::string& name, std::size_t size, int age) {
        const fs::path p = root / "cache" / name;
        fs::create_directories(p.parent_path());
        EXPECT_TRUE(WriteFileBytes(p, std::string(size, 'p')));
        fs::last_write_time(p, fs::file_time_type::clock::now() - std::chrono::seconds(age));
        return p;
    }
    test::TempFolder tmp;
    const fs::path root = tmp.path();
};

} // namespace

TEST(RenderCacheNames, Md5OfTheHtmlInLowerCaseHexThenTheKey) {
    EXPECT_EQ(TRenderCache::Digest(""), "d41d8cd98f00b204e9800998ecf8427e");
    EXPECT_EQ(TRenderCache::CacheFileName("abc", "{0A-1B}"),
              "900150983cd24fb0d6963f7d28e17f72.{0A-1B}");
    EXPECT_EQ(TRenderCache::CacheFolderFor("/home/u/.local/share/Orvanta/Vellumar 4/4.0"),
              fs::path("/home/u/.local/share/Orvanta/Vellumar 4/4.0/cache"));
}

TEST(RenderCacheNames, TheLimitComesFromTheCacheSizeOption) {
    MemorySettingsStore store;
    TOptions options(store, ProgramOptionsKey());
    EXPECT_EQ(TRenderCache::FromOptions("/u", options).CacheSize(), 40); // no option yet
    RegisterProgramOptions(options, {});
    options.SetOption(kOptCacheSize, std::int32_t{12});
    const auto cache = TRenderCache::FromOptions("/u", options);
    EXPECT_EQ(cache.CacheSize(), 12);
    EXPECT_EQ(cache.CacheFolder(), fs::path("/u/cache"));
}

TEST(RenderCacheNames, PngSizeReadsTheHeaderAndRefusesOtherFiles) {
    EXPECT_EQ(PngSize(PngHeader(120, 45)), (std::pair<int, int>{120, 45}));
    EXPECT_FALSE(PngSize("GIF89a................................"));
    EXPECT_FALSE(PngSize(PngHeader(120, 45).substr(0, 23)));
    EXPECT_FALSE(PngSize(PngHeader(0, 45)));
}

TEST_F(RenderCacheTest, TheSameHtmlAndKeyHitOnlyAtTheSameSize) {
    TRenderCache cache(root / "cache", 40);
    const fs::path html = root / "element.html";
    ASSERT_TRUE(WriteFileBytes(html, "<html>x</html>"));
    EXPECT_FALSE(cache.FindPicture(html, "{ID}", 120, 45));

    const auto file = cache.CacheFileFor(html, "{ID}");
    ASSERT_TRUE(file);
    EXPECT_EQ(file->filename().string(), TRenderCache::CacheFileName("<html>x</html>", "{ID}"));
    ASSERT_TRUE(cache.SavePicture(*file, PngHeader(120, 45, 100)));

    EXPECT_EQ(cache.FindPicture(html, "{ID}", 120, 45), file);
    EXPECT_FALSE(cache.FindPicture(html, "{ID}", 121, 45)); // resized element
    EXPECT_FALSE(cache.FindPicture(html, "{OTHER}", 120, 45));
    ASSERT_TRUE(WriteFileBytes(html, "<html>y</html>")); // changed element
    EXPECT_FALSE(cache.FindPicture(html, "{ID}", 120, 45));
    EXPECT_FALSE(cache.CacheFileFor(root / "missing.html", "{ID}"));

    ASSERT_TRUE(WriteFileBytes(*file, "not a png at all, but long enough"));
    ASSERT_TRUE(WriteFileBytes(html, "<html>x</html>"));
    EXPECT_FALSE(cache.FindPicture(html, "{ID}", 120, 45)); // broken file: render again
}

TEST_F(RenderCacheTest, FullMeansAboveTheLimitInMegabytes) {
    TRenderCache cache(root / "cache", 1);
    EXPECT_FALSE(cache.IsCacheFull()); // no folder yet
    Put("a", 1048576, 10);
    EXPECT_FALSE(cache.IsCacheFull()); // exactly the limit
    Put("b", 1, 5);
    EXPECT_TRUE(cache.IsCacheFull());
    EXPECT_EQ(cache.TotalSize(), 1048577u);
}

TEST_F(RenderCacheTest, TrimDeletesTheOldestUntilBelowTheLimit) {
    TRenderCache cache(root / "cache", 1);
    const auto oldest = Put("oldest", 400000, 300);
    const auto old = Put("old", 400000, 200);
    const auto recent = Put("recent", 400000, 100);
    const auto newest = Put("newest", 400000, 1);
    cache.TrimCache(1);
    EXPECT_FALSE(fs::exists(oldest));
    EXPECT_FALSE(fs::exists(old));
    EXPECT_TRUE(fs::exists(recent));
    EXPECT_TRUE(fs::exists(newest));
    EXPECT_LT(cache.TotalSize(), 1048576u);

    cache.TrimCache(40); // a larger limit deletes nothing
    EXPECT_TRUE(fs::exists(recent));
    cache.TrimCache(0);
    EXPECT_EQ(cache.TotalSize(), 0u);
}

TEST_F(RenderCacheTest, SavingIntoAFullCacheFirstMakesRoom) {
    TRenderCache cache(root / "cache", 1);
    const auto stale = Put("stale", 700000, 100);
    const auto fresh = Put("fresh", 700000, 50);
    ASSERT_TRUE(cache.SavePicture(root / "cache" / "new.png", PngHeader(10, 10, 1000)));
    EXPECT_FALSE(fs::exists(stale));
    EXPECT_TRUE(fs::exists(fresh));
    EXPECT_TRUE(fs::exists(root / "cache" / "new.png"));
}

TEST_F(RenderCacheTest, ClearRemovesEverythingBelowTheFolder) {
    TRenderCache cache(root / "cache", 40);
    Put("a", 10, 1);
    Put("sub/b", 10, 1);
    cache.ClearCache();
    EXPECT_TRUE(fs::exists(root / "cache"));
    EXPECT_TRUE(fs::is_empty(root / "cache"));
    TRenderCache(root / "nowhere", 40).ClearCache(); // a missing folder is no error
}
