#include "common/Encoding.h"

#include <gtest/gtest.h>

using namespace vlm;

TEST(Encoding, Cp1250AndUtf8RoundTripEveryByte) {
    std::string all;
    for (int b = 1; b < 256; ++b)
        all += static_cast<char>(b);
    const std::string utf8 = Cp1250ToUtf8(all);
    EXPECT_EQ(Utf8ToCp1250(utf8), all);
}

TEST(Encoding, KnownLetters) {
    struct Case {
        std::string cp1250, utf8;
    };
    const Case cases[] = {
        {"\xA3\xF3\x64\x9F", "Łódź"},
        {"\x80", "€"},
        {"\x8C\x9C\xA5\xB9", "ŚśĄą"},
        {"\xA7", "§"},
        {"abc", "abc"},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Cp1250ToUtf8(c.cp1250), c.utf8);
        EXPECT_EQ(Utf8ToCp1250(c.utf8), c.cp1250);
    }
}

TEST(Encoding, OutsideCp1250AndMalformedUtf8BecomeQuestionMarks) {
    EXPECT_EQ(Utf8ToCp1250("a\xE2\x82\xACz"), "a\x80z"); // euro exists
    EXPECT_EQ(Utf8ToCp1250("日本"), "??");               // not in cp1250
    EXPECT_EQ(Utf8ToCp1250("😀"), "?");                   // four-byte form
    EXPECT_EQ(Utf8ToCp1250("a\xC3"), "a?");              // truncated
    EXPECT_EQ(Utf8ToCp1250("\xC0\x80"), "??");           // overlong NUL
    EXPECT_EQ(Utf8ToCp1250("\xED\xA0\x80"), "???");      // surrogate
    EXPECT_EQ(Utf8ToCp1250("\xFF\xFEx"), "??x");
    EXPECT_EQ(Utf8ToCp1250(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(Encoding, PathsFromCp1250AndStoredText) {
    const auto p = PathFromCp1250("\xA3\xF3\x64\x9F.png");
    EXPECT_EQ(p.string(), "Łódź.png");
    EXPECT_EQ(PathToCp1250(p), "\xA3\xF3\x64\x9F.png");
    EXPECT_EQ(PathFromStoredText("..\\resources\\pic.png"),
              std::filesystem::path("..") / "resources" / "pic.png");
    EXPECT_EQ(PathFromStoredText("a/b\\c"), std::filesystem::path("a") / "b" / "c");
    EXPECT_EQ(PathFromStoredText("p00001\\\xB9.txt").filename().string(), "ą.txt");
}
