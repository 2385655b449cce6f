#include "designer/HtmlColor.h"

#include "common/StringTools.h"

#include <array>
#include <cstdio>

namespace vlm {

namespace {

// The default scheme's system colours by index, as RRGGBB.
constexpr std::array<std::uint32_t, 31> kSystemColors = {
    0xC8C8C8, 0x000000, 0x99B4D1, 0xBFCDDB, 0xF0F0F0, 0xFFFFFF, 0x646464, 0x000000,
    0x000000, 0x000000, 0xB4B4B4, 0xF4F7FC, 0xABABAB, 0x3399FF, 0xFFFFFF, 0xF0F0F0,
    0xA0A0A0, 0x6D6D6D, 0x000000, 0x000000, 0xFFFFFF, 0x696969, 0xE3E3E3, 0x000000,
    0xFFFFE1, 0xB5B5B5, 0x0066CC, 0xB9D1EA, 0xD7E4F2, 0x3399FF, 0xF0F0F0};

TColor FromRGB(int red, int green, int blue) {
    return static_cast<TColor>(red | (green << 8) | (blue << 16));
}

} // namespace

TColor ColorToRGB(TColor color) {
    const auto bits = static_cast<std::uint32_t>(color);
    if ((bits & 0xFF000000u) != 0xFF000000u)
        return static_cast<TColor>(bits & 0x00FFFFFFu);
    const std::uint32_t index = bits & 0xFFu;
    const std::uint32_t rgb = index < kSystemColors.size() ? kSystemColors[index] : 0;
    return FromRGB(static_cast<int>(rgb >> 16), static_cast<int>((rgb >> 8) & 0xFF),
                   static_cast<int>(rgb & 0xFF));
}

void THTMLColor::SetRGBColor(TColor color) {
    rgb_ = ColorToRGB(color);
    char text[8];
    std::snprintf(text, sizeof text, "%02X%02X%02X", rgb_ & 0xFF, (rgb_ >> 8) & 0xFF,
                  (rgb_ >> 16) & 0xFF);
    html_ = text;
}

void THTMLColor::SetHTMLColor(const std::string& text) {
    const std::string digits = text.size() > 6 ? text.substr(1) : text;
    if (digits.size() != 6)
        return;
    int parts[3];
    for (int i = 0; i < 3; ++i) {
        const int high = HexValue(digits[2 * i]);
        const int low = HexValue(digits[2 * i + 1]);
        if (high < 0 || low < 0)
            return;
        parts[i] = high * 16 + low;
    }
    html_ = digits;
    rgb_ = FromRGB(parts[0], parts[1], parts[2]);
}

TColor ColorFromText(const std::string& text) {
    THTMLColor color;
    color.SetHTMLColor(text);
    return color.RGBColor();
}

std::string TextFromColor(TColor color) {
    THTMLColor converter;
    converter.SetRGBColor(color);
    return converter.HTMLColor();
}

} // namespace vlm
