#include "designer/HtmlColor.h"

#include <gtest/gtest.h>

namespace vlm {
namespace {

TEST(HtmlColor, TextSetsBothOnlyWhenItIsSixHexDigits) {
    struct Case {
        const char* text;
        TColor rgb;
        const char* html;
    } cases[] = {
        {"FF8000", 0x0080FF, "FF8000"},  {"#ff8000", 0x0080FF, "ff8000"}, {"FF80", 0, "000000"},
        {"GG0000", 0, "000000"},         {"##FF8000", 0, "000000"},       {"", 0, "000000"},
        {"x00FF00", 0x00FF00, "00FF00"},
    };
    for (const Case& c : cases) {
        THTMLColor color;
        color.SetHTMLColor(c.text);
        EXPECT_EQ(color.RGBColor(), c.rgb) << c.text;
        EXPECT_EQ(color.HTMLColor(), c.html) << c.text;
    }
}

TEST(HtmlColor, ColourValuesBecomeUpperCaseText) {
    EXPECT_EQ(TextFromColor(0x0080FF), "FF8000");
    EXPECT_EQ(TextFromColor(0x00abcdef), "EFCDAB");
    EXPECT_EQ(TextFromColor(kSystemColorFlag | 5), "FFFFFF");  // window background
    EXPECT_EQ(TextFromColor(kSystemColorFlag | 24), "FFFFE1"); // tooltip background
    EXPECT_EQ(ColorFromText("not a colour"), 0);
    EXPECT_EQ(TextFromColor(ColorFromText("#12AB9f")), "12AB9F");
}

} // namespace
} // namespace vlm
