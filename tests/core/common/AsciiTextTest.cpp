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

namespace vlm {

// The search jumps between candidate first bytes of either case; it must
// find what a byte-by-byte comparison finds.
TEST(AsciiText, FindAgreesWithAPlainSearchOnRandomText) {
    auto plain = [](const std::string& text, const std::string& pattern, std::size_t from) {
        if (pattern.empty() || pattern.size() > text.size())
            return std::string::npos;
        for (std::size_t i = from; i + pattern.size() <= text.size(); ++i)
            if (SameTextAscii(std::string_view(text).substr(i, pattern.size()), pattern))
                return i;
        return std::string::npos;
    };
    const std::string alphabet = "aAbB<!-\xE9";
    unsigned state = 12345;
    auto next = [&] {
        state = state * 1103515245u + 12345u;
        return (state >> 16) & 0x7fff;
    };
    for (int round = 0; round < 4000; ++round) {
        std::string text, pattern;
        for (unsigned n = next() % 24; n > 0; --n)
            text += alphabet[next() % alphabet.size()];
        for (unsigned n = 1 + next() % 3; n > 0; --n)
            pattern += alphabet[next() % alphabet.size()];
        const std::size_t from = next() % (text.size() + 2);
        ASSERT_EQ(FindTextAscii(text, pattern, from), plain(text, pattern, from))
            << text << " / " << pattern << " from " << from;
    }
}

} // namespace vlm
