#include "lexicon/LexiconExport.h"

#include "common/FileWrite.h"
#include "fakes/Fakes.h"
#include "fakes/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <vector>

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
    const TLanguage language; // no language file: texts are empty
    const TLayoutTexts texts{language, "EN"};
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

// Names a file system may refuse or cut get a bounded one; the "-" cannot
// occur in the ordinary names.
TEST(LexiconPages, LongNamesAndBadBytesGetBoundedNames) {
    struct Case {
        std::string keyword, page;
    };
    const Case cases[] = {
        {std::string(115, 'x'), std::string(115, 'x') + ".html"}, // 120 bytes: kept
        {std::string(116, 'x'), std::string(32, 'x') + "-ec7640e2d64d02efe787ce4da858cd3e.html"},
        {std::string(300, 'a'), std::string(32, 'a') + "-4e5475d125a33c6190718e75adc1b704.html"},
        {std::string("Ko\0t", 4), "Kot-533ed8e64656ec84ee4c3e84e9048fad.html"},
        {"a|b", "ab-d0726241020676b14aa6298ce6a18b21.html"},
        {"a\tb", "ab-6f7f0b434651658d5d07ec3764180020.html"},
        {"\x7F", "-83acb6e67e50e31db6ed341dd2de1595.html"},
        // 40 euro signs are 120 bytes in UTF-8
        {std::string(40, '\x80'), "-85baa74e0cc628c3606ed8548fdd59e9.html"},
        {std::string(38, '\x80'), std::string(38, '\x80') + ".html"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LexiconPageName(c.keyword), c.page) << c.keyword;

    // Keywords that differ only after the cut still get pages of their own.
    std::set<std::string> pages;
    for (char last = 'a'; last <= 'z'; ++last) {
        const std::string page = LexiconPageName(std::string(299, 'k') + last);
        EXPECT_LE(page.size(), 70u);
        pages.insert(page);
    }
    EXPECT_EQ(pages.size(), 26u);
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
        WriteLexicon(kFixtures / "program", kFixtures / "course" / "lexicon.ini", out, progress, texts));
    EXPECT_EQ(Tree(out), Tree(kFixtures / "expected" / "export"));
    EXPECT_FALSE(progress.log.empty()); // the folder copy shows its progress
}

TEST_F(LexiconExport, KeywordsNoFileCanBeNamedAfterStillGetTheirPages) {
    const std::vector<std::string> keywords = {std::string(300, 'a'), std::string(299, 'a') + "b",
                                               std::string("Ko\0t", 4), "Kot"};
    std::string ini = "[LEXICON]\r\n";
    for (const auto& k : keywords)
        ini += k + "=" + k.substr(0, 3) + "\r\n";
    const fs::path lexicon = out / "lexicon.ini";
    ASSERT_TRUE(WriteFileBytes(lexicon, ini));

    ASSERT_TRUE(WriteLexicon(kFixtures / "program", lexicon, out / "export", progress, texts));
    const std::string index = ReadFileBytes(out / "export/lexicon/lexicon_tree.html").value();
    for (const auto& k : keywords) {
        const std::string page = LexiconPageName(k);
        EXPECT_TRUE(fs::is_regular_file(out / "export/lexicon/keywords" / page)) << page;
        EXPECT_NE(index.find("\"keywords/" + page + "\""), std::string::npos) << page;
    }
    EXPECT_EQ(Tree(out / "export/lexicon/keywords").size(), keywords.size());
}

TEST_F(LexiconExport, WithoutALexiconFileOnlyTheProgramFilesAreCopied) {
    ASSERT_TRUE(
        WriteLexicon(kFixtures / "program", kFixtures / "course" / "missing.ini", out, progress, texts));
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
        WriteLexicon(program, kFixtures / "course" / "lexicon.ini", out / "target", progress, texts),
        std::runtime_error);
}
