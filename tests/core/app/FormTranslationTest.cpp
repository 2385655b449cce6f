#include "app/FormTranslation.h"

#include <gtest/gtest.h>

using namespace vlm;

TEST(FormTranslation, KeysFollowComponentNames) {
    EXPECT_EQ(FormCaptionKey("frmMain"), "frmMain.Caption");
    EXPECT_EQ(ComponentPropertyKey("frmMain", "btnOk", "Hint"), "frmMain.btnOk.Hint");
    EXPECT_EQ(MemoLineKey("frmMain", "mInfo", 12), "frmMain.mInfo.lines[12]");
    EXPECT_EQ(ItemKey("frmMain", "rgKind", 0), "frmMain.rgKind.items[0]");
    EXPECT_EQ(ColumnCaptionKey("frmMain", "lvList", 2), "frmMain.lvList.Columns[2].Caption");
}

TEST(FormTranslation, TranslatesEveryKindOfText) {
    TLanguage lang;
    lang.languageIndex = 1;
    lang.file = TIniFile::FromText("[frmX]\r\n"
                                   "frmX.Caption=Okno#|#Window\r\n"
                                   "frmX.btnOk.Caption=Tak#|#Yes*|*now\r\n"
                                   "frmX.btnOk.Hint=#|# \r\n"
                                   "frmX.lbl.Caption=Etykieta#|#Label\r\n"
                                   "frmX.memo.lines[0]=fsdef\r\n"
                                   "frmX.memo.lines[1]=a#|# \r\n"
                                   "frmX.memo.lines[2]=b#|#Second\r\n"
                                   "frmX.rg.items[1]=B#|#Two\r\n"
                                   "frmX.cb.items[0]=Jeden#|#One\r\n"
                                   "frmX.lv.Columns[1].Caption=Nazwa#|#Name\r\n"
                                   "frmX.ghost.Caption=Nobody\r\n");
    TFormTexts form{"frmX", "Okno", {}};
    form.components = {
        {"btnOk", TComponentKind::Other, "OK", "podp", {}, {}, {}},
        {"lbl", TComponentKind::Other, std::nullopt, std::nullopt, {}, {}, {}}, // no Caption
        {"memo", TComponentKind::Memo, {}, {}, {"l0", "l1", "l2", "l3"}, {}, {}},
        {"rg", TComponentKind::RadioGroup, "grp", {}, {}, {"A", "B"}, {}},
        {"cb", TComponentKind::ComboBox, {}, {}, {}, {"x", "y"}, {}},
        {"lv", TComponentKind::ListView, {}, {}, {}, {}, {"c0", "c1"}},
    };
    TranslateFormTexts(lang, form);
    EXPECT_EQ(form.caption, "Window");
    EXPECT_EQ(form.components[0].caption, "Yes*|*now"); // no line breaks in windows
    EXPECT_EQ(form.components[0].hint, "podp");         // empty variant: unchanged
    EXPECT_FALSE(form.components[1].caption);
    EXPECT_EQ(form.components[2].lines, (std::vector<std::string>{"l0", "", "Second", "l3"}));
    EXPECT_EQ(form.components[3].items, (std::vector<std::string>{"A", "Two"}));
    EXPECT_EQ(form.components[3].caption, "grp");
    EXPECT_EQ(form.components[4].items, (std::vector<std::string>{"One", "y"}));
    EXPECT_EQ(form.components[5].columns, (std::vector<std::string>{"c0", "Name"}));
}

TEST(FormTranslation, NoLanguageFileKeepsDesignTexts) {
    TLanguage lang;
    TFormTexts form{"frmX", "Okno", {{"memo", TComponentKind::Memo, {}, {}, {"line"}, {}, {}}}};
    TranslateFormTexts(lang, form);
    EXPECT_EQ(form.caption, "Okno");
    EXPECT_EQ(form.components[0].lines[0], "line");
}
