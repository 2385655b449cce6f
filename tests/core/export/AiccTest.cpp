#include "export/AICCRegFiles.h"
#include "export/AiccCommand.h"

#include "ExportTestSupport.h"

using namespace vlm;
using namespace vlm::test;

namespace {

// The root, an exercise page, a chapter with cp1250 quotation marks holding
// an exercise with a score that is no number and a plain page, and a last
// exercise; the course description has two lines.
struct AiccCourse : ExportCourse {
    explicit AiccCourse(const std::string& name,
                        const fs::path& programDir = ExportFixtures() / "program")
        : ExportCourse(name, programDir) {
        project.Description = "Line one\r\nLine \"two\"";
        Add("Course \"One\"", 1, 1, 0, ptContent);
        Add("P", 2, 2, 1, ptContent);
        WritePage(2, " type=\"Exercise\" masteryscore=\"80\"");
        Add("Chapter \x84x\x94", 3, 3, 1, ptNone);
        Add("Q", 4, 4, 3, ptContent);
        WritePage(4, " type=\"Exercise\" masteryscore=\"abc\"");
        Add("R", 5, 5, 3, ptContent);
        WritePage(5, " type=\"Content\" masteryscore=\"50\"");
        Add("S \"s\"", 6, 7, 1, ptContent);
        WritePage(7, " type=\"Exercise\" masteryscore=\"15\"");
    }
};

void ExpectGolden(const fs::path& out, const std::string& expected) {
    const fs::path folder = ExportFixtures() / "expected" / expected;
    for (const char* file :
         {"course1.au", "course1.des", "course1.cst", "course1.crs", "leoindex.inc"}) {
        SCOPED_TRACE(file);
        EXPECT_EQ(ReadText(out / file), ReadText(folder / file));
    }
}

} // namespace

TEST(AiccFiles, MultiScoMatchesTheGoldenFiles) {
    AiccCourse c("aicc_multi");
    TVLMProject p(c.project, c.course, c.program, c.config, nullptr);
    const fs::path out = c.dir / "course1";
    fs::create_directories(out);
    ASSERT_TRUE(p.WriteAiccFiles(out, "course1", "http://lms.example/c", true));
    ExpectGolden(out, "aicc-multi");
}

TEST(AiccFiles, SingleUnitMatchesTheGoldenFiles) {
    AiccCourse c("aicc_single");
    TVLMProject p(c.project, c.course, c.program, c.config, nullptr);
    const fs::path out = c.dir / "course1";
    fs::create_directories(out);
    ASSERT_TRUE(p.WriteAiccFiles(out, "course1", "http://lms.example/c", false));
    ExpectGolden(out, "aicc-single");
    EXPECT_EQ(fs::file_size(out / "leoindex.inc"), 0u);
}

TEST(AiccFiles, MultiScoCourseOfOnlyTheRoot) {
    ExportCourse c("aicc_root");
    c.Add("Solo", 1, 1, 0, ptContent);
    TAICCRegFiles files(c.project, c.course);
    files.Build();
    EXPECT_EQ(files.AUCount, 0);
    EXPECT_EQ(files.AuText, "\"System_ID\",\"type\",\"command_line\",\"Max_Time_Allowed\","
                            "\"time_limit_action\",\"Max_Score\",\"Mastery_Score\","
                            "\"File_name\",\"Web_Launch\"\r\n");
    EXPECT_EQ(files.DesText, "\"system_id\",\"developer_id\",\"title\"\r\n"
                             "\"A00000001\",\"A00000001\",\"Solo\"\r\n");
    EXPECT_EQ(files.CstText, "\"block\",\"member\"\r\n\"root\"\r\n");
    EXPECT_EQ(files.IndexText, "var arrPageIndex = new Array(0);");
}

TEST(AiccFiles, StructureTableOfTheChapterExample) {
    ExportCourse c("aicc_cst");
    c.Add("Root", 1, 1, 0, ptContent);
    c.Add("P", 2, 2, 1, ptContent);
    c.Add("C", 3, 3, 1, ptContent);
    c.Add("Q", 4, 4, 3, ptContent);
    TAICCRegFiles files(c.project, c.course);
    files.Build();
    EXPECT_EQ(files.CstText, "\"block\",\"member\",\"member\",\"member\"\r\n"
                             "\"root\",\"A00000002\",\"B00000003\"\r\n"
                             "\"B00000003\",\"A00000004\"\r\n");
    EXPECT_EQ(files.MemberMax, 3);
    EXPECT_EQ(files.BlockCount, 2);
}

TEST(AiccFiles, LinesAreWrittenWithCrLf) {
    EXPECT_EQ(WithCrLfLines("a\nb\rc\r\n\r\nd"), "a\r\nb\r\nc\r\n\r\nd\r\n");
    EXPECT_EQ(WithCrLfLines(""), "");
    EXPECT_EQ(CleanAiccTitle("\x84q\x94 \"d\""), "'q' 'd'");
    EXPECT_EQ(AiccId('B', 12), "B00000012");
}

namespace {

struct AiccRun : AiccCourse {
    explicit AiccRun(const std::string& name) : AiccCourse(name), command(Env()) {
        out = dir / "out" / "course1";
    }
    TVLMAicc command;
    fs::path out;
};

} // namespace

TEST(AiccExport, WholeRunWithTheDefaultProfile) {
    AiccRun c("aicc_run");
    TAiccOptions o;
    o.destination = c.out.string();
    o.multiSCO = false;
    o.designTemplate = "Orvanta - standard";
    o.url = "http://lms.example/c";
    const TExportResult r = c.command.Execute(o);
    ASSERT_TRUE(r.Ok()) << r.message;
    EXPECT_EQ(c.progress.log, (std::vector<std::string>{"max 6", "pos 1", "pos 2", "pos 3", "pos 4",
                                                        "pos 5", "pos 6", "close"}));
    ExpectGolden(c.out, "aicc-single");
    EXPECT_EQ(ReadText(c.out / "js" / "frameset.js"), "var multi = false;\r\nvar x = 1;\r\n");
    EXPECT_EQ(ReadText(c.out / "pages" / "aicc" / "lmsAICC.js"), "var lmsAICC = 1;\r\n");
    EXPECT_NE(
        ReadText(c.out / "pages" / "p00002" / "_page.html").find("src=\"../aicc/lmsAICC.js\""),
        std::string::npos);
    EXPECT_NE(ReadText(c.out / "ds_tree.html").find("addTreePage(false,\"P\""), std::string::npos);
    EXPECT_EQ(ReadText(c.out / "ds_blank.html"), "<html>standard blank</html>\r\n");
    EXPECT_FALSE(fs::exists(c.out / "leo.js"));
}

TEST(AiccExport, LeoProfileCopiesItsFilesAndForcesMultiSco) {
    AiccRun c("aicc_leo");
    TAiccOptions o;
    o.destination = c.out.string();
    o.profile = apLeo;
    o.multiSCO = false;
    ASSERT_TRUE(c.command.Execute(o).Ok());
    EXPECT_TRUE(c.command.MultiSCO());
    EXPECT_EQ(ReadText(c.out / "leo.js"), "leo profile\r\n");
    EXPECT_EQ(ReadText(c.out / "leoindex.inc"), "var arrPageIndex = new Array(2,4,5,7,0);\r\n");
    EXPECT_EQ(ReadText(c.out / "js" / "frameset.js"), "var multi = true;\r\nvar x = 1;\r\n");
}

TEST(AiccExport, MissingFramesetScriptFailsTheRunWithAMessage) {
    const fs::path program = fs::temp_directory_path() /
                             (std::string("vlm_export_aicc_program") + std::to_string(::getpid()));
    fs::remove_all(program);
    fs::copy(ExportFixtures() / "program", program, fs::copy_options::recursive);
    fs::remove(program / "exports" / "_common_exports_files" / "default" / "js" / "frameset.js");
    {
        AiccCourse c("aicc_noframes");
        c.program.ProgramDir = program;
        c.program.PageTemplateFile = program / "exports" / "Page" / "page.html";
        TVLMAicc command(c.Env());
        TAiccOptions o;
        o.destination = (c.dir / "out").string();
        const TExportResult r = command.Execute(o);
        EXPECT_EQ(r.status, TExportStatus::Failed);
        EXPECT_NE(r.message.find("frameset.js"), std::string::npos);
        ASSERT_FALSE(c.prompt.calls.empty());
        EXPECT_EQ(c.prompt.calls.back().type, DialogType::Error);
        EXPECT_EQ(c.progress.log.back(), "close");
        EXPECT_EQ(std::count(c.progress.log.begin(), c.progress.log.end(), "pos 6"), 0);
        EXPECT_TRUE(fs::exists(c.dir / "out" / "out.au")); // the rest was written
    }
    fs::remove_all(program);
}

TEST(AiccExport, NoOnAnExistingFolderEndsSilently) {
    AiccRun c("aicc_no");
    fs::create_directories(c.out);
    c.prompt.answers = {mrNo};
    TAiccOptions o;
    o.destination = c.out.string();
    EXPECT_EQ(c.command.Execute(o).status, TExportStatus::Cancelled);
    EXPECT_TRUE(FilesBelow(c.out).empty());
    EXPECT_EQ(c.prompt.calls.size(), 1u);
}

// The AICC folder of the shipped program data, when it is there.
TEST(AiccExport, RealProgramFolderWithTheLeoProfile) {
    const fs::path data = VLM_DATA_DIR;
    if (!fs::exists(data / "exports" / "AICC" / "leo"))
        GTEST_SKIP() << "no AICC layout in " << data;
    AiccCourse c("aicc_real", data);
    TVLMAicc command(c.Env());
    TAiccOptions o;
    o.destination = (c.dir / "out" / "course1").string();
    o.profile = apLeo;
    o.designTemplate = "Orvanta - standard";
    const TExportResult r = command.Execute(o);
    ASSERT_TRUE(r.Ok()) << r.message;
    const fs::path out = c.dir / "out" / "course1";
    const std::string frameset = ReadText(out / "js" / "frameset.js");
    EXPECT_EQ(frameset.find("*[AiccMulti]*"), std::string::npos);
    EXPECT_NE(frameset.find("\"true\""), std::string::npos);
    EXPECT_EQ(ReadText(out / "leoindex.inc"), "var arrPageIndex = new Array(2,4,5,7,0);\r\n");
    EXPECT_TRUE(fs::exists(out / "pages" / "aicc" / "lmsAICC.js"));
    EXPECT_NE(ReadText(out / "pages" / "p00002" / "_page.html").find("../aicc/lmsAICC.js"),
              std::string::npos);
    ExpectGolden(out, "aicc-multi-leo");
}
