#include "common/DialogFilter.h"

#include <gtest/gtest.h>

using vlm::ToolkitFileFilter;

TEST(DialogFilterTest, DescriptionsKeepTheirTextAndGetTheirPatternsOnce) {
    EXPECT_EQ(ToolkitFileFilter("Vellumar courses (*.vlmproject;*.prj)|*.vlmproject;*.prj"),
              "Vellumar courses (*.vlmproject *.prj)");
    EXPECT_EQ(ToolkitFileFilter("Pictures|*.png; *.jpg|All files (*.*)|*.*"),
              "Pictures (*.png *.jpg);;All files (*.*)");
}

TEST(DialogFilterTest, IncompleteOrEmptyPairsAreDropped) {
    EXPECT_EQ(ToolkitFileFilter(""), "");
    EXPECT_EQ(ToolkitFileFilter("Only a text"), "");
    EXPECT_EQ(ToolkitFileFilter("Empty|;|Web|*.html|Dangling"), "Web (*.html)");
    EXPECT_EQ(ToolkitFileFilter("|*.txt"), "(*.txt)");
}
