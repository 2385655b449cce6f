#include "page/AccessibilityFindings.h"

#include "page/janXMLTree.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace vlm;

namespace {

std::vector<std::string> Findings(const std::string& elements) {
    TjanXMLTree tree;
    tree.LoadFromText("<document>" + elements + "</document>");
    std::vector<std::string> out;
    for (const auto& f : AccessibilityFindings(*tree.Child(0)))
        out.push_back(f.messageKey + " " + f.element);
    return out;
}

} // namespace

TEST(AccessibilityFindings, EachClassByItsOwnProperties) {
    struct Case {
        const char* element;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {R"(<image name="pic" alt="" />)", {"CLI_CHECK_A11Y_IMAGE_ALT pic"}},
        {R"(<image name="pic" alt="+" />)", {"CLI_CHECK_A11Y_IMAGE_ALT pic"}},
        {R"(<image name="pic" alt="A+red+apple" />)", {}},
        {R"(<button name="b" buttonSrc="..\resources\x.png" caption="" alt="" tooltip="" />)",
         {"CLI_CHECK_A11Y_BUTTON_NAME b"}},
        {R"(<button name="b" buttonSrc="..\resources\x.png" alt="Next" />)", {}},
        {R"(<button name="b" buttonSrc="" caption="" />)", {}},
        {R"(<input name="q" label="" />)", {"CLI_CHECK_A11Y_QUESTION_LABEL q"}},
        {R"(<combo name="q" label="" prompt="Choose" />)", {"CLI_CHECK_A11Y_QUESTION_LABEL q"}},
        {R"(<list name="q" label="Fruit" />)", {}},
        {R"(<trackbar name="q" />)", {"CLI_CHECK_A11Y_QUESTION_LABEL q"}},
        {R"(<DDElement name="d" caption="" />)", {"CLI_CHECK_A11Y_QUESTION_LABEL d"}},
        {R"(<DDElement name="d" caption="Apple" />)", {}},
        {R"(<video name="v" captions="" />)", {"CLI_CHECK_A11Y_VIDEO_CAPTIONS v"}},
        {R"(<video name="v" captions="..\resources\v.vtt" />)", {}},
        {R"(<html name="h" label="" />)", {"CLI_CHECK_A11Y_FRAME_TITLE h"}},
        {R"(<text name="t" /><rectangle name="r" /><audio name="a" />)", {}},
        {R"(<checkbox name="c" group="" caption="Yes" label="" />)", {}},
        {R"(<checkbox name="c" group="" caption="" label="" />)",
         {"CLI_CHECK_A11Y_QUESTION_LABEL c"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Findings(c.element), c.expected) << c.element;
}

TEST(AccessibilityFindings, AQuestionGroupIsLabelledByAnyOptionAndReportedOnce) {
    EXPECT_EQ(Findings(R"(<radiobutton name="r1" group="g" label="" />)"
                       R"(<radiobutton name="r2" group="g" label="" />)"
                       R"(<checkbox name="c1" group="g" label="" />)"
                       R"(<radiobutton name="r3" group="h" label="" />)"
                       R"(<radiobutton name="r4" group="h" label="Which+one%3F" />)"),
              (std::vector<std::string>{"CLI_CHECK_A11Y_QUESTION_LABEL r1",
                                        "CLI_CHECK_A11Y_QUESTION_LABEL c1"}));
}
