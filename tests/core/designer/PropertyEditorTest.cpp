// The property pages' external object over the editor's page copy, and the
// carry-over of the copy into the page on confirmation.

#include "designer/EditorElement.h"
#include "designer/HTMLPropertyManager.h"
#include "page/janXMLTree.h"

#include "LanguageScope.h"

#include <gtest/gtest.h>

namespace vlm {
namespace {

using V = TExternalValue;

const char* kPage = "<document id=\"{D}\">\r\n"
                    "  <page name=\"page\" bgColor=\"FFFFFF\" />\r\n"
                    "  <text name=\"text1\" globalIndex=\"1\" text=\"a+b%2Cc\" width=\"100%\">\r\n"
                    "    <event name=\"onclick\"><![CDATA[x();]]></event>\r\n"
                    "  </text>\r\n"
                    "  <button name=\"button1\" globalIndex=\"0\" caption=\"Dalej\" />\r\n"
                    "</document>\r\n";

class PropertyEditorTest : public ::testing::Test {
protected:
    TjanXMLNode& Document() { return *tree.FindDescendant("document"); }
    TjanXMLNode& Original(const char* name) {
        return *Document().FindChildByAttribute("name", name);
    }

    test::LanguageScope language{"TITLE=Tytul#|#Title\r\n", "PL"};
    TjanXMLTree tree;
    bool loaded = (tree.LoadFromText(kPage), true);
    TEditorElement editor{Document(), "1"};
    THTMLPropertyManager external{&editor, "/course/resources/", {}};
};

TEST_F(PropertyEditorTest, PropertiesReadDecodedAndWriteEncoded) {
    const TExternalTable& t = external.Table();
    struct Case {
        const char* stored;
        const char* read;
    } reads[] = {{"a+b%2Cc", "a b,c"},
                 {"100%", "100%"},
                 {"%B3%F3d%9F", "\xB3\xF3"
                                "d\x9F"}};
    for (const Case& c : reads) {
        editor.Element()->SetAttribute("text", c.stored);
        EXPECT_EQ(t.Call("Properties", {V::Text("text")}).text, c.read) << c.stored;
    }
    t.Call("Properties", {V::Text("text"), V::Text("a b,c")});
    EXPECT_EQ(editor.Element()->GetAttributeText("text"), "a+b%2Cc");
    t.Call("Properties", {V::Text("text"), V::Text("\xB3\xF3"
                                                   "d & <\"x\">")});
    EXPECT_EQ(t.Call("Properties", {V::Text("text")}).text, "\xB3\xF3"
                                                            "d & <\"x\">");
    EXPECT_EQ(t.Call("Properties", {V::Text("className")}).text, "text");
    EXPECT_EQ(t.Call("Properties", {V::Text("missing")}).text, "");
}

TEST_F(PropertyEditorTest, WritesNeverCreateAttributesNorTakeNull) {
    const TExternalTable& t = external.Table();
    t.Call("Properties", {V::Text("missing"), V::Text("v")});
    t.Call("Properties", {V::Text("width"), V::Null()});
    EXPECT_EQ(editor.Element()->FindAttribute("missing"), nullptr);
    EXPECT_EQ(editor.Element()->GetAttributeText("width"), "100%");
}

TEST_F(PropertyEditorTest, ComponentPropertyChoosesByIndexNumberOrGlobalIndexText) {
    const TExternalTable& t = external.Table();
    EXPECT_EQ(t.Call("ComponentProperty", {V::Number(0), V::Text("className")}).text, "page");
    EXPECT_EQ(t.Call("ComponentProperty", {V::Text("0"), V::Text("className")}).text, "button");
    EXPECT_EQ(t.Call("ComponentProperty", {V::Number(2), V::Text("caption")}).text, "Dalej");
    for (const V& bad : {V::Number(3), V::Number(-1), V::Text("7"), V::Null()})
        EXPECT_THROW(t.Call("ComponentProperty", {bad, V::Text("name")}), EExternalCall);
    t.Call("ComponentProperty", {V::Text("0"), V::Text("caption"), V::Text("Dalej >")});
    EXPECT_EQ(editor.Copy().Child(2)->GetAttributeText("caption"), "Dalej+%3E");
    EXPECT_EQ(Original("button1").GetAttributeText("caption"), "Dalej"); // only the copy
    EXPECT_EQ(t.Call("ComponentsCount", {}), V::Number(3));
}

TEST_F(PropertyEditorTest, ReadOnlyMembersAndDialogs) {
    std::optional<TColor> answer = 0x0080FF;
    int asked = 0;
    TDesignerDialogs dialogs;
    dialogs.chooseColor = [&](TColor initial) {
        EXPECT_EQ(initial, 0x332211);
        return answer;
    };
    dialogs.chooseResource = [&](const std::string& file, int mode) {
        ++asked;
        return file == "a.png" && mode == 1 ? std::optional<std::string>("b.png") : std::nullopt;
    };
    THTMLPropertyManager withDialogs(&editor, "/course/resources/", dialogs);
    const TExternalTable& t = withDialogs.Table();
    EXPECT_EQ(t.Call("isVellumar", {}), V::Boolean(true));
    EXPECT_EQ(t.Call("SelectedFileName", {}).text, "");
    EXPECT_EQ(t.Call("ProjectPath", {}).text, "/course/resources/");
    EXPECT_EQ(t.Call("ProjectResourcesPath", {}).text, "/course/resources/");
    EXPECT_EQ(t.Call("GetLangText", {V::Text("TITLE")}).text, "Tytul");
    EXPECT_EQ(t.Call("ColorDialog", {V::Text("#112233")}).text, "FF8000");
    answer.reset();
    EXPECT_EQ(t.Call("ColorDialog", {V::Text("112233")}).text, "112233");
    EXPECT_EQ(t.Call("ResourcesForm", {V::Text("a.png"), V::Text("IMAGE")}).text, "b.png");
    EXPECT_EQ(t.Call("ResourcesForm", {V::Text("a.png"), V::Text("audio")}).text, "");
    EXPECT_THROW(t.Call("ResourcesForm", {V::Text("a.png"), V::Text("doc")}), EExternalCall);
    EXPECT_EQ(asked, 2);
    EXPECT_THROW(t.Call("Nothing", {}), EExternalCall);
    EXPECT_THROW(t.Call("Properties", {}), EExternalCall);
    EXPECT_THROW(t.Call("isVellumar", {V::Text("x")}), EExternalCall);
}

TEST_F(PropertyEditorTest, WithoutAnEditorReadsAreEmptyAndWritesDoNothing) {
    THTMLPropertyManager closed(nullptr, "", {});
    EXPECT_EQ(closed.Table().Call("Properties", {V::Text("text")}).text, "");
    EXPECT_EQ(closed.Table().Call("ComponentProperty", {V::Number(0), V::Text("name")}).text, "");
    EXPECT_NO_THROW(closed.Table().Call("Properties", {V::Text("text"), V::Text("x")}));
    EXPECT_EQ(closed.Table().Call("ComponentsCount", {}), V::Number(0));
}

TEST_F(PropertyEditorTest, ConfirmCarriesEveryChangeOfTheCopyOver) {
    editor.Element()->SetAttribute("text", "new");
    editor.Element()->Child(0)->SetText("y();");
    editor.Copy().Child(2)->SetAttribute("caption", "Wstecz");
    editor.Copy().Child(2)->SetAttribute("tooltip", "t");
    Original("button1").SetAttribute("onlyHere", "kept");

    EXPECT_EQ(editor.Confirm(), (std::vector<std::string>{"1", "0"}));
    EXPECT_EQ(Original("text1").GetAttributeText("text"), "new");
    EXPECT_EQ(Original("text1").Child(0)->Text(), "y();");
    EXPECT_EQ(Original("button1").GetAttributeText("caption"), "Wstecz");
    EXPECT_EQ(Original("button1").GetAttributeText("tooltip"), "t");
    EXPECT_EQ(Original("button1").GetAttributeText("onlyHere"), "kept");
    EXPECT_TRUE(editor.Confirm().empty()); // the second time nothing differs
}

TEST_F(PropertyEditorTest, ConfirmWithoutChangesReportsNone) {
    const std::string before = tree.AsText();
    EXPECT_TRUE(editor.Confirm().empty());
    EXPECT_EQ(tree.AsText(), before);
}

} // namespace
} // namespace vlm
