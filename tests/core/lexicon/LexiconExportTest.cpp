#include "lexicon/LexiconExport.h"

#include "common/FileWrite.h"
#include "fakes/Fakes.h"
#include "fakes/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

namespace fs = std::filesystem;
using namespace vlm;

namespace {
const fs::path kFixtures = fs::path(VLM_FIXTURES_DIR) / "lexicon";

// Relative path -> bytes of every file below a folder.
std::map<std::string, std::string> Tree(const fs::path& root) {
    std::map<std::string, std::string> out;
    for (const auto& e : fs::recursive_directory_iterator(root))
        if (e.is_regular_file())
            out[fs::relative(e.path(), root).generic_string()] = ReadFileBytes(e.path()).value();
    return out;
}

class LexiconExport : public ::testing::Test {
protected:
    test::TempFolder tmp;
    const fs::path out = tmp.path();
    test::RecordingProgress progress;
};
} // namespace

TEST(LexiconPages, FileNamesFoldPolishLettersAndDropPunctuation) {
    struct Case {
        const char* keyword;
        const char* page;
    };
    const Case cases[] = {
        {"Test", "Test.html"},
        {"Za\xBF\xF3\xB3\xE6", "Zazolc.html"}, // Zazolc with diacritics
        {"e-mail (poczta).", "email poczta.html"},
        {"[x] ~_^", "[x] ~_^.html"}, // square brackets and the rest stay
        {"?!", "!.html"},
        {"...", ".html"},         // only punctuation
        {"a/b\\c", "ab\\c.html"}, // no folder can be named
    };
    for (const auto& c : cases)
        EXPECT_EQ(LexiconPageName(c.keyword), c.page) << c.keyword;
}

TEST(LexiconPages, IndexEntryKeepsTheKeywordAsTyped) {
    EXPECT_EQ(LexiconIndexEntry("Test"), "dbAdd(\"Test\", \"keywords/Test.html\", \"\", 0);\r\n");
    EXPECT_EQ(LexiconIndexEntry("Za\xBF\xF3\xB3\xE6"),
              "dbAdd(\"Za\xBF\xF3\xB3\xE6\", \"keywords/Zazolc.html\", \"\", 0);\r\n");
    // A quote or backslash cannot end the script string.
    EXPECT_EQ(LexiconIndexEntry("say \"hi\" \\ </b>"),
              "dbAdd(\"say \\\"hi\\\" \\\\ <\\/b>\", \"keywords/say hi \\\\ "
              "b.html\", \"\", 0);\r\n");
}

TEST_F(LexiconExport, WritesTheKeywordPagesAndTheIndexByteForByte) {
    ASSERT_TRUE(
        WriteLexicon(kFixtures / "program", kFixtures / "course" / "lexicon.ini", out, progress));
    EXPECT_EQ(Tree(out), Tree(kFixtures / "expected" / "export"));
    EXPECT_FALSE(progress.log.empty()); // the folder copy shows its progress
}

TEST_F(LexiconExport, WithoutALexiconFileOnlyTheProgramFilesAreCopied) {
    ASSERT_TRUE(
        WriteLexicon(kFixtures / "program", kFixtures / "course" / "missing.ini", out, progress));
    std::map<std::string, std::string> expected;
    for (const auto& [name, bytes] : Tree(kFixtures / "program" / "exports" / "lexicon"))
        expected["lexicon/" + name] = bytes;
    ASSERT_EQ(expected.size(), 2u);
    EXPECT_EQ(Tree(out), expected);
}

TEST_F(LexiconExport, AMissingTemplateEndsTheExportWithAnError) {
    const fs::path program = out / "program";
    fs::create_directories(program / "exports" / "lexicon");
    EXPECT_THROW(
        WriteLexicon(program, kFixtures / "course" / "lexicon.ini", out / "target", progress),
        std::runtime_error);
}
