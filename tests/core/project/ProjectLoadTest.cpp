// Reading project files: the golden course, headers, sections, versions and
// every kind of bad input.
#include "ProjectTestSupport.h"

#include <algorithm>

namespace vlm::test {
namespace {

TEST_F(ProjectFileTest, GoldenCourseReadsEveryField) {
    TProject project(prompt_);
    project.LoadFromFile(Fixture("course.vlmproject"));
    EXPECT_TRUE(prompt_.calls.empty());
    EXPECT_TRUE(project.Loaded);
    EXPECT_EQ(project.Version, "1.0");
    EXPECT_EQ(project.Title, "Szkolenie BHP \x96 stanowisko biurowe");
    EXPECT_EQ(project.CourseVersion, "2.3");
    EXPECT_EQ(project.Resolution, 1);
    EXPECT_EQ(project.ExportLexicon, 1);
    EXPECT_EQ(project.Description, "Kurs wprowadzaj\xb9"
                                   "cy dla nowych pracownik\xf3w.\r\n\r\nCzas trwania: 45 minut");
    EXPECT_EQ(project.FileName, Fixture("course.vlmproject"));
    EXPECT_EQ(project.Folder, Fixture("course.vlmproject").parent_path() / "");
    ASSERT_EQ(project.ItemCount(), 7);
    const TProjectItem& link = project.GetItem(4);
    EXPECT_EQ(link.Name, "Przepisy \x96 Kodeks pracy");
    EXPECT_EQ(link.Position, 5);
    EXPECT_EQ(link.Id, 4);
    EXPECT_EQ(link.ParentPosition, 3);
    EXPECT_TRUE(link.IsLeaf);
    EXPECT_EQ(link.Address, "https://www.example.org/kodeks-pracy");
    EXPECT_EQ(link.Stamp, "id_240517105030500_240517105030500");
    EXPECT_EQ(link.PageType, ptURLLink);
    EXPECT_FALSE(project.GetItem(0).IsLeaf);
    EXPECT_EQ(project.GetItem(0).PageType, ptNone);
    EXPECT_EQ(project.GetItem(5).Address, "regulamin_2024.pdf");
}

TEST_F(ProjectFileTest, ExampleOfTheFormatReads) {
    TProject project(prompt_);
    project.LoadFromFile(Write("k.vlmproject", JoinCrLf(ExampleLines())));
    ASSERT_EQ(project.ItemCount(), 2);
    EXPECT_EQ(project.Description, "Opis kursu");
    EXPECT_EQ(project.GetItem(1).Name, "Wstep");
    EXPECT_EQ(project.GetItem(1).Address, "");
    EXPECT_EQ(project.GetItem(1).PageType, ptContent);
}

TEST_F(ProjectFileTest, EachRequiredHeaderMissingRejectsTheFile) {
    for (const std::string header :
         {"[VELLUMAR]", "[VERSION]", "[COURSE_TITLE]", "[COURSE_VERSION]", "[COURSE_RESOLUTION]",
          "[COURSE_DESC]", "[COURSE_TREE]"}) {
        SCOPED_TRACE(header);
        auto lines = ExampleLines();
        lines.erase(std::find(lines.begin(), lines.end(), header));
        const auto path = Write("h.vlmproject", JoinCrLf(lines));
        TProject project(prompt_);
        EXPECT_EQ(LoadFails(project, path), NotCorrect(path));
        EXPECT_EQ(prompt_.calls[0].kind, "ShowMessage");
        // Only the file's identity survives this failure.
        EXPECT_TRUE(project.Loaded);
        EXPECT_EQ(project.FileName, path);
        EXPECT_EQ(project.Folder, dir_ / "");
        EXPECT_EQ(project.Title, "");
        EXPECT_EQ(project.ItemCount(), 0);
    }
}

TEST_F(ProjectFileTest, HeadersMayStandInAnyOrder) {
    const std::vector<std::string> lines = {"[VELLUMAR]", "[EXPORT_LEXICON]",
                                            "1",          "[VERSION]",
                                            "1.0",        "[COURSE_RESOLUTION]",
                                            "2",          "[COURSE_VERSION]",
                                            "v7",         "[COURSE_TITLE]",
                                            "Tytu\xb3",   "[COURSE_DESC]",
                                            "D",          "[COURSE_TREE]",
                                            "Tytu\xb3",   "1",
                                            "1",          "0",
                                            "true",       "",
                                            "id_1_1",     "0"};
    TProject project(prompt_);
    project.LoadFromFile(Write("o.vlmproject", JoinCrLf(lines)));
    EXPECT_EQ(project.Title, "Tytu\xb3");
    EXPECT_EQ(project.CourseVersion, "v7");
    EXPECT_EQ(project.Resolution, 2);
    EXPECT_EQ(project.ExportLexicon, 1);
    EXPECT_EQ(project.ItemCount(), 1);
}

TEST_F(ProjectFileTest, ReadSectionTakesTheLineAfterTheFirstExactHeader) {
    const std::vector<std::string> lines = {"[VERSION]", "first",  "[version]", "x",
                                            "[VERSION]", "second", "[END]"};
    EXPECT_EQ(TProject::ReadSection(lines, "[VERSION]"), "first");
    EXPECT_EQ(TProject::ReadSection(lines, "[version]"), "x");
    EXPECT_EQ(TProject::ReadSection(lines, "[COURSE_TITLE]"), "");
    EXPECT_THROW(TProject::ReadSection(lines, "[END]"), ETProjectError);
}

// The description runs up to "[COURSE_TREE]"; blanks and line breaks after
// its body are cut, nothing else.
TEST_F(ProjectFileTest, DescriptionRule) {
    struct Case {
        std::vector<std::string> body;
        std::string section;     // what ReadSection gives
        std::string description; // what the project holds
    };
    const std::vector<Case> cases = {
        {{"Opis kursu"}, "Opis kursu", "Opis kursu"},
        {{"Linia 1", "", "Linia 2", "", ""}, "Linia 1\r\n\r\nLinia 2", "Linia 1\r\n\r\nLinia 2"},
        {{"Koniec."}, "Koniec.", "Koniec."},
        {{"Pytanie?  ", "\t"}, "Pytanie?", "Pytanie?"},
        {{"Zako\xf1"
          "czenie \xb9"},
         "Zako\xf1"
         "czenie \xb9",
         "Zako\xf1"
         "czenie \xb9"},
        {{"   "}, "__itsEmpty", ""},
        {{}, "__itsEmpty", ""},
        {{"__itsEmpty"}, "__itsEmpty", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.section);
        std::vector<std::string> lines = {
            "[VELLUMAR]", "[COURSE_TITLE]",      "T", "[COURSE_VERSION]", "1", "[VERSION]",
            "1.0",        "[COURSE_RESOLUTION]", "0", "[EXPORT_LEXICON]", "0", "[COURSE_DESC]"};
        lines.insert(lines.end(), c.body.begin(), c.body.end());
        lines.push_back("[COURSE_TREE]");
        EXPECT_EQ(TProject::ReadSection(lines, "[COURSE_DESC]"), c.section);
        TProject project(prompt_);
        project.LoadFromFile(Write("d.vlmproject", JoinCrLf(lines)));
        EXPECT_EQ(project.Description, c.description);
    }
}

TEST_F(ProjectFileTest, DescriptionLineEqualToTreeHeaderStartsTheTree) {
    auto lines = ExampleLines();
    lines.resize(13); // up to the description "Opis kursu"
    lines.insert(lines.end(), {"[COURSE_TREE]", "Wstawka", "1", "9", "0", "false", "", "id_x", "0",
                               "[COURSE_TREE]", "2", "3", "1", "true", "", "id_y", "0"});
    TProject project(prompt_);
    project.LoadFromFile(Write("t.vlmproject", JoinCrLf(lines)));
    EXPECT_EQ(project.Description, "Opis kursu");
    ASSERT_EQ(project.ItemCount(), 2);
    EXPECT_EQ(project.GetItem(0).Name, "Wstawka");
    EXPECT_EQ(project.GetItem(1).Name, "[COURSE_TREE]");
}

TEST_F(ProjectFileTest, VersionIsNormalisedExceptTheReloadedMark) {
    auto lines = ExampleLines();
    lines[6] = "1.5";
    TProject project(prompt_);
    project.LoadFromFile(Write("v.vlmproject", JoinCrLf(lines)));
    EXPECT_EQ(project.Version, "1.0");
    EXPECT_EQ(project.ItemCount(), 2);

    lines[6] = "2.0 vlmex reloaded";
    project.LoadFromFile(Write("r.vlmproject", JoinCrLf(lines)));
    EXPECT_TRUE(project.Loaded);
    EXPECT_EQ(project.Version, "2.0 vlmex reloaded");
    EXPECT_EQ(project.Title, "");
    EXPECT_EQ(project.Description, "");
    EXPECT_EQ(project.ItemCount(), 0);
}

TEST_F(ProjectFileTest, LeafFlagAcceptsWordsInAnyCaseAndNumbers) {
    for (const auto& [text, leaf] : std::vector<std::pair<std::string, bool>>{{"true", true},
                                                                              {"TRUE", true},
                                                                              {"False", false},
                                                                              {"0", false},
                                                                              {"1", true},
                                                                              {"-3", true}}) {
        SCOPED_TRACE(text);
        auto lines = ExampleLines();
        lines[18] = text;
        TProject project(prompt_);
        project.LoadFromFile(Write("l.vlmproject", JoinCrLf(lines)));
        EXPECT_EQ(project.GetItem(0).IsLeaf, leaf);
    }
}

TEST_F(ProjectFileTest, OtherLineEndsAreReadLikeCrLf) {
    std::string lf, cr;
    for (const auto& l : ExampleLines()) {
        lf += l + "\n";
        cr += l + "\r";
    }
    lf.pop_back(); // no final line break either
    for (const std::string& text : {lf, cr}) {
        TProject project(prompt_);
        project.LoadFromFile(Write("e.vlmproject", text));
        ASSERT_EQ(project.ItemCount(), 2);
        EXPECT_EQ(project.GetItem(1).Stamp, "id_060315143105877_060315150012");
    }
}

TEST_F(ProjectFileTest, ItemsAreSortedByPosition) {
    auto lines = ExampleLines();
    // Move the root item behind the page and give a third item position 2 too.
    std::vector<std::string> root(lines.begin() + 14, lines.begin() + 22);
    lines.erase(lines.begin() + 14, lines.begin() + 22);
    lines.insert(lines.end(), root.begin(), root.end());
    lines.insert(lines.end(), {"Drugi", "2", "3", "1", "true", "", "id_y", "0"});
    TProject project(prompt_);
    project.LoadFromFile(Write("s.vlmproject", JoinCrLf(lines)));
    ASSERT_EQ(project.ItemCount(), 3);
    EXPECT_EQ(project.GetItem(0).Name, "Kurs BHP");
    EXPECT_EQ(project.GetItem(1).Name, "Wstep"); // equal positions keep file order
    EXPECT_EQ(project.GetItem(2).Name, "Drugi");
}

TEST_F(ProjectFileTest, ExtraLinesAfterTheLastItem) {
    for (int extra = 0; extra <= 8; ++extra) {
        SCOPED_TRACE(extra);
        auto lines = ExampleLines();
        for (int i = 0; i < extra; ++i)
            lines.push_back("7");
        const auto path = Write("x.vlmproject", JoinCrLf(lines));
        TProject project(prompt_);
        if (extra <= 1 || extra == 8) {
            project.LoadFromFile(path);
            EXPECT_EQ(project.ItemCount(), extra == 8 ? 3 : 2);
        } else {
            EXPECT_EQ(LoadFails(project, path), NotCorrect(path));
            EXPECT_FALSE(project.Loaded);
        }
    }
}

TEST_F(ProjectFileTest, MissingFileIsReportedAndClearsTheProject) {
    TProject project(prompt_);
    project.LoadFromFile(Fixture("course.vlmproject"));
    for (const auto& path : {dir_ / "brak.vlmproject", dir_}) {
        EXPECT_EQ(LoadFails(project, path), "Nie znaleziono pliku " + path.string());
        EXPECT_EQ(prompt_.calls[0].kind, "ShowMessage");
        EXPECT_FALSE(project.Loaded);
        EXPECT_EQ(project.ItemCount(), 0);
        EXPECT_EQ(project.Title, "");
        EXPECT_EQ(project.FileName, "");
    }
}

// Bad input answers with the reader's message and a cancellation, never a
// crash or a half-read project.
TEST_F(ProjectFileTest, BadInputs) {
    const std::string good = JoinCrLf(ExampleLines());
    std::string junk;
    for (int i = 0; i < 4096; ++i)
        junk += static_cast<char>((i * 7919 + 13) % 256);
    const auto with = [](std::size_t index, const std::string& value) {
        auto lines = ExampleLines();
        lines[index] = value;
        return JoinCrLf(lines);
    };
    auto lines = ExampleLines();
    lines.erase(lines.begin() + 9, lines.begin() + 11);
    lines.push_back("[EXPORT_LEXICON]");
    const std::string lexiconLast = JoinCrLf(lines);
    struct Case {
        const char* name;
        std::string bytes;
        bool keepsIdentity; // rejected before the guarded part
    };
    const std::vector<Case> cases = {
        {"empty file", "", true},
        {"binary junk", junk, true},
        {"binary junk after the tree", good + junk, false},
        {"NUL bytes", std::string("[VELLUMAR]\0\r\n", 13) + good.substr(12), true},
        {"truncated inside an item", good.substr(0, good.size() - 40), false},
        {"truncated inside the settings", good.substr(0, 120), true},
        {"first line blank", "\r\n" + good, true},
        {"first line with a blank", " " + good, true},
        {"first line with a byte-order mark", "\xEF\xBB\xBF" + good, true},
        {"header in lower case", with(0, "[vellumar]"), true},
        {"empty title", with(2, ""), false},
        {"empty course version", with(4, ""), false},
        {"empty version", with(6, ""), false},
        {"resolution not a number", with(8, "1024x768"), false},
        {"resolution empty", with(8, ""), false},
        {"resolution too large", with(8, "4294967296"), false},
        {"lexicon flag hexadecimal", with(10, "$1"), false},
        {"export lexicon missing", with(9, "[EXPORT_LEXICONS]"), false},
        {"position with a blank", with(15, " 1"), false},
        {"id empty", with(16, ""), false},
        {"parent two signs", with(17, "+-1"), false},
        {"leaf neither word nor number", with(18, "yes"), false},
        {"page type fraction", with(21, "0.5"), false},
        {"header on the last line", lexiconLast, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto path = Write("bad.vlmproject", c.bytes);
        TProject project(prompt_);
        EXPECT_EQ(LoadFails(project, path), NotCorrect(path));
        EXPECT_EQ(project.Loaded, c.keepsIdentity);
        EXPECT_EQ(project.FileName, c.keepsIdentity ? path : std::filesystem::path());
        EXPECT_EQ(project.Title, "");
        EXPECT_EQ(project.ItemCount(), 0);
    }
}

TEST_F(ProjectFileTest, MessagesGiveTheFileNameInCp1250) {
    TProject project(prompt_);
    const auto path = dir_ / "\xc5\xbar\xc3\xb3"
                             "d\xc5\x82o.vlmproject"; // UTF-8 on disk
    EXPECT_EQ(LoadFails(project, path), "Nie znaleziono pliku " + dir_.string() +
                                            "/\x9fr\xf3"
                                            "d\xb3o.vlmproject");
    Write(path.filename().string(), "junk");
    EXPECT_EQ(LoadFails(project, path), "Plik " + dir_.string() +
                                            "/\x9fr\xf3"
                                            "d\xb3o.vlmproject nie jest plikiem kursu (100%)");
}

TEST_F(ProjectFileTest, LoadingReplacesThePreviousContent) {
    TProject project(prompt_);
    project.LoadFromFile(Fixture("course.vlmproject"));
    project.LoadFromFile(Write("k.vlmproject", JoinCrLf(ExampleLines())));
    EXPECT_EQ(project.ItemCount(), 2);
    EXPECT_EQ(project.Title, "Kurs BHP");
    EXPECT_EQ(project.ExportLexicon, 0);
}

} // namespace
} // namespace vlm::test
