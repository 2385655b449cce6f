// Adding, renaming and deleting pages, and giving a page its kind.
#include "SessionTestSupport.h"

#include "project/PageKind.h"

namespace vlm::test {
namespace {

namespace fs = std::filesystem;

class CourseTreeCommandsTest : public SessionTest {
protected:
    void Build(const std::string& shape) {
        FillProject(project_, shape);
        tree_.BuildTree(project_);
        tree_.Paths = TCoursePaths::ForProjectFile(dir_ / "kurs.vlmproject");
    }
    fs::path Folder(const std::string& name) {
        return tree_.PageFolder(&FindNode(tree_, name)->Item());
    }

    TProject project_{prompt_};
    TCourseTree tree_{prompt_, clock_, random_};
};

TEST_F(CourseTreeCommandsTest, AddAppendsAnEmptyPageAndAsksToSaveAtOnce) {
    Build("A(A1),B");
    RecordingObserver observer;
    tree_.AddObserver(&observer);
    random_.values = {42};
    TCourseNode* added = tree_.Add(FindNode(tree_, "A"));
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(ShapeOf(*tree_.Root()), "A(A1,Nowa strona),B");
    EXPECT_EQ(added->Item().Id, 5);
    EXPECT_EQ(added->Item().PageType, ptNone);
    EXPECT_EQ(added->Item().Stamp, "id_24051710301542_24051710301542");
    EXPECT_TRUE(added->Item().Address.empty());
    EXPECT_TRUE(FindNode(tree_, "A")->Expanded);
    EXPECT_FALSE(fs::exists(tree_.PageFolder(&added->Item()))); // made with the content
    ASSERT_EQ(observer.changes.size(), 1u);
    EXPECT_EQ(observer.changes[0].node, added);
    EXPECT_TRUE(observer.changes[0].flags & tcSaveNow);

    EXPECT_EQ(tree_.Add(nullptr)->Parent(), tree_.Root());
}

TEST_F(CourseTreeCommandsTest, APageUnderTheRootWith250SiblingsTakesNoChildren) {
    struct Case {
        int pages;
        const char* parent;
        bool added;
    } cases[] = {{249, "P0", true}, {250, "P0", false}, {250, "root", true}, {251, "P0", false}};
    for (const Case& c : cases) {
        std::string shape;
        for (int i = 0; i < c.pages; ++i)
            shape += (i ? ",P" : "P") + std::to_string(i);
        Build(shape);
        TCourseNode* parent =
            std::string(c.parent) == "root" ? tree_.Root() : FindNode(tree_, c.parent);
        EXPECT_EQ(tree_.Add(parent) != nullptr, c.added) << c.pages << " " << c.parent;
    }
}

TEST_F(CourseTreeCommandsTest, RenameTrimsAndBlankKeepsTheOldName) {
    struct Case {
        std::string text, name;
        bool changed;
    } cases[] = {{"  Wstep  ", "Wstep", true},
                 {"\tDwa slowa\t", "Dwa slowa", true},
                 {"   ", "A", false},
                 {"", "A", false}};
    for (const Case& c : cases) {
        Build("A");
        EXPECT_EQ(tree_.Rename(FindNode(tree_, "A"), c.text), c.changed) << c.text;
        EXPECT_EQ(tree_.Root()->Child(0)->Item().Name, c.name) << c.text;
    }
    EXPECT_FALSE(tree_.Rename(tree_.Root(), "Inny kurs")); // through the settings
    EXPECT_EQ(tree_.Root()->Item().Name, "Kurs");
}

TEST_F(CourseTreeCommandsTest, DeleteRemovesTheSubtreeAndItsPageFolders) {
    Build("A(A1(X)),B");
    for (const char* name : {"A", "A1", "X", "B"})
        WriteTestFile(Folder(name) / kPageFileName, "<document/>");
    const fs::path a = Folder("A"), a1 = Folder("A1"), x = Folder("X"), b = Folder("B");
    int closed = 0;
    tree_.ClosePage = [&] { ++closed; };

    prompt_.answers = {mrNo};
    EXPECT_FALSE(tree_.Delete(FindNode(tree_, "A")));
    EXPECT_EQ(ShapeOf(*tree_.Root()), "A(A1(X)),B");
    ASSERT_EQ(prompt_.calls.size(), 1u);
    EXPECT_EQ(prompt_.calls[0].caption, "Usuwanie strony");
    EXPECT_EQ(prompt_.calls[0].text, "A\r\rUsunac razem ze stronami?");
    EXPECT_EQ(prompt_.calls[0].type, DialogType::Confirmation);

    prompt_.answers = {mrCancel};
    EXPECT_THROW(tree_.Delete(FindNode(tree_, "A")), Abort);

    prompt_.answers = {mrYes};
    EXPECT_TRUE(tree_.Delete(FindNode(tree_, "A")));
    EXPECT_EQ(prompt_.calls.back().text, "A\r\rUsunac razem ze stronami?");
    EXPECT_EQ(closed, 1);
    EXPECT_EQ(ShapeOf(*tree_.Root()), "B");
    EXPECT_FALSE(fs::exists(a));
    EXPECT_FALSE(fs::exists(a1));
    EXPECT_FALSE(fs::exists(x));
    EXPECT_TRUE(fs::exists(b / kPageFileName));
    EXPECT_EQ(FindNode(tree_, "B")->Item().Position, 2);

    prompt_.answers = {mrYes};
    EXPECT_TRUE(tree_.Delete(FindNode(tree_, "B")));
    EXPECT_EQ(prompt_.calls.back().text, "B\r\rUsunac strone?");
    EXPECT_FALSE(tree_.Delete(tree_.Root()));
}

TEST_F(CourseTreeCommandsTest, DeletedNumberIsUsedAgainWithAFreshFolder) {
    Build("A,B");
    WriteTestFile(Folder("A") / kPageFileName, "<document/>");
    prompt_.answers = {mrYes};
    ASSERT_TRUE(tree_.Delete(FindNode(tree_, "A")));
    TCourseNode* added = tree_.Add(nullptr);
    EXPECT_EQ(added->Item().Id, 2);
    EXPECT_FALSE(fs::exists(tree_.PageFolder(&added->Item())));
}

TEST_F(CourseTreeCommandsTest, DeletingAKeptDuplicateLeavesTheOtherPagesFolder) {
    FillProject(project_, "A,B");
    project_.GetItem(2).Id = 2;
    prompt_.answers = {mrNo};
    tree_.BuildTree(project_);
    tree_.Paths = TCoursePaths::ForProjectFile(dir_ / "kurs.vlmproject");
    WriteTestFile(Folder("A") / kPageFileName, "<document/>");
    prompt_.answers = {mrYes};
    ASSERT_TRUE(tree_.Delete(FindNode(tree_, "B")));
    EXPECT_TRUE(fs::exists(Folder("A") / kPageFileName));
}

TEST_F(CourseTreeCommandsTest, ChoosePageKindFollowsTheKindRules) {
    struct Case {
        const char* what;
        int own, requested;
        bool pageExists, templateChosen;
        std::optional<std::string> address;
        bool documentChosen;
        int result, kind;
        std::vector<std::string> steps;
    } cases[] = {
        {"new designed page", ptNone, ptContent, false, true, {}, false, 0, 0, {"create", "open"}},
        {"template cancelled", ptNone, ptContent, false, false, {}, false, 0, -1, {"create"}},
        {"own kind wins", ptContent, ptURLLink, true, false, {}, false, 0, 0, {"open"}},
        {"address", ptNone, ptURLLink, false, false, "http://x.pl", false, 1, 1, {"address"}},
        {"address cancelled", ptNone, ptURLLink, false, false, {}, false, 1, -1, {"address"}},
        {"own address kind",
         ptURLLink,
         ptContent,
         false,
         false,
         "http://y",
         false,
         1,
         1,
         {"address"}},
        {"document", ptNone, ptOutsideDocument, false, false, {}, true, 2, 2, {"document", "copy"}},
        {"document cancelled",
         ptNone,
         ptOutsideDocument,
         false,
         false,
         {},
         false,
         2,
         -1,
         {"document"}},
        {"no kind at all", ptNone, ptNone, false, false, {}, false, -1, -1, {}},
    };
    for (const Case& c : cases) {
        Build("A");
        TCourseNode& node = *FindNode(tree_, "A");
        node.Item().PageType = c.own;
        node.Item().Address = "old";
        const fs::path pageFile = Folder("A") / kPageFileName;
        if (c.pageExists)
            WriteTestFile(pageFile, "<document/>");
        std::vector<std::string> steps;
        TPageKindSteps s;
        s.createPage = [&](const fs::path& file) {
            steps.push_back("create");
            EXPECT_EQ(file, pageFile);
            EXPECT_TRUE(fs::is_directory(file.parent_path()));
            return c.templateChosen && WriteFileBytes(file, "<document/>");
        };
        s.openPage = [&](TProjectItem&) { steps.push_back("open"); };
        s.askAddress = [&](const std::string& current) {
            steps.push_back("address");
            EXPECT_EQ(current, "old");
            return c.address;
        };
        s.askDocument = [&](const std::string&) -> std::optional<fs::path> {
            steps.push_back("document");
            if (!c.documentChosen)
                return std::nullopt;
            return dir_ / "doc.pdf";
        };
        s.copyDocument = [&](const fs::path& file, TProjectItem& item) {
            steps.push_back("copy");
            item.Address = file.filename().string();
        };
        const std::string stamp = node.Item().Stamp;
        EXPECT_EQ(ChoosePageKind(tree_, node, c.requested, s), c.result) << c.what;
        EXPECT_EQ(steps, c.steps) << c.what;
        const int expectedKind = c.kind == -1 ? (c.own == ptNone ? ptNone : c.own) : c.kind;
        EXPECT_EQ(node.Item().PageType, expectedKind) << c.what;
        if (c.address) {
            EXPECT_EQ(node.Item().Address, *c.address) << c.what;
        }
        if (c.documentChosen) {
            EXPECT_EQ(node.Item().Address, "doc.pdf") << c.what;
        }
        // Opening a designed page marks it changed.
        const bool opened = std::find(steps.begin(), steps.end(), "open") != steps.end();
        EXPECT_EQ(node.Item().Stamp != stamp, opened) << c.what;
        fs::remove_all(Folder("A"));
    }
}

} // namespace
} // namespace vlm::test
