// Building the live tree from the project's items: the root, duplicate page
// numbers and parent positions that do not form a tree.
#include "SessionTestSupport.h"

#include "project/CourseNodeView.h"

#include <limits>
#include <random>
#include <set>

namespace vlm::test {
namespace {

struct Row {
    std::string name;
    int position, id, parent;
};

void FillRows(TProject& project, const std::vector<Row>& rows) {
    FillProject(project, "");
    for (const Row& r : rows) {
        TProjectItem& item = project.AddItem();
        item = {r.name, r.position, r.id, r.parent, false, "", "id_1_1", ptContent};
    }
}

class CourseTreeBuildTest : public SessionTest {
protected:
    TProject project_{prompt_};
    TCourseTree tree_{prompt_, clock_, random_};
};

TEST_F(CourseTreeBuildTest, RootFromFirstItemWithTouchedStampAndPagesInOrder) {
    FillProject(project_, "A(A1,A2),B");
    RecordingObserver observer;
    tree_.AddObserver(&observer);
    tree_.BuildTree(project_);
    ASSERT_FALSE(tree_.Empty());
    EXPECT_EQ(ShapeOf(*tree_.Root()), "A(A1,A2),B");
    EXPECT_EQ(NodeText(*tree_.Root()), "Kurs: Kurs");
    EXPECT_EQ(NodeImageIndex(*tree_.Root()), kImageCourse);
    EXPECT_EQ(tree_.Root()->Item().Stamp, "id_240101000000001_240517103015");
    EXPECT_TRUE(tree_.Root()->Expanded);
    EXPECT_EQ(NodeText(*FindNode(tree_, "A1")), "A1");
    EXPECT_EQ(FindNode(tree_, "A1")->Level(), 2);
    EXPECT_TRUE(observer.AllFlags() & tcRebuilt);

    tree_.SyncToProject(project_);
    ASSERT_EQ(project_.ItemCount(), 5);
    const int parents[] = {0, 1, 2, 2, 1};
    const bool leaves[] = {false, false, true, true, true};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(project_.GetItem(i).Position, i + 1);
        EXPECT_EQ(project_.GetItem(i).ParentPosition, parents[i]);
        EXPECT_EQ(project_.GetItem(i).IsLeaf, leaves[i]);
    }
}

TEST_F(CourseTreeBuildTest, ImagesFollowThePageKind) {
    const std::pair<int, int> cases[] = {
        {ptNone, 2}, {ptContent, 3}, {ptURLLink, 4}, {ptOutsideDocument, 0}, {7, 2}};
    for (const auto& [kind, image] : cases)
        EXPECT_EQ(PageKindImage(kind), image) << kind;
}

TEST_F(CourseTreeBuildTest, DuplicatePageNumbersFollowTheAnswers) {
    // A and B share 2, C and D share 3.
    const std::vector<Row> rows = {{"A", 2, 2, 1}, {"B", 3, 2, 1}, {"C", 4, 3, 1}, {"D", 5, 3, 1}};
    struct Case {
        std::vector<int> answers;
        std::size_t questions;
        std::vector<int> ids; // of A, B, C, D
    } cases[] = {
        {{mrYes}, 1, {2, 4, 3, 5}},
        {{mrNo, mrNo}, 2, {2, 2, 3, 3}},
        {{mrNo, mrYes}, 2, {2, 2, 3, 4}},
    };
    for (const Case& c : cases) {
        FillRows(project_, rows);
        prompt_.calls.clear();
        prompt_.answers.assign(c.answers.begin(), c.answers.end());
        tree_.IdCounter = project_.MaxItemId();
        tree_.ResetDuplicateQuestion();
        tree_.BuildTree(project_);
        ASSERT_EQ(prompt_.calls.size(), c.questions);
        EXPECT_EQ(prompt_.calls[0].text, "Duplikaty.\r\nTak - nowe numery,\r\nNie - bez zmian");
        EXPECT_EQ(prompt_.calls[0].type, DialogType::Error);
        EXPECT_EQ(prompt_.calls[0].buttons, kButtonsYesNoCancel);
        std::vector<int> ids;
        for (const char* name : {"A", "B", "C", "D"})
            ids.push_back(FindNode(tree_, name)->Item().Id);
        EXPECT_EQ(ids, c.ids);
        for (const char* name : {"B", "D"}) {
            const TProjectItem& item = FindNode(tree_, name)->Item();
            if (item.Id == 2 || item.Id == 3)
                continue; // kept
            EXPECT_EQ(item.PageType, ptNone);
            EXPECT_EQ(item.Stamp.rfind("id_240517103015", 0), 0u) << item.Stamp;
        }
    }
}

TEST_F(CourseTreeBuildTest, DuplicatesOfTheLargestNumberTakeFreeNumbers) {
    constexpr int kMax = std::numeric_limits<int>::max();
    struct Case {
        std::vector<int> pageIds;
        std::vector<int> renumbered;
    } cases[] = {
        {{kMax, kMax}, {kMax, 2}},
        {{kMax, kMax, kMax}, {kMax, 2, 3}},
        {{kMax, kMax, 2}, {kMax, 3, 2}}, // 2 belongs to a page built later
        {{3, kMax, kMax}, {3, kMax, 2}},
    };
    for (const Case& c : cases) {
        std::vector<Row> rows;
        for (std::size_t i = 0; i < c.pageIds.size(); ++i)
            rows.push_back({"p" + std::to_string(i), int(i) + 2, c.pageIds[i], 1});
        FillRows(project_, rows);
        prompt_.answers = {mrYes};
        tree_.IdCounter = project_.MaxItemId();
        tree_.ResetDuplicateQuestion();
        tree_.BuildTree(project_);
        std::vector<int> ids;
        for (std::size_t i = 0; i < rows.size(); ++i)
            ids.push_back(FindNode(tree_, rows[i].name)->Item().Id);
        EXPECT_EQ(ids, c.renumbered);
        EXPECT_EQ(tree_.IdCounter, kMax);
    }
}

TEST_F(CourseTreeBuildTest, CancelInTheDuplicateQuestionStopsWithTheTreeSoFar) {
    FillRows(project_, {{"A", 2, 2, 1}, {"B", 3, 2, 1}, {"C", 4, 3, 1}});
    prompt_.answers = {mrCancel};
    EXPECT_THROW(tree_.BuildTree(project_), Abort);
    ASSERT_FALSE(tree_.Empty());
    EXPECT_EQ(ShapeOf(*tree_.Root()), "A");
}

TEST_F(CourseTreeBuildTest, ParentPositionsThatAreNoTreeBuildEachReachableItemOnce) {
    struct Case {
        const char* what;
        std::vector<Row> rows;
        std::string shape;
    } cases[] = {
        {"names itself, unreachable", {{"A", 2, 2, 1}, {"B", 3, 3, 3}}, "A"},
        {"cycle of two", {{"A", 2, 2, 1}, {"B", 3, 3, 4}, {"C", 4, 4, 3}}, "A"},
        {"names itself below a page", {{"A", 2, 2, 1}, {"B", 2, 3, 2}}, "A(B)"},
        {"repeated position", {{"A", 2, 2, 1}, {"B", 2, 3, 1}, {"C", 3, 4, 2}}, "A(C),B"},
        {"parent listed after", {{"D", 2, 2, 3}, {"E", 3, 3, 1}}, "E(D)"},
        {"position of the root", {{"A", 1, 2, 1}, {"B", 2, 3, 1}}, "A(B)"},
        {"no such parent", {{"A", 2, 2, 1}, {"B", 3, 3, 9}}, "A"},
    };
    for (const Case& c : cases) {
        FillRows(project_, c.rows);
        tree_.BuildTree(project_);
        EXPECT_EQ(ShapeOf(*tree_.Root()), c.shape) << c.what;
        // The next write keeps what was built, as a valid tree.
        tree_.SyncToProject(project_);
        EXPECT_EQ(project_.ItemCount(), tree_.NodeCount()) << c.what;
        for (int i = 1; i < project_.ItemCount(); ++i)
            EXPECT_LT(project_.GetItem(i).ParentPosition, project_.GetItem(i).Position) << c.what;
    }
}

TEST_F(CourseTreeBuildTest, AnyParentPositionsGiveAValidTreeOnWrite) {
    std::mt19937 random(20241210);
    std::uniform_int_distribution<int> number(-1, 30);
    prompt_.defaultAnswer = mrNo;
    for (int round = 0; round < 300; ++round) {
        FillProject(project_, "");
        project_.GetItem(0).Position = number(random);
        for (int i = 0; i < 25; ++i) {
            TProjectItem& item = project_.AddItem();
            item = {"p" + std::to_string(i),
                    number(random),
                    number(random),
                    number(random),
                    false,
                    "",
                    "id_1_1",
                    ptContent};
        }
        tree_.BuildTree(project_);
        EXPECT_LE(tree_.NodeCount(), project_.ItemCount());
        tree_.SyncToProject(project_);
        std::set<std::string> names;
        for (int i = 0; i < project_.ItemCount(); ++i) {
            const TProjectItem& item = project_.GetItem(i);
            EXPECT_EQ(item.Position, i + 1);
            EXPECT_TRUE(names.insert(item.Name).second) << "built twice: " << item.Name;
            if (i > 0) {
                EXPECT_LT(item.ParentPosition, item.Position);
                EXPECT_GE(item.ParentPosition, 1);
            }
        }
    }
}

TEST_F(CourseTreeBuildTest, ProjectWithoutItemsIsRefused) {
    FillProject(project_, "");
    project_.Items.clear();
    project_.Version = TProject::kReloadedVersion;
    project_.FileName = "/k/stary.vlmproject";
    EXPECT_THROW(tree_.BuildTree(project_), Abort);
    EXPECT_TRUE(tree_.Empty());
    EXPECT_EQ(Texts(), std::vector<std::string>{"Zly plik /k/stary.vlmproject"});
}

TEST_F(CourseTreeBuildTest, VeryDeepCourseBuildsAndFrees) {
    FillProject(project_, "");
    const int depth = 30000;
    for (int i = 0; i < depth; ++i) {
        TProjectItem& item = project_.AddItem();
        item = {"p", i + 2, i + 2, i + 1, false, "", "id_1_1", ptContent};
    }
    tree_.BuildTree(project_);
    EXPECT_EQ(tree_.NodeCount(), depth + 1);
    EXPECT_EQ(tree_.Nodes().back()->Level(), depth);
    tree_.Clear();
    EXPECT_TRUE(tree_.Empty());
}

TEST_F(CourseTreeBuildTest, NewPageNumbers) {
    struct Case {
        std::vector<int> pageIds; // the root has 1
        int fresh, counterAfter, fromCounter;
    } cases[] = {
        {{2, 4}, 3, 4, 5},     // 1, 2, 4: a new page gets 3
        {{2, 3}, 4, 3, 4},     // 1, 2, 3: it gets 4
        {{5, 6}, 2, 6, 7},     // gaps are used again
        {{}, 2, 1, 2},         // only the root
        {{2, 2, 9}, 3, 9, 10}, // a kept duplicate
        {{2, std::numeric_limits<int>::max()}, 3, std::numeric_limits<int>::max(), 3},
    };
    for (const Case& c : cases) {
        FillProject(project_, "");
        for (std::size_t i = 0; i < c.pageIds.size(); ++i) {
            TProjectItem& item = project_.AddItem();
            item = {"p", int(i) + 2, c.pageIds[i], 1, true, "", "id_1_1", ptContent};
        }
        prompt_.defaultAnswer = mrNo;
        tree_.IdCounter = 0;
        tree_.BuildTree(project_);
        tree_.IdCounter = 0;
        EXPECT_EQ(tree_.NewPageId(false), c.fresh);
        EXPECT_EQ(tree_.IdCounter, c.counterAfter);
        EXPECT_EQ(tree_.NewPageId(true), c.fromCounter);
    }
}

} // namespace
} // namespace vlm::test
