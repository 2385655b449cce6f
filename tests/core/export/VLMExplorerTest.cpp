#include "export/VLMExplorerCommand.h"

#include "ExportTestSupport.h"

using namespace vlm;
using namespace vlm::test;

namespace {

struct ExplorerRun : ExportCourse {
    explicit ExplorerRun(const std::string& name) : ExportCourse(name) {
        Add("Course", 1, 1, 0, ptContent);
        Add("Intro", 2, 2, 1, ptContent);
        WritePage(2);
        Add("Doc", 3, 3, 1, ptOutsideDocument, "plan.pdf");
        fs::create_directories(course.PageDir(3));
        EXPECT_TRUE(WriteFileBytes(course.PageDir(3) / "plan.pdf", "PDF"));
        EXPECT_TRUE(WriteFileBytes(course.CourseResourcesDir / "pic.png", "PNG"));
        out = dir / "offline";
    }
    TExportResult Run(const std::string& design = "Orvanta - standard") {
        TVLMExplorerCommand command(Env());
        return command.Execute({out.string(), design});
    }
    fs::path out;
};

} // namespace

TEST(ExplorerExport, WritesTheWholeFolder) {
    ExplorerRun c("explorer_run");
    const TExportResult r = c.Run();
    ASSERT_TRUE(r.Ok()) << r.message;
    EXPECT_EQ(c.progress.log, (std::vector<std::string>{"max 3", "pos 1", "pos 2", "close"}));
    EXPECT_EQ(FilesBelow(c.out),
              (std::vector<std::string>{
                  "css/style.css", "ds_blank.html", "ds_tree.html", "index.html", "js/frameset.js",
                  "pages/api/api.js", "pages/lmsrequest/lmsrequest.html", "pages/p00002/_page.html",
                  "pages/p00003/plan.pdf", "pages/resources/pic.png"}));
    // The design's files replace the explorer's, which replace the common ones.
    EXPECT_EQ(ReadText(c.out / "ds_blank.html"), "<html>standard blank</html>\r\n");
    EXPECT_EQ(ReadText(c.out / "ds_tree.html"),
              "<html><script>\r\n"
              "addTreePage(false,\"Intro\",\"pages/p00002/_page.html\",0, \"\", 2, 0, 0);\r\n"
              "addTreePage(false,\"Doc\",\"pages/lmsrequest/lmsrequest.html?type=file&amp;"
              "src=pages%2Fp00003%2Fplan.pdf\",0, \"\", 3, 0, 1);\r\n</script></html>\r\n");
    // No LMS script: the placeholder is cleaned away, the request page keeps it.
    EXPECT_EQ(ReadText(c.out / "pages" / "p00002" / "_page.html").find("LMSManager"),
              std::string::npos);
    EXPECT_NE(ReadText(c.out / "pages" / "lmsrequest" / "lmsrequest.html").find("LMSManager"),
              std::string::npos);
    EXPECT_FALSE(fs::exists(c.out / "lexicon"));
}

TEST(ExplorerExport, WithoutADesignNothingOfADesignIsCopied) {
    ExplorerRun c("explorer_nodesign");
    ASSERT_TRUE(c.Run("").Ok());
    EXPECT_EQ(ReadText(c.out / "ds_blank.html"), "<html>explorer blank</html>\r\n");
    EXPECT_FALSE(fs::exists(c.out / "css"));
}

TEST(ExplorerExport, TheProjectFolderIsRefusedButASubFolderIsNot) {
    for (const fs::path& suffix : {fs::path(""), fs::path("."), fs::path("x/..")}) {
        ExplorerRun c("explorer_refuse");
        c.out = c.dir / suffix;
        const TExportResult r = c.Run();
        EXPECT_EQ(r.status, TExportStatus::Failed) << suffix;
        ASSERT_EQ(c.prompt.calls.size(), 1u);
        EXPECT_EQ(c.prompt.calls[0].type, DialogType::Information);
        EXPECT_EQ(c.prompt.calls[0].buttons, kButtonsOK);
        EXPECT_FALSE(fs::exists(c.dir / "ds_tree.html"));
        EXPECT_FALSE(fs::exists(c.dir / "pages"));
    }
    ExplorerRun c("explorer_sub");
    c.out = c.dir / "export";
    EXPECT_TRUE(c.Run().Ok());
    EXPECT_TRUE(fs::exists(c.out / "ds_tree.html"));
}

// Writing into the media folder would copy that folder into itself.
TEST(ExplorerExport, TheResourcesFolderIsRefused) {
    for (const char* sub : {"", "out", "out/deeper"}) {
        ExplorerRun c("explorer_resources");
        c.out = c.course.CourseResourcesDir / sub;
        const TExportResult r = c.Run();
        EXPECT_EQ(r.status, TExportStatus::Failed) << sub;
        EXPECT_EQ(FilesBelow(c.course.CourseResourcesDir), (std::vector<std::string>{"pic.png"}));
        ASSERT_EQ(c.prompt.calls.size(), 1u);
        EXPECT_EQ(c.prompt.calls[0].type, DialogType::Error);
    }
}

TEST(ExplorerExport, LexiconPagesWhenTheCourseExportsItsLexicon) {
    ExplorerRun c("explorer_lexicon");
    c.project.ExportLexicon = 1;
    ASSERT_TRUE(WriteFileBytes(c.course.CourseDir / "lexicon.ini",
                               "[LEXICON]\r\nTest=Line&#013;&#010;two\r\n\r\n"));
    ASSERT_TRUE(c.Run().Ok());
    EXPECT_EQ(c.progress.log, (std::vector<std::string>{"max 3", "pos 1", "pos 2", "close"}));
    EXPECT_EQ(ReadText(c.out / "lexicon" / "index.html"), "<html>lexicon</html>\r\n");
    EXPECT_EQ(ReadText(c.out / "lexicon" / "keywords" / "Test.html"), "<p>Line<br>two</p>\r\n");
    EXPECT_NE(ReadText(c.out / "lexicon" / "lexicon_tree.html")
                  .find("dbAdd(\"Test\", \"keywords/Test.html\", \"\", 0);"),
              std::string::npos);
}

TEST(ExplorerExport, MissingPageTemplateFailsTheRun) {
    ExplorerRun c("explorer_notemplate");
    c.program.PageTemplateFile = c.dir / "missing" / "page.html";
    const TExportResult r = c.Run();
    EXPECT_EQ(r.status, TExportStatus::Failed);
    EXPECT_NE(r.message.find("page.html"), std::string::npos);
    EXPECT_FALSE(fs::exists(c.out / "pages" / "p00002" / "_page.html"));
}

// The offline folder of the shipped program data, when it is there.
TEST(ExplorerExport, RealProgramFolderGivesAFilledTree) {
    const fs::path data = VLM_DATA_DIR;
    if (!fs::exists(data / "exports" / "VLMExplorer" / "default" / "ds_tree.html"))
        GTEST_SKIP() << "no offline layout in " << data;
    ExportCourse c("explorer_real", data);
    c.Add("Course", 1, 1, 0, ptContent);
    c.Add("Intro", 2, 2, 1, ptContent);
    c.WritePage(2);
    TVLMExplorerCommand command(c.Env());
    const fs::path out = c.dir / "offline";
    ASSERT_TRUE(command.Execute({out.string(), "Orvanta - standard"}).Ok());
    const std::string tree = ReadText(out / "ds_tree.html");
    EXPECT_NE(
        tree.find("addTreePage(false,\"Intro\",\"pages/p00002/_page.html\",0, \"\", 2, 0, 0);"),
        std::string::npos);
    EXPECT_EQ(tree.find("*[tree]*"), std::string::npos);
    EXPECT_TRUE(fs::exists(out / "pages" / "p00002" / "_page.html"));
    EXPECT_TRUE(fs::exists(out / "pages" / "lmsrequest" / "lmsrequest.html"));
}
