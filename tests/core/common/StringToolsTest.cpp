#include "common/StringTools.h"

#include <gtest/gtest.h>

#include <set>

using namespace vlm;

TEST(TextEscapeTable, RowsAsLaidDown) {
    ASSERT_EQ(TextEscapeTable.size(), 151u);
    EXPECT_EQ(TextEscapeTable[0].code, "%21");
    EXPECT_EQ(TextEscapeTable[3].character, "\xA7"); // "%24" is the section sign
    EXPECT_EQ(TextEscapeTable[4].code, "%25");
    EXPECT_EQ(TextEscapeTable[59].code, "%A2");
    EXPECT_EQ(TextEscapeTable[60].code, "%A2");
    EXPECT_EQ(TextEscapeTable[149].code, "+");
    EXPECT_EQ(TextEscapeTable[149].character, " ");
    EXPECT_TRUE(TextEscapeTable[150].code.empty() && TextEscapeTable[150].character.empty());
    std::set<unsigned> bytes;
    for (const auto& row : TextEscapeTable) {
        if (row.character.size() == 1)
            bytes.insert(static_cast<unsigned char>(row.character[0]));
        if (row.code.size() == 3 && row.code != "%24" && row.code != "%AD") { // byte = code
            EXPECT_EQ(std::stoi(std::string(row.code.substr(1)), nullptr, 16),
                      static_cast<unsigned char>(row.character[0]))
                << row.code;
        }
    }
    EXPECT_EQ(std::string(TextEscapeTable[88].code) + std::string(TextEscapeTable[88].character),
              "%BF\xBF");
    for (unsigned unmapped : {0x24u, 0x5Cu, 0x81u, 0x83u, 0x88u, 0x90u, 0x98u, 0xA0u, 0xADu, 0xB0u,
                              0xC0u, 0xD0u, 0xE0u, 0xF0u, 0x61u, 0x30u, 0x0Au})
        EXPECT_EQ(bytes.count(unmapped), 0u) << unmapped;
}

TEST(EscapeCodec, EncodeAndDecode) {
    struct Case {
        std::string plain, encoded;
    };
    const Case encodeCases[] = {
        {"a b", "a+b"},
        {"$\\", "$\\"},  // no rows for the dollar sign and the backslash
        {"\xA7", "%24"}, // the section sign; its "%" is not encoded again
        {"!%", "%21%25"},
        {"<b>", "%3Cb%3E"},
        {"\xE6\xAA", "%E6%AA"},
        {"1+1", "1%2B1"},
        {"\x81\xAD\r\n", "\x81\xAD\r\n"},
        {"", ""},
    };
    for (const auto& c : encodeCases)
        EXPECT_EQ(EncodeText(c.plain), c.encoded) << c.plain;

    const Case decodeCases[] = {
        {"a b", "a+b"},
        {"\xE6", "%E6"},
        {"xy", "x%0D%0Ay"},
        {"xy", "x%0d%0Ay"},
        {"a b", "a%26NBSP%3Bb"},
        {"\"#", "%22%23"},
        {"\"#", "%2522%2523"}, // twice-encoded quote and hash come back too
        {"%21", "%2521"},
        {"+ ", "%2B+"},   // a decoded "+" is not taken for a space
        {"%60", "%2560"}, // a decoded "%" does not start a code
        {"%e6", "%e6"},   // codes are upper case
        {"%", "%"},
        {"\xAA\xAA", "%AA%AD"}, // "%AD" stands for the byte AA too
        {"", ""},
    };
    for (const auto& c : decodeCases)
        EXPECT_EQ(DecodeText(c.encoded), c.plain) << c.encoded;
}

TEST(EscapeCodec, DecodeUndoesEncode) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(DecodeText(EncodeText(all)), all);
    const std::string text =
        "1+1 = 2, 50% \"cytat\" #3 \xA7 %2B %25 a%0D%0Ab <i>\xB9\xE6</i> \x84x\x94!";
    EXPECT_EQ(DecodeText(EncodeText(text)), text);
    // As the lexicon does it for every key: decode, change, encode, again and again.
    std::string stored = EncodeText(text);
    for (int i = 0; i < 3; ++i)
        stored = EncodeText(DecodeText(stored));
    EXPECT_EQ(stored, EncodeText(text));
}

TEST(EscapeCodec, HtmlTextToPlain) {
    EXPECT_EQ(HtmlTextToPlain(EncodeText("<p>Ala&nbsp;ma <b>kota</b>.</p>") + "%0D%0A"),
              "Ala ma kota.");
    EXPECT_EQ(HtmlTextToPlain("a%26nbsp%3Bb&NBSP;c"), "a b c");
    EXPECT_EQ(HtmlTextToPlain("50%252525"), "50%"); // decoded repeatedly
    EXPECT_EQ(HtmlTextToPlain(EncodeText("1+1 (x)")), "1+1 (x)");
    EXPECT_EQ(HtmlTextToPlain("x%3Cunclosed"), "x<unclosed");
}

TEST(StringTools, ReplaceRepeatedAndRemoveSpans) {
    EXPECT_EQ(ReplaceRepeated("%2525", "%25", "%"), "%");
    EXPECT_EQ(ReplaceRepeated("aaa", "aa", "a"), "a");
    EXPECT_EQ(ReplaceRepeated("abc", "", "x"), "abc");
    EXPECT_EQ(ReplaceRepeated("ab", "a", "aa"), "aab"); // would never end: replaced once
    EXPECT_EQ(ReplaceRepeated("xaabcc", "abc", "b"), "xb");

    EXPECT_EQ(RemoveSpans("a<b>c<d>e", "<", ">"), "ace");
    EXPECT_EQ(RemoveSpans("a<b<c>d", "<", ">"), "ad");
    EXPECT_EQ(RemoveSpans("a>b<c", "<", ">"), "a>b<c"); // no closing marker after it: kept
    EXPECT_EQ(RemoveSpans("a[[x]]b", "[[", "]]"), "ab");
    EXPECT_EQ(RemoveSpans("abc", "", ">"), "abc");
}

TEST(StringTools, SplitByCharAndTrimAfterLastAlnum) {
    using L = std::vector<std::string>;
    EXPECT_EQ(SplitByChar('|', "a||b"), (L{"a", "", "b"}));
    EXPECT_EQ(SplitByChar('|', ""), L{""});
    EXPECT_EQ(SplitByChar('|', "a|"), (L{"a", ""}));
    EXPECT_EQ(SplitByChar('|', "|"), (L{"", ""}));

    EXPECT_EQ(TrimAfterLastAlnum("body\r\n\r\n"), "body");
    EXPECT_EQ(TrimAfterLastAlnum("x1.\r\n"), "x1");
    EXPECT_EQ(TrimAfterLastAlnum("za\xBF\r\n"), "za\xBF");
    EXPECT_EQ(TrimAfterLastAlnum("ab"), "a"); // the last character is never examined
    EXPECT_EQ(TrimAfterLastAlnum("a"), "");
    EXPECT_EQ(TrimAfterLastAlnum(""), "");
    EXPECT_EQ(TrimAfterLastAlnum("\r\n--\r\n"), "");
}

TEST(StringTools, IsWordBoundary) {
    std::string words;
    for (int b = 1; b < 256; ++b)
        if (!IsWordBoundary(static_cast<char>(b)))
            words += static_cast<char>(b);
    EXPECT_EQ(words.size(), 52u + 78u);
    for (char c : std::string("09_ -.\xD7\xF7\xD0\xC0\xFF\xA7\x80"))
        EXPECT_TRUE(IsWordBoundary(c)) << static_cast<int>(static_cast<unsigned char>(c));
    for (char c : std::string("aZ\xB5\xA3\xB9\xC1\xDF\xFE\x8A\xBE"))
        EXPECT_FALSE(IsWordBoundary(c)) << static_cast<int>(static_cast<unsigned char>(c));
}

TEST(StringTools, InsertWordLinks) {
    const std::string tag = "<a href=\"#\">";
    struct Case {
        std::string text, word, expected;
    };
    const Case cases[] = {
        {"Kot i kotek", "kot", tag + "Kot</a> i kotek"},
        {"kot, KOT.", "kot", tag + "kot</a>, " + tag + "KOT</a>."},
        {"kotek i kot", "kot", "kotek i kot"}, // stops at the first non-word occurrence
        {"1kot _kot", "kot", "1" + tag + "kot</a> _" + tag + "kot</a>"},
        {"\xA3\xF3\x64\x9F", "\xB3\xF3\x64\x9F", "\xA3\xF3\x64\x9F"}, // Ł is not folded to ł
        {"\xA3\xF3\x64\x9F!", "\xA3\xF3\x64\x9F", tag + "\xA3\xF3\x64\x9F</a>!"},
        {"\xB9kot", "kot", "\xB9kot"}, // ą is a word character
        {"<a href=\"x\">kot</a> kot", "kot", "<a href=\"x\">kot</a> " + tag + "kot</a>"},
        {"<A href=\"x\">kot i kot i kot</A>", "kot", "<A href=\"x\">kot i kot i kot</A>"},
        {"<a href=\"x\">y</a> kot", "kot", "<a href=\"x\">y</a> " + tag + "kot</a>"},
        {"no match", "kot", "no match"},
        {"", "kot", ""},
        {"kot", "", "kot"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(InsertWordLinks(c.text, c.word, tag), c.expected) << c.text;
}
