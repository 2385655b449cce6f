// The item list of a project: look-ups and copying.
#include "fakes/Fakes.h"
#include "project/Project.h"

#include <gtest/gtest.h>

#include <vector>

namespace vlm::test {
namespace {

class ProjectItemsTest : public ::testing::Test {
protected:
    // root(1) -> a(2) -> b(3); root -> c(4); ids not in position order.
    void SetUp() override {
        Add("root", 1, 1, 0);
        Add("a", 2, 7, 1);
        Add("b", 3, 3, 2);
        Add("c", 4, 12, 1);
    }
    void Add(const char* name, int position, int id, int parent) {
        TProjectItem& item = project_.AddItem();
        item.Name = name;
        item.Position = position;
        item.Id = id;
        item.ParentPosition = parent;
    }
    FakeUserPrompt prompt_;
    TProject project_{prompt_};
};

TEST_F(ProjectItemsTest, AddItemAppendsAnEmptyItem) {
    TProjectItem& item = project_.AddItem();
    EXPECT_EQ(project_.ItemCount(), 5);
    EXPECT_EQ(&project_.GetItem(4), &item);
    EXPECT_EQ(item, TProjectItem{});
    EXPECT_THROW(project_.GetItem(5), std::out_of_range);
    EXPECT_THROW(project_.GetItem(-1), std::out_of_range);
}

TEST_F(ProjectItemsTest, MaxItemId) {
    EXPECT_EQ(project_.MaxItemId(), 12);
    project_.Clear();
    EXPECT_EQ(project_.MaxItemId(), 0);
}

TEST_F(ProjectItemsTest, FindByPositionGivesTheFirstMatch) {
    Add("second c", 4, 99, 1);
    ASSERT_NE(project_.FindByPosition(4), nullptr);
    EXPECT_EQ(project_.FindByPosition(4)->Name, "c");
    EXPECT_EQ(project_.FindByPosition(1)->Name, "root");
    EXPECT_EQ(project_.FindByPosition(5), nullptr);
    EXPECT_EQ(project_.FindByPosition(0), nullptr);
}

TEST_F(ProjectItemsTest, HasChildItems) {
    EXPECT_TRUE(project_.HasChildItems(1));
    EXPECT_TRUE(project_.HasChildItems(2));
    EXPECT_FALSE(project_.HasChildItems(3));
    EXPECT_FALSE(project_.HasChildItems(4));
    EXPECT_TRUE(project_.HasChildItems(0)); // the root's parent position
}

TEST_F(ProjectItemsTest, AssignItemsCopiesInTheGivenOrder) {
    TProjectItem x{"x", 1, 5, 0, true, "http://x", "id_1_1", ptURLLink};
    TProjectItem y{"y", 2, 6, 1, false, "", "id_2_2", ptNone};
    const std::vector<const TProjectItem*> list = {&y, &x};
    project_.AssignItems(list);
    ASSERT_EQ(project_.ItemCount(), 2);
    EXPECT_EQ(project_.GetItem(0), y);
    EXPECT_EQ(project_.GetItem(1), x);
    EXPECT_NE(&project_.GetItem(1), &x); // copies, owned by the project
    x.Name = "changed";
    EXPECT_EQ(project_.GetItem(1).Name, "x");
}

TEST_F(ProjectItemsTest, AssignItemsAcceptsTheProjectsOwnItems) {
    const std::vector<const TProjectItem*> own = {&project_.GetItem(3), &project_.GetItem(0)};
    project_.AssignItems(own);
    ASSERT_EQ(project_.ItemCount(), 2);
    EXPECT_EQ(project_.GetItem(0).Name, "c");
    EXPECT_EQ(project_.GetItem(1).Name, "root");
    const std::vector<const TProjectItem*> withNull = {nullptr};
    EXPECT_THROW(project_.AssignItems(withNull), std::invalid_argument);
    EXPECT_EQ(project_.ItemCount(), 2);
}

TEST_F(ProjectItemsTest, ClearEmptiesEverything) {
    project_.Loaded = true;
    project_.Title = "T";
    project_.Version = "1.0";
    project_.Resolution = 2;
    project_.ExportLexicon = 1;
    project_.Description = "D";
    project_.FileName = "/x/k.vlmproject";
    project_.Folder = "/x/";
    project_.Clear();
    EXPECT_FALSE(project_.Loaded);
    EXPECT_EQ(project_.Title, "");
    EXPECT_EQ(project_.Version, "");
    EXPECT_EQ(project_.Resolution, 0);
    EXPECT_EQ(project_.ExportLexicon, 0);
    EXPECT_EQ(project_.Description, "");
    EXPECT_EQ(project_.FileName, "");
    EXPECT_EQ(project_.Folder, "");
    EXPECT_EQ(project_.ItemCount(), 0);
}

} // namespace
} // namespace vlm::test
