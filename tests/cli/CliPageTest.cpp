// page show and the element commands change a page as the designer does.

#include "CliTestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace vlm::test {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using ::testing::Not;

class CliPage : public ::testing::Test {
protected:
    CliSandbox box;
    fs::path course = box.CopyCourse("questions");
    fs::path page = box.work / "questions" / "p00002" / "_page.xmp";

    CliRun Page(std::vector<std::string> args) {
        args.insert(args.begin() + 2, {course.string(), "--item", "2"});
        return box.Run(args);
    }
};

TEST_F(CliPage, AddedElementsAreShownInDrawingOrderWithTheirDefaults) {
    CliRun run = Page({"element", "add", "button", "--at", "100,200", "--size", "50,30", "--set",
                       "caption=Go on", "--set", "color=FF0000"});
    ASSERT_EQ(run.code, 0) << run.err;
    run = Page({"page", "show", "--json"});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_THAT(run.out, HasSubstr("{\"class\": \"button\", \"name\": \"button1\", "
                                   "\"globalIndex\": \"9\", \"x\": \"100\", \"y\": \"200\", "
                                   "\"width\": \"50\", \"height\": \"30\""));
    EXPECT_THAT(run.out, HasSubstr("\"caption\": \"Go on\""));
    // Free text is stored URL-encoded, typed values as typed.
    const std::string file = ReadAll(page);
    EXPECT_THAT(file, HasSubstr("caption=\"Go+on\""));
    EXPECT_THAT(file, HasSubstr("color=\"FF0000\""));
    EXPECT_LT(run.out.find("\"popup1\""), run.out.find("\"button1\""));
    run = Page({"element", "order", "button1", "--back"});
    ASSERT_EQ(run.code, 0) << run.err;
    run = Page({"page", "show"});
    EXPECT_THAT(run.out, ::testing::StartsWith("button1  [button, 9]  100,200 50x30\n"));
}

TEST_F(CliPage, BadInputIsToldAndLeavesThePageAlone) {
    const std::string before = ReadAll(page);
    struct Case {
        std::vector<std::string> args;
        std::string message;
    };
    const std::vector<Case> cases = {
        {{"element", "add", "nope", "--at", "1,2"}, EnglishText("CLI_CLASS_NOT_FOUND", "nope")},
        {{"element", "add", "button", "--at", "1;2"}, EnglishText("CLI_BAD_POINT", "1;2")},
        {{"element", "add", "button", "--at", "1,2", "--set", "nosuch=1"},
         EnglishText("CLI_UNKNOWN_PROPERTY", "nosuch")},
        {{"element", "set", "ghost", "x=1"}, EnglishText("CLI_ELEMENT_NOT_FOUND", "ghost")},
        {{"element", "set", "input1", "x=left"}, EnglishText("CLI_VALUE_NOT_KEPT", "x")},
        {{"element", "set", "input1", "color=a\"b"}, EnglishText("CLI_VALUE_NOT_KEPT", "color")},
        {{"element", "set", "input1", "name=combo1"}, EnglishText("CLI_VALUE_NOT_KEPT", "name")},
        {{"element", "set", "input1", "globalIndex=3"},
         EnglishText("CLI_PROPERTY_FIXED", "globalIndex")},
        {{"element", "set", "input1", "novalue"}, EnglishText("CLI_BAD_ASSIGNMENT", "novalue")},
        {{"element", "delete", "input1"}, EnglishText("CLI_ELEMENT_NOT_DELETABLE", "input1")},
        {{"element", "order", "ghost", "--front"}, EnglishText("CLI_ELEMENT_NOT_FOUND", "ghost")},
    };
    for (const Case& c : cases) {
        const CliRun run = Page(c.args);
        EXPECT_EQ(run.code, 1) << c.args[1] << " " << c.args[2] << "\n" << run.err;
        EXPECT_THAT(run.err, HasSubstr(c.message)) << c.args[2];
        EXPECT_EQ(ReadAll(page), before) << c.args[2];
    }
    const CliRun run = box.Run({"page", "show", course.string(), "--item", "9"});
    EXPECT_EQ(run.code, 1);
    EXPECT_THAT(run.err, HasSubstr(EnglishText("CLI_ITEM_NOT_FOUND", "9")));
}

TEST_F(CliPage, DeletionAsksAndOnlyYesDeletes) {
    ASSERT_EQ(Page({"element", "add", "button", "--at", "5,5"}).code, 0);
    const std::string added = ReadAll(page);
    CliRun run = box.Run({"--no", "element", "delete", course.string(), "--item", "2", "button1"});
    EXPECT_EQ(run.code, 3);
    EXPECT_THAT(run.err, HasSubstr(EnglishText("QUEST_DELETE_ELEMENT")));
    EXPECT_EQ(ReadAll(page), added);
    run = box.Run({"--yes", "element", "delete", course.string(), "--item", "2", "button1"});
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_THAT(added, HasSubstr("name=\"button1\""));
    EXPECT_THAT(ReadAll(page), Not(HasSubstr("name=\"button1\"")));
}

} // namespace
} // namespace vlm::test
