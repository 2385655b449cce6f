#include "render/HTMLTemplate.h"

#include "common/FileWrite.h"
#include "fakes/Fakes.h"
#include "fakes/TempFolder.h"
#include "page/ClassDefinitions.h"
#include "page/ComponentsManager.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;
using namespace vlm;

namespace {

const fs::path kFixtures = fs::path(VLM_FIXTURES_DIR) / "render";
const fs::path kPage = kFixtures / "course" / "p00001" / "_page.xmp";

class PageBuild : public ::testing::Test {
protected:
    void SetUp() override {
        components.ScanFolder(kFixtures / "components");
        definitions.LoadFromText("<document>\r\n</document>\r\n");
        components.MergeDefinitions(definitions);
        components.SetDefinitions(DefinitionsDocument(definitions));
    }

    TTemplateCourse Course(int exportLexicon) const {
        return {"/course/resources/", kFixtures / "course" / "lexicon.ini", exportLexicon};
    }
    std::string Expected(const std::string& name) const {
        return ReadFileBytes(kFixtures / "expected" / name).value_or("(missing golden file)");
    }

    test::FakeUserPrompt prompt;
    TComponentsCollection components{prompt};
    TjanXMLTree definitions;
    test::TempFolder tmp;
    const fs::path out = tmp / "out"; // not there until a test writes into it
};

} // namespace

TEST_F(PageBuild, PreviewWindowPageByteForByte) {
    THTMLTemplate t(tmPreviewWindow, &components, Course(1));
    t.LoadTemplate(kFixtures / "page.html");
    t.BuildPage(kPage);
    t.SetApiPath("file:///usr/share/vellumar/components/api/");
    t.SetCommonPath("file:///usr/share/vellumar/exports/_common_exports_files/default/js/");
    t.CleanUp();
    ASSERT_TRUE(t.SaveToFile(out / "temp" / "preview.html"));
    EXPECT_EQ(ReadFileBytes(out / "temp" / "preview.html"), Expected("preview.html"));
    // The image class has no head script: the user is told, the page is still written.
    ASSERT_EQ(prompt.calls.size(), 1u);
    EXPECT_NE(prompt.calls[0].text.find("Brakuje pliku <"), std::string::npos);
}

TEST_F(PageBuild, ExportedPageByteForByte) {
    THTMLTemplate t(tmExport, &components, Course(1));
    t.SetPageIndex(3);
    t.LoadTemplate(kFixtures / "page.html");
    t.BuildPage(kPage);
    t.SetApiPath("../api/");
    t.SetCommonPath("../../js/");
    t.CleanUp();
    EXPECT_EQ(t.GetContent(), Expected("export.html"));
}

TEST_F(PageBuild, CollectionsFollowTheStackingOrderWithEachHeadScriptOnce) {
    THTMLTemplate t(tmPreview, &components, Course(0));
    t.BuildPage(kPage);
    // "button" includes "text": its head script comes first, once for the page.
    EXPECT_EQ(t.HeadScript(), "/* text head */\r\n/* button head */\r\n");
    EXPECT_EQ(t.BodyHtml(),
              "<img data-name=\"image1\">\r\n<div class=\"button\"></div>\r\n"
              "<div class=\"text\" data-step=\"<!-- property:step //-->\"></div>\r\n"
              "<div class=\"text\" data-step=\"<!-- property:step //-->\"></div>\r\n");
    // Without the lexicon option the texts are left alone.
    EXPECT_NE(t.BodyScript().find("text: \"Kot i pies\""), std::string::npos);
    EXPECT_NE(t.BodyScript().find("text: \"ab\", width: \"10\""), std::string::npos);
}

TEST_F(PageBuild, TheLexiconStepDoesNotChangeThePageFile) {
    const auto before = ReadFileBytes(kPage);
    THTMLTemplate t(tmExport, &components, Course(1));
    t.BuildPage(kPage);
    EXPECT_NE(t.BodyScript().find("openLexicon('../../lexicon/','kot')"), std::string::npos);
    EXPECT_EQ(ReadFileBytes(kPage), before);
}

TEST_F(PageBuild, OneElementOnTheDesignSurface) {
    TjanXMLTree page;
    page.LoadFromFile(kPage);
    const TjanXMLNode* button =
        page.FindDescendant("document")->FindChildByAttribute("name", "button1");
    THTMLTemplate t(tmDesigning, &components, Course(1));
    t.SetContent("<!-- jscript:head //-->|<!-- html:body //-->|<!-- jscript:body //-->|"
                 "<!-- jscript:body.onload //-->|<!-- jscript:body.end //-->");
    t.BuildElement(button);
    EXPECT_EQ(t.GetContent(),
              "/* text head */\r\n/* button head */\r\n|<!-- html:body //-->|"
              "VLMObject.create(\"button\", {name: \"button1\", caption: \"Say \\\"hi\\\"\"}, "
              "{onclick: function () {\r\n<!-- event:onclick //-->\r\n}});\r\n|"
              "<!-- jscript:body.onload //-->|page.create();");
    t.CleanUp();
    EXPECT_EQ(t.GetContent(), "/* text head */\r\n/* button head */\r\n||"
                              "VLMObject.create(\"button\", {name: \"button1\", caption: \"Say "
                              "\\\"hi\\\"\"}, {onclick: function () {\r\n\r\n}});\r\n||"
                              "page.create();");

    // An element whose class is unknown changes nothing at all.
    THTMLTemplate unknown(tmDesigning, &components, Course(1));
    unknown.SetContent("<!-- jscript:body.end //-->");
    unknown.BuildElement(page.FindDescendant("unknown"));
    EXPECT_EQ(unknown.GetContent(), "<!-- jscript:body.end //-->");
}

TEST_F(PageBuild, SnippetFilesAreReadOncePerRun) {
    TSnippetCache shared;
    const fs::path copy = out / "components";
    fs::create_directories(out);
    fs::copy(kFixtures / "components", copy, fs::copy_options::recursive);
    test::FakeUserPrompt quiet;
    TComponentsCollection library{quiet};
    library.ScanFolder(copy);

    THTMLTemplate first(tmPreview, &library, Course(0), &shared);
    first.BuildPage(kPage);
    EXPECT_EQ(shared.Size(), 6u); // two snippets of each class, image's missing body.js included
    fs::remove(copy / "text" / "body.js");
    THTMLTemplate second(tmPreview, &library, Course(0), &shared);
    second.BuildPage(kPage);
    EXPECT_EQ(second.BodyScript(), first.BodyScript());
}
