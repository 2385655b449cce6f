// `export` runs the course check first: its findings are printed as
// warnings and the export goes on; with --strict they fail the export
// before anything is written.

#include "CliTestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace vlm::test {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using ::testing::Not;

struct TargetCase {
    std::string target, output;
};

class CliExportCheck : public ::testing::TestWithParam<TargetCase> {
protected:
    void SetUp() override { box.CopyCourse("broken"); }
    CliSandbox box;
};

TEST_P(CliExportCheck, FindingsAreWarningsUnlessStrict) {
    const TargetCase& c = GetParam();
    const CliRun run = box.Run({"--yes", "export", c.target, "broken.vlmproject", "-o", c.output});
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_TRUE(fs::exists(box.work / c.output));
    // Pages without documents, dead links, leftover links and missing media.
    for (const char* code : {"missing-page", "broken-jump", "broken-link", "missing-media",
                             "missing-document"})
        EXPECT_THAT(run.err, HasSubstr(code)) << code;
    EXPECT_THAT(run.err, HasSubstr(EnglishText("CLI_CHECK_EMPTY_PAGE")));

    const CliRun quiet =
        box.Run({"--yes", "--quiet", "export", c.target, "broken.vlmproject", "-o", c.output});
    EXPECT_EQ(quiet.code, 0) << quiet.err;
    EXPECT_THAT(quiet.err, Not(HasSubstr("missing-page")));

    const std::string strictOut = "strict-" + c.output;
    const CliRun strict = box.Run(
        {"--yes", "export", c.target, "broken.vlmproject", "-o", strictOut, "--strict"});
    EXPECT_EQ(strict.code, 1);
    EXPECT_THAT(strict.err, HasSubstr("missing-page"));
    // Seven problems, and three pictures of the fixture without alternative text.
    EXPECT_THAT(strict.err, HasSubstr(EnglishText("CLI_EXPORT_STRICT", "10")));
    EXPECT_FALSE(fs::exists(box.work / strictOut));
}

INSTANTIATE_TEST_SUITE_P(Targets, CliExportCheck,
                         ::testing::Values(TargetCase{"offline", "offline"},
                                           TargetCase{"scorm", "c.zip"},
                                           TargetCase{"aicc", "aicc"},
                                           TargetCase{"scenario", "r.rtf"}),
                         [](const auto& info) { return info.param.target; });

// A course without findings exports under --strict.
TEST(CliExportCheckSound, StrictExportOfASoundCourse) {
    CliSandbox box;
    ASSERT_EQ(box.Run({"new", "--template", "01_empty", "--lang", "EN", "c.vlmproject"}).code, 0);
    const CliRun check = box.Run({"check", "c.vlmproject"});
    ASSERT_EQ(check.code, 0) << check.out;
    const CliRun run = box.Run({"export", "offline", "c.vlmproject", "-o", "out", "--strict"});
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_TRUE(fs::is_regular_file(box.work / "out" / "index.html"));
}

} // namespace
} // namespace vlm::test
