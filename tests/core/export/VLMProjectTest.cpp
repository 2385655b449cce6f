#include "export/VLMProject.h"
#include "export/ExportPipeline.h"

#include <gmock/gmock.h>

#include <cstring>

#include "ExportTestSupport.h"

using namespace vlm;
using namespace vlm::test;

namespace {

struct PagesCourse : ExportCourse {
    explicit PagesCourse(const std::string& name)
        : ExportCourse(name), vlm(project, course, program, config, nullptr) {
        Add("Course", 1, 1, 0, ptContent);
        Add("Page", 2, 12, 1, ptContent);
        WritePage(12);
        Add("No document yet", 3, 13, 1, ptContent);
        Add("Doc", 4, 14, 1, ptOutsideDocument, "plan.pdf");
        fs::create_directories(course.PageDir(14));
        EXPECT_TRUE(WriteFileBytes(course.PageDir(14) / "plan.pdf", "PDF"));
        Add("Link", 5, 15, 1, ptURLLink, "http://x.org/");
        EXPECT_TRUE(WriteFileBytes(course.CourseResourcesDir / "pic.png", "PNG"));
        out = dir / "out";
    }
    TVLMProject vlm;
    fs::path out;
};

} // namespace

TEST(ExportPages, WritesPagesDocumentsApiAndResources) {
    PagesCourse c("pages_main");
    const TExportPagesReport report = c.vlm.ExportPages(c.out, 4, {});
    EXPECT_EQ(report.pagesWritten, 1);
    EXPECT_EQ(report.documentsCopied, 1);
    EXPECT_TRUE(report.skippedIds.empty());
    EXPECT_EQ(FilesBelow(c.out),
              (std::vector<std::string>{"pages/api/api.js", "pages/p00012/_page.html",
                                        "pages/p00014/plan.pdf", "pages/resources/pic.png"}));
    // Paths put in (either case), the LMS placeholder cleaned away, the
    // position number as the page index, export-mode state.
    EXPECT_EQ(ReadText(c.out / "pages" / "p00012" / "_page.html"),
              "<html><head>../api/api.js ../../js/common.js </head>\r\n"
              "<body onload=\"page.create(); launchStep(0);\">page 2 res=../resources/"
              "</body></html>\r\n");
}

TEST(ExportPages, FilterPutsTheLmsScriptInPagesAndTheRequestPage) {
    PagesCourse c("pages_filter");
    const LmsFilter filter = MakeLmsFilter(kAiccLmsScript);
    c.vlm.ExportPages(c.out, 4, filter);
    const std::string page = ReadText(c.out / "pages" / "p00012" / "_page.html");
    EXPECT_NE(page.find("common.js " + std::string(kAiccLmsScript) + "</head>"), std::string::npos);
    ASSERT_TRUE(c.vlm.CopyLmsRequest(c.out, filter));
    EXPECT_EQ(ReadText(c.out / "pages" / "lmsrequest" / "lmsrequest.html"),
              "<html><head>" + std::string(kAiccLmsScript) +
                  "</head><body>request</body></html>\r\n");
    ASSERT_TRUE(c.vlm.CopyLmsRequest(c.out, {}));
    EXPECT_NE(ReadText(c.out / "pages" / "lmsrequest" / "lmsrequest.html")
                  .find("<!-- jscript:LMSManager //-->"),
              std::string::npos);
}

TEST(ExportPages, ExistingDocumentIsKeptOnASecondRun) {
    PagesCourse c("pages_again");
    c.vlm.ExportPages(c.out, 4, {});
    ASSERT_TRUE(WriteFileBytes(c.out / "pages" / "p00014" / "plan.pdf", "EDITED"));
    c.vlm.ExportPages(c.out, 4, {});
    EXPECT_EQ(ReadText(c.out / "pages" / "p00014" / "plan.pdf"), "EDITED");
}

// The document name comes from the project file: a name that would leave
// the page folder or the output folder copies and writes nothing.
TEST(ExportPages, DocumentNamesThatAreNotPlainNamesAreSkipped) {
    PagesCourse c("pages_untrusted");
    ASSERT_TRUE(WriteFileBytes(c.course.CourseDir / "secret.txt", "SECRET"));
    fs::create_directories(c.course.PageDir(20) / "sub");
    ASSERT_TRUE(WriteFileBytes(c.course.PageDir(20) / "sub" / "inner.pdf", "INNER"));
    const char* names[] = {"../secret.txt",   "..\\secret.txt", "..",
                           "sub/inner.pdf",   "sub\\inner.pdf", "/etc/hostname",
                           "../../../out.txt"};
    int id = 20;
    for (const char* name : names)
        c.Add(name, 10 + id, id, 1, ptOutsideDocument, name), ++id;
    const TExportPagesReport report = c.vlm.ExportPages(c.out, 4, {});
    EXPECT_EQ(report.skippedIds.size(), std::size(names));
    EXPECT_EQ(FilesBelow(c.out),
              (std::vector<std::string>{"pages/api/api.js", "pages/p00012/_page.html",
                                        "pages/p00014/plan.pdf", "pages/resources/pic.png"}));
    EXPECT_FALSE(fs::exists(c.dir / "out.txt"));
    EXPECT_FALSE(fs::exists(c.out / "secret.txt"));
}

// A page the export could not write is a failed export, told with the
// file and the system's reason, not a page quietly missing.
TEST(ExportPages, APageThatCannotBeWrittenEndsTheExport) {
    PagesCourse c("pages_blocked");
    // A folder stands where the page would be written.
    c.Add("Blocked", 6, 11, 1, ptContent);
    c.WritePage(11);
    const fs::path blocked = c.out / "pages" / "p00011" / "_page.html";
    fs::create_directories(blocked);
    try {
        c.vlm.ExportPages(c.out, 4, {});
        ADD_FAILURE() << "the export went on";
    } catch (const EExportWriteFailed& e) {
        EXPECT_THAT(e.what(), ::testing::HasSubstr(blocked.string()));
        EXPECT_THAT(e.what(), ::testing::HasSubstr(std::strerror(EISDIR)));
    }
}

TEST(VLMProject, DesignFoldersAndConfigValues) {
    ExportCourse c("project_values");
    c.config.DefaultTemplatesDesign = "Orvanta - zielony";
    c.config.LanguageCode = "EN";
    TVLMProject p(c.project, c.course, c.program, c.config, nullptr);
    const fs::path programDir = c.program.ProgramDir;
    EXPECT_EQ(p.DesignTemplateFolder(0), programDir);
    EXPECT_EQ(p.DesignTemplateFolder(1), programDir / "templates_design_export");
    EXPECT_EQ(p.DesignTemplateFolder(4), programDir / "user_defined" / "templates_design_export");
    for (int kind : {2, 3, 5, -1})
        EXPECT_TRUE(p.DesignTemplateFolder(kind).empty());
    EXPECT_EQ(p.ConfigValue("DEFAULTTEMPLATESDESIGN"), "Orvanta - zielony");
    EXPECT_EQ(p.ConfigValue("languagelang"), "EN");
    EXPECT_EQ(p.ConfigValue("LanguageIndex"), "");
}
