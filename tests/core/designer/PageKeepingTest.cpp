#include "designer/PageKeeping.h"

#include <gtest/gtest.h>

namespace vlm {
namespace {

TEST(PageKeeping, ValuesTheWriterCannotKeepAreFound) {
    struct Case {
        const char* attribute;
        const char* text;
        bool kept;
    } cases[] = {
        {"plain", "10,20", true}, {"a+b%22", "Hello+world%21", true}, {"say \"hi\"", "", false},
        {"x", "1<2", false},      {"x", " padded ", false},           {"x", "<b>bold</b>", false},
    };
    for (const Case& c : cases) {
        TjanXMLTree tree;
        tree.LoadFromText("<document><page name=\"page\" /></document>");
        TjanXMLNode* action = tree.FindDescendant("page")->AddChild("action", c.text);
        action->SetAttribute("value", c.attribute);
        EXPECT_EQ(PageSurvivesSaving(tree), c.kept) << c.attribute << " " << c.text;
    }
}

} // namespace
} // namespace vlm
