#include "common/IniFile.h"

#include <gtest/gtest.h>

using vlm::TIniFile;

TEST(IniFile, ReadsCaseInsensitiveFirstMatchWholeValues) {
    const std::string longValue(5000, 'x');
    auto ini = TIniFile::FromText("[Misc]\r\nKey = first \r\nkey=second\r\n[misc]\r\nother=3\r\n"
                                  "big=" +
                                  longValue + "\n[Empty]\r\n");
    EXPECT_EQ(ini.ReadString("MISC", "KEY"), "first");
    EXPECT_EQ(ini.ReadString("misc", "other", "d"), "d"); // first section of the name wins
    EXPECT_EQ(ini.ReadString("Misc", "missing", "d"), "d");
    EXPECT_TRUE(ini.SectionExists("empty"));
    EXPECT_EQ(ini.SectionKeys("Misc"), (std::vector<std::string>{"Key", "key"}));
}

TEST(IniFile, IntegersAndBooleans) {
    auto ini = TIniFile::FromText("[s]\na=12\nb=0\nc=x\nd=0x10\ne=-3\n");
    EXPECT_EQ(ini.ReadInteger("s", "a"), 12);
    EXPECT_EQ(ini.ReadInteger("s", "c", 7), 7);
    EXPECT_EQ(ini.ReadInteger("s", "d"), 16);
    EXPECT_EQ(ini.ReadInteger("s", "e"), -3);
    EXPECT_TRUE(ini.ReadBool("s", "a"));
    EXPECT_FALSE(ini.ReadBool("s", "b", true));
    EXPECT_TRUE(ini.ReadBool("s", "c", true));
    EXPECT_FALSE(ini.ReadBool("s", "zz"));
}

TEST(IniFile, WritesSectionsInOrderWithEmptyLineAfterEach) {
    TIniFile ini;
    EXPECT_EQ(ini.ToText(), "");
    ini.WriteString("LEXICON", "Kot", "a&#013;&#010;b");
    ini.WriteString("LEXICON", "Pies", "c");
    ini.WriteBool("other", "flag", true);
    ini.WriteString("lexicon", "KOT", "new");
    EXPECT_EQ(ini.ToText(), "[LEXICON]\r\nKot=new\r\nPies=c\r\n\r\n[other]\r\nflag=1\r\n\r\n");
}

TEST(IniFile, RoundTripKeepsCommentsAndOrder) {
    const std::string text = "; head\r\n[a]\r\n;c\r\nx=1\r\n\r\n[b]\r\ny=2\r\n\r\n";
    EXPECT_EQ(TIniFile::FromText(text).ToText(), text);
}

TEST(IniFile, EmptySectionNameStaysItsOwnSection) {
    const std::string text = "k0=v0\r\n[a]\r\n\r\n[]\r\nk=v\r\n\r\n";
    auto ini = TIniFile::FromText(text);
    EXPECT_EQ(ini.ToText(), text);
    EXPECT_EQ(ini.ReadString("a", "k"), "");
    EXPECT_EQ(ini.ReadString("", "k"), "v");
    EXPECT_EQ(ini.ReadString("", "k0"), ""); // lines before any section belong to none
}

TEST(IniFile, BinaryAndTruncatedInputNeverFail) {
    std::string junk;
    for (int i = 0; i < 512; ++i)
        junk += static_cast<char>((i * 37) & 0xFF);
    auto ini = TIniFile::FromText(junk + "[unterminated");
    (void)ini.ToText();
    EXPECT_EQ(TIniFile::FromText("").Sections().size(), 0u);
    EXPECT_FALSE(TIniFile::Load("/nonexistent/file.ini").has_value());
}
