#include "app/ApplyLanguage.h"

#include "fakes/TempFolder.h"

#include <gtest/gtest.h>

using namespace vlm;
using vlm::test::TempFolder;
using vlm::test::WriteText;

TEST(ApplyLanguage, ReloadsFileAndComputesWindowState) {
    TempFolder dir;
    TVLMXConfig config;
    config.LanguageFile = dir.path() / "configuration" / "lang" / "lang.lang";
    config.LanguageCode = "EN";
    config.LanguageIndex = 1;
    TLanguage lang;
    EXPECT_FALSE(ApplyLanguage(lang, config, dir.path())); // no file: nothing happens
    EXPECT_FALSE(lang.file);

    WriteText(config.LanguageFile, "[Misc]\r\nLANG_CODE=PL#|#EN\r\n"
                                   "SFileFiltersProject=Kursy|*.vlm#|#Courses (*.vlmproject)\r\n"
                                   "TREE_TEXT_PROJECT=Kurs#|#Course\r\n");
    WriteText(dir.path() / "help" / "EN" / "help" / "index.html", "<html/>");
    ContentLanguage().clear();
    const auto a = ApplyLanguage(lang, config, dir.path());
    ASSERT_TRUE(a);
    EXPECT_EQ(a->contentLanguage, "EN");
    EXPECT_EQ(ContentLanguage(), "EN");
    EXPECT_TRUE(a->helpVisible);
    EXPECT_FALSE(a->faqVisible);
    EXPECT_EQ(a->projectFileFilter, "Courses (*.vlmproject)|*.vlmproject;*.prj");
    EXPECT_EQ(RootNodeText(lang, "Intro"), "Course: Intro");
    EXPECT_EQ(UpdateCheckAddress("https://example.invalid/update/", lang),
              "https://example.invalid/update/en/");
    ContentLanguage().clear();
}

TEST(ApplyLanguage, LanguageCommandsSetCodeAndIndex) {
    TVLMXConfig c;
    SelectProgramLanguage(c, "EN");
    EXPECT_EQ(c.LanguageIndex, 1);
    EXPECT_EQ(c.LanguageCode, "EN");
    SelectProgramLanguage(c, "PL");
    EXPECT_EQ(c.LanguageIndex, 0);
    EXPECT_EQ(c.LanguageCode, "PL");
}
