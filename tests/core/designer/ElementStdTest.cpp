// The standard property grid's rows from a class definition.

#include "designer/ElementStd.h"

#include <gtest/gtest.h>

namespace vlm {
namespace {

const char* kClass =
    "<class name=\"x\">\r\n"
    "  <property name=\"width\" type=\"int\" desc=\"Szerokosc\" />\r\n"
    "  <property name=\"id\" readonly=\"true\" />\r\n"
    "  <property name=\"bgColor\" type=\"Color\" />\r\n"
    "  <property name=\"src\" type=\"path\" readonly=\"0\" />\r\n"
    "  <property name=\"resizable\" type=\"boolean\" readonly=\"1\" />\r\n"
    "  <property name=\"visibility\" "
    "type=\"set\"><set>visible</set><set>hidden</set></property>\r\n"
    "  <property name=\"align\" type=\"set\"><set>left</set><set>right</set></property>\r\n"
    "  <property name=\"color\" type=\"int\" />\r\n"
    "</class>\r\n";

TEST(ElementStd, RowsFollowTheDefinition) {
    TjanXMLTree definition;
    definition.LoadFromText(kClass);
    TjanXMLTree page;
    page.LoadFromText(
        "<x width=\"10\" visibility=\"hidden\" align=\"center\" resizable=\"yes\" />");
    const std::vector<TStdRow> rows =
        BuildStdRows(*definition.FindDescendant("class"), *page.FindDescendant("x"));
    struct Expected {
        const char* caption;
        const char* value;
        bool enabled;
        TStdRowKind kind;
        int selected;
        bool integerOnly;
    } expected[] = {
        {"Szerokosc: ", "10", true, TStdRowKind::Text, -1, true},
        {"id: ", "", false, TStdRowKind::Text, -1, false},
        {"bgColor: ", "", true, TStdRowKind::Color, -1, false},
        {"src: ", "", true, TStdRowKind::Path, -1, false},
        {"resizable: ", "false", false, TStdRowKind::Boolean, 1, false},
        {"visibility: ", "hidden", true, TStdRowKind::Set, 1, false},
        {"align: ", "center", true, TStdRowKind::Set, -1, false}, // kept, not wiped
        {"color: ", "", true, TStdRowKind::Text, -1, true},       // "Color" is case-sensitive
    };
    ASSERT_EQ(rows.size(), std::size(expected));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const Expected& e = expected[i];
        EXPECT_EQ(rows[i].caption, e.caption);
        EXPECT_EQ(rows[i].value, e.value) << e.caption;
        EXPECT_EQ(rows[i].enabled, e.enabled) << e.caption;
        EXPECT_EQ(rows[i].kind, e.kind) << e.caption;
        EXPECT_EQ(rows[i].selected, e.selected) << e.caption;
        EXPECT_EQ(rows[i].integerOnly, e.integerOnly) << e.caption;
        EXPECT_EQ(rows[i].top, 16 + 24 * static_cast<int>(i));
    }
}

TEST(ElementStd, IntegerFieldsTakeOnlyCodes42To58AndBackspace) {
    for (char key : std::string("*+,-./0123456789:\b"))
        EXPECT_TRUE(StdIntegerKeyAccepted(key)) << int(key);
    for (char key : std::string("a Z)<;\r"))
        EXPECT_FALSE(StdIntegerKeyAccepted(key)) << int(key);
}

TEST(ElementStd, ApplyWritesEveryRowAndCreatesMissingAttributes) {
    TjanXMLTree definition;
    definition.LoadFromText(kClass);
    TjanXMLTree page;
    page.LoadFromText("<x width=\"10\" visibility=\"hidden\" />");
    TjanXMLNode& element = *page.FindDescendant("x");
    std::vector<TStdRow> rows = BuildStdRows(*definition.FindDescendant("class"), element);
    rows[0].value = "20";
    ChooseStdItem(rows[5], 0);
    ChooseStdItem(rows[5], 9); // no such item: nothing
    EXPECT_TRUE(ApplyStdRows(element, rows));
    EXPECT_EQ(element.GetAttributeText("width"), "20");
    EXPECT_EQ(element.GetAttributeText("visibility"), "visible");
    EXPECT_EQ(element.GetAttributeText("resizable"), "false");
    EXPECT_NE(element.FindAttribute("align"), nullptr);
    EXPECT_FALSE(ApplyStdRows(element, rows));
}

TEST(ElementStd, NamesThatCannotKeyAControlRefuseTheGrid) {
    for (const char* props : {"<property name=\"1a\" />", "<property name=\"a-b\" />",
                              "<property />", "<property name=\"a\" /><property name=\"a\" />",
                              "<property name=\"b\" /><property name=\"bCaption\" />"}) {
        TjanXMLTree definition;
        definition.LoadFromText(std::string("<class>") + props + "</class>");
        TjanXMLNode element("x");
        EXPECT_THROW(BuildStdRows(*definition.FindDescendant("class"), element), EStdGrid) << props;
    }
}

} // namespace
} // namespace vlm
