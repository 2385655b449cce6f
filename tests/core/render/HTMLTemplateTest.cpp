#include "render/HTMLTemplate.h"

#include "common/FileWrite.h"
#include "common/StringRoutines.h"
#include "common/StringTools.h"
#include "fakes/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

namespace fs = std::filesystem;
using namespace vlm;

namespace {

// Every mode placeholder once, the resources folder three times.
const char* kModeTemplate = "<!-- jscript:body.onload //-->|<!-- JSCRIPT:BODY.ONUNLOAD //-->|"
                            "<!-- jscript:body.begin //-->|<!-- jscript:body.end //-->|"
                            "<!-- path:resources:absolute //-->|<!-- path:resources //-->|"
                            "<!-- Path:Resources //-->|<!-- path:resources //-->|"
                            "<!-- program:pageIndex //-->|<!-- jscript:body.onload //-->";

class TemplateTest : public ::testing::Test {
protected:
    void SetUp() override {
        emptyPage = dir / "p00001" / "_page.xmp";
        fs::create_directories(emptyPage.parent_path());
        ASSERT_TRUE(WriteFileBytes(emptyPage, "<document id=\"{D}\">\r\n  <info />\r\n  <page "
                                              "id=\"{P}\" />\r\n</document>\r\n"));
    }
    test::TempFolder tmp;
    const fs::path dir = tmp.path();
    fs::path emptyPage;
};

} // namespace

TEST_F(TemplateTest, ModeReplacementsTable) {
    struct Case {
        int mode;
        const char* expected;
    };
    const Case cases[] = {
        {0, "<!-- jscript:body.onload //-->|<!-- JSCRIPT:BODY.ONUNLOAD //-->|"
            "<!-- jscript:body.begin //-->|<!-- jscript:body.end //-->|"
            "<!-- path:resources:absolute //-->|<!-- path:resources //-->|"
            "<!-- Path:Resources //-->|<!-- path:resources //-->|-1|"
            "<!-- jscript:body.onload //-->"},
        {1, "page.create(); launchStep(0);|page.free();|page.state=psView;\r|"
            "<!-- jscript:body.end //-->|false|C:/course/res/|C:/course/res/|C:/course/res/|-1|"
            "<!-- jscript:body.onload //-->"},
        {2, "page.create();|page.free();|page.state=psPreview;\r|<!-- jscript:body.end //-->|"
            "false|C:/course/res/|C:/course/res/|C:/course/res/|-1|"
            "<!-- jscript:body.onload //-->"},
        {3, "<!-- jscript:body.onload //-->|page.free(); page = null;|page.state=psDesigning;\r|"
            "page.create();|false|C:/course/res/|C:/course/res/|C:/course/res/|-1|"
            "<!-- jscript:body.onload //-->"},
        {4, "page.create(); launchStep(0);|page.free(); page = null;|page.state=psNormal;\r|"
            "<!-- jscript:body.end //-->|true|../resources/|../resources/|../resources/|-1|"
            "<!-- jscript:body.onload //-->"},
        {5, "page.create(); launchStep(0);|page.free(); page = null;|page.setIsExam(true);\r|"
            "<!-- jscript:body.end //-->|true|../resources/|../resources/|../resources/|-1|"
            "<!-- jscript:body.onload //-->"},
    };
    for (const auto& c : cases) {
        THTMLTemplate t(c.mode, nullptr, {"C:\\course\\res\\", {}, 0});
        t.SetContent(kModeTemplate);
        t.BuildPage(emptyPage);
        EXPECT_EQ(t.GetContent(), c.expected) << "mode " << c.mode;
    }
}

TEST_F(TemplateTest, TheResourcesFolderOfAnotherSourceEndsWithASeparator) {
    THTMLTemplate t(tmPreview, nullptr, {"/course/resources/", {}, 0});
    EXPECT_EQ(t.ResourcesPath(), "/course/resources/");
    t.SetResourcesFolder("/templates/t1/resources");
    EXPECT_EQ(t.ResourcesPath(), "/templates/t1/resources/");
    t.SetContent("<!-- path:resources //-->a.png");
    t.BuildPage(emptyPage);
    EXPECT_EQ(t.GetContent(), "/templates/t1/resources/a.png");
}

TEST_F(TemplateTest, PageIndexAndPathsAreReplacedEverywhere) {
    THTMLTemplate t(tmExport, nullptr);
    t.SetPageIndex(7);
    t.SetContent("<!-- program:pageIndex //-->,<!-- PROGRAM:PAGEINDEX //-->;"
                 "<!-- path:api //-->a.js <!-- path:API //-->b.js;"
                 "<!-- path:common //-->c.js <!-- path:common //-->d.js");
    t.BuildPage(emptyPage);
    t.SetApiPath("../api/");
    t.SetCommonPath("../../js/");
    EXPECT_EQ(t.GetContent(), "7,7;../api/a.js ../api/b.js;../../js/c.js ../../js/d.js");
}

TEST_F(TemplateTest, FailuresHaveTheirFixedTexts) {
    auto message = [](auto&& f) {
        try {
            f();
        } catch (const std::runtime_error& e) {
            return std::string(e.what());
        }
        return std::string("no exception");
    };
    THTMLTemplate t(tmPreview, nullptr);
    EXPECT_EQ(message([&] { t.BuildPage(dir / "missing.xmp"); }), "No File Found");
    EXPECT_EQ(message([&] { t.BuildElement(nullptr); }), "No Node Found");
    THTMLTemplate bad(6, nullptr);
    EXPECT_EQ(message([&] { bad.BuildPage(emptyPage); }), "Dodefiniowac");
    THTMLTemplate negative(-1, nullptr);
    EXPECT_EQ(message([&] { negative.BuildPage(emptyPage); }), "Dodefiniowac");
}

TEST_F(TemplateTest, CleanUpRemovesEveryPlaceholderAndMacro) {
    struct Case {
        const char* content;
        const char* expected;
    };
    const Case cases[] = {
        {"a<!-- x //-->b<!-- x //-->c<!--y//-->d", "abcd"},
        // An ordinary comment swallows everything up to the next placeholder's end.
        {"a<!-- note -->b<!-- html:body //-->c", "ac"},
        {"a<!-- note -->b", "a<!-- note -->b"},
        {"<!--//-->x*[LANG_KEY]*y*[a]**[b]*", "xy"},
        {"a*[open", "a*[open"},
        {"<!-- a <!-- b //-->c<!-- b //-->", "c"},
    };
    for (const auto& c : cases) {
        THTMLTemplate t(tmPreview, nullptr);
        t.SetContent(c.content);
        t.CleanUp();
        EXPECT_EQ(t.GetContent(), c.expected) << c.content;
    }
}

TEST_F(TemplateTest, AnExamPageLosesEveryAnswerBlockOthersOnlyTheMarkers) {
    struct Case {
        const char* content;
        const char* exported;
        const char* exam;
    };
    const Case cases[] = {
        {"a<!-- element:answer //-->X<!-- /element:answer //-->\r\nb"
         "<!-- element:answer //-->Y<!-- /element:answer //-->c",
         "aX\r\nbYc", "abc"},
        {"<!-- /element:answer //-->a<!-- element:answer //-->X<!-- /element:answer //-->\nb",
         "aX\nb", "ab"},
        // Without its end the block cannot be told from the rest of the page.
        {"a<!-- element:answer //-->X", "aX", "aX"},
    };
    for (const auto& c : cases) {
        for (const int mode : {tmExport, tmExportExam}) {
            THTMLTemplate t(mode, nullptr);
            t.SetContent(c.content);
            t.CleanUp();
            EXPECT_EQ(t.GetContent(), mode == tmExport ? c.exported : c.exam) << c.content;
        }
    }
}

TEST_F(TemplateTest, APageWithoutElementsLeavesTheTemplateWithoutPlaceholders) {
    THTMLTemplate t(tmPreviewWindow, nullptr, {"/course/resources/", {}, 0});
    t.SetContent("<html><head><!-- jscript:head //--><script><!-- jscript:body //--></script>"
                 "</head><body onload=\"<!-- jscript:body.onload //-->\">"
                 "<!-- html:body //--><!-- jscript:LMSManager //--></body></html>");
    t.BuildPage(emptyPage);
    t.CleanUp();
    EXPECT_EQ(t.GetContent(), "<html><head><script></script></head>"
                              "<body onload=\"page.create(); launchStep(0);\"></body></html>");
}

TEST_F(TemplateTest, LoadAndSave) {
    THTMLTemplate t(tmPreview, nullptr);
    t.SetContent("kept");
    t.LoadTemplate(dir / "missing.html");
    EXPECT_EQ(t.GetContent(), "kept");
    ASSERT_TRUE(WriteFileBytes(dir / "page.html", std::string("a\0b\r\n", 5)));
    t.LoadTemplate(dir / "page.html");
    EXPECT_EQ(t.GetContent(), std::string("a\0b\r\n", 5));

    ASSERT_TRUE(t.SaveToFile(dir / "temp" / "deep" / "preview.html"));
    EXPECT_EQ(ReadFileBytes(dir / "temp" / "deep" / "preview.html"), t.GetContent());
    ASSERT_TRUE(WriteFileBytes(dir / "blocker", "x"));
    EXPECT_FALSE(t.SaveToFile(dir / "blocker" / "preview.html"));
}

TEST_F(TemplateTest, LexiconLinksPointAtTheFolderOfTheOutput) {
    ASSERT_TRUE(WriteFileBytes(dir / "lexicon.ini", "[LEXICON]\r\nkot=zwierz&#046;\r\n\r\n"));
    const std::string text = EncodeText("Kot i kotek");
    const TTemplateCourse course{"", dir / "lexicon.ini", 1};
    THTMLTemplate preview(tmPreviewWindow, nullptr, course);
    EXPECT_EQ(
        preview.ApplyLexicon(text),
        EncodeText("<a href=\"#\" onClick=\"openLexicon('lexicon/','kot')\">Kot</a> i kotek"));
    THTMLTemplate exported(tmExport, nullptr, course);
    EXPECT_EQ(exported.ApplyLexicon(text),
              EncodeText("<a href=\"#\" onClick=\"openLexicon('../../lexicon/','kot')\">Kot</a> i "
                         "kotek"));
    THTMLTemplate none(tmExport, nullptr, {"", dir / "missing.ini", 1});
    EXPECT_EQ(none.ApplyLexicon(text), text);
}

TEST_F(TemplateTest, ALexiconKeyCannotBreakTheLinkScript) {
    ASSERT_TRUE(WriteFileBytes(dir / "lexicon.ini", "[LEXICON]\r\nO'Neil=x\r\n\r\n"));
    THTMLTemplate t(tmExport, nullptr, {"", dir / "lexicon.ini", 1});
    EXPECT_EQ(DecodeText(t.ApplyLexicon(EncodeText("Mr O'Neil"))),
              "Mr <a href=\"#\" onClick=\"openLexicon('../../lexicon/','O\\'Neil')\">O'Neil</a>");
}

TEST(TemplateReplace, CaseInsensitiveFirstAndAll) {
    EXPECT_EQ(ReplaceFirstNoCase("aXbxc", "x", "yx"), "ayxbxc");
    EXPECT_EQ(ReplaceAllNoCase("aXbxc", "x", "yx"), "ayxbyxc");
    EXPECT_EQ(ReplaceAllNoCase("abc", "", "y"), "abc");
    EXPECT_EQ(ReplaceFirstNoCase("\xA5x", "\xB9X", "-"), "\xA5x"); // only ASCII letters fold
}

TEST_F(TemplateTest, LexiconLinksMatchTheKeyByKeyCodecRuns) {
    // Texts whose decoding and encoding do not give them back unchanged must
    // still come out as running the codec for every key gives them.
    ASSERT_TRUE(WriteFileBytes(
        dir / "lexicon.ini", "[LEXICON]\r\nkot=a\r\n=empty\r\nnikt=b\r\npies=c\r\nKOT=d\r\n\r\n"));
    const char* texts[] = {"Kot+i+pies",
                           "x%0D%0Ay",
                           "a%26nbsp%3Bb+kot",
                           "%24+dolar+%3cb%3e",
                           "nic+tu+nie+ma",
                           "kot%2Bpies",
                           "%E6ma+kot",
                           "%3Ca+href%3D%22x%22%3Ekot%3C%2Fa%3E+kot",
                           ""};
    const std::string keys[] = {"kot", "", "nikt", "pies", "KOT"};
    for (const char* text : texts) {
        std::string expected = text;
        for (const auto& key : keys)
            expected = EncodeText(InsertWordLinks(
                DecodeText(expected), key,
                "<a href=\"#\" onClick=\"openLexicon('../../lexicon/','" + key + "')\">"));
        THTMLTemplate t(tmExport, nullptr, {"", dir / "lexicon.ini", 1});
        EXPECT_EQ(t.ApplyLexicon(text), expected) << text;
    }
}

TEST(TemplateCleanUp, RandomTextsLoseEveryMacroSpan) {
    // Texts made of marker pieces: the clean-up ends, and no "*[" .. "]*"
    // span survives it.
    const char* pieces[] = {"<!--", "//-->", "*[", "]*", "-->", "<!-",
                            "-",    "*",     "[",  "]",  "a",   " "};
    unsigned seed = 12345;
    auto next = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) & 0x7FFF;
    };
    for (int round = 0; round < 2000; ++round) {
        std::string text;
        const unsigned count = next() % 40;
        for (unsigned i = 0; i < count; ++i)
            text += pieces[next() % std::size(pieces)];
        THTMLTemplate t(tmPreview, nullptr);
        t.SetContent(text);
        t.CleanUp();
        const std::string& out = t.GetContent();
        const std::size_t open = out.find("*[");
        EXPECT_TRUE(open == std::string::npos || out.find("]*", open + 2) == std::string::npos)
            << text << " -> " << out;
        EXPECT_LE(out.size(), text.size());
    }
}

namespace {

// The removal rule as written: the first span, with every copy of it, then again.
std::string RemoveSpansByTheRule(std::string text, const std::string& open,
                                 const std::string& close) {
    for (;;) {
        const std::size_t start = text.find(open);
        if (start == std::string::npos)
            return text;
        const std::size_t end = text.find(close, start + open.size());
        if (end == std::string::npos)
            return text;
        text = ReplaceEvery(text, text.substr(start, end + close.size() - start), "");
    }
}

} // namespace

TEST(HTMLTemplate, LeftoverSpansGoAsTheRepeatedRuleRemovesThem) {
    EXPECT_EQ(RemovePlaceholderSpans("a<!-- x //-->b<!-- y //-->c", "<!--", "//-->"), "abc");
    // A removal that joins a new token, and a span holding another opening.
    EXPECT_EQ(RemovePlaceholderSpans("<!<!--a//-->-- b //-->z", "<!--", "//-->"), "z");
    EXPECT_EQ(RemovePlaceholderSpans("A<!--x//-->B<!--y<!--x//-->z//-->", "<!--", "//-->"), "AB");
    // Pieces of tokens, so that random pages hold tokens, their halves and joins.
    const std::vector<std::string> pieces = {"<!--", "//-->", "<!", "--", "//", "-->", "x",
                                             "*[",   "]*",    "*",  "[",  "]",  "-"};
    unsigned state = 2024;
    auto next = [&] {
        state = state * 1103515245u + 12345u;
        return (state >> 16) & 0x7fff;
    };
    for (int round = 0; round < 20000; ++round) {
        std::string text;
        for (unsigned n = next() % 16; n > 0; --n)
            text += pieces[next() % pieces.size()];
        ASSERT_EQ(RemovePlaceholderSpans(text, "<!--", "//-->"),
                  RemoveSpansByTheRule(text, "<!--", "//-->"))
            << text;
        ASSERT_EQ(RemovePlaceholderSpans(text, "*[", "]*"), RemoveSpansByTheRule(text, "*[", "]*"))
            << text;
    }
}
