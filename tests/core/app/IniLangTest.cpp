#include "app/IniLang.h"

#include <gtest/gtest.h>

using vlm::SelectLanguageVariant;

TEST(IniLang, SelectLanguageVariant) {
    struct Case {
        std::string value;
        int index;
        std::string expected;
    } cases[] = {
        {"Zapisz#|#Save", 0, "Zapisz"},
        {"Zapisz#|#Save", 1, "Save"},
        {"Zapisz#|#Save", 3, "Save"},
        {"A#|# #|#C", 1, ""},
        {"A#|# #|#C", 2, "C"},
        {"Only", 4, "Only"},
        {" ", 0, ""},
        {"", 2, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SelectLanguageVariant(c.value, c.index), c.expected) << c.value << " " << c.index;
}

TEST(IniLang, LangTextTurnsMarkersIntoLineBreaks) {
    vlm::TLanguage lang;
    EXPECT_EQ(lang.LangText("X"), ""); // no file loaded
    lang.file = vlm::TIniFile::FromText(
        "[Misc]\r\nX=first*|*second#|#one*|*\r\n[frmMain]\r\nfrmMain.Caption=a*|*b\r\n");
    EXPECT_EQ(lang.LangText("X"), "first\r\nsecond");
    lang.languageIndex = 1;
    EXPECT_EQ(lang.LangText("X"), "one\r\n");
    EXPECT_EQ(lang.SectionText("frmMain", "frmMain.Caption"), "a*|*b");
    EXPECT_EQ(lang.LangText("missing"), "");
}

// A value of two million markers: replacing each in place would move the rest
// of the text every time and not end within the test's time limit.
TEST(IniLang, LangTextOfManyMarkersStaysLinear) {
    constexpr std::size_t kMarkers = 2000000;
    std::string value, expected;
    value.reserve(4 * kMarkers);
    expected.reserve(3 * kMarkers);
    for (std::size_t i = 0; i < kMarkers; ++i) {
        value += "x*|*";
        expected += "x\r\n";
    }
    vlm::TLanguage lang;
    lang.file = vlm::TIniFile::FromText("[Misc]\r\nX=" + value + "\r\n");
    EXPECT_EQ(lang.LangText("X"), expected);
}
