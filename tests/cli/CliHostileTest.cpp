// Courses made to leak, to overwrite themselves or to fill the disk: every
// target refuses or fails loudly, as a user running the program sees it.

#include "CliTestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <fstream>

namespace vlm::test {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

struct Target {
    const char* name;
    const char* output;
};

// Every target, with an output of the kind it writes.
const Target kTargets[] = {{"offline", "out"},    {"aicc", "out"},     {"scorm", "out.zip"},
                           {"server", "out.zip"}, {"exam", "out.zip"}, {"scenario", "out.rtf"},
                           {"media", "out"}};

class CliHostile : public ShortCourseTest {
protected:
    void SetUp() override {
        ShortCourseTest::SetUp();
        course = box.work / "c";
    }
    CliRun Export(const Target& target, const std::string& output) {
        return box.Run({"--yes", "export", target.name, "c.vlmproject", "-o", output});
    }
    // The place of the course replaced by a link to a copy of it outside,
    // holding a file the export must never publish.
    void LinkOut(const fs::path& place) {
        const fs::path outside = box.root / ("outside_" + place.filename().string());
        fs::copy(place, outside, fs::copy_options::recursive);
        std::ofstream(outside / "secret.mp3", std::ios::binary) << "SECRET-BYTES";
        fs::remove_all(place);
        fs::create_directory_symlink(outside, place);
    }
    // True when any file below the folder (or the file itself, or a zip's
    // stored entry) holds the secret.
    static bool Leaks(const fs::path& output) {
        std::error_code ec;
        if (fs::is_regular_file(output, ec))
            return ReadAll(output).find("SECRET-BYTES") != std::string::npos;
        if (!fs::is_directory(output, ec))
            return false;
        for (const auto& entry : fs::recursive_directory_iterator(output))
            if (entry.is_regular_file() &&
                ReadAll(entry.path()).find("SECRET-BYTES") != std::string::npos)
                return true;
        return false;
    }
    fs::path course;
};

TEST_F(CliHostile, NoTargetFollowsALinkOutOfTheCourse) {
    const std::string refused = EnglishText("ERROR_EXPORT_LINK_OUT_OF_COURSE").substr(0, 26);
    for (const char* place : {"resources", "p00002"}) {
        SCOPED_TRACE(place);
        LinkOut(course / place);
        for (const Target& target : kTargets) {
            SCOPED_TRACE(target.name);
            const CliRun run = Export(target, target.output);
            EXPECT_EQ(run.code, 1) << run.err;
            EXPECT_THAT(run.err, HasSubstr(refused));
            EXPECT_THAT(run.err, HasSubstr(place));
            EXPECT_FALSE(Leaks(box.work / target.output));
            fs::remove_all(box.work / target.output);
        }
        // Put back as it was, for the next place.
        const fs::path real = fs::read_symlink(course / place);
        fs::remove(course / place);
        fs::copy(real, course / place, fs::copy_options::recursive);
        fs::remove(course / place / "secret.mp3");
    }
}

TEST_F(CliHostile, ALinkThatStaysInTheCourseIsFollowed) {
    fs::rename(course / "resources", course / "media");
    fs::create_directory_symlink("media", course / "resources");
    const CliRun run = Export(kTargets[0], "out");
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_TRUE(fs::is_regular_file(box.work / "out" / "pages" / "resources" / "banner.png"));
}

TEST_F(CliHostile, NoTargetWritesOverTheCourse) {
    const std::string project = ReadAll(box.work / "c.vlmproject");
    const std::string refused = EnglishText("ERROR_EXPORT_INTO_COURSE").substr(0, 30);
    // Packages get the ".zip" extension added, so they can only reach into the folder.
    const std::vector<std::string> folders = {"c.vlmproject", "c", "c/resources/x", "c/p00002"};
    const std::vector<std::string> packages = {"c/x.zip", "c/resources/x.zip", "c/p00002/x"};
    const std::vector<std::string> reports = {"c.vlmproject", "c/x.rtf", "c/resources/x.rtf"};
    for (const Target& target : kTargets) {
        const std::string kind = fs::path(target.output).extension().string();
        for (const std::string& output : kind == ".zip"   ? packages
                                         : kind == ".rtf" ? reports
                                                          : folders) {
            SCOPED_TRACE(std::string(target.name) + " -o " + output);
            const CliRun run = Export(target, output);
            EXPECT_EQ(run.code, 1) << run.err;
            EXPECT_THAT(run.err, HasSubstr(refused));
            EXPECT_EQ(ReadAll(box.work / "c.vlmproject"), project);
            EXPECT_FALSE(fs::exists(course / "resources" / "x"));
            EXPECT_TRUE(fs::is_regular_file(course / "p00002" / "_page.xmp"));
        }
    }
}

// A media file larger than the limit cannot be written whole: the export
// fails naming it with the system's reason, and no truncated copy stays.
TEST_F(CliHostile, AFileNotWrittenWholeFailsTheExport) {
    std::ofstream(course / "resources" / "big.mp3", std::ios::binary) << std::string(3 << 20, 'b');
    box.fileSizeLimit = 2 << 20;
    for (const Target& target : kTargets) {
        if (std::string(target.name) == "scenario") // the report holds no media
            continue;
        SCOPED_TRACE(target.name);
        const CliRun run = Export(target, target.output);
        EXPECT_EQ(run.code, 1) << run.err;
        const fs::path output = box.work / target.output;
        // Packages take the media from the course: the file cut short is the package.
        const bool package = output.extension() == ".zip";
        EXPECT_THAT(run.err, HasSubstr(package ? output.string() : std::string("big.mp3")));
        EXPECT_THAT(run.err, HasSubstr(std::strerror(EFBIG)));
        EXPECT_FALSE(fs::exists(output / "pages" / "resources" / "big.mp3"));
        EXPECT_FALSE(fs::exists(output / "big.mp3"));
        if (fs::path(target.output).has_extension()) {
            EXPECT_FALSE(fs::exists(output));
        }
        fs::remove_all(output);
    }
}

// A crafted course tree 30,000 levels deep: listed, packaged and reported
// without exhausting the stack, in time linear in the depth.
TEST(CliDeepTree, IsListedPackagedAndReported) {
    CliSandbox box;
    std::string text = "[VELLUMAR]\r\n[COURSE_TITLE]\r\nDeep\r\n[COURSE_VERSION]\r\n1.0\r\n"
                       "[VERSION]\r\n1.0\r\n[COURSE_RESOLUTION]\r\n0\r\n[EXPORT_LEXICON]\r\n0\r\n"
                       "[COURSE_DESC]\r\nd\r\n[COURSE_TREE]\r\n";
    constexpr int kDepth = 30000;
    for (int i = 1; i <= kDepth; ++i) {
        const std::string n = std::to_string(i);
        text += "P" + n + "\r\n" + n + "\r\n" + n + "\r\n" + std::to_string(i - 1) +
                "\r\ntrue\r\n\r\nid_" + n + "_" + n + "\r\n-1\r\n";
    }
    std::ofstream(box.work / "deep.vlmproject", std::ios::binary) << text;
    fs::create_directories(box.work / "deep");
    const CliRun info = box.Run({"info", "deep.vlmproject"});
    ASSERT_EQ(info.code, 0) << info.err;
    EXPECT_THAT(info.out, HasSubstr("30000. P30000"));
    for (const char* target : {"scorm", "scenario"}) {
        const CliRun run = box.Run({"export", target, "deep.vlmproject", "-o", "out"});
        EXPECT_EQ(run.code, 0) << target << run.err.substr(0, 2000);
    }
}

// A run killed during an export leaves its marked working folder in the
// temporary folder; the next run removes it and leaves nothing of its own.
TEST_F(CliHostile, WorkingFoldersOfKilledRunsAreRemoved) {
    const fs::path temp = box.root / "tmp";
    fs::create_directories(temp / "vlm58" / "pages");
    std::ofstream(temp / "vlm58" / ".vellumar-run");
    fs::create_directories(temp / "vlm-not-ours");
    const char* saved = std::getenv("TMPDIR");
    const std::string before = saved ? saved : "";
    ::setenv("TMPDIR", temp.c_str(), 1);
    const CliRun run = Export(kTargets[2], "out.zip");
    saved ? ::setenv("TMPDIR", before.c_str(), 1) : ::unsetenv("TMPDIR");
    ASSERT_EQ(run.code, 0) << run.err;
    std::vector<std::string> left;
    for (const auto& entry : fs::directory_iterator(temp))
        left.push_back(entry.path().filename().string());
    EXPECT_EQ(left, std::vector<std::string>{"vlm-not-ours"});
}

} // namespace
} // namespace vlm::test
