// The export targets run as a user runs them.

#include "CliTestSupport.h"

#include <fstream>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace vlm::test {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using ::testing::Not;

using CliExport = ShortCourseTest;

TEST_F(CliExport, OfflineFolderAndItsConfirmation) {
    const CliRun run = box.Run({"export", "offline", "c.vlmproject", "-o", "offline"});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_TRUE(fs::is_regular_file(box.work / "offline" / "ds_tree.html"));
    EXPECT_TRUE(fs::is_regular_file(box.work / "offline" / "pages" / "p00002" / "_page.html"));
    EXPECT_THAT(ReadAll(box.work / "offline" / "ds_tree.html"), HasSubstr("Key points"));

    const std::string question =
        EnglishText("MESSAGE_FOLDER_EXISTS_PROC").substr(0, 11); // "The folder "
    const CliRun again = box.Run({"export", "offline", "c.vlmproject", "-o", "offline"});
    EXPECT_EQ(again.code, 3);
    EXPECT_THAT(again.err, HasSubstr(question));
    const CliRun yes = box.Run({"--yes", "export", "offline", "c.vlmproject", "-o", "offline"});
    EXPECT_EQ(yes.code, 0) << yes.err;
}

TEST_F(CliExport, DesignsByName) {
    const CliRun unknown =
        box.Run({"export", "offline", "c.vlmproject", "-o", "x", "--design", "Nothing"});
    EXPECT_EQ(unknown.code, 2);
    EXPECT_THAT(unknown.err, HasSubstr("Orvanta - zielony"));
    EXPECT_FALSE(fs::exists(box.work / "x"));

    const CliRun green = box.Run(
        {"export", "offline", "c.vlmproject", "-o", "green", "--design", "Orvanta - zielony"});
    EXPECT_EQ(green.code, 0) << green.err;
}

// An export takes the resource register as stored: a file added to the
// resources folder is exported but registered (and hashed) only by `open`.
TEST_F(CliExport, ExportLeavesTheRegisterAsStored) {
    const fs::path course = box.work / "c";
    std::ofstream(course / "resources" / "added.png", std::ios::binary) << "PNG";
    const std::string stored = fs::exists(course / "resources.xml")
                                   ? ReadAll(course / "resources.xml")
                                   : std::string("<none>");
    const CliRun run = box.Run({"export", "offline", "c.vlmproject", "-o", "offline"});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(ReadAll(box.work / "offline" / "pages" / "resources" / "added.png"), "PNG");
    const std::string after = fs::exists(course / "resources.xml")
                                  ? ReadAll(course / "resources.xml")
                                  : std::string("<none>");
    EXPECT_EQ(after, stored);

    const CliRun open = box.Run({"open", "c.vlmproject"});
    ASSERT_EQ(open.code, 0) << open.err;
    EXPECT_THAT(ReadAll(course / "resources.xml"), HasSubstr("added.png"));
}

TEST_F(CliExport, IntoTheCourseFolderIsRefused) {
    const CliRun run = box.Run({"export", "offline", "c.vlmproject", "-o", "."});
    EXPECT_EQ(run.code, 1);
    EXPECT_THAT(run.err,
                HasSubstr(EnglishText("MESSAGE_CANT_SAVE_ITS_PROJECT_PATH").substr(0, 30)));
}

TEST_F(CliExport, AiccUnitsFollowTheOptions) {
    const CliRun multi = box.Run({"export", "aicc", "c.vlmproject", "-o", "multi", "--multi-sco",
                                  "--url", "http://lms.example/course/"});
    ASSERT_EQ(multi.code, 0) << multi.err;
    const std::string multiAu = ReadAll(box.work / "multi" / "multi.au");
    EXPECT_THAT(multiAu, HasSubstr("http://lms.example/course/"));
    EXPECT_TRUE(fs::is_regular_file(box.work / "multi" / "multi.crs"));

    const CliRun single =
        box.Run({"export", "aicc", "c.vlmproject", "-o", "single", "--single-sco"});
    ASSERT_EQ(single.code, 0) << single.err;
    const std::string singleAu = ReadAll(box.work / "single" / "single.au");
    EXPECT_LT(std::count(singleAu.begin(), singleAu.end(), '\n'),
              std::count(multiAu.begin(), multiAu.end(), '\n'));

    // Without either option the wizard's box starts unchecked (nothing is
    // remembered yet): one unit for the whole course.
    const CliRun plain = box.Run({"export", "aicc", "c.vlmproject", "-o", "plain"});
    ASSERT_EQ(plain.code, 0) << plain.err;
    EXPECT_EQ(ReadAll(box.work / "plain" / "plain.au"), singleAu);

    // The LEO profile always exports each page as its own unit.
    const CliRun leo = box.Run(
        {"export", "aicc", "c.vlmproject", "-o", "leo", "--profile", "leo", "--single-sco"});
    ASSERT_EQ(leo.code, 0) << leo.err;
    const std::string leoAu = ReadAll(box.work / "leo" / "leo.au");
    EXPECT_EQ(std::count(leoAu.begin(), leoAu.end(), '\n'),
              std::count(multiAu.begin(), multiAu.end(), '\n'));
    EXPECT_TRUE(fs::is_regular_file(box.work / "leo" / "leoindex.inc"));
}

// The names of a zip file's entries are stored as they are: enough to see what it holds.
bool IsZipHolding(const fs::path& file, const std::string& entry) {
    const std::string bytes = ReadAll(file);
    return bytes.rfind("PK\x03\x04", 0) == 0 && bytes.find(entry) != std::string::npos;
}

TEST_F(CliExport, ScormPackage) {
    const CliRun run = box.Run({"export", "scorm", "c.vlmproject", "-o", "scorm", "--cmi-adapter",
                                "--schema-location", "http://example.org/imscp_rootv1p1p2.xsd"});
    ASSERT_EQ(run.code, 0) << run.err;
    const fs::path package = box.work / "scorm.zip"; // the wizard's ".zip"
    EXPECT_TRUE(IsZipHolding(package, "imsmanifest.xml"));
    EXPECT_TRUE(IsZipHolding(package, "CMIAdapter/"));
    EXPECT_TRUE(IsZipHolding(package, "pages/p00002/_page.html"));

    const CliRun plain = box.Run({"export", "scorm", "c.vlmproject", "-o", "plain.zip"});
    ASSERT_EQ(plain.code, 0) << plain.err;
    EXPECT_FALSE(IsZipHolding(box.work / "plain.zip", "CMIAdapter/"));

    const CliRun again = box.Run({"export", "scorm", "c.vlmproject", "-o", "plain.zip"});
    EXPECT_EQ(again.code, 3);
    EXPECT_THAT(again.err, HasSubstr("plain.zip"));
}

TEST_F(CliExport, ServerAndExamPackages) {
    const CliRun server = box.Run({"export", "server", "c.vlmproject", "-o", "server.zip"});
    ASSERT_EQ(server.code, 0) << server.err;
    EXPECT_TRUE(IsZipHolding(box.work / "server.zip", "imsmanifest.xml"));
    EXPECT_FALSE(IsZipHolding(box.work / "server.zip", "imstype.xml"));

    const CliRun exam = box.Run({"export", "exam", "c.vlmproject", "-o", "exam.zip"});
    ASSERT_EQ(exam.code, 0) << exam.err;
    EXPECT_TRUE(IsZipHolding(box.work / "exam.zip", "imstype.xml"));

    // An existing package is replaced only after Yes.
    const std::string before = ReadAll(box.work / "exam.zip");
    const CliRun no = box.Run({"--no", "export", "exam", "c.vlmproject", "-o", "exam.zip"});
    EXPECT_EQ(no.code, 3);
    EXPECT_THAT(no.err, HasSubstr("exam.zip"));
    EXPECT_EQ(ReadAll(box.work / "exam.zip"), before);
    EXPECT_EQ(box.Run({"--yes", "export", "exam", "c.vlmproject", "-o", "exam.zip"}).code, 0);
}

TEST_F(CliExport, ScenarioReportAndItsProfiles) {
    const CliRun run = box.Run({"export", "scenario", "c.vlmproject", "-o", "report.rtf"});
    ASSERT_EQ(run.code, 0) << run.err;
    const std::string report = ReadAll(box.work / "report.rtf");
    EXPECT_EQ(report.rfind("{\\rtf1", 0), 0u);
    EXPECT_THAT(report, HasSubstr("Key points"));

    const CliRun again = box.Run({"export", "scenario", "c.vlmproject", "-o", "report.rtf"});
    EXPECT_EQ(again.code, 3);
    EXPECT_THAT(again.err, HasSubstr("report.rtf"));

    // An unknown profile lists the known ones; each of them can be named.
    const CliRun unknown =
        box.Run({"export", "scenario", "c.vlmproject", "-o", "r2.rtf", "--profile", "Nothing"});
    EXPECT_EQ(unknown.code, 2);
    const std::size_t listed = unknown.err.find("\n  ");
    ASSERT_NE(listed, std::string::npos) << unknown.err;
    const std::string first =
        unknown.err.substr(listed + 3, unknown.err.find('\n', listed + 3) - listed - 3);
    const CliRun named =
        box.Run({"export", "scenario", "c.vlmproject", "-o", "r2.rtf", "--profile", first});
    EXPECT_EQ(named.code, 0) << named.err;
    EXPECT_TRUE(fs::is_regular_file(box.work / "r2.rtf"));
}

TEST(CliExportMedia, CopiesSoundsAndAsksBeforeReplacing) {
    CliSandbox box;
    box.CopyCourse("duplicates");
    const CliRun run = box.Run({"--no", "export", "media", "duplicates.vlmproject", "-o", "media"});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_TRUE(fs::is_regular_file(box.work / "media" / "sound.mp3"));
    EXPECT_FALSE(fs::exists(box.work / "media" / "here.png"));

    fs::resize_file(box.work / "media" / "sound.mp3", 1);
    // Renumbered once, opening asks nothing more; the file question is left unanswered.
    const std::string question = EnglishText("MESSAGE_FILE_EXISTS", "sound.mp3");
    ASSERT_EQ(box.Run({"open", "--yes", "duplicates.vlmproject"}).code, 0);
    const CliRun ask = box.Run({"export", "media", "duplicates.vlmproject", "-o", "media"});
    EXPECT_EQ(ask.code, 3);
    EXPECT_THAT(ask.err, HasSubstr(question));
    EXPECT_EQ(fs::file_size(box.work / "media" / "sound.mp3"), 1u);

    const CliRun yes =
        box.Run({"--yes", "export", "media", "duplicates.vlmproject", "-o", "media"});
    EXPECT_EQ(yes.code, 0) << yes.err;
    EXPECT_GT(fs::file_size(box.work / "media" / "sound.mp3"), 1u);
}

// Quiet: a question answered by --yes or --no prints nothing; one left
// without an answer is still shown.
TEST(CliExportMedia, QuietRunPrintsOnlyUnansweredQuestions) {
    CliSandbox box;
    box.CopyCourse("duplicates");
    const std::string question = EnglishText("ERROR_MESSAGE_REPLICATED_ITEMS").substr(0, 20);
    const CliRun run =
        box.Run({"--quiet", "--no", "export", "media", "duplicates.vlmproject", "-o", "media"});
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(run.err, "");
    const CliRun loud = box.Run({"--no", "export", "media", "duplicates.vlmproject", "-o", "m2"});
    EXPECT_EQ(loud.code, 0);
    EXPECT_THAT(loud.err, HasSubstr(question));
    const CliRun unanswered =
        box.Run({"--quiet", "export", "media", "duplicates.vlmproject", "-o", "m3"});
    EXPECT_EQ(unanswered.code, 3);
    EXPECT_THAT(unanswered.err, HasSubstr(question));
    EXPECT_THAT(unanswered.err, Not(HasSubstr("Progress")));
}

} // namespace
} // namespace vlm::test
