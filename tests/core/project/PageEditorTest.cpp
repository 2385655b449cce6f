#include "project/PageEditor.h"

#include "page/xmp.h"
#include "project/AuthorDescription.h"

#include "PagePropsTestSupport.h"

namespace vlm::test {
namespace {

class PageProperties : public PagePropsTest {
protected:
    FixedGuidSource guids_;
    TXMPDocument doc_{guids_, prompt_, clock_};

    void Load(const std::string& pageAttributes) {
        doc_.LoadFromText("<document id=\"{D}\">\r\n  <info />\r\n  <page id=\"{P}\" " +
                          pageAttributes +
                          " />\r\n  <text name=\"text1\" />\r\n  <image name=\"image1\" "
                          "/>\r\n</document>\r\n");
    }
    std::string Attr(const std::string& name) { return PageElement(doc_)->GetAttributeText(name); }
};

TEST_F(PageProperties, MissingAttributesShowTheirDefaultsAndAreWrittenOnOk) {
    Load("name=\"page1\"");
    TPagePropertiesEditor editor(doc_, 600, prompt_);
    ASSERT_TRUE(editor.HasPage());
    const TPageProperties& v = editor.Values;
    EXPECT_EQ(v.Name, "page1");
    EXPECT_EQ(v.TryCount, "1");
    EXPECT_EQ(v.MasteryScore, "10");
    EXPECT_TRUE(v.FeedbacksShow);
    EXPECT_TRUE(v.RememberAnswers);
    EXPECT_EQ(v.BgColor, "#FFFFFF");
    EXPECT_EQ(v.Height, 600);
    EXPECT_TRUE(v.AuthorDescription.empty());
    EXPECT_TRUE(v.Links.Rows.empty());

    ASSERT_TRUE(editor.Apply());
    // Written in this order after the ones the page had; "name" is unchanged.
    std::vector<std::string> names;
    for (const auto& a : PageElement(doc_)->Attributes())
        names.push_back(a->Name + "=" + a->Value);
    EXPECT_EQ(names, (std::vector<std::string>{
                         "id={P}", "name=page1", "masteryscore=10", "descAuthor=", "tryCount=1",
                         "links=", "groups=", "bgColor=#FFFFFF", "feedbacksShow=true",
                         "rememberAnswers=true", "height=600"}));
}

TEST_F(PageProperties, ReadsStoredValuesDecoded) {
    Load("name=\"strona\" groups=\"g1 g2\" tryCount=\"3\" masteryscore=\"7\" "
         "feedbacksShow=\"false\" rememberAnswers=\"false\" bgColor=\"#a0b0c0\" height=\"900\" "
         "descAuthor=\"Uwaga&#058; test\" links=\"A||B||C&#046;D||E#|#\"");
    const TPageProperties v = TPagePropertiesEditor(doc_, 700, prompt_).Values;
    EXPECT_EQ(v.Groups, "g1 g2");
    EXPECT_EQ(v.TryCount, "3");
    EXPECT_EQ(v.MasteryScore, "7");
    EXPECT_FALSE(v.FeedbacksShow);
    EXPECT_FALSE(v.RememberAnswers);
    EXPECT_EQ(v.BgColor, "#A0B0C0");
    EXPECT_EQ(v.Height, 900);
    EXPECT_EQ(v.AuthorDescription, "Uwaga: test");
    EXPECT_EQ(v.Links.Rows, (std::vector<TPageLink>{{"A", "B", "C.D", "E"}}));
}

TEST_F(PageProperties, HeightIsShownAtLeastAsTheContentAndStoredWithinBounds) {
    struct Case {
        std::string stored;
        int content;
        int shown;
        std::string written;
    };
    const std::vector<Case> cases = {
        {"300", 0, 300, "550"},
        {"20000", 0, 20000, "10000"},
        {"700", 0, 700, "700"},
        {"700", 820, 820, "820"},
        {"", 0, 0, "550"},
        {"abc", 600, 600, "600"},
        {"10000", 0, 10000, "10000"},
        {"550", 0, 550, "550"},
    };
    for (const Case& c : cases) {
        Load(c.stored.empty() ? "" : "height=\"" + c.stored + "\"");
        TPagePropertiesEditor editor(doc_, c.content, prompt_);
        EXPECT_EQ(editor.Values.Height, c.shown) << c.stored;
        ASSERT_TRUE(editor.Apply());
        EXPECT_EQ(Attr("height"), c.written) << c.stored;
        EXPECT_EQ(std::to_string(editor.AppliedHeight()), c.written);
    }
}

TEST_F(PageProperties, TriesAndPointsKeepDigitsOnly) {
    struct Case {
        std::string tries, points, writtenTries, writtenPoints;
    };
    const std::vector<Case> cases = {
        {"5", "20", "5", "20"},
        {"123", "1000", "12", "1000"},
        {"a1b", "x9y9", "1", "99"},
        {"", "", "", ""},
    };
    for (const Case& c : cases) {
        Load("");
        TPagePropertiesEditor editor(doc_, 0, prompt_);
        editor.Values.TryCount = c.tries;
        editor.Values.MasteryScore = c.points;
        ASSERT_TRUE(editor.Apply());
        EXPECT_EQ(Attr("tryCount"), c.writtenTries) << c.tries;
        EXPECT_EQ(Attr("masteryscore"), c.writtenPoints) << c.points;
    }
    for (char key : std::string("0123456789\b"))
        EXPECT_TRUE(AcceptsDigitKey(key));
    for (char key : std::string("a -+.\r"))
        EXPECT_FALSE(AcceptsDigitKey(key)) << key;
}

TEST_F(PageProperties, ColoursAsTheSwatchKeepsThem) {
    struct Case {
        std::string stored;
        std::string shown;
    };
    const std::vector<Case> cases = {
        {"#ffcc00", "#FFCC00"}, {"FFCC00", "#FFCC00"},  {"x00ff00", "#00FF00"},
        {"#12345", "#000000"},  {"#GG0000", "#000000"}, {"", "#FFFFFF"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PageColorText(c.stored, true), c.shown) << c.stored;
    EXPECT_EQ(PageColorText("", false), "#FFFFFF");
}

TEST_F(PageProperties, NameOfAnotherElementIsRefusedAndNothingIsWritten) {
    Load("name=\"page1\" groups=\"stare\"");
    TPagePropertiesEditor editor(doc_, 0, prompt_);
    editor.Values.Name = "image1";
    editor.Values.Groups = "nowe";
    EXPECT_FALSE(editor.Apply());
    ASSERT_EQ(prompt_.calls.size(), 1u);
    EXPECT_EQ(prompt_.calls[0].caption, "Nazwa zajeta");
    EXPECT_EQ(prompt_.calls[0].text, "Element o tej nazwie juz jest.");
    EXPECT_EQ(Attr("name"), "page1");
    EXPECT_EQ(Attr("groups"), "stare");
    EXPECT_FALSE(PageElement(doc_)->FindAttribute("tryCount"));

    // The dialog stays open: another name goes through.
    editor.Values.Name = "wstep";
    EXPECT_TRUE(editor.Apply());
    EXPECT_EQ(Attr("name"), "wstep");
    EXPECT_EQ(Attr("groups"), "nowe");
}

TEST_F(PageProperties, NotesAndLinksAreStoredCharacterReferenceEncoded) {
    Load("");
    TPagePropertiesEditor editor(doc_, 0, prompt_);
    editor.Values.AuthorDescription = "Do sprawdzenia.";
    editor.Values.Links.Rows = {{"A", "B", "C.D", "E"}, {"", "pusty", "x", "y"}};
    ASSERT_TRUE(editor.Apply());
    EXPECT_EQ(Attr("descAuthor"), "Do sprawdzenia&#046;");
    EXPECT_EQ(Attr("links"), "A||B||C&#046;D||E#|#");
}

TEST_F(PageProperties, CommandRunsOnlyOnAnOpenPageAndReportsOk) {
    Load("height=\"100\"");
    int height = 0;
    EXPECT_TRUE(EditPageProperties(
        doc_, 0, prompt_, [](TPagePropertiesEditor& e) { return e.Apply(); }, &height));
    EXPECT_EQ(height, 550);
    EXPECT_FALSE(
        EditPageProperties(doc_, 0, prompt_, [](TPagePropertiesEditor&) { return false; }));
    // Closing without an accepted OK is no OK.
    EXPECT_FALSE(EditPageProperties(doc_, 0, prompt_, [](TPagePropertiesEditor&) { return true; }));

    TXMPDocument empty(guids_, prompt_, clock_);
    bool shown = false;
    EXPECT_FALSE(EditPageProperties(empty, 0, prompt_, [&](TPagePropertiesEditor&) {
        shown = true;
        return true;
    }));
    EXPECT_FALSE(shown);
}

} // namespace
} // namespace vlm::test
