#include "render/SnippetProcessor.h"

#include "common/ConvertError.h"
#include "page/janXMLTree.h"

#include <gtest/gtest.h>

using namespace vlm;

namespace {

// A page with button1 (onclick: show text2, then setCaption "Hello" on
// itself), text2 and a few property values.
const char* kPage = R"(<document id="{D}">
  <info />
  <page id="{P}" />
  <button name="button1" id="{B1}" caption="He+said+%22hi%22" empty="" multi="a%0D%0Ab" Text="upper" path="C%3A%5Cdir%3C%2Fscript%3E">
    <event name="onclick">
      <action object="{T2}" name="show" param="false" paramType="" />
      <action object="{B1}" name="setCaption" param="true" paramType="text">
        Hello
      </action>
    </event>
    <event name="onmove">
      <action object="{GONE}" name="show" param="false" />
      <action object="{T2}" name="setCaption" param="TRUE" paramType="Text">
        two\nlines "quoted"
      </action>
      <action object="{T2}" name="moveTo" param="true" paramType="format">
        10, 20
      </action>
    </event>
  </button>
  <text name="text2" id="{T2}" text="x" />
</document>
)";

class Snippets : public ::testing::Test {
protected:
    void SetUp() override {
        tree.LoadFromText(kPage);
        document = tree.FindDescendant("document");
        button = document->FindChildByAttribute("name", "button1");
        ASSERT_NE(button, nullptr);
    }
    std::string Fill(std::string_view snippet, TSubstitutions subs = {true, true}) {
        return ProcessSnippetText(snippet, *button, subs, [](std::string_view name) {
            return name == "width" ? std::string("10") : std::string();
        });
    }
    TjanXMLTree tree;
    TjanXMLNode* document = nullptr;
    TjanXMLNode* button = nullptr;
};

} // namespace

TEST_F(Snippets, TheEventExampleGivesTheExactScript) {
    EXPECT_EQ(Fill("f(){<!--event:onclick//-->}"),
              "f(){VLMObject.all[\"text2\"].show();\r\nthis.setCaption(\"Hello\");\r\n}");
}

TEST_F(Snippets, EventActionsWithMissingTargetsTextAndFormatParameters) {
    // The line break stays a line break of the string's value, written as an
    // escape so that the script still parses.
    EXPECT_EQ(EventScript(*button, "onmove"),
              "VLMObject.all[\"text2\"].setCaption(\"two\\r\\nlines \\\"quoted\\\"\");\r\n"
              "VLMObject.all[\"text2\"].moveTo(10, 20);\r\n");
    EXPECT_EQ(EventScript(*button, "nosuch"), "");
}

TEST_F(Snippets, PropertyPlaceholdersTable) {
    struct Case {
        const char* snippet;
        const char* expected;
    };
    const Case cases[] = {
        {"v=\"<!--property:caption//-->\";", "v=\"He said \\\"hi\\\"\";"},
        {"<!--property:multi//-->", "ab"},                          // line breaks removed
        {"<!--property:width//-->", "10"},                          // the class default
        {"[<!--property:empty//-->]", "[<!--property:empty//-->]"}, // left for the clean-up
        {"<!--property:nothing//-->", "<!--property:nothing//-->"},
        {"<!--  PROPERTY : Text //-->", "upper"},             // kind without case, trimmed
        {"<!--property:text//-->", "<!--property:text//-->"}, // the name is exact
        {"<!--property:caption//--> <!--property:caption//-->",
         "He said \\\"hi\\\" He said \\\"hi\\\""},
        // Backslash, quote and "</" cannot end the script string or the script.
        {"<!--property:path//-->", "C:\\\\dir<\\/script>"},
        {"<!-- note --> <!--property:multi//-->", "<!-- note --> ab"},
        {"<!--other:multi//--><!--multi//--><!--property:multi//-->",
         "<!--other:multi//--><!--multi//-->ab"},
        {"<!-- //--><!--property:multi//-->", "<!-- //--><!--property:multi//-->"}, // stops
        {"<!--property:multi", "<!--property:multi"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Fill(c.snippet), c.expected) << c.snippet;
}

TEST_F(Snippets, EventsOnlyWhenTheModeFillsThem) {
    EXPECT_EQ(Fill("<!--event:onclick//--><!--property:multi//-->", {true, false}),
              "<!--event:onclick//-->ab");
    EXPECT_EQ(Fill("<!--event:onclick//--><!--property:multi//-->", {false, false}),
              "<!--event:onclick//--><!--property:multi//-->");
}

TEST_F(Snippets, AValueThatLooksLikeAPlaceholderIsNotFilledAgain) {
    button->SetAttribute("caption", "%3C%21--property%3Acaption%2F%2F--%3E");
    EXPECT_EQ(Fill("<!--property:caption//-->"), "<\\!--property:caption//-->");
}

// The escaping would hide the markers from the template, so the value loses
// its answer blocks itself.
TEST_F(Snippets, AnExamPageTakesValuesWithoutTheirAnswerBlocks) {
    button->SetAttribute("caption", "Capital%3A+%3C%21--+element%3Aanswer+%2F%2F--%3EWarsaw"
                                    "%3C%21--+%2Felement%3Aanswer+%2F%2F--%3E.");
    EXPECT_EQ(Fill("<!--property:caption//-->", {true, true, false}), "Capital: .");
    EXPECT_EQ(Fill("<!--property:caption//-->"),
              "Capital: <\\!-- element:answer //-->Warsaw<\\!-- /element:answer //-->.");
}

TEST_F(Snippets, BrokenUrlEncodingFailsTheBuild) {
    button->SetAttribute("caption", "50%");
    EXPECT_THROW(Fill("<!--property:caption//-->"), ConvertError);
    button->SetAttribute("caption", "%G1");
    EXPECT_THROW(Fill("<!--property:caption//-->"), ConvertError);
}

// Many "<!--" before one "//-->": each opening is read against the same
// close. At these sizes work or memory that grows with the square of the
// snippet would not finish within the test's time limit.
TEST_F(Snippets, ManyOpeningsBeforeOneCloseStayLinear) {
    const auto repeat = [](std::string_view piece, std::size_t times) {
        std::string text;
        text.reserve(piece.size() * times);
        for (std::size_t i = 0; i < times; ++i)
            text += piece;
        return text;
    };
    constexpr std::size_t kTimes = 150000; // about 2 MB of snippet
    struct Case {
        std::string snippet, expected;
    } cases[] = {
        {repeat("<!--", kTimes) + "x//-->", repeat("<!--", kTimes) + "x//-->"},
        {repeat("<!--property:", kTimes) + "caption//-->",
         repeat("<!--property:", kTimes - 1) + "He said \\\"hi\\\""},
        {repeat("<!-- event : ", kTimes) + "onclick //-->",
         repeat("<!-- event : ", kTimes - 1) +
             "VLMObject.all[\"text2\"].show();\r\nthis.setCaption(\"Hello\");\r\n"},
        {repeat("<!--property:a", kTimes) + repeat(" ", kTimes) + "//-->",
         repeat("<!--property:a", kTimes) + repeat(" ", kTimes) + "//-->"},
        {repeat("<!--property:width", kTimes / 2) + repeat("\t", kTimes) + "//-->" +
             repeat("<!--", kTimes),
         repeat("<!--property:width", kTimes / 2 - 1) + "10" + repeat("<!--", kTimes)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Fill(c.snippet), c.expected) << c.snippet.substr(0, 40);
}

TEST(ScriptStringValue, EscapesForADoubleQuotedString) {
    EXPECT_EQ(ScriptStringValue("plain"), "plain");
    EXPECT_EQ(ScriptStringValue("a\\b\"c</d\r\ne<"), "a\\\\b\\\"c<\\/de<");
    // Neither the HTML parser nor the template's clean-up may act inside a value.
    EXPECT_EQ(ScriptStringValue("<!--<script>*[KEY]*"), "<\\!--<script>*\\[KEY]*");
}
