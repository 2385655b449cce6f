// new, info, open and check run as a user runs them.

#include "CliTestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace vlm::test {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using ::testing::Not;

TEST(CliUsage, BadUsageEndsWithTwo) {
    CliSandbox box;
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"frobnicate"},
        {"info"},
        {"--yes", "--no", "info", "x.vlmproject"},
        {"new", "--template", "02_short", "--lang", "XX", "x.vlmproject"},
        {"new", "x.vlmproject"},
        {"export", "aicc", "x.vlmproject", "-o", "out", "--profile", "odd"},
        {"export", "offline", "x.vlmproject"},
        {"export", "zip", "x.vlmproject", "-o", "out"},
        {"export", "aicc", "x.vlmproject", "-o", "out", "--multi-sco", "--single-sco"},
    };
    for (const auto& args : cases) {
        const CliRun run = box.Run(args);
        EXPECT_EQ(run.code, 2) << (args.empty() ? "(none)" : args[0]) << "\n" << run.err;
        EXPECT_FALSE(run.err.empty());
    }
}

TEST(CliUsage, HelpIsNoError) {
    CliSandbox box;
    const CliRun run = box.Run({"--help"});
    EXPECT_EQ(run.code, 0);
    EXPECT_THAT(run.out, HasSubstr("export"));
}

TEST(CliUsage, MissingFileFailsWithTheReason) {
    CliSandbox box;
    for (const std::string command : {"info", "check", "open"}) {
        const CliRun run = box.Run({command, "absent.vlmproject"});
        EXPECT_EQ(run.code, 1) << command;
        EXPECT_THAT(run.err, HasSubstr(EnglishText("ERROR_FILE_NOT_FOUND", "absent.vlmproject")))
            << command;
    }
    EXPECT_FALSE(fs::exists(box.work / "absent.vlmproject"));
}

TEST(CliUsage, ProgramFolderWithoutDefinitionsFails) {
    CliSandbox box;
    fs::remove(box.programDir / "configuration" / "definition.xml");
    const CliRun run = box.Run({"info", "x.vlmproject"});
    EXPECT_EQ(run.code, 1);
    EXPECT_THAT(run.err, HasSubstr("definition.xml"));
}

TEST(CliInfo, JsonAndTextOfAFixtureCourse) {
    CliSandbox box;
    const fs::path course = box.CopyCourse("broken");
    const std::string before = ReadAll(course);
    const CliRun json = box.Run({"info", "--json", "broken.vlmproject"});
    EXPECT_EQ(json.code, 0) << json.err;
    EXPECT_EQ(json.out, ReadAll(CliFixtures() / "expected" / "info-broken.json"));

    const CliRun text = box.Run({"info", "broken.vlmproject"});
    EXPECT_EQ(text.code, 0);
    EXPECT_THAT(text.out, HasSubstr("Course name: Broken course\n"));
    EXPECT_THAT(text.out, HasSubstr("Resolution: 1024x768\n"));
    EXPECT_THAT(text.out, HasSubstr("  7. Missing document  [7, 2]\n"));
    EXPECT_EQ(ReadAll(course), before); // info changes nothing
    EXPECT_FALSE(fs::exists(box.work / "broken" / "resources.xml"));
}

TEST(CliInfo, MessagesFollowTheConfiguredLanguage) {
    CliSandbox box("PL");
    box.CopyCourse("broken");
    const CliRun run = box.Run({"info", "broken.vlmproject"});
    EXPECT_THAT(run.out, HasSubstr("Nazwa kursu: Broken course\n"));
    const CliRun missing = box.Run({"info", "absent.vlmproject"});
    EXPECT_THAT(missing.err, HasSubstr("Nie znaleziono pliku: absent.vlmproject"));
}

TEST(CliCheck, FindingsOfABrokenCourse) {
    CliSandbox box;
    box.CopyCourse("broken");
    const CliRun run = box.Run({"check", "--json", "broken.vlmproject"});
    EXPECT_EQ(run.code, 1) << run.err; // errors were found
    EXPECT_EQ(run.out, ReadAll(CliFixtures() / "expected" / "check-broken.json"));

    const CliRun text = box.Run({"check", "broken.vlmproject"});
    EXPECT_EQ(text.code, 1);
    EXPECT_THAT(text.out, HasSubstr("error 3 unknown-class: " +
                                    EnglishText("ERROR_COMPONENT_LOST", "gizmo") + "\n"));
}

TEST(CliNew, CreatesACourseFromATemplate) {
    CliSandbox box;
    const CliRun run = box.Run({"new", "--template", "02_short", "--lang", "EN", "--title",
                                "Zażółć course", "mine.vlmproject"});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_TRUE(fs::is_regular_file(box.work / "mine" / "p00002" / "_page.xmp"));
    EXPECT_TRUE(fs::is_regular_file(box.work / "mine" / "resources" / "banner.png"));

    const CliRun info = box.Run({"info", "--json", "mine.vlmproject"});
    EXPECT_THAT(info.out, HasSubstr("\"title\": \"Zażółć course\""));
    EXPECT_THAT(info.out, HasSubstr("\"name\": \"Zażółć course\", \"position\": 1"));

    // A new course from a shipped template has nothing to report.
    const CliRun check = box.Run({"check", "--json", "mine.vlmproject"});
    EXPECT_EQ(check.code, 0) << check.out;
    EXPECT_EQ(check.out, "[]\n");
}

TEST(CliNew, TemplateByCaptionAndUnknownTemplate) {
    CliSandbox box;
    EXPECT_EQ(
        box.Run({"new", "--template", "short course with a quiz", "--lang", "EN", "a.vlmproject"})
            .code,
        0);
    const CliRun unknown = box.Run({"new", "--template", "nothing", "b.vlmproject"});
    EXPECT_EQ(unknown.code, 2);
    EXPECT_THAT(unknown.err, HasSubstr("01_empty"));
    EXPECT_FALSE(fs::exists(box.work / "b.vlmproject"));
}

TEST(CliNew, ExistingCourseIsReplacedOnlyAfterYes) {
    CliSandbox box;
    ASSERT_EQ(box.Run({"new", "--template", "01_empty", "--lang", "EN", "c.vlmproject"}).code, 0);
    const std::string first = ReadAll(box.work / "c.vlmproject");
    const std::string question = EnglishText("MESSAGE_PROJECT_FILE_EXISTS");

    const CliRun unanswered =
        box.Run({"new", "--template", "02_short", "--lang", "EN", "c.vlmproject"});
    EXPECT_EQ(unanswered.code, 3);
    EXPECT_THAT(unanswered.err, HasSubstr(question));
    const CliRun no =
        box.Run({"--no", "new", "--template", "02_short", "--lang", "EN", "c.vlmproject"});
    EXPECT_EQ(no.code, 3);
    EXPECT_EQ(ReadAll(box.work / "c.vlmproject"), first);

    const CliRun yes =
        box.Run({"new", "--yes", "--template", "02_short", "--lang", "EN", "c.vlmproject"});
    EXPECT_EQ(yes.code, 0) << yes.err;
    EXPECT_THAT(ReadAll(box.work / "c.vlmproject"), HasSubstr("Key points"));
}

TEST(CliOpen, DuplicatePageNumbersNeedAnAnswer) {
    CliSandbox box;
    const fs::path course = box.CopyCourse("duplicates");
    const std::string before = ReadAll(course);
    const std::string question = EnglishText("ERROR_MESSAGE_REPLICATED_ITEMS").substr(0, 40);

    const CliRun unanswered = box.Run({"open", "duplicates.vlmproject"});
    EXPECT_EQ(unanswered.code, 3);
    EXPECT_THAT(unanswered.err, HasSubstr(question));
    EXPECT_EQ(ReadAll(course), before);

    // No keeps the number; the tree is renumbered and saved, the register written.
    const CliRun no = box.Run({"--no", "open", "duplicates.vlmproject"});
    EXPECT_EQ(no.code, 0) << no.err;
    const std::string saved = ReadAll(course);
    EXPECT_THAT(saved, HasSubstr("First\r\n2\r\n2\r\n1\r\n"));
    EXPECT_THAT(saved, HasSubstr("Second\r\n3\r\n2\r\n1\r\n"));
    EXPECT_THAT(ReadAll(box.work / "duplicates" / "resources.xml"), HasSubstr("here.png"));

    // Yes gives the duplicate a new number.
    const CliRun yes = box.Run({"open", "--yes", "duplicates.vlmproject"});
    EXPECT_EQ(yes.code, 0) << yes.err;
    EXPECT_THAT(ReadAll(course), HasSubstr("Second\r\n3\r\n3\r\n1\r\n"));
}

TEST(CliOpen, ProgressLinesUnlessQuiet) {
    CliSandbox box;
    box.CopyCourse("duplicates");
    const CliRun run = box.Run({"--no", "open", "duplicates.vlmproject"});
    // The register's refresh goes through both files of the resources folder.
    EXPECT_THAT(run.err,
                HasSubstr("Progress: 0/2 (0%)\nProgress: 1/2 (50%)\nProgress: 2/2 (100%)\n"));
    const CliRun quiet = box.Run({"--quiet", "--no", "open", "duplicates.vlmproject"});
    EXPECT_EQ(quiet.code, 0);
    EXPECT_THAT(quiet.err, Not(HasSubstr("Progress")));
}

TEST(CliSettings, ConfigurationIsNeverWritten) {
    CliSandbox box;
    const fs::path config = box.programDir / "configuration" / "config.ini";
    const std::string before = ReadAll(config);
    ASSERT_EQ(box.Run({"new", "--template", "01_empty", "--lang", "EN", "d.vlmproject"}).code, 0);
    ASSERT_EQ(box.Run({"open", "d.vlmproject"}).code, 0);
    EXPECT_EQ(ReadAll(config), before);
}

// The log files beside the program, with their sizes.
std::uintmax_t LogBytes(std::string* text = nullptr) {
    std::uintmax_t bytes = 0;
    for (const auto& entry : fs::directory_iterator(fs::path(VLM_CLI).parent_path())) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with("vellumar-cli_") && name.ends_with(".log")) {
            bytes += entry.file_size();
            if (text)
                *text += ReadAll(entry.path());
        }
    }
    return bytes;
}

TEST(CliLog, WrittenOnlyWhenAsked) {
    CliSandbox box;
    const std::uintmax_t before = LogBytes();
    ASSERT_EQ(box.Run({"info", "absent.vlmproject"}).code, 1);
    EXPECT_EQ(LogBytes(), before);
    ASSERT_EQ(box.Run({"--log", "info", "absent.vlmproject"}).code, 1);
    std::string text;
    EXPECT_GT(LogBytes(&text), before);
    EXPECT_THAT(text, HasSubstr("][Start  ] Process"));
    EXPECT_THAT(text, HasSubstr("Main form"));
}

} // namespace
} // namespace vlm::test
