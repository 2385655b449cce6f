// Page pictures drawn by the program's own renderer, as a user asks for them.

#include "CliTestSupport.h"

#include <QImage>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace vlm::test {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

bool Bluish(QRgb c) {
    return qBlue(c) > qRed(c) + 40 && qBlue(c) > 120;
}
bool White(QRgb c) {
    return qRed(c) > 245 && qGreen(c) > 245 && qBlue(c) > 245;
}

using CliRender = ShortCourseTest;

// The title page of the bundled short course: its blue banner across the
// top, its blue button at 40,400 (200 by 44) and white page between.
TEST_F(CliRender, APageAndOneOfItsElements) {
    const CliRun page = box.Run({"render", "c.vlmproject", "--item", "2", "-o", "page.png"});
    ASSERT_EQ(page.code, 0) << page.err;
    QImage picture(QString::fromStdString((box.work / "page.png").string()));
    ASSERT_EQ(picture.size(), QSize(800, 600));
    EXPECT_TRUE(Bluish(picture.pixel(100, 100)));
    EXPECT_TRUE(Bluish(picture.pixel(50, 405)));
    EXPECT_TRUE(White(picture.pixel(400, 550)));
    EXPECT_TRUE(White(picture.pixel(600, 380)));

    const CliRun element = box.Run({"render", "c.vlmproject", "--item", "2", "--element", "image1",
                                    "-o", "banner.png", "--size", "400,100"});
    ASSERT_EQ(element.code, 0) << element.err;
    QImage banner(QString::fromStdString((box.work / "banner.png").string()));
    ASSERT_EQ(banner.size(), QSize(400, 100));
    EXPECT_TRUE(Bluish(banner.pixel(20, 50)));
}

// The scenario report carries a picture of every designed page.
TEST_F(CliRender, TheScenarioReportShowsEveryPage) {
    fs::create_directories(box.work / "report");
    const CliRun run = box.Run({"export", "scenario", "c.vlmproject", "-o", "report/r.rtf"});
    ASSERT_EQ(run.code, 0) << run.err;
    const std::string rtf = ReadAll(box.work / "report" / "r.rtf");
    for (int n = 1; n <= 5; ++n) {
        const fs::path shot = box.work / "report" / "images" / (std::to_string(n) + ".jpg");
        QImage picture(QString::fromStdString(shot.string()));
        EXPECT_EQ(picture.size(), QSize(800, 600)) << shot;
        EXPECT_NE(rtf.find("INCLUDEPICTURE \"images/" + std::to_string(n) + ".jpg\""),
                  std::string::npos);
    }
    QImage title(QString::fromStdString((box.work / "report" / "images" / "1.jpg").string()));
    EXPECT_TRUE(Bluish(title.pixel(100, 100)));
}

TEST_F(CliRender, BadRequestsAreRefused) {
    struct Case {
        std::vector<std::string> args;
        std::string key;
        std::string argument;
    };
    const std::vector<Case> cases = {
        {{"--item", "99"}, "CLI_RENDER_NO_ITEM", "99"},
        {{"--item", "1"}, "CLI_RENDER_NO_PAGE", "1"},
        {{"--item", "2", "--element", "nothing"}, "CLI_RENDER_NO_ELEMENT", "nothing"},
        {{"--item", "2", "--size", "0,10"}, "CLI_RENDER_BAD_SIZE", "0,10"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = {"render", "c.vlmproject", "-o", "x.png"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const CliRun run = box.Run(args);
        EXPECT_EQ(run.code, 1) << c.key;
        EXPECT_THAT(run.err, HasSubstr(EnglishText(c.key, c.argument))) << run.err;
        EXPECT_FALSE(fs::exists(box.work / "x.png"));
    }
}

} // namespace
} // namespace vlm::test
