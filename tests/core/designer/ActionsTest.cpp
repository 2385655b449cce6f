// The event actions editor over the program's own component library.

#include "designer/Actions.h"
#include "designer/ActionProjectList.h"
#include "designer/ActionsParam.h"
#include "page/ClassDefinitions.h"
#include "page/ComponentsManager.h"

#include "LanguageScope.h"
#include "fakes/Fakes.h"

#include <gtest/gtest.h>

namespace vlm {
namespace {

using V = TExternalValue;

const char* kPage = "<document id=\"{D}\">\r\n"
                    "  <page name=\"page\" id=\"{P}\">\r\n"
                    "    <event name=\"onload\" />\r\n"
                    "  </page>\r\n"
                    "  <button name=\"button1\" id=\"{B}\" globalIndex=\"1\">\r\n"
                    "    <event name=\"onclick\"><![CDATA[start();]]>\r\n"
                    "      <action name=\"show\" object=\"{I}\" param=\"false\" />\r\n"
                    "      <action name=\"show\" object=\"{GONE}\" param=\"false\" />\r\n"
                    "      <action name=\"vanished\" object=\"{I}\" param=\"false\" />\r\n"
                    "    </event>\r\n"
                    "    <event name=\"onmouseover\" />\r\n"
                    "  </button>\r\n"
                    "  <image name=\"image1\" id=\"{I}\" globalIndex=\"2\" />\r\n"
                    "  <lost globalIndex=\"3\" />\r\n"
                    "</document>\r\n";

class ActionsTest : public ::testing::Test {
protected:
    ActionsTest() {
        page.LoadFromText(kPage);
        definitions = LoadComponentLibrary(library, VLM_DATA_DIR, prompt, CurrentLanguage());
    }
    TjanXMLNode& Document() { return *page.FindDescendant("document"); }
    TActionsEditor Editor(std::optional<std::string> key) {
        return TActionsEditor(Document(), *definitions, library, std::move(key), "EN");
    }
    static std::vector<std::string> Captions(const std::vector<TActionChoice>& choices) {
        std::vector<std::string> out;
        for (const TActionChoice& c : choices)
            out.push_back(c.caption);
        return out;
    }

    test::LanguageScope language{"ACTIONS_SELF=(self)\r\nACTIONS_EMPTY=(none)\r\n", "EN"};
    test::FakeUserPrompt prompt;
    TComponentsCollection library{prompt};
    std::unique_ptr<TjanXMLTree> definitions;
    TjanXMLTree page;
};

TEST_F(ActionsTest, ListsEventsTargetsAndTheActionsOfEachTargetClass) {
    TActionsEditor editor = Editor("1");
    ASSERT_NE(editor.Subject(), nullptr);
    EXPECT_EQ(Captions(editor.Events()),
              (std::vector<std::string>{"Click", "Double click", "Mouse over", "Mouse out"}));
    ASSERT_EQ(editor.Targets().size(), 4u); // self, page, button1, image1
    EXPECT_EQ(editor.TargetCaption(0), "(self)");
    EXPECT_EQ(editor.TargetCaption(1), "page");
    EXPECT_EQ(editor.TargetCaption(3), "image1");
    struct Case {
        std::size_t target;
        std::size_t count;
        const char* last;
    } cases[] = {{0, 8, "Move to"}, {1, 8, "Next step"}, {3, 5, "Move to"}};
    for (const Case& c : cases) {
        const auto actions = Captions(editor.ActionsOf(*editor.Targets()[c.target]));
        ASSERT_EQ(actions.size(), c.count) << c.target;
        EXPECT_EQ(actions.back(), c.last) << c.target;
    }
    EXPECT_TRUE(editor.ActionsOf(*Document().Child(3)).empty()); // a lost class offers none
    EXPECT_EQ(Editor(std::nullopt).Events().size(), 4u);         // the page record's events
    EXPECT_EQ(Editor("9").Subject(), nullptr);
}

TEST_F(ActionsTest, ConfirmStoresTheRowsAndDropsConnectionsWhoseTargetIsGone) {
    TActionsEditor editor = Editor("1");
    ASSERT_EQ(editor.Rows().size(), 1u);
    EXPECT_EQ(editor.Columns(0), (std::vector<std::string>{"Click", "image1", "Show", "(none)"}));
    const TjanXMLNode* setCaption = editor.ActionsOf(*editor.Targets()[0])[3].definition;
    ASSERT_TRUE(editor.Add(
        {editor.Events()[0].definition, editor.Targets()[0], setCaption, "Hello+world%21"}));
    EXPECT_EQ(editor.Columns(1)[3], "Hello world!");
    EXPECT_FALSE(editor.Add({editor.Events()[0].definition, nullptr, setCaption, ""}));

    EXPECT_TRUE(editor.Confirm(Document()));
    const TjanXMLNode& onclick = *Document().Child(1)->Child(0);
    EXPECT_EQ(onclick.Text(), "start();");
    ASSERT_EQ(onclick.ChildCount(), 2u);
    EXPECT_EQ(onclick.Child(0)->ToXml(),
              "<action name=\"show\" object=\"{I}\" param=\"false\" />\r\n");
    EXPECT_EQ(onclick.Child(1)->ToXml(), "<action name=\"setCaption\" object=\"{B}\" "
                                         "param=\"true\" paramType=\"text\">\r\n"
                                         "  Hello+world%21\r\n</action>\r\n");
    EXPECT_FALSE(editor.Confirm(Document())); // the same rows again change nothing
}

TEST_F(ActionsTest, RemovingEveryRowKeepsTheEventsAndTheirScripts) {
    TActionsEditor editor = Editor("1");
    editor.Remove(0);
    editor.Remove(5); // no such row
    EXPECT_TRUE(editor.Confirm(Document()));
    const TjanXMLNode& button = *Document().Child(1);
    ASSERT_EQ(button.ChildCount(), 2u);
    EXPECT_EQ(button.Child(0)->ChildCount(), 0u);
    EXPECT_EQ(button.Child(0)->Text(), "start();");
}

TEST(ActionsParam, ParameterReachesSetValueAsAScriptStringAndComesBack) {
    struct Case {
        const char* parameter;
        const char* script;
    } cases[] = {
        {"plain", "setValue(\"plain\");"},
        {"say \"hi\"", "setValue(\"say \\\"hi\\\"\");"},
        {"a\\\");alert(1);//", "setValue(\"a\\\\\\\");alert(1);//\");"},
        {"two\r\nlines", "setValue(\"two\\r\\nlines\");"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SetValueScript(c.parameter), c.script) << c.parameter;

    TMSHTMLExternalAction external({}, {});
    external.Table().Call("Result", {V::Text("say \\\"hi\\\"")});
    EXPECT_EQ(external.Value(), "say \"hi\"");
}

TEST(ActionsParam, CoursePagesByPosition) {
    const auto item = [](const char* name, int position, int id, bool leaf) {
        TProjectItem made;
        made.Name = name;
        made.Position = position;
        made.Id = id;
        made.IsLeaf = leaf;
        return made;
    };
    const std::vector<TProjectItem> items{item("Course", 1, 0, false), item("Intro", 2, 7, true),
                                          item("Quiz", 3, 4, false)};
    TMSHTMLExternalAction external(items, {});
    const TExternalTable& t = external.Table();
    EXPECT_EQ(t.Call("ProjectItemsListCount", {}), V::Number(3));
    struct Case {
        V index;
        const char* field;
        const char* value;
    } cases[] = {{V::Number(2), "id", "7"},     {V::Number(2), "NAME", "Intro"},
                 {V::Number(2), "sco", "True"}, {V::Number(3), "Sco", "False"},
                 {V::Number(2), "kind", ""},    {V::Number(9), "id", ""},
                 {V::Text("x"), "id", ""}};
    for (const Case& c : cases)
        EXPECT_EQ(t.Call("ProjectItemsListItem", {c.index, V::Text(c.field)}).text, c.value)
            << c.index.text << " " << c.field;
}

TEST(ActionProjectList, StartsAtTheCurrentPageAndNeverAcceptsTheCourse) {
    std::vector<TProjectItem> items(3);
    items[0].Id = 0;
    items[1].Id = 7;
    items[2].Id = 4;
    struct Case {
        std::size_t selected;
        const char* parameter;
        std::size_t start;
    } cases[] = {{1, "", 1}, {1, "4", 2}, {2, "99", 2}, {1, "4x", 1}, {2, "0", 0}};
    for (const Case& c : cases)
        EXPECT_EQ(PickerStartIndex(items, c.selected, c.parameter), c.start) << c.parameter;
    EXPECT_EQ(PickerResult(items, 2), "4");
    EXPECT_EQ(PickerResult(items, 0), std::nullopt);
    EXPECT_EQ(PickerResult(items, 3), std::nullopt);
}

} // namespace
} // namespace vlm
