#include "common/ConvertError.h"
#include "common/StringTools.h"

#include <gtest/gtest.h>

using namespace vlm;

TEST(UrlCoding, Encode) {
    EXPECT_EQ(UrlEncode("Az09*@._-$!'()"), "Az09*@._-$!'()");
    EXPECT_EQ(UrlEncode("a b+c&d=%"), "a+b%2Bc%26d%3D%25");
    EXPECT_EQ(UrlEncode("\xB9\r\n\x80\xFF"), "%B9%0D%0A%80%FF");
    EXPECT_EQ(UrlEncode(std::string("\0", 1)), "%00");
    EXPECT_EQ(UrlEncode(""), "");
}

TEST(UrlCoding, DecodeRoundTripsEveryByte) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(UrlDecode(UrlEncode(all)), all);
}

TEST(UrlCoding, Decode) {
    struct Case {
        std::string in, out;
    };
    const Case cases[] = {
        {"a+b", "a b"},      {"%41%62", "Ab"}, {"%e6", "\xE6"},    {"%%", "%"},    {"%%41", "%41"},
        {"100%%+", "100% "}, {"", ""},         {"plain", "plain"}, {"%2B+", "+ "},
    };
    for (const auto& c : cases)
        EXPECT_EQ(UrlDecode(c.in), c.out) << c.in;
}

TEST(UrlCoding, DecodeErrorsCarryTheirMessages) {
    struct Case {
        std::string in, message;
    };
    const Case cases[] = {
        {"abc%", "Error decoding URL style (%XX) encoded string at position 4"},
        {"%4", "Error decoding URL style (%XX) encoded string at position 1"},
        {"%", "Error decoding URL style (%XX) encoded string at position 1"},
        {"ab%zz", "Invalid URL encoded character (%zz) at position 3"},
        {"%4g", "Invalid URL encoded character (%4g) at position 1"},
        {"%+1", "Invalid URL encoded character (%+1) at position 1"},
        {"x%\xFF\xFE", "Invalid URL encoded character (%\xFF\xFE) at position 2"},
    };
    for (const auto& c : cases) {
        try {
            UrlDecode(c.in);
            ADD_FAILURE() << "no error for " << c.in;
        } catch (const ConvertError& e) {
            EXPECT_EQ(e.what(), c.message);
        }
    }
}
