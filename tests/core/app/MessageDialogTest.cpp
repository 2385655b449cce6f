#include "app/MessageDialog.h"

#include <gtest/gtest.h>

using namespace vlm;

namespace {
TLanguage Lang() {
    TLanguage lang;
    lang.file = TIniFile::FromText(
        "[Misc]\r\n"
        "ButtonCaptions=&Tak,&Nie,OK,Anuluj,Przerwij,Pon\xF3w,Ignoruj,Wszystkie,Nie dla "
        "wszystkich,Tak dla wszystkich,Pomoc\r\n"
        "MSGAPPDLG_Warning=Ostrze\xBF"
        "enie\r\nMSGAPPDLG_Error=B\xB3\xB9"
        "d\r\n"
        "MSGAPPDLG_Information=Informacja\r\nMSGAPPDLG_Confirm=Potwierdzenie\r\n"
        "MSGAPPDLG_Yes=Tak\r\nMSGAPPDLG_Cancel=Anuluj\r\nMSGAPPDLG_HelpNone=Brak\r\n");
    return lang;
}

TMessageBoxRequest Request(ButtonSet buttons, int width = 200) {
    TMessageBoxRequest r;
    r.caption = "X";
    r.appTitle = "Vellumar4";
    r.text = "Short";
    r.type = DialogType::Custom;
    r.buttons = buttons;
    r.fontPointSize = 8;
    r.currentWidth = width;
    r.labelTop = 16;
    return r;
}
} // namespace

TEST(MessageDialog, CaptionByType) {
    const TLanguage lang = Lang();
    struct {
        DialogType type;
        std::string caption;
        std::string expected;
    } cases[] = {
        {DialogType::Confirmation, "X", "Potwierdzenie"},
        {DialogType::Warning, "X",
         "Ostrze\xBF"
         "enie"},
        {DialogType::Error, "",
         "B\xB3\xB9"
         "d"},
        {DialogType::Information, "X", "Informacja"},
        {DialogType::Custom, "X", "X"},
        {DialogType::Custom, "", "Vellumar4"},
    };
    for (const auto& c : cases) {
        TMessageBoxRequest r = Request(kButtonsOK);
        r.type = c.type;
        r.caption = c.caption;
        EXPECT_EQ(LayoutMessageBox(lang, r).caption, c.expected) << int(c.type);
    }
}

TEST(MessageDialog, ButtonPositionsAndWidth) {
    const TLanguage lang = Lang();
    struct {
        ButtonSet buttons;
        int currentWidth;
        int width;
        std::vector<int> lefts;
    } cases[] = {
        {kButtonsYesNoCancel, 200, 295, {14, 103, 192}}, // (295 - 267) / 2
        {kButtonsYesNoCancel, 400, 400, {67, 156, 245}}, // (400 - 267) / 2 = 66.5
        {kButtonsOK, 300, 300, {110}},                   // (300 - 81) / 2 = 109.5
        {kButtonsOK, 201, 201, {60}},
        {kButtonsYesNo, 100, 202, {12, 101}}, // 93 * 2 + 16
        {0, 250, 250, {}},
    };
    for (const auto& c : cases) {
        const auto l = LayoutMessageBox(lang, Request(c.buttons, c.currentWidth));
        EXPECT_EQ(l.width, c.width) << c.buttons << "/" << c.currentWidth;
        std::vector<int> lefts;
        for (const auto& b : l.buttons) {
            lefts.push_back(b.left);
            EXPECT_EQ(b.width, 85);
        }
        EXPECT_EQ(lefts, c.lefts) << c.buttons << "/" << c.currentWidth;
    }
}

TEST(MessageDialog, WidthEstimateFromTextIsCapped) {
    const TLanguage lang = Lang();
    struct {
        std::size_t chars;
        int currentWidth;
        int width;
    } cases[] = {{20, 200, 200}, {25, 200, 200}, {30, 200, 240}, {100, 200, 450}, {60, 500, 500}};
    for (const auto& c : cases) {
        TMessageBoxRequest r = Request(kButtonsOK, c.currentWidth);
        r.text.assign(c.chars, 'a');
        EXPECT_EQ(LayoutMessageBox(lang, r).width, c.width) << c.chars;
    }
}

TEST(MessageDialog, TopHeightAndCheckBox) {
    const TLanguage lang = Lang();
    TMessageBoxRequest r = Request(kButtonsOK);
    r.labelHeight = [](int) { return 49; };
    auto l = LayoutMessageBox(lang, r);
    EXPECT_EQ(l.buttonTop, 70);
    EXPECT_EQ(l.height, 140);
    EXPECT_FALSE(l.checkBoxVisible);
    EXPECT_TRUE(l.checkBoxChecked);

    r.dontShowAgain = true;
    int askedWidth = 0;
    r.buttons = kButtonsYesNoCancel;
    r.labelHeight = [&](int w) {
        askedWidth = w;
        return 50;
    };
    l = LayoutMessageBox(lang, r);
    EXPECT_EQ(askedWidth, 295); // wrapped at the final width
    EXPECT_EQ(l.buttonTop, 16 + 50 + 20);
    EXPECT_EQ(l.height, 86 + 70 + 25);
    EXPECT_TRUE(l.checkBoxVisible);
    EXPECT_FALSE(l.checkBoxChecked);
    for (const auto& b : l.buttons)
        EXPECT_EQ(b.top, 86);
    EXPECT_TRUE(DontShowAgainAfterClose(false));
    EXPECT_FALSE(DontShowAgainAfterClose(true));
}

TEST(MessageDialog, DefaultAndCancelButtons) {
    struct {
        ButtonSet buttons;
        int def;    // -1: none
        int cancel; // -1: none
        int escape;
    } cases[] = {
        {kButtonsYesNoCancel, mrYes, mrCancel, mrCancel},
        {kButtonsYesNo, mrYes, mrNo, mrNo},
        {kButtonsOK, mrOK, mrOK, mrOK},
        {kButtonsOKCancel, mrOK, mrCancel, mrCancel},
        {mbAbort | mbRetry | mbIgnore, mrRetry, -1, mrCancel},
        {mbIgnore, -1, -1, mrCancel},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DefaultButtonResult(c.buttons).value_or(-1), c.def) << c.buttons;
        EXPECT_EQ(CancelButtonResult(c.buttons).value_or(-1), c.cancel) << c.buttons;
        EXPECT_EQ(EscapeResult(c.buttons), c.escape) << c.buttons;
    }
}

TEST(MessageDialog, ButtonCaptionsAndResults) {
    auto l = LayoutMessageBox(Lang(), Request(kButtonsYesNoCancel | mbHelp));
    ASSERT_EQ(l.buttons.size(), 4u);
    EXPECT_EQ(l.buttons[0].caption, "&Tak");
    EXPECT_EQ(l.buttons[0].result, mrYes);
    EXPECT_EQ(l.buttons[2].caption, "Anuluj");
    EXPECT_EQ(l.buttons[2].result, mrCancel);
    EXPECT_EQ(l.buttons[3].caption, "Pomoc");
    EXPECT_EQ(l.buttons[3].result, mrHelp);

    // Short lists and no language file fall back to the English names.
    TLanguage shortList;
    shortList.file = TIniFile::FromText("[Misc]\r\nButtonCaptions=Ja,Nein\r\n");
    const auto c = MessageBoxButtonCaptions(shortList);
    EXPECT_EQ(c[0], "Ja");
    EXPECT_EQ(c[1], "Nein");
    EXPECT_EQ(c[2], "OK");
    EXPECT_EQ(c[10], "Help");
    EXPECT_EQ(MessageBoxButtonCaptions(TLanguage{})[3], "Cancel");
}

TEST(MessageDialog, IconAndSoundByType) {
    struct {
        DialogType type;
        TMessageIcon icon;
        const char* sound;
    } cases[] = {
        {DialogType::Warning, TMessageIcon::Exclamation, "SystemExclamation"},
        {DialogType::Error, TMessageIcon::Hand, "SystemHand"},
        {DialogType::Information, TMessageIcon::Asterisk, "SystemAsterisk"},
        {DialogType::Confirmation, TMessageIcon::Question, "SystemQuestion"},
        {DialogType::Custom, TMessageIcon::Application, ""},
    };
    for (const auto& c : cases) {
        TMessageBoxRequest r = Request(kButtonsOK);
        r.type = c.type;
        const auto l = LayoutMessageBox(Lang(), r);
        EXPECT_EQ(l.icon, c.icon);
        EXPECT_EQ(l.sound, c.sound);
    }
}

TEST(MessageDialog, StandardDialogTexts) {
    const auto t = ReadMessageDlgTexts(Lang());
    EXPECT_EQ(MessageDlgCaption(t, DialogType::Information, "App"), "Informacja");
    EXPECT_EQ(MessageDlgCaption(t, DialogType::Custom, "App"), "App");
    EXPECT_EQ(MessageDlgButtonCaptions(t, kButtonsYesNoCancel),
              (std::vector<std::string>{"Tak", "", "Anuluj"}));
    EXPECT_EQ(t.helpNone, "Brak");
}
