#include "common/AsciiText.h"

#include <gtest/gtest.h>

#include <string>

namespace vlm {
namespace {

// 0xA5 and 0xB9 are the upper- and lower-case A with ogonek in cp1250: they
// are not folded into each other.
TEST(AsciiText, FoldsOnlyAsciiLetters) {
    EXPECT_EQ(LowerCaseAscii("AbZ-09@[\xA5\xB9"), "abz-09@[\xA5\xB9");
    EXPECT_EQ(UpperCaseAscii("aBz-09`{\xA5\xB9"), "ABZ-09`{\xA5\xB9");
    EXPECT_TRUE(SameTextAscii("Definition.XML", "definition.xml"));
    EXPECT_FALSE(SameTextAscii("\xA5", "\xB9"));
    EXPECT_FALSE(SameTextAscii("abc", "abcd"));
    EXPECT_FALSE(SameTextAscii("@", "`")); // one bit apart, not letters
}

TEST(AsciiText, FindsWithoutCase) {
    struct Case {
        std::string text, pattern;
        std::size_t from, expected;
    };
    const Case cases[] = {
        {"a <A href>", "<a ", 0, 2},         {"xABxab", "ab", 2, 4},
        {"ab", "abc", 0, std::string::npos}, {"abc", "", 0, std::string::npos},
        {"abc", "c", 5, std::string::npos},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FindTextAscii(c.text, c.pattern, c.from), c.expected)
            << c.text << " " << c.pattern;
}

TEST(AsciiText, TrimsControlsAndSpaces) {
    EXPECT_EQ(TrimText(" \t\r\n a b \x01"), "a b");
    EXPECT_EQ(TrimText("\xA0x\xA0"), "\xA0x\xA0"); // the non-breaking space is text
    EXPECT_EQ(TrimText("   "), "");
}

} // namespace
} // namespace vlm
