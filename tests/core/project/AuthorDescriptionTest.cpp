#include "project/AuthorDescription.h"

#include "page/xmp.h"
#include "project/PageEditor.h"

#include "PagePropsTestSupport.h"

namespace vlm::test {
namespace {

class AuthorNote : public PagePropsTest {
protected:
    FixedGuidSource guids_;
    TXMPDocument doc_{guids_, prompt_, clock_};

    void Load(const std::string& pageAttributes) {
        doc_.LoadFromText("<document id=\"{D}\">\r\n  <info />\r\n  <page id=\"{P}\" " +
                          pageAttributes + " />\r\n  <text name=\"text1\" />\r\n</document>\r\n");
    }
    TjanXMLNode* Page() { return PageElement(doc_); }
};

TEST_F(AuthorNote, UrlStyleCodecWithLowerCaseDigits) {
    struct Case {
        std::string text, encoded;
    };
    const std::vector<Case> cases = {
        {"Ala ma kota", "Ala+ma+kota"},
        {"!$'()*-.@_", "!$'()*-.@_"},
        {"100% + 1 = #", "100%25+%2b+1+%3d+%23"},
        {"\xB9\xEA\r\n", "%b9%ea%0d%0a"},
        {"", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(AuthorDescEncode(c.text), c.encoded);
        EXPECT_EQ(AuthorDescDecode(c.encoded), c.text);
    }
    EXPECT_EQ(AuthorDescDecode("a%%b%B9"), "a%b\xB9");
}

TEST_F(AuthorNote, BadPercentGroupsCannotBeDecoded) {
    for (const char* bad : {"abc%", "abc%4", "%zz"})
        EXPECT_ANY_THROW(AuthorDescDecode(bad)) << bad;
}

TEST_F(AuthorNote, DialogShowsTheDecodedNoteAndStoresItEncoded) {
    Load("descAuthor=\"Stara+notatka%21\"");
    std::string shown;
    EXPECT_TRUE(EditPageAuthorDescription(doc_, prompt_, [&](const std::string& text) {
        shown = text;
        return std::optional<std::string>("Nowa: 50%");
    }));
    EXPECT_EQ(shown, "Stara notatka!");
    EXPECT_EQ(Page()->GetAttributeText("descAuthor"), "Nowa%3a+50%25");
    EXPECT_TRUE(prompt_.calls.empty());
}

TEST_F(AuthorNote, CancelChangesNothing) {
    Load("descAuthor=\"x+y\"");
    EXPECT_FALSE(
        EditPageAuthorDescription(doc_, prompt_, [](const std::string&) { return std::nullopt; }));
    EXPECT_EQ(Page()->GetAttributeText("descAuthor"), "x+y");
}

TEST_F(AuthorNote, UndecodableNoteIsReportedAndTheDialogDoesNotOpen) {
    Load("descAuthor=\"100%\"");
    bool opened = false;
    EXPECT_FALSE(EditPageAuthorDescription(doc_, prompt_, [&](const std::string&) {
        opened = true;
        return std::optional<std::string>("x");
    }));
    EXPECT_FALSE(opened);
    ASSERT_EQ(prompt_.calls.size(), 1u);
    EXPECT_EQ(prompt_.calls[0].type, DialogType::Error);
    EXPECT_EQ(Page()->GetAttributeText("descAuthor"), "100%");
}

TEST_F(AuthorNote, ElementNotesAndPagesWithoutPageElement) {
    Load("");
    TjanXMLNode* element = doc_.DocumentNode()->FindChildByAttribute("name", "text1");
    EXPECT_TRUE(EditAuthorDescription(
        element, prompt_, [](const std::string&) { return std::optional<std::string>("a b"); }));
    EXPECT_EQ(element->GetAttributeText("descAuthor"), "a+b");

    TXMPDocument empty(guids_, prompt_, clock_);
    bool opened = false;
    EXPECT_FALSE(EditPageAuthorDescription(empty, prompt_, [&](const std::string&) {
        opened = true;
        return std::optional<std::string>("x");
    }));
    EXPECT_FALSE(opened);
}

// The properties dialog and the author-description dialog write "descAuthor"
// in different encodings, and stored files carry both: neither converts.
TEST_F(AuthorNote, TheTwoEditorsShowEachOthersEncodingUndecoded) {
    Load("");
    TPagePropertiesEditor editor(doc_, 0, prompt_);
    editor.Values.AuthorDescription = "Uwaga: 1+1";
    ASSERT_TRUE(editor.Apply());
    EXPECT_EQ(Page()->GetAttributeText("descAuthor"), "Uwaga&#058; 1&#043;1");
    std::string shown;
    EditPageAuthorDescription(doc_, prompt_, [&](const std::string& text) {
        shown = text;
        return std::optional<std::string>("Druga uwaga: 50%");
    });
    EXPECT_EQ(shown, "Uwaga&#058; 1&#043;1");
    EXPECT_EQ(Page()->GetAttributeText("descAuthor"), "Druga+uwaga%3a+50%25");
    EXPECT_EQ(TPagePropertiesEditor(doc_, 0, prompt_).Values.AuthorDescription,
              "Druga+uwaga%3a+50%25");
}

} // namespace
} // namespace vlm::test
