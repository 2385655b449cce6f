#include "lexicon/Lexicon.h"

#include "app/IniLang.h"
#include "common/FileWrite.h"
#include "fakes/Fakes.h"
#include "fakes/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;
using namespace vlm;

namespace {

std::vector<std::string> Keywords(const TLexicon& lex) {
    std::vector<std::string> out;
    for (const auto& u : lex.Units())
        out.push_back(u.keyword);
    return out;
}

class LexiconModel : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = CurrentLanguage();
        CurrentLanguage().file =
            TIniFile::FromText("[Misc]\r\nLEXICON_CAPTION=Leksykon#|#Lexicon\r\n"
                               "LEXICON_REMOVE_QUESTION=Usunac?#|#Remove?\r\n"
                               "LEXICON_KEYWORD_EXISTS=Jest juz#|#Exists\r\n"
                               "LEXICON_KEYWORD_INVALID=Zle#|#Invalid\r\n");
        CurrentLanguage().languageIndex = 1;
    }
    void TearDown() override { CurrentLanguage() = saved_; }
    TLanguage saved_;
    test::FakeUserPrompt prompt;
};

} // namespace

TEST(LexiconOrder, CaseInsensitiveWithPolishLettersAfterTheirBase) {
    struct Case {
        const char* a;
        const char* b;
    };
    // "\xB9" a-ogonek, "\xA5" A-ogonek, "\xB3" l-stroke.
    const Case less[] = {{"ala", "Alb"}, {"Azz", "\xB9"}, {"\xA5z", "b"}, {"l", "\xB3"},
                         {"\xB3z", "m"}, {"ab", "abc"},   {"Kot", "kot"}, {"a b", "ab"}};
    for (const auto& c : less) {
        EXPECT_TRUE(LexiconKeywordLess(c.a, c.b)) << c.a << " < " << c.b;
        EXPECT_FALSE(LexiconKeywordLess(c.b, c.a)) << c.b << " < " << c.a;
    }
    EXPECT_FALSE(LexiconKeywordLess("kot", "kot"));
}

TEST_F(LexiconModel, OpenSortsSelectsTheFirstAndFollowsTheFlag) {
    TLexicon lex;
    lex.Assign({{"zebra", "z"}, {"Ala", "a"}, {"kot", "k"}}, 1);
    EXPECT_EQ(Keywords(lex), (std::vector<std::string>{"Ala", "kot", "zebra"}));
    EXPECT_EQ(lex.Selected(), 0);
    EXPECT_EQ(lex.SelectedDefinition(), "a");
    EXPECT_TRUE(lex.ExportChecked());
    EXPECT_TRUE(lex.RemoveEnabled() && lex.ExportEnabled() && lex.MemoEnabled());

    lex.Assign({{"a", "a"}}, 0);
    EXPECT_FALSE(lex.ExportChecked());

    // An empty lexicon: nothing selected, everything disabled; the course's
    // flag still shows in the (disabled) check box.
    lex.Assign({}, 1);
    EXPECT_EQ(lex.Selected(), -1);
    EXPECT_EQ(lex.SelectedDefinition(), "");
    EXPECT_FALSE(lex.RemoveEnabled() || lex.ExportEnabled() || lex.MemoEnabled());
    EXPECT_TRUE(lex.ExportChecked());
    lex.Load("/nonexistent/lexicon.ini", 0);
    EXPECT_TRUE(lex.Empty());
    EXPECT_FALSE(lex.ExportChecked());
}

TEST_F(LexiconModel, AddTrimsRefusesExactDuplicatesAndSelectsTheNewEntry) {
    TLexicon lex;
    lex.Assign({}, 0);
    EXPECT_FALSE(lex.Add("   ", prompt));
    EXPECT_TRUE(lex.Empty());

    EXPECT_TRUE(lex.Add("  kot \t", prompt));
    EXPECT_TRUE(lex.RemoveEnabled() && lex.ExportEnabled() && lex.MemoEnabled());
    EXPECT_EQ(lex.SelectedDefinition(), "kot"); // the definition starts as the keyword

    EXPECT_TRUE(lex.Add("Ala", prompt));
    EXPECT_EQ(Keywords(lex), (std::vector<std::string>{"Ala", "kot"}));
    EXPECT_EQ(lex.Selected(), 0);

    EXPECT_TRUE(lex.Add("Kot", prompt)); // differs only in case: allowed
    EXPECT_EQ(Keywords(lex), (std::vector<std::string>{"Ala", "Kot", "kot"}));
    EXPECT_EQ(lex.Selected(), 1);
    EXPECT_TRUE(prompt.calls.empty());

    EXPECT_FALSE(lex.Add(" kot", prompt));
    ASSERT_EQ(prompt.calls.size(), 1u);
    EXPECT_EQ(prompt.calls[0].text, "Exists");
    EXPECT_EQ(lex.Units().size(), 3u);
    EXPECT_EQ(lex.Selected(), 1);
}

TEST_F(LexiconModel, RefusesKeywordsTheFileCouldNotKeep) {
    TLexicon lexicon;
    for (const std::string& bad :
         {std::string("a=b"), std::string(";note"), std::string("[x]"), std::string("two\r\nlines"),
          std::string("="), std::string("x\ny"), std::string("a\0b", 3)}) {
        prompt.calls.clear();
        EXPECT_FALSE(lexicon.Add(bad, prompt)) << bad;
        ASSERT_EQ(prompt.calls.size(), 1u) << bad;
        EXPECT_EQ(prompt.calls[0].text, "Invalid");
    }
    EXPECT_TRUE(Keywords(lexicon).empty());
    EXPECT_TRUE(lexicon.Add("a;b [c]", prompt)); // only a leading ";" or "[" is refused
}

TEST_F(LexiconModel, RemoveAsksThenReselectsThePreviousEntry) {
    TLexicon lex;
    lex.Assign({{"a", "1"}, {"b", "2"}, {"c", "3"}}, 1);
    lex.Select(2);

    prompt.answers = {mrNo};
    EXPECT_FALSE(lex.Remove(prompt));
    ASSERT_EQ(prompt.calls.size(), 1u);
    EXPECT_EQ(prompt.calls[0].kind, "MessageBox");
    EXPECT_EQ(prompt.calls[0].caption, "Lexicon");
    EXPECT_EQ(prompt.calls[0].text, "Remove?");
    EXPECT_EQ(prompt.calls[0].type, DialogType::Confirmation);
    EXPECT_EQ(prompt.calls[0].buttons, kButtonsYesNo);
    EXPECT_EQ(lex.Units().size(), 3u);
    EXPECT_EQ(lex.Selected(), 2);

    prompt.answers = {mrYes, mrYes, mrYes};
    EXPECT_TRUE(lex.Remove(prompt)); // "c" goes, "b" is selected
    EXPECT_EQ(Keywords(lex), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(lex.SelectedDefinition(), "2");
    lex.Select(0);
    EXPECT_TRUE(lex.Remove(prompt)); // the first goes, the new first is selected
    EXPECT_EQ(lex.SelectedDefinition(), "2");
    EXPECT_TRUE(lex.ExportChecked());

    EXPECT_TRUE(lex.Remove(prompt)); // the last one clears the export check box
    EXPECT_TRUE(lex.Empty());
    EXPECT_EQ(lex.Selected(), -1);
    EXPECT_FALSE(lex.ExportChecked());
    EXPECT_FALSE(lex.ExportEnabled());
    EXPECT_EQ(lex.ExportLexiconFlag(), 0);

    EXPECT_FALSE(lex.Remove(prompt)); // nothing to remove, nothing asked
    EXPECT_EQ(prompt.calls.size(), 4u);
}

TEST_F(LexiconModel, EditedDefinitionsAndTheFlagAreSaved) {
    const test::TempFolder tmp;
    const fs::path dir = tmp.path();
    TLexicon lex;
    lex.Assign({}, 0);
    lex.SetExportChecked(true); // disabled while empty
    EXPECT_FALSE(lex.ExportChecked());
    ASSERT_TRUE(lex.Add("kot", prompt));
    lex.SetSelectedDefinition("line 1\r\nline 2");
    lex.SetExportChecked(true);
    EXPECT_EQ(lex.ExportLexiconFlag(), 1);
    ASSERT_TRUE(lex.Save(dir / "lexicon.ini"));
    EXPECT_EQ(ReadFileBytes(dir / "lexicon.ini"),
              std::string("[LEXICON]\r\nkot=line 1&#013;&#010;line 2\r\n\r\n"));

    TLexicon again;
    again.Load(dir / "lexicon.ini", 1);
    EXPECT_EQ(again.Units(), lex.Units());
}
