#include "app/VLMXConfig.h"

#include "fakes/TempFolder.h"

#include <gtest/gtest.h>

using namespace vlm;
using vlm::test::ReadText;
using vlm::test::TempFolder;
using vlm::test::WriteText;

namespace {
TVLMXConfig LoadWith(const TempFolder& dir, const std::string& ini) {
    WriteText(ConfigFilePath(dir.path()), ini);
    TVLMXConfig c;
    LoadConfiguration(c, dir.path());
    return c;
}
} // namespace

TEST(VLMXConfig, LanguageCodeTableIsCaseSensitive) {
    struct {
        const char* code;
        int index; // -1: no row
    } cases[] = {{"PL", 0},  {"EN", 1},  {"DE", 2}, {"FR", 3},  {"CU", 4},
                 {"de", -1}, {"pl", -1}, {"", -1},  {"DEU", -1}};
    for (const auto& c : cases)
        EXPECT_EQ(LanguageIndexOfCode(c.code).value_or(-1), c.index) << c.code;
}

TEST(VLMXConfig, LoadReadsKeysAndKeepsIndexForUnknownCode) {
    TempFolder dir;
    TVLMXConfig de = LoadWith(dir, "[language]\r\nlang=DE\r\n");
    EXPECT_EQ(de.LanguageIndex, 2);

    TVLMXConfig lower = LoadWith(dir, "[language]\r\nlang=de\r\n");
    EXPECT_EQ(lower.LanguageIndex, 0);
    EXPECT_EQ(lower.LanguageCode, "de");

    // A code outside the table leaves the index as it was.
    TVLMXConfig c;
    c.LanguageIndex = 3;
    WriteText(ConfigFilePath(dir.path()), "[language]\r\nlang=xx\r\n");
    LoadConfiguration(c, dir.path());
    EXPECT_EQ(c.LanguageIndex, 3);

    TVLMXConfig full = LoadWith(dir, "[language]\r\nfile=english.lang\r\nlang=EN\r\n"
                                     "[exports]\r\ndefaultTemplatesDesign=Blue\r\n"
                                     "[environmentalveriables]\r\ncaptionformat=%s - x\r\n"
                                     "autosave=0\r\nautoupdate=1\r\n");
    EXPECT_EQ(full.LanguageFile, dir.path() / "configuration" / "lang" / "english.lang");
    EXPECT_EQ(full.DefaultTemplatesDesign, "Blue");
    EXPECT_EQ(full.CaptionFormat, "%s - x");
    EXPECT_TRUE(full.AutoSave); // never read from the file
    EXPECT_TRUE(full.AutoUpdate);
    EXPECT_TRUE(full.PaintElements);
}

TEST(VLMXConfig, MissingFileGivesDefaultsAndIsCreatedOnSave) {
    TempFolder dir;
    TVLMXConfig c;
    c.AutoSave = false;
    c.PaintElements = false;
    LoadConfiguration(c, dir.path());
    EXPECT_EQ(c.LanguageFile, dir.path() / "configuration" / "lang" / "lang.lang");
    EXPECT_EQ(c.LanguageCode, "PL");
    EXPECT_EQ(c.LanguageIndex, 0);
    EXPECT_EQ(c.DefaultTemplatesDesign, "Orvanta - standard");
    EXPECT_EQ(c.CaptionFormat, "");
    EXPECT_TRUE(c.AutoSave);
    EXPECT_FALSE(c.AutoUpdate);
    EXPECT_TRUE(c.PaintElements);

    ASSERT_TRUE(SaveConfiguration(c, dir.path()));
    EXPECT_EQ(ReadText(ConfigFilePath(dir.path())),
              "[language]\r\nfile=lang.lang\r\nlang=PL\r\n\r\n"
              "[exports]\r\ndefaultTemplatesDesign=Orvanta - standard\r\n\r\n"
              "[environmentalveriables]\r\ncaptionformat=\r\nautosave=1\r\nautoupdate=0\r\n\r\n");
}

TEST(VLMXConfig, SaveWritesLangLangAndKeepsOtherContents) {
    TempFolder dir;
    TVLMXConfig c = LoadWith(dir, "[language]\r\nfile=english.lang\r\nlang=EN\r\n"
                                  "[mine]\r\nkept=yes\r\n");
    ASSERT_TRUE(SaveConfiguration(c, dir.path()));
    const std::string text = ReadText(ConfigFilePath(dir.path()));
    EXPECT_NE(text.find("file=lang.lang\r\n"), std::string::npos);
    EXPECT_EQ(text.find("english"), std::string::npos);
    EXPECT_NE(text.find("[mine]\r\nkept=yes\r\n"), std::string::npos);
}

TEST(VLMXConfig, SaveMakesReadOnlyFileWritable) {
    TempFolder dir;
    const auto file = ConfigFilePath(dir.path());
    WriteText(file, "[language]\r\nlang=EN\r\n");
    std::filesystem::permissions(file, std::filesystem::perms::owner_read);
    TVLMXConfig c;
    LoadConfiguration(c, dir.path());
    c.LanguageCode = "FR";
    ASSERT_TRUE(SaveConfiguration(c, dir.path()));
    EXPECT_NE(ReadText(file).find("lang=FR"), std::string::npos);
    const auto perms = std::filesystem::status(file).permissions();
    EXPECT_NE(perms & std::filesystem::perms::owner_write, std::filesystem::perms::none);
}

TEST(VLMXConfig, ResetThenSaveStoresDefaults) {
    TempFolder dir;
    TVLMXConfig c = LoadWith(dir, "[language]\r\nlang=EN\r\n[exports]\r\n"
                                  "defaultTemplatesDesign=Blue\r\n[environmentalveriables]\r\n"
                                  "captionformat=x\r\nautoupdate=1\r\n");
    c.PaintElements = false;
    ResetConfiguration(c, dir.path());
    EXPECT_EQ(c.LanguageIndex, 1); // unchanged
    EXPECT_FALSE(c.PaintElements); // unchanged
    EXPECT_EQ(c.LanguageCode, "pl");
    EXPECT_FALSE(c.AutoUpdate);
    EXPECT_EQ(c.CaptionFormat, "");
    ASSERT_TRUE(SaveConfiguration(c, dir.path()));
    const std::string text = ReadText(ConfigFilePath(dir.path()));
    EXPECT_NE(text.find("lang=pl\r\n"), std::string::npos);
    EXPECT_NE(text.find("defaultTemplatesDesign=Orvanta - standard\r\n"), std::string::npos);
    EXPECT_NE(text.find("autoupdate=0\r\n"), std::string::npos);
}

TEST(VLMXConfig, CommandLineSwitches) {
    struct {
        std::vector<std::string> args;
        bool debug;
    } cases[] = {
        {{"/usr/bin/vellumar", "debug"}, true},
        {{"/usr/bin/vellumar", "DeBuG"}, true},
        {{"/usr/bin/vellumar", "/debug"}, false},
        {{"/usr/bin/vellumar", "-debug"}, false},
        {{"/usr/bin/vellumar", "debugger"}, false},
        {{"DEBUG"}, true},
        {{}, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(HasCommandLineSwitch(c.args, "DEBUG"), c.debug)
            << (c.args.size() > 1 ? c.args[1] : "");
}
