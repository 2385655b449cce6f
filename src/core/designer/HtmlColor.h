#pragma once
// Colours as property pages write them: six hexadecimal digits RRGGBB, and
// as colour values with red in the low byte.

#include <cstdint>
#include <string>

namespace vlm {

using TColor = std::int32_t;

// The high byte 0xFF marks a system colour whose low byte is its index.
inline constexpr TColor kSystemColorFlag = static_cast<TColor>(0xFF000000u);

// The RGB value of a system colour in the default scheme; other values as they are.
TColor ColorToRGB(TColor color);

class THTMLColor {
public:
    TColor RGBColor() const { return rgb_; }
    const std::string& HTMLColor() const { return html_; }

    // System colours are resolved; the text becomes upper-case RRGGBB.
    void SetRGBColor(TColor color);
    // A text longer than six characters loses its first (the "#"); exactly
    // six hexadecimal digits set both properties, anything else neither.
    void SetHTMLColor(const std::string& text);

private:
    TColor rgb_ = 0;
    std::string html_ = "000000";
};

// A malformed text gives black.
TColor ColorFromText(const std::string& text);
std::string TextFromColor(TColor color);

} // namespace vlm
