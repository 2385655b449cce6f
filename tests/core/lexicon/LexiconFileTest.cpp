#include "lexicon/LexiconFile.h"

#include "common/FileWrite.h"
#include "common/IniFile.h"
#include "fakes/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;
using namespace vlm;

namespace {
const fs::path kFixtures = fs::path(VLM_FIXTURES_DIR) / "lexicon";

// Sorted as the editor keeps them; "\xB9" is a-ogonek, "\xBF\xF3\xB3\xE6" is "zolc" with
// diacritics.
const std::vector<TLexiconUnit> kUnits = {
    {"ala", "Kot & pies\r\n2 linia."},
    {"\xB9"
     "bc",
     "za\xBF\xF3\xB3\xE6"},
    {"Kot", "kot"},
    {"kot", "Kot <b>"},
};
} // namespace

TEST(LexiconFile, WritesTheGoldenFileByteForByte) {
    const test::TempFolder dir;
    const fs::path file = dir / kLexiconFileName;
    ASSERT_TRUE(SaveLexiconFile(file, kUnits));
    EXPECT_EQ(ReadFileBytes(file), ReadFileBytes(kFixtures / "expected" / "lexicon.ini"));
}

TEST(LexiconFile, ReadsBackWhatItWroteIncludingKeywordsDifferingInCase) {
    const auto units = ReadLexiconFile(kFixtures / "expected" / "lexicon.ini");
    EXPECT_EQ(units, kUnits);
    // The layout is the INI writer's: the platform reader sees the same keys.
    const auto ini = TIniFile::Load(kFixtures / "expected" / "lexicon.ini");
    ASSERT_TRUE(ini);
    EXPECT_EQ(ini->SectionKeys("LEXICON").size(), 4u);
    EXPECT_EQ(ini->ReadString("lexicon", "ala"), "Kot &#038; pies&#013;&#010;2 linia&#046;");
}

TEST(LexiconFile, NoKeywordsGiveAnEmptyFileAndAMissingFileNoKeywords) {
    const test::TempFolder dir;
    const fs::path file = dir / kLexiconFileName;
    ASSERT_TRUE(WriteFileBytes(file, "old"));
    ASSERT_TRUE(SaveLexiconFile(file, {}));
    EXPECT_EQ(ReadFileBytes(file), std::string());
    EXPECT_TRUE(ReadLexiconFile(file).empty());
    EXPECT_TRUE(ReadLexiconFile(dir / "missing.ini").empty());
    EXPECT_TRUE(ReadLexiconEntries(dir.path()).empty()); // a folder is no lexicon
}

TEST(LexiconFile, EntriesKeepTheStoredValuesInFileOrder) {
    const auto entries = ReadLexiconEntries(kFixtures / "course" / "lexicon.ini");
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0], (std::pair<std::string, std::string>{
                              "Test", "Pierwsza linia&#013;&#010;druga&#046;"}));
    EXPECT_EQ(entries[1].first, "Za\xBF\xF3\xB3\xE6");
}

TEST(LexiconFile, SaveFailsVisiblyWhenTheFolderIsMissing) {
    const test::TempFolder dir;
    EXPECT_FALSE(SaveLexiconFile(dir / "no" / "such" / kLexiconFileName, kUnits));
}
