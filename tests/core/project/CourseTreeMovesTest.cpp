// Moving pages: up, down, left, right and drag and drop, with the exact
// orders they give.
#include "SessionTestSupport.h"

namespace vlm::test {
namespace {

class CourseTreeMovesTest : public SessionTest {
protected:
    TProject project_{prompt_};
    TCourseTree tree_{prompt_, clock_, random_};

    TCourseNode* Node(const std::string& name) {
        return name == "root" ? tree_.Root() : FindNode(tree_, name);
    }
    bool Run(const std::string& command, const std::string& node, const std::string& target) {
        TCourseNode* n = Node(node);
        if (command == "up")
            return tree_.MoveUp(n);
        if (command == "down")
            return tree_.MoveDown(n);
        if (command == "left")
            return tree_.MoveLeft(n);
        if (command == "right")
            return tree_.MoveRight(n);
        return tree_.Drop(n, Node(target));
    }
};

TEST_F(CourseTreeMovesTest, ResultingOrders) {
    struct Case {
        std::string shape, command, node, target, expected;
        bool changed;
    } cases[] = {
        {"A,B,C", "up", "B", "", "B,A,C", true},
        {"A,B,C", "up", "A", "", "A,B,C", false},
        {"A(A1,A2),B", "up", "A2", "", "A(A2,A1),B", true},
        {"A,B", "up", "root", "", "A,B", false},
        {"A,B,C", "down", "A", "", "B,A,C", true},
        {"A,B,C", "down", "C", "", "A,B,C", false},
        {"A(A1,A2),B", "down", "A", "", "B,A(A1,A2)", true},
        {"A,B", "down", "root", "", "A,B", false},
        // Left lands directly after the former parent, not last of its level.
        {"A(A1,A2,A3),B", "left", "A2", "", "A(A1,A3),A2,B", true},
        {"A(A1(X,Y)),B", "left", "X", "", "A(A1(Y),X),B", true},
        {"A,B", "left", "A", "", "A,B", false},
        {"A,B", "left", "root", "", "A,B", false},
        {"A,B,C", "right", "B", "", "A(B),C", true},
        {"A(A1),B(B1)", "right", "B", "", "A(A1,B(B1))", true},
        {"A(A1,A2)", "right", "A1", "", "A(A1,A2)", false},
        {"A,B", "right", "A", "", "A,B", false},
        {"A,B,C", "drop", "C", "A", "A(C),B", true},
        {"A,B(B1)", "drop", "A", "B", "B(A,B1)", true},
        {"A(A1,A2),B", "drop", "B", "A", "A(A1,A2,B)", true},
        {"A(A1(X),A2)", "drop", "X", "A", "A(A1,X,A2)", true},
        {"A(A1),B", "drop", "A1", "root", "A,A1,B", true},
        {"A(A1),B", "drop", "A1", "A", "A(A1),B", false}, // onto its parent
        {"A(A1),B", "drop", "A", "A1", "A(A1),B", false}, // below itself
        {"A(A1),B", "drop", "A", "A", "A(A1),B", false},  // onto itself
        {"A(A1),B", "drop", "root", "B", "A(A1),B", false},
    };
    for (const Case& c : cases) {
        FillProject(project_, c.shape);
        tree_.BuildTree(project_);
        RecordingObserver observer;
        tree_.AddObserver(&observer);
        const std::string what = c.command + " " + c.node + " in " + c.shape;
        EXPECT_EQ(Run(c.command, c.node, c.target), c.changed) << what;
        EXPECT_EQ(ShapeOf(*tree_.Root()), c.expected) << what;
        if (c.changed) {
            EXPECT_TRUE(observer.AllFlags() & tcUnsaved) << what;
            EXPECT_FALSE(observer.AllFlags() & tcSaveNow) << what; // written when leaving
        } else {
            EXPECT_TRUE(observer.changes.empty()) << what;
        }
        tree_.RemoveObserver(&observer);
        // Positions follow the new order at once.
        const auto nodes = tree_.Nodes();
        for (std::size_t i = 0; i < nodes.size(); ++i) {
            EXPECT_EQ(nodes[i]->Item().Position, int(i) + 1) << what;
            EXPECT_EQ(nodes[i]->Item().IsLeaf, nodes[i]->ChildCount() == 0) << what;
            if (nodes[i]->Parent()) {
                EXPECT_EQ(nodes[i]->Item().ParentPosition, nodes[i]->Parent()->Item().Position);
            }
        }
    }
}

} // namespace
} // namespace vlm::test
