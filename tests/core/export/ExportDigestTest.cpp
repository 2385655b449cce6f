// Exports read no digest of any media file: the course is opened for them
// with the register as stored, and building and packing pages hash nothing.
#include "export/VLMExplorerCommand.h"
#include "export/VLMScorm11Command.h"
#include "project/CourseLifecycle.h"
#include "resources/FileDigest.h"

#include "ExportTestSupport.h"

using namespace vlm;
using namespace vlm::test;

namespace {

struct DigestRun : ExportCourse {
    DigestRun() : ExportCourse("digests", VLM_DATA_DIR) {
        project.Version = "1.0";
        Add("Course", 1, 1, 0, ptNone).Stamp = "id_240101000000001_240101000000001";
        Add("Intro", 2, 2, 1, ptContent).Stamp = "id_240101000000002_240101000000002";
        WritePage(2, {}, "  <image src=\"..\\resources\\pic.png\" />\r\n");
        EXPECT_TRUE(WriteFileBytes(course.CourseResourcesDir / "pic.png", "PNG"));
        EXPECT_TRUE(WriteFileBytes(course.CourseResourcesDir / "clip.mp4", "MP4"));
        project.SaveToFile(project.FileName, true);
    }
    FixedClock clock;
    FixedRandom random;
    NullProgress quiet;
};

} // namespace

TEST(ExportDigests, OpeningForAnExportAndExportingHashNoMedia) {
    DigestRun run;
    TCourseLifecycle life(run.prompt, run.clock, run.random, run.quiet);
    const std::uint64_t before = FileDigestsComputed();
    life.OpenCourse(run.project.FileName, TRegisterOnOpen::AsStored);
    ASSERT_TRUE(life.CourseOpen) << run.prompt.calls.size();
    TExportEnvironment env{life.Project, life.Paths, run.program, run.config,
                           nullptr,      run.prompt, run.progress};
    const fs::path offline = run.dir / "offline";
    ASSERT_TRUE(TVLMExplorerCommand(env).Execute({offline.string(), ""}).Ok());
    const fs::path package = run.dir / "out" / "scorm.zip";
    fs::create_directories(package.parent_path());
    ASSERT_TRUE(
        TVLMScorm11Command(env, run.random).Execute({package.string(), "", "", false}).Ok());
    EXPECT_EQ(FileDigestsComputed(), before);
    // The media were read all the same.
    EXPECT_EQ(ReadText(offline / "pages" / "resources" / "clip.mp4"), "MP4");
    EXPECT_TRUE(fs::exists(package));
    life.CloseCourse();
}

TEST(ExportDigests, OpeningForTheDesignerRefreshesTheRegister) {
    DigestRun run;
    TCourseLifecycle life(run.prompt, run.clock, run.random, run.quiet);
    const std::uint64_t before = FileDigestsComputed();
    life.OpenCourse(run.project.FileName);
    EXPECT_EQ(FileDigestsComputed(), before + 2);
    EXPECT_EQ(life.Resources.Count(), 2);
    life.CloseCourse();
}
