// Clicking and pressing Enter on course-tree nodes.
#include "SessionTestSupport.h"

#include "project/CourseTreeClick.h"

namespace vlm::test {
namespace {

class CourseTreeClickTest : public SessionTest {
protected:
    void SetUp() override {
        SessionTest::SetUp();
        FillProject(project_, "Tresc,Adres,Pusta");
        tree_.BuildTree(project_);
        tree_.Paths = TCoursePaths::ForProjectFile(dir_ / "kurs.vlmproject");
        FindNode(tree_, "Adres")->Item().PageType = ptURLLink;
        FindNode(tree_, "Pusta")->Item().PageType = ptNone;
        WriteTestFile(tree_.PageFolder(&FindNode(tree_, "Tresc")->Item()) / kPageFileName, "x");
        steps_.clearStatus = [this] { log_.push_back("status"); };
        steps_.closePage = [this] { log_.push_back("close"); };
        steps_.kind.openPage = [this](TProjectItem& item) {
            log_.push_back("open " + item.Name);
            busyDuringOpen_ = click_.ClickBusy();
            reentered_ = click_.Click(FindNode(tree_, "Pusta"), steps_);
        };
        steps_.editPage = [this](TCourseNode& node) { log_.push_back("edit " + node.Item().Name); };
        steps_.openSettings = [this] { log_.push_back("settings"); };
    }

    TProject project_{prompt_};
    TCourseTree tree_{prompt_, clock_, random_};
    TCourseTreeClick click_{tree_};
    TClickSteps steps_;
    std::vector<std::string> log_;
    bool busyDuringOpen_ = false, reentered_ = true;
};

TEST_F(CourseTreeClickTest, ClickClosesTheDesignersPageAndOpensADesignedPage) {
    struct Case {
        const char* node;
        bool enter;
        std::vector<std::string> log;
    } cases[] = {
        {"Tresc", false, {"status", "close", "open Tresc"}},
        {"Tresc", false, {}}, // already clicked
        {"Pusta", false, {"status", "close"}},
        {"Adres", false, {"status", "close"}},
        {"Adres", true, {"edit Adres"}}, // clicked already: only the editor
        {"Kurs", true, {"status", "close", "settings"}},
        {"Pusta", true, {"status", "close"}},
    };
    for (const Case& c : cases) {
        log_.clear();
        TCourseNode* node = std::string(c.node) == "Kurs" ? tree_.Root() : FindNode(tree_, c.node);
        if (c.enter)
            click_.Enter(node, steps_);
        else
            click_.Click(node, steps_);
        EXPECT_EQ(log_, c.log) << c.node << (c.enter ? " enter" : " click");
    }
    EXPECT_TRUE(busyDuringOpen_);
    EXPECT_FALSE(reentered_); // no second click while one runs
    EXPECT_FALSE(click_.ClickBusy());
    EXPECT_TRUE(click_.CanChangeSelection(false));
    EXPECT_FALSE(click_.CanChangeSelection(true));
}

TEST_F(CourseTreeClickTest, ADeletedNodeIsForgotten) {
    TCourseNode* node = FindNode(tree_, "Pusta");
    click_.Click(node, steps_);
    prompt_.answers = {mrYes};
    tree_.Delete(node);
    EXPECT_EQ(click_.LastClicked(), nullptr);
    click_.Click(FindNode(tree_, "Adres"), steps_);
    tree_.Clear();
    EXPECT_EQ(click_.LastClicked(), nullptr);
}

} // namespace
} // namespace vlm::test
