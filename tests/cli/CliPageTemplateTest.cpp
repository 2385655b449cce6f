// page templates, page new and action add run as a user runs them.

#include "CliTestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace vlm::test {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

TEST(CliPageTemplates, ListedByTab) {
    CliSandbox box;
    const CliRun text = box.Run({"page", "templates"});
    EXPECT_EQ(text.code, 0) << text.err;
    EXPECT_THAT(text.out, HasSubstr("Basic\n  "));
    EXPECT_THAT(text.out, HasSubstr("  Text with picture  (text_picture)\n"));
    EXPECT_THAT(text.out, HasSubstr("Exercises\n"));
    const CliRun json = box.Run({"page", "templates", "--json"});
    EXPECT_EQ(json.code, 0) << json.err;
    EXPECT_THAT(json.out, HasSubstr("{\"tab\": \"Basic\", \"templates\": [{\"caption\": "));
}

// The questions course with its page 2 (position 2) still without a document.
class CliPageTest : public ::testing::Test {
protected:
    CliPageTest() {
        course = box.CopyCourse("questions");
        page = course.parent_path() / "questions" / "p00002" / "_page.xmp";
        fs::remove(page);
    }
    CliRun Run(std::vector<std::string> args) {
        args.insert(args.begin() + 2, course.string());
        return box.Run(args);
    }

    CliSandbox box;
    fs::path course;
    fs::path page;
};

TEST_F(CliPageTest, NewPageFromATemplateWithItsResources) {
    struct Bad {
        std::vector<std::string> args;
        std::string message;
    } bad[] = {
        {{"page", "new", "--item", "9"}, EnglishText("CLI_ITEM_NOT_FOUND", "9")},
        {{"page", "new", "--item", "1"}, EnglishText("CLI_ITEM_NOT_FOUND", "1")},
        {{"page", "new", "--item", "2", "--template", "nothing"},
         EnglishText("CLI_PAGE_TEMPLATE_NOT_FOUND", "nothing")},
    };
    for (const Bad& b : bad) {
        const CliRun run = Run(b.args);
        EXPECT_EQ(run.code, 1) << b.message;
        EXPECT_THAT(run.err, HasSubstr(b.message));
        EXPECT_FALSE(fs::exists(page));
    }

    const CliRun made = Run({"page", "new", "--item", "2", "--template", "Text with picture"});
    ASSERT_EQ(made.code, 0) << made.err;
    const std::string document = ReadAll(page);
    EXPECT_THAT(document, HasSubstr("Page+heading")); // the English variant
    EXPECT_TRUE(fs::exists(page.parent_path().parent_path() / "resources" / "illustration.png"));

    const CliRun again = Run({"page", "new", "--item", "2"});
    EXPECT_EQ(again.code, 1);
    EXPECT_THAT(again.err, HasSubstr(EnglishText("CLI_PAGE_EXISTS", "")));
    EXPECT_EQ(ReadAll(page), document);
}

TEST_F(CliPageTest, ActionAddStoresWhatTheEditorStoresAndRefusesBadInput) {
    ASSERT_EQ(Run({"page", "new", "--item", "2", "--template", "text_picture"}).code, 0);
    const std::string before = ReadAll(page);
    const std::vector<std::string> add = {"action", "add", "--item", "2"};
    const auto with = [&](std::vector<std::string> words) {
        std::vector<std::string> args = add;
        args.insert(args.end(), words.begin(), words.end());
        return args;
    };
    struct Bad {
        std::vector<std::string> words;
        std::string message;
    } bad[] = {
        {{"image9", "onclick", "text1", "setText", "--param", "x"},
         EnglishText("CLI_ACTION_ELEMENT_NOT_FOUND", "image9")},
        {{"image1", "onfly", "text1", "show"}, EnglishText("CLI_ACTION_EVENT_NOT_FOUND", "onfly")},
        {{"image1", "onclick", "text9", "show"},
         EnglishText("CLI_ACTION_ELEMENT_NOT_FOUND", "text9")},
        {{"image1", "onclick", "text1", "play"}, EnglishText("CLI_ACTION_NOT_FOUND", "play")},
        {{"image1", "onclick", "text1", "setText"},
         EnglishText("CLI_ACTION_PARAM_REQUIRED", "setText")},
        {{"image1", "onclick", "text1", "show", "--param", "x"},
         EnglishText("CLI_ACTION_PARAM_NOT_TAKEN", "show")},
        {{"--page", "onload", "page", "goToPage", "--param", "1"},
         EnglishText("CLI_ACTION_PARAM_PAGE", "1")},
        {{"--page", "onload", "page", "goToPage", "--param", "two"},
         EnglishText("CLI_ACTION_PARAM_PAGE", "two")},
        {{"image1", "onclick", "image1", "moveTo", "--param", "1<2"},
         EnglishText("CLI_PARAM_NOT_KEPT", "1<2")},
    };
    for (const Bad& b : bad) {
        const CliRun run = Run(with(b.words));
        EXPECT_EQ(run.code, 1) << b.message << "\n" << run.err;
        EXPECT_THAT(run.err, HasSubstr(b.message));
        EXPECT_EQ(ReadAll(page), before) << b.message;
    }

    CliRun run = Run(with({"image1", "Click", "text1", "setText", "--param", "Hello \"world\"!"}));
    ASSERT_EQ(run.code, 0) << run.err;
    run = Run(with({"--page", "onload", "page", "goToPage", "--param", "2"}));
    ASSERT_EQ(run.code, 0) << run.err;
    const std::string after = ReadAll(page);
    EXPECT_THAT(after, HasSubstr("<action name=\"setText\" object=\"{BB0B6533-C249-5C92-BED4-"
                                 "CE866F9B9A4B}\" param=\"true\" paramType=\"text\">\r\n"
                                 "        Hello+%22world%22!\r\n"));
    EXPECT_THAT(after, HasSubstr("param=\"true\" paramType=\"format\">\r\n        2\r\n"));
}

} // namespace
} // namespace vlm::test
