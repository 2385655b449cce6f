#pragma once
// The port to the off-screen renderer: draws an HTML file into a bitmap. The
// GUI and the command line render with the web engine; tests hand in a fixed
// picture.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

namespace vlm {

// Rows top-down, three bytes (red, green, blue) per pixel, no padding.
struct TRgbBitmap {
    int Width = 0;
    int Height = 0;
    std::vector<std::uint8_t> Pixels;

    bool Valid() const {
        return Width > 0 && Height > 0 &&
               Pixels.size() == static_cast<std::size_t>(Width) * Height * 3;
    }
};

class PageRenderer {
public:
    virtual ~PageRenderer() = default;
    // The page drawn at the given size; nothing when no picture could be made.
    virtual std::optional<TRgbBitmap> RenderHtml(const std::filesystem::path& htmlFile, int width,
                                                 int height) = 0;
};

} // namespace vlm
