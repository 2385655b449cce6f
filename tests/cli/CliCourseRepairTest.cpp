// Project files that opening repairs: `check` reports each problem as an
// error before anything is dropped, and `open` keeps the file it repaired.

#include "CliTestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>

namespace vlm::test {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using ::testing::Not;

struct Item {
    std::string name;
    int position, id, parent;
    bool leaf;
};

std::string ProjectText(const std::vector<Item>& items, const std::string& tail = {}) {
    std::string text = "[VELLUMAR]\r\n[COURSE_TITLE]\r\nCourse\r\n[COURSE_VERSION]\r\n1.0\r\n"
                       "[VERSION]\r\n1.0\r\n[COURSE_RESOLUTION]\r\n0\r\n[EXPORT_LEXICON]\r\n0\r\n"
                       "[COURSE_DESC]\r\n\r\n[COURSE_TREE]\r\n";
    for (const Item& i : items)
        text += i.name + "\r\n" + std::to_string(i.position) + "\r\n" + std::to_string(i.id) +
                "\r\n" + std::to_string(i.parent) + "\r\n" + (i.leaf ? "true" : "false") +
                "\r\n\r\nid_" + std::to_string(i.position) + "_1\r\n-1\r\n";
    return text + tail;
}

struct RepairCase {
    std::string label;
    std::vector<Item> items;
    std::string tail;
    std::string code; // the finding of `check`
};

class CliCourseRepair : public ::testing::TestWithParam<RepairCase> {};

TEST_P(CliCourseRepair, CheckReportsItAndOpenKeepsABackup) {
    const RepairCase& c = GetParam();
    CliSandbox box;
    const fs::path file = box.work / "c.vlmproject";
    const std::string original = ProjectText(c.items, c.tail);
    std::ofstream(file, std::ios::binary) << original;
    fs::create_directories(box.work / "c");

    const CliRun check = box.Run({"check", "--json", "c.vlmproject"});
    EXPECT_EQ(check.code, 1) << check.out << check.err;
    EXPECT_THAT(check.out, HasSubstr("\"severity\": \"error\""));
    EXPECT_THAT(check.out, HasSubstr("\"code\": \"" + c.code + "\""));
    EXPECT_EQ(ReadAll(file), original) << "check changed the file";

    const CliRun open = box.Run({"--yes", "open", "c.vlmproject"});
    EXPECT_EQ(open.code, 0) << open.err;
    const fs::path backup = box.work / "c.vlmproject.bak";
    EXPECT_THAT(open.err, HasSubstr(EnglishText("CLI_OPEN_REPAIRED", backup.string())));
    EXPECT_EQ(ReadAll(backup), original);
    EXPECT_NE(ReadAll(file), original);

    // The repaired course needs no more repair; the first backup stays.
    EXPECT_EQ(box.Run({"--yes", "open", "c.vlmproject"}).code, 0);
    EXPECT_FALSE(fs::exists(box.work / "c.vlmproject.bak2"));
    EXPECT_EQ(ReadAll(backup), original);
}

INSTANTIATE_TEST_SUITE_P(
    Problems, CliCourseRepair,
    ::testing::Values(
        RepairCase{"ParentIsItself",
                   {{"Course", 1, 1, 0, false}, {"A", 2, 2, 1, true}, {"Self", 3, 3, 3, true}},
                   "",
                   "parent-is-self"},
        RepairCase{"ParentMissing",
                   {{"Course", 1, 1, 0, false}, {"A", 2, 2, 1, true}, {"Lost", 3, 3, 9, true}},
                   "",
                   "parent-missing"},
        RepairCase{"ParentsInACircle",
                   {{"Course", 1, 1, 0, false},
                    {"A", 2, 2, 1, true},
                    {"X", 3, 3, 4, false},
                    {"Y", 4, 4, 3, false}},
                   "",
                   "parent-cycle"},
        RepairCase{"NoRoot", {{"Course", 1, 1, 5, false}, {"A", 2, 2, 1, true}}, "", "no-root"},
        RepairCase{"SecondRoot",
                   {{"Course", 1, 1, 0, false}, {"A", 2, 2, 1, true}, {"Other", 3, 3, 0, true}},
                   "",
                   "second-root"},
        RepairCase{"DuplicatePageIds",
                   {{"Course", 1, 1, 0, false}, {"A", 2, 2, 1, true}, {"B", 3, 2, 1, true}},
                   "",
                   "duplicate-id"},
        RepairCase{"FileCutInAnItem",
                   {{"Course", 1, 1, 0, false}, {"A", 2, 2, 1, true}},
                   "Cut off\r\n",
                   "cut-item"}),
    [](const auto& info) { return info.param.label; });

// A sound course: nothing to report beyond its pages, no backup.
TEST(CliCourseRepairSound, NoBackupForASoundFile) {
    CliSandbox box;
    const fs::path file = box.work / "c.vlmproject";
    std::ofstream(file, std::ios::binary)
        << ProjectText({{"Course", 1, 1, 0, false}, {"A", 2, 2, 1, true}});
    fs::create_directories(box.work / "c");
    const CliRun check = box.Run({"check", "--json", "c.vlmproject"});
    EXPECT_EQ(check.code, 0) << check.out;
    const CliRun open = box.Run({"open", "c.vlmproject"});
    EXPECT_EQ(open.code, 0) << open.err;
    EXPECT_FALSE(fs::exists(box.work / "c.vlmproject.bak"));
    EXPECT_THAT(open.err, Not(HasSubstr(".bak")));
}

} // namespace
} // namespace vlm::test
