#include "common/charConverter.h"
#include "common/ConvertError.h"

#include <gtest/gtest.h>

using namespace vlm;

TEST(charConverter, CharToEntity) {
    struct Case {
        char ch;
        std::string expected;
    };
    const Case cases[] = {
        {'<', "&#060;"}, {'.', "&#046;"}, {'\xC8', "&#0200;"}, {'\xB9', "\xB9"},
        {' ', " "},      {'7', "7"},      {'Z', "Z"},          {'\0', "&#00;"},
        {';', "&#059;"}, {'&', "&#038;"}, {'\xA3', "\xA3"},    {'\xFF', "&#0255;"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CharToEntity(c.ch), c.expected) << static_cast<int>(c.ch);
}

TEST(charConverter, EntitiesRoundTripEveryByte) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    const std::string encoded = TextToEntities(all);
    EXPECT_EQ(encoded.substr(0, 12), "&#00;&#01;&#");
    EXPECT_EQ(EntitiesToText(encoded), all);
}

TEST(charConverter, EntitiesToText) {
    struct Case {
        std::string in, out;
    };
    const Case cases[] = {
        {"&#060;b&#062;", "<b>"},         {"a&#0200;", "a\xC8"},
        {"no entities", "no entities"},   {"", ""},
        {"tail &# open", "tail &# open"}, // no ";" after it: kept
        {"x&#065;y&#", "xAy&#"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(EntitiesToText(c.in), c.out) << c.in;
}

TEST(charConverter, EntitiesToTextRejectsNonNumbers) {
    for (const char* bad :
         {"&#;", "&#abc;", "a &# b;", "&#12x;", "&#-1;", "&#256;", "&#99999999999999999999;"}) {
        EXPECT_THROW(EntitiesToText(bad), ConvertError) << bad;
    }
    try {
        EntitiesToText("ab&#x1;");
        FAIL();
    } catch (const ConvertError& e) {
        EXPECT_STREQ(e.what(), "'x1' is not a valid character code at position 3");
    }
}

TEST(charConverter, PolishToAsciiAndStripPunctuation) {
    EXPECT_EQ(PolishToAscii("\xA3\xF3\x64\x9F"), "Lodz"); // Łódź
    EXPECT_EQ(
        PolishToAscii("\x8C\x8F\x9C\x9F\xA3\xA5\xAF\xB3\xB9\xBF\xC6\xCA\xD1\xD3\xE6\xEA\xF1\xF3"),
        "SZszLAZlazCENOceno");
    EXPECT_EQ(PolishToAscii("\xE8\x8A"), "\xE8\x8A"); // Czech letters stay

    EXPECT_EQ(StripPunctuation("a-b.c!"), "abc!");
    std::string dropped, kept;
    for (int b = 1; b < 256; ++b) {
        const std::string one(1, static_cast<char>(b));
        (StripPunctuation(one).empty() ? dropped : kept) += one;
    }
    EXPECT_EQ(dropped, "\"#$%&'()*+,-./:;<=>?@");
    EXPECT_EQ(kept.size(), 255u - 21u);
}
