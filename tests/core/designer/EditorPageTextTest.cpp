// Preparing property and parameter pages: markers, the language block, the
// base reference, the copy, and the dialog size read from the markup.

#include "designer/EditorPageText.h"

#include "LanguageScope.h"
#include "fakes/TempFolder.h"

#include <gtest/gtest.h>

namespace vlm {
namespace {

TEST(EditorPageText, DialogSizeFromTheBodyAttributes) {
    struct Case {
        const char* html;
        std::optional<int> width, height;
    } cases[] = {
        {"<body dialogWidth=\"480\" dialogHeight='260'>", 480, 260},
        {"<HTML><BODY DIALOGWIDTH=300 class=x>", 300, std::nullopt},
        {"<body>", std::nullopt, std::nullopt},
        {"<body dialogWidth=\"\" dialogHeight=\" 90 \">", std::nullopt, 90},
        {"<body dialogWidth=\"wide\" dialogHeight=\"-5\">", std::nullopt, std::nullopt},
        {"<!-- <body dialogWidth=\"1\"> --><body dialogWidth=\"2\">", 2, std::nullopt},
        {"<bodyx dialogWidth=\"5\"><body onload=\"a>b\" dialogHeight=\"7\">", std::nullopt, 7},
        {"<p>dialogWidth=\"9\"</p>", std::nullopt, std::nullopt},
        {"<body dialogWidth=\"12", 12, std::nullopt},
    };
    for (const Case& c : cases) {
        const TDialogSize size = ReadDialogSize(c.html);
        EXPECT_EQ(size.width, c.width) << c.html;
        EXPECT_EQ(size.height, c.height) << c.html;
    }
}

TEST(EditorPageText, LanguageMarkers) {
    test::LanguageScope language{"TITLE=Tytul#|#Title\r\nSELF=x*[SELF]*y\r\n", "PL"};
    struct Case {
        const char* text;
        const char* expected;
    } cases[] = {
        {"<h1>*[TITLE]*</h1><p>*[TITLE]*</p>", "<h1>Tytul</h1><p>Tytul</p>"},
        {"a *[ b", "a *[ b"},
        {"a ]* *[TITLE]*", "a ]* Tytul"},
        {"*[SELF]*|*[SELF]*", "x*[SELF]*y|x*[SELF]*y"},
        {"*[NONE]*!", "!"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReplaceLanguageMarkers(c.text), c.expected) << c.text;
}

TEST(EditorPageText, LanguageBlockReplacesOriginalsByTheContentLanguage) {
    const std::string page = "<title>Napis</title><p>Obrazek</p>\r\n<language>\r\n"
                             "<string><original>Napis</original><text lang=\"EN\">Caption</text>"
                             "</string>\r\n<string><original>Obrazek</original>"
                             "<text lang=\"DE\">Bild</text></string>\r\n</language>";
    const std::string english = ApplyLanguageBlock(page, "EN");
    EXPECT_EQ(english.substr(0, 35), "<title>Caption</title><p>Obrazek</p");
    EXPECT_EQ(ApplyLanguageBlock(page, "FR"), page);
    EXPECT_EQ(ApplyLanguageBlock("<language> no end", "EN"), "<language> no end");
}

TEST(EditorPageText, PreparedCopyGoesToTheWorkingFolderWithABaseReference) {
    test::LanguageScope language{"TITLE=Tytul\r\n", "PL"};
    test::TempFolder temp;
    const auto page = temp.path() / "components" / "button" / "editor.html";
    test::WriteText(page, "<body dialogWidth=\"480\">*[TITLE]*</body>");
    const TPreparedPage prepared = PrepareEditorPage(page, temp.path() / "run", "PL");
    EXPECT_EQ(prepared.file, temp.path() / "run" / "editor.html");
    EXPECT_EQ(prepared.size.width, 480);
    EXPECT_EQ(test::ReadText(prepared.file), "<base href=\"file://" +
                                                 (temp.path() / "components" / "button").string() +
                                                 "/\"/><body dialogWidth=\"480\">Tytul</body>");
    EXPECT_THROW(PrepareEditorPage(temp.path() / "missing.html", temp.path(), "PL"),
                 std::runtime_error);
}

} // namespace
} // namespace vlm
