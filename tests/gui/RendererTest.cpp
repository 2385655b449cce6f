#include "render/VLMHTMLRender.h"

#include "fakes/TempFolder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace vlm;
namespace fs = std::filesystem;

namespace {

struct Rgb {
    int r, g, b;
    bool operator==(const Rgb&) const = default;
};

Rgb PixelAt(const TRgbBitmap& bitmap, int x, int y) {
    const std::size_t at = (static_cast<std::size_t>(y) * bitmap.Width + x) * 3;
    return {bitmap.Pixels[at], bitmap.Pixels[at + 1], bitmap.Pixels[at + 2]};
}

std::string ColourPage(const Rgb& c) {
    char colour[8];
    std::snprintf(colour, sizeof colour, "%02x%02x%02x", c.r, c.g, c.b);
    return std::string("<html><body style=\"margin:0;background:#") + colour +
           "\"><div style=\"width:10px;height:10px;background:#000\"></div></body></html>";
}

class Renderer : public ::testing::Test {
protected:
    test::TempFolder dir;
    TVLMHTMLRender render{TRenderCache(dir / "cache", 40)};
};

// The picture is never the page before nor a blank one: each of a hundred
// pages in a row shows its own colour, and the top-left stays the page's.
TEST_F(Renderer, EveryRenderShowsItsOwnPage) {
    int wrong = 0;
    for (int i = 0; i < 100; ++i) {
        const Rgb colour{(i * 37) % 256, (i * 91 + 40) % 256, (255 - i * 2) % 256};
        const fs::path page = dir.Write("p" + std::to_string(i % 2) + ".html", ColourPage(colour));
        const auto bitmap = render.RenderHtml(page, 120, 80);
        ASSERT_TRUE(bitmap) << i;
        ASSERT_EQ(bitmap->Width, 120);
        wrong += !(PixelAt(*bitmap, 60, 40) == colour && PixelAt(*bitmap, 5, 5) == Rgb{0, 0, 0});
    }
    EXPECT_EQ(wrong, 0);
}

TEST_F(Renderer, CacheHitsOnTheSameHtmlKeyAndSizeOnly) {
    const fs::path page = dir.Write("e.html", ColourPage({10, 200, 30}));
    TRgbBitmap bitmap{60, 40, {}};
    EXPECT_FALSE(render.Render("{K1}", page, false, bitmap)); // rendered and cached
    EXPECT_EQ(PixelAt(bitmap, 30, 20), (Rgb{10, 200, 30}));
    TRgbBitmap again{60, 40, {}};
    EXPECT_TRUE(render.Render("{K1}", page, false, again));
    EXPECT_EQ(again.Pixels, bitmap.Pixels);
    TRgbBitmap bigger{61, 40, {}};
    EXPECT_FALSE(render.Render("{K1}", page, false, bigger)); // a new size misses
    TRgbBitmap otherKey{60, 40, {}};
    EXPECT_FALSE(render.Render("{K2}", page, false, otherKey));
    TRgbBitmap none{0, 40, {}};
    EXPECT_FALSE(render.Render("{K1}", page, false, none)); // nothing is done
    EXPECT_TRUE(none.Pixels.empty());
    // No key: neither read nor written.
    const auto files = std::distance(fs::directory_iterator(dir / "cache"), {});
    TRgbBitmap uncached{60, 40, {}};
    EXPECT_FALSE(render.Render("", page, false, uncached));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir / "cache"), {}), files);
}

TEST_F(Renderer, ADocumentWithoutABodyGivesNoPicture) {
    const fs::path frames =
        dir.Write("picture.svg", "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"9\" "
                                 "height=\"9\"><rect width=\"9\" height=\"9\"/></svg>");
    TRgbBitmap bitmap{40, 30, std::vector<std::uint8_t>(40 * 30 * 3, 7)};
    EXPECT_FALSE(render.Render("{F}", frames, false, bitmap));
    EXPECT_EQ(bitmap.Pixels, std::vector<std::uint8_t>(40 * 30 * 3, 7));
    EXPECT_FALSE(fs::exists(dir / "cache") && !fs::is_empty(dir / "cache"));
}

// A picture whose file never ends (a pipe nobody writes) keeps the page
// loading: it is drawn as far as it got once the bound has passed.
TEST_F(Renderer, APageThatNeverFinishesLoadingIsDrawnWithinTheBound) {
    ASSERT_EQ(::mkfifo((dir / "never.png").c_str(), 0600), 0);
    const fs::path page =
        dir.Write("slow.html", "<html><body style=\"margin:0;background:#3050a0\">"
                               "<img src=\"never.png\"></body></html>");
    const auto bitmap = render.RenderHtml(page, 50, 50);
    // The engine's reader of the pipe is let go, or it would wait for ever.
    const int writer = ::open((dir / "never.png").c_str(), O_WRONLY | O_NONBLOCK);
    if (writer >= 0)
        ::close(writer);
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(PixelAt(*bitmap, 40, 40), (Rgb{0x30, 0x50, 0xa0}));
}

} // namespace
