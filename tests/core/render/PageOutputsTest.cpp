#include "render/PageOutputs.h"

#include "app/VLMVars.h"
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

const fs::path kFixtures = fs::path(VLM_FIXTURES_DIR);
const fs::path kPage = kFixtures / "render" / "course" / "p00001" / "_page.xmp";

class PageOutputs : public ::testing::Test {
protected:
    void SetUp() override {
        // A program folder with the page template and the lexicon files.
        const fs::path program = root / "program";
        fs::create_directories(program / "exports" / "Page");
        fs::copy_file(kFixtures / "render" / "page.html",
                      program / "exports" / "Page" / "page.html");
        fs::copy(kFixtures / "lexicon" / "program" / "exports", program / "exports",
                 fs::copy_options::recursive);
        paths.ProgramDir = program;
        paths.PageTemplateFile = program / "exports" / "Page" / "page.html";
        paths.ComponentsApiUrl = "file:///usr/share/vellumar/components/api/";
        paths.CommonJsUrl = "file:///usr/share/vellumar/exports/_common_exports_files/default/js/";
        components.ScanFolder(kFixtures / "render" / "components");
        definitions.LoadFromText("<document>\r\n</document>\r\n");
        components.MergeDefinitions(definitions);
        components.SetDefinitions(DefinitionsDocument(definitions));
    }

    TPageOutputContext Context(int exportLexicon) {
        return {
            paths,
            &components,
            {"/course/resources/", kFixtures / "render" / "course" / "lexicon.ini", exportLexicon},
            root / "course" / "temp",
            nullptr};
    }

    test::TempFolder tmp;
    const fs::path root = tmp.path();
    TProgramPaths paths;
    test::FakeUserPrompt prompt;
    TComponentsCollection components{prompt};
    TjanXMLTree definitions;
    test::RecordingProgress progress;
};

} // namespace

TEST_F(PageOutputs, PreviewWindowWritesThePageAndTheLexiconBesideIt) {
    const fs::path page = WritePreviewWindowPage(Context(1), kPage, progress);
    EXPECT_EQ(page, root / "course" / "temp" / "preview.html");
    EXPECT_EQ(ReadFileBytes(page),
              ReadFileBytes(kFixtures / "render" / "expected" / "preview.html"));
    EXPECT_TRUE(fs::exists(root / "course" / "temp" / "lexicon" / "lexicon_tree.html"));
    EXPECT_TRUE(fs::exists(root / "course" / "temp" / "lexicon" / "keywords" / "kot.html"));

    fs::remove_all(root / "course");
    WritePreviewWindowPage(Context(0), kPage, progress);
    EXPECT_TRUE(fs::exists(root / "course" / "temp" / "preview.html"));
    EXPECT_FALSE(fs::exists(root / "course" / "temp" / "lexicon"));
}

TEST_F(PageOutputs, DesignerPreviewHasNoCommonScriptsAndNoLexicon) {
    const fs::path page =
        WriteDesignerPreviewPage(Context(1), kPage, root / "templates" / "t1" / "resources");
    const std::string html = ReadFileBytes(page).value();
    EXPECT_NE(html.find("VLM.resourcesPath = \"" + (root / "templates" / "t1").string() +
                        "/resources/\";"),
              std::string::npos);
    EXPECT_NE(html.find("VLM.commonPath = \"\";"), std::string::npos);
    EXPECT_NE(html.find("page.state=psPreview;"), std::string::npos);
    EXPECT_NE(html.find("openLexicon('../../lexicon/','kot')"), std::string::npos);
    EXPECT_FALSE(fs::exists(root / "course" / "temp" / "lexicon"));
}

TEST_F(PageOutputs, OneElementIsDrawnAtTheOriginAndVisible) {
    TjanXMLTree page;
    page.LoadFromText("<document>\r\n  <shape name=\"shape1\" x=\"120\" y=\"40\" "
                      "visibility=\"hidden\" width=\"30\" />\r\n  <shape name=\"shape2\" />\r\n"
                      "</document>\r\n");
    const TjanXMLNode* document = page.FindDescendant("document");
    paths.PageTemplateFile = root / "element-template.html";
    ASSERT_TRUE(WriteFileBytes(paths.PageTemplateFile, "<!-- jscript:body //-->"));

    const fs::path file = WriteElementPage(Context(0), *document->Child(0));
    EXPECT_EQ(file, root / "course" / "temp" / "element.html");
    EXPECT_EQ(ReadFileBytes(file), std::string("shape(0, 0, \"true\", \"30\");\r\n"));
    EXPECT_EQ(document->Child(0)->GetAttributeText("x"), "120"); // the page is left alone

    // Attributes the element does not have are not added.
    WriteElementPage(Context(0), *document->Child(1));
    EXPECT_EQ(ReadFileBytes(file), std::string("shape(, , \"\", \"\");\r\n"));
}

TEST_F(PageOutputs, APageThatCannotBeWrittenIsAnError) {
    // A file in place of the temporary folder.
    ASSERT_TRUE(WriteFileBytes(root / "course", "x"));
    EXPECT_THROW(WritePreviewWindowPage(Context(0), kPage, progress), std::runtime_error);
    EXPECT_THROW(WriteDesignerPreviewPage(Context(0), kPage), std::runtime_error);
}

TEST_F(PageOutputs, PagesWithoutADocumentAreNotDrawn) {
    EXPECT_TRUE(PageHasDocument(kPage));
    EXPECT_FALSE(PageHasDocument(root / "missing.xmp"));
    ASSERT_TRUE(WriteFileBytes(root / "other.xmp", "<page />\r\n"));
    EXPECT_FALSE(PageHasDocument(root / "other.xmp"));
    EXPECT_FALSE(PageHasDocument(root));
}
