// The course lifecycle: opening, saving (and its fallback), Save As,
// closing, and the course settings; a course edited through every command
// comes back the same.
#include "SessionTestSupport.h"

#include "project/CourseLifecycle.h"
#include "project/PageKind.h"

namespace vlm::test {
namespace {

namespace fs = std::filesystem;

std::vector<TProjectItem> ItemsOf(const TCourseTree& tree) {
    std::vector<TProjectItem> out;
    for (const TCourseNode* node : tree.Nodes())
        out.push_back(node->Item());
    return out;
}

std::vector<TProjectItem> ItemsOfFile(const fs::path& file) {
    FakeUserPrompt prompt;
    TProject project(prompt);
    project.LoadFromFile(file);
    std::vector<TProjectItem> out;
    for (const auto& item : project.Items)
        out.push_back(*item);
    return out;
}

class CourseLifecycleTest : public SessionTest {
protected:
    void SetUp() override {
        SessionTest::SetUp();
        life_.Hooks.askSaveFileName = [this](const fs::path& preselected,
                                             const std::string& title) {
            asked_.push_back(preselected.string() + "|" + title);
            std::optional<fs::path> answer;
            if (!fileAnswers_.empty()) {
                answer = fileAnswers_.front();
                fileAnswers_.erase(fileAnswers_.begin());
            }
            return answer;
        };
    }
    std::string Bytes(const fs::path& file) { return ReadFileBytes(file).value_or("<none>"); }

    NullProgress progress_;
    TCourseLifecycle life_{prompt_, clock_, random_, progress_};
    std::vector<std::optional<fs::path>> fileAnswers_;
    std::vector<std::string> asked_;
};

TEST_F(CourseLifecycleTest, OpenSetsPathsRegisterCounterAndCaption) {
    const fs::path file = WriteCourse("bhp", "A(A1),B");
    WriteTestFile(dir_ / "bhp" / "resources" / "pic.png", "PNG");
    life_.OpenCourse(file);
    EXPECT_TRUE(life_.CourseOpen);
    EXPECT_TRUE(life_.CourseSaved);
    EXPECT_EQ(life_.Paths.CourseDir, dir_ / "bhp" / "");
    EXPECT_EQ(life_.Paths.CourseTempDir, dir_ / "bhp" / "temp" / "");
    EXPECT_EQ(life_.Tree.Paths.CourseDir, life_.Paths.CourseDir);
    EXPECT_EQ(life_.Tree.IdCounter, 4);
    EXPECT_EQ(ShapeOf(*life_.Tree.Root()), "A(A1),B");
    EXPECT_EQ(life_.Caption, "Vellumar4 - Kurs [" + file.string() + "]");
    EXPECT_EQ(life_.Resources.Count(), 1);
    EXPECT_NE(Bytes(dir_ / "bhp" / "resources.xml").find("pic.png"), std::string::npos);
    EXPECT_EQ(TCourseLifecycle::ProjectFilter(), "Kursy (*.vlmproject;*.prj)|*.vlmproject;*.prj");
}

// Saves killed halfway leave temporary files beside the course's files;
// opening removes those of this course once a minute old, nothing else.
TEST_F(CourseLifecycleTest, OpenRemovesTheTemporariesOfKilledSaves) {
    const fs::path file = WriteCourse("bhp", "A(A1),B");
    const auto old = fs::file_time_type::clock::now() - std::chrono::minutes(2);
    struct Case {
        fs::path path;
        bool stale;
        bool removed;
    };
    const std::vector<Case> cases = {
        {dir_ / "bhp.vlmproject.tmp~a1B2c3", true, true},
        {dir_ / "bhp" / "resources.xml.tmp~x9Y8z7", true, true},
        {dir_ / "bhp" / "p00002" / "_page.xmp.tmp~Q1w2E3", true, true},
        {dir_ / "bhp.vlmproject.tmp~fresh1", false, false},  // a save going on
        {dir_ / "other.vlmproject.tmp~a1B2c3", true, false}, // another course's
        {dir_ / "bhp" / "resources" / "clip.tmp~a1B2c3", true, false}, // a medium
        {dir_ / "bhp" / "notes.tmp~long123", true, false},              // not the pattern
    };
    for (const Case& c : cases) {
        WriteTestFile(c.path, "partial");
        if (c.stale)
            fs::last_write_time(c.path, old);
    }
    life_.OpenCourse(file);
    for (const Case& c : cases)
        EXPECT_EQ(fs::exists(c.path), !c.removed) << c.path;
}

TEST_F(CourseLifecycleTest, AFileThatCannotBeOpenedLeavesNoCourse) {
    const fs::path reloaded = dir_ / "stary.vlmproject";
    WriteTestFile(reloaded, "[VELLUMAR]\r\n[COURSE_TITLE]\r\n\r\n[COURSE_VERSION]\r\n\r\n"
                            "[VERSION]\r\n2.0 vlmex reloaded\r\n[COURSE_RESOLUTION]\r\n"
                            "[COURSE_DESC]\r\n[COURSE_TREE]\r\n");
    struct Case {
        fs::path file;
        std::string message;
    } cases[] = {
        {dir_ / "brak.vlmproject", "Brak pliku " + (dir_ / "brak.vlmproject").string()},
        {reloaded, "Zly plik " + reloaded.string()},
    };
    for (const Case& c : cases) {
        life_.OpenCourse(WriteCourse("dobry", "A"));
        prompt_.calls.clear();
        EXPECT_THROW(life_.OpenCourse(c.file), Abort);
        EXPECT_EQ(Texts(), std::vector<std::string>{c.message});
        EXPECT_FALSE(life_.CourseOpen);
        EXPECT_TRUE(life_.Tree.Empty());
        EXPECT_FALSE(life_.SaveCourse(true)); // nothing to write over the file
    }
}

TEST_F(CourseLifecycleTest, ParentsInACycleOpenWithTheReachablePagesAndAreDroppedOnWrite) {
    const fs::path file = dir_ / "cycle.vlmproject";
    fs::copy_file(fs::path(VLM_FIXTURES_DIR) / "session" / "cycle.vlmproject", file);
    life_.OpenCourse(file);
    EXPECT_EQ(ShapeOf(*life_.Tree.Root()), "A(E)");
    EXPECT_TRUE(life_.SaveCourse(true));
    const std::vector<TProjectItem> written = ItemsOfFile(file);
    ASSERT_EQ(written.size(), 3u);
    EXPECT_EQ(written[2].Name, "E");
    EXPECT_EQ(written[2].ParentPosition, 2);
}

TEST_F(CourseLifecycleTest, CancelledDuplicateQuestionOpensNothing) {
    TProject project(prompt_);
    FillProject(project, "A,B");
    project.GetItem(2).Id = 2;
    const fs::path file = dir_ / "dup.vlmproject";
    project.SaveToFile(file, true);
    const std::string before = Bytes(file);
    prompt_.answers = {mrCancel};
    EXPECT_THROW(life_.OpenCourse(file), Abort);
    EXPECT_FALSE(life_.CourseOpen);
    EXPECT_TRUE(life_.Tree.Empty());
    life_.CloseCourse();
    EXPECT_EQ(Bytes(file), before);
}

TEST_F(CourseLifecycleTest, EveryCommandThenSaveAndReopenGivesTheSameTree) {
    const fs::path file = WriteCourse("kurs", "A(A1,A2),B,C");
    life_.OpenCourse(file);
    TCourseTree& tree = life_.Tree;

    random_.values = {5, 6};
    TCourseNode* added = tree.Add(FindNode(tree, "B"));
    ASSERT_NE(added, nullptr);
    // Adding is written at once.
    EXPECT_TRUE(life_.CourseSaved);
    EXPECT_EQ(ItemsOfFile(file), ItemsOf(tree));
    EXPECT_TRUE(tree.Rename(added, "  Nowa  "));
    EXPECT_EQ(ItemsOfFile(file)[5].Name, "Nowa");

    // Moves only mark the course changed.
    const std::string written = Bytes(file);
    EXPECT_TRUE(tree.MoveUp(FindNode(tree, "C")));
    EXPECT_FALSE(life_.CourseSaved);
    EXPECT_EQ(Bytes(file), written);
    EXPECT_TRUE(tree.MoveDown(FindNode(tree, "A")));
    EXPECT_TRUE(tree.MoveLeft(FindNode(tree, "A1")));
    EXPECT_FALSE(tree.MoveRight(FindNode(tree, "A2"))); // a first child
    EXPECT_TRUE(tree.MoveRight(FindNode(tree, "A1")));
    EXPECT_TRUE(tree.Drop(FindNode(tree, "Nowa"), FindNode(tree, "A")));
    prompt_.answers = {mrYes};
    EXPECT_TRUE(tree.Delete(FindNode(tree, "B")));
    EXPECT_FALSE(fs::exists(dir_ / "kurs" / "p00005"));
    TPageKindSteps steps;
    steps.askAddress = [](const std::string&) { return std::optional<std::string>("http://a.pl"); };
    FindNode(tree, "C")->Item().PageType = ptNone;
    EXPECT_EQ(ChoosePageKind(tree, *FindNode(tree, "C"), ptURLLink, steps), ptURLLink);
    EXPECT_EQ(ShapeOf(*tree.Root()), "C,A(A2,A1,Nowa)");

    EXPECT_TRUE(life_.SaveCourse(true));
    const std::vector<TProjectItem> saved = ItemsOf(tree);
    TCourseLifecycle again(prompt_, clock_, random_, progress_);
    again.OpenCourse(file);
    EXPECT_EQ(ShapeOf(*again.Tree.Root()), "C,A(A2,A1,Nowa)");
    EXPECT_EQ(ItemsOf(again.Tree), saved);
    EXPECT_EQ(FindNode(again.Tree, "C")->Item().Address, "http://a.pl");
}

TEST_F(CourseLifecycleTest, CloseWritesAnUnsavedCourseAndEmptiesTheTree) {
    const fs::path file = WriteCourse("kurs", "A,B");
    life_.OpenCourse(file);
    int designerClosed = 0;
    life_.Hooks.closeDesigner = [&] { ++designerClosed; };
    life_.Tree.MoveDown(FindNode(life_.Tree, "A"));
    life_.CloseCourse();
    EXPECT_EQ(designerClosed, 1);
    EXPECT_FALSE(life_.CourseOpen);
    EXPECT_TRUE(life_.Tree.Empty());
    EXPECT_EQ(ItemsOfFile(file)[1].Name, "B");
}

TEST_F(CourseLifecycleTest, SaveWritesThePendingPageFirst) {
    life_.OpenCourse(WriteCourse("kurs", "A"));
    std::vector<std::string> order;
    life_.Hooks.savePendingPage = [&] { order.push_back("page"); };
    EXPECT_FALSE(life_.SaveCourse(false));
    EXPECT_TRUE(order.empty());
    EXPECT_TRUE(life_.SaveCourse(true));
    EXPECT_EQ(order, std::vector<std::string>{"page"});
}

TEST_F(CourseLifecycleTest, FailedSaveAsksForANewFileAndWritesOnlyThere) {
    const fs::path file = WriteCourse("kurs", "A(A1)");
    WriteTestFile(dir_ / "kurs" / "resources" / "a.png", "PNG");
    life_.OpenCourse(file);
    const std::vector<TProjectItem> before = ItemsOf(life_.Tree);
    fs::permissions(file, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    const std::string old = Bytes(file);
    const fs::path copy = dir_ / "inne" / "kopia.vlmproject";
    fs::create_directories(copy.parent_path());
    prompt_.calls.clear();
    prompt_.answers = {mrOK};
    fileAnswers_ = {copy};

    life_.Tree.MoveDown(FindNode(life_.Tree, "A")); // something unsaved
    EXPECT_TRUE(life_.SaveCourse(true));
    ASSERT_EQ(prompt_.calls.size(), 1u);
    EXPECT_EQ(prompt_.calls[0].caption, "Zapisywanie kursu");
    EXPECT_EQ(prompt_.calls[0].text, "Tylko do odczytu");
    EXPECT_EQ(prompt_.calls[0].buttons, kButtonsOKCancel);
    EXPECT_EQ(asked_, std::vector<std::string>{file.string() + "|Zapisz kurs jako"});
    EXPECT_EQ(Bytes(file), old);
    EXPECT_TRUE(life_.CourseSaved);
    EXPECT_EQ(life_.Project.FileName, copy);
    EXPECT_EQ(life_.Paths.CourseTempDir, dir_ / "inne" / "kopia" / "temp" / "");
    EXPECT_EQ(life_.Caption, "Vellumar4 - Kurs [" + copy.string() + "]");
    EXPECT_TRUE(fs::exists(dir_ / "inne" / "kopia" / "p00003" / kPageFileName));
    EXPECT_TRUE(fs::exists(dir_ / "inne" / "kopia" / "resources" / "a.png"));
    // The copy's pages have identifiers of their own, already in its file.
    const std::vector<TProjectItem> written = ItemsOfFile(copy);
    EXPECT_EQ(written, ItemsOf(life_.Tree));
    ASSERT_EQ(written.size(), before.size());
    for (std::size_t i = 0; i < written.size(); ++i) {
        EXPECT_NE(written[i].Stamp, before[i].Stamp);
        EXPECT_EQ(written[i].Id, before[i].Id);
    }
}

TEST_F(CourseLifecycleTest, FailedSaveNeverLoopsByItself) {
    struct Case {
        const char* what;
        bool removeFile;
        std::vector<int> answers;
        std::vector<std::optional<fs::path>> files;
        std::vector<std::string> messages;
        std::size_t asked;
    } cases[] = {
        {"cancel at the message", false, {mrCancel}, {}, {"Tylko do odczytu"}, 0},
        {"cancel in the file dialog",
         false,
         {mrOK},
         {std::nullopt},
         {"Tylko do odczytu", "Kurs nie zostal zapisany"},
         1},
        {"the same file again",
         false,
         {mrOK},
         {fs::path("SAME")},
         {"Tylko do odczytu", "Kurs nie zostal zapisany"},
         1},
        {"a second failing file, then cancel",
         false,
         {mrOK, mrOK},
         {dir_ / "brak" / "x.vlmproject", std::nullopt},
         {"Tylko do odczytu", "Tylko do odczytu", "Kurs nie zostal zapisany"},
         2},
        {"file removed meanwhile",
         true,
         {mrOK, mrCancel},
         {},
         {"Plik " + (dir_ / "kurs.vlmproject").string() + " nie istnieje", "Tylko do odczytu"},
         0},
    };
    for (Case& c : cases) {
        std::error_code ec;
        fs::permissions(dir_ / "kurs.vlmproject", fs::perms::owner_all, fs::perm_options::add, ec);
        const fs::path file = WriteCourse("kurs", "A");
        life_.OpenCourse(file);
        if (c.removeFile)
            fs::remove(file);
        else
            fs::permissions(file, fs::perms::owner_write, fs::perm_options::remove);
        for (auto& f : c.files)
            if (f && *f == "SAME")
                f = file; // "the same file again"
        life_.Tree.MoveDown(FindNode(life_.Tree, "A"));
        prompt_.calls.clear();
        prompt_.answers.assign(c.answers.begin(), c.answers.end());
        fileAnswers_ = c.files;
        asked_.clear();
        EXPECT_FALSE(life_.SaveCourse(true)) << c.what;
        EXPECT_EQ(Texts(), c.messages) << c.what;
        EXPECT_EQ(asked_.size(), c.asked) << c.what;
        EXPECT_FALSE(life_.CourseSaved) << c.what;
        EXPECT_TRUE(life_.CourseOpen) << c.what;
        prompt_.answers = {mrCancel, mrCancel};
        life_.CloseCourse();
    }
}

TEST_F(CourseLifecycleTest, AddWhoseSaveEndsInSaveAsHandsBackTheNodeOfTheNewTree) {
    const fs::path file = WriteCourse("kurs", "A");
    life_.OpenCourse(file);
    fs::permissions(file, fs::perms::owner_write, fs::perm_options::remove);
    RecordingObserver view;
    life_.Tree.AddObserver(&view);

    prompt_.answers = {mrCancel};
    TCourseNode* added = life_.Tree.Add(nullptr);
    ASSERT_NE(added, nullptr);
    EXPECT_FALSE(life_.CourseSaved);
    EXPECT_EQ(view.changes.back().node, added);

    prompt_.answers = {mrOK};
    fileAnswers_ = {dir_ / "kopia.vlmproject"};
    view.changes.clear();
    added = life_.Tree.Add(nullptr);
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(life_.Tree.Nodes().back(), added); // a node of the rebuilt tree
    EXPECT_EQ(added->Item().Name, "Nowa strona");
    EXPECT_TRUE(life_.CourseSaved);
    EXPECT_EQ(ItemsOfFile(dir_ / "kopia.vlmproject").size(), 4u);
    ASSERT_FALSE(view.changes.empty());
    EXPECT_TRUE(view.changes.front().flags & tcRebuilt);
    EXPECT_EQ(view.changes.back().node, nullptr); // its node went with the rebuild
    life_.Tree.RemoveObserver(&view);
}

TEST_F(CourseLifecycleTest, SaveAsCopiesTheCourseUnderTheNewName) {
    const fs::path file = WriteCourse("kurs", "A,B");
    life_.OpenCourse(file);
    const std::vector<TProjectItem> before = ItemsOf(life_.Tree);
    const fs::path copy = dir_ / "nowy.vlmproject";
    fileAnswers_ = {copy};
    EXPECT_TRUE(life_.SaveCourseAs());
    EXPECT_EQ(asked_, std::vector<std::string>{file.string() + "|Zapisz kurs jako"});
    EXPECT_EQ(ItemsOfFile(file), before); // the old course stays as it was
    EXPECT_TRUE(fs::exists(dir_ / "kurs" / "p00002" / kPageFileName));
    EXPECT_TRUE(fs::exists(dir_ / "nowy" / "p00003" / kPageFileName));
    EXPECT_EQ(life_.Tree.Paths.CourseDir, dir_ / "nowy" / "");
    EXPECT_EQ(ItemsOfFile(copy), ItemsOf(life_.Tree));
    EXPECT_NE(ItemsOfFile(copy)[1].Stamp, before[1].Stamp);

    fileAnswers_ = {std::nullopt};
    EXPECT_FALSE(life_.SaveCourseAs()); // cancelled: stays saved in its file
    EXPECT_TRUE(life_.CourseSaved);
    EXPECT_EQ(life_.Project.FileName, copy);
}

TEST_F(CourseLifecycleTest, SaveAsWhoseFolderCopyFailsKeepsTheOldCourse) {
    const fs::path file = WriteCourse("kurs", "A,B");
    life_.OpenCourse(file);
    // A file where a page folder of the copy must go.
    WriteTestFile(dir_ / "nowy" / "p00003", "taken");
    fileAnswers_ = {dir_ / "nowy.vlmproject"};
    prompt_.answers = {mrCancel}; // to the question for another name
    EXPECT_FALSE(life_.SaveCourseAs());
    EXPECT_FALSE(life_.CourseSaved);
    EXPECT_EQ(life_.Project.FileName, file);
    EXPECT_EQ(life_.Tree.Paths.CourseDir, dir_ / "kurs" / "");
    ASSERT_FALSE(prompt_.calls.empty());
    EXPECT_EQ(prompt_.calls.front().kind, "MessageBox");
}

TEST_F(CourseLifecycleTest, SettingsAreStoredInOrderAndEmptyTitleOrVersionRefused) {
    const fs::path file = WriteCourse("kurs", "A");
    life_.OpenCourse(file);
    std::vector<TCourseSettings> answers = {
        {"", "2.0", "Opis", 1},          // refused
        {"Nowy kurs", "  ", "Opis", 1},  // refused
        {"Nowy kurs", "2.0", "Opis", 2}, // stored
    };
    std::size_t shown = 0;
    life_.Hooks.editSettings = [&](TCourseSettings& values) {
        if (shown == 0) {
            EXPECT_EQ(values.Title, "Kurs");
            EXPECT_EQ(values.CourseVersion, "1.0");
        }
        values = answers[shown++];
        return true;
    };
    EXPECT_TRUE(life_.EditCourseSettings());
    EXPECT_EQ(shown, 3u);
    EXPECT_EQ(Texts(), std::vector<std::string>(2, "Nazwa i wersja kursu sa wymagane"));
    EXPECT_EQ(life_.Project.Title, "Nowy kurs");
    EXPECT_EQ(life_.Project.CourseVersion, "2.0");
    EXPECT_EQ(life_.Project.Resolution, 2);
    EXPECT_EQ(life_.Caption, "Vellumar4 - Nowy kurs [" + file.string() + "]");
    EXPECT_EQ(life_.Tree.Root()->Item().Name, "Nowy kurs");
    EXPECT_FALSE(life_.CourseSaved); // the root's new name waits for the next write
    life_.CloseCourse();
    life_.OpenCourse(file);
    EXPECT_EQ(life_.Tree.Root()->Item().Name, "Nowy kurs");
    EXPECT_EQ(life_.Project.CourseVersion, "2.0");

    // The same refused values again end the dialog; cancel changes nothing.
    prompt_.calls.clear();
    life_.Hooks.editSettings = [&](TCourseSettings& values) {
        values.Title.clear();
        return true;
    };
    EXPECT_FALSE(life_.EditCourseSettings());
    EXPECT_EQ(prompt_.calls.size(), 1u);
    life_.Hooks.editSettings = [&](TCourseSettings&) { return false; };
    EXPECT_FALSE(life_.EditCourseSettings());
    EXPECT_EQ(life_.Project.Title, "Nowy kurs");
}

} // namespace
} // namespace vlm::test
