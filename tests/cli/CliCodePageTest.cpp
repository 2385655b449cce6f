// Text and file names the course's code page (cp1250) cannot hold: the
// command line says what it could not keep, and resource files are renamed
// as an import names them instead of being registered under broken names.

#include "CliTestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>

namespace vlm::test {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using ::testing::Not;

const std::string kWarning = EnglishText("CLI_TEXT_NOT_KEPT", "");

struct TitleCase {
    std::string label;
    std::string title;  // UTF-8, as typed
    std::string stored; // UTF-8 of what the project file holds
    std::string lost;   // the characters the warning names; empty: no warning
};

class CliCodePageTitle : public ::testing::TestWithParam<TitleCase> {};

TEST_P(CliCodePageTitle, NewSaysWhatTheTitleLost) {
    const TitleCase& c = GetParam();
    CliSandbox box;
    const CliRun run = box.Run({"new", "--template", "01_empty", "--lang", "EN", "--title",
                                c.title, "c.vlmproject"});
    ASSERT_EQ(run.code, 0) << run.err;
    const CliRun info = box.Run({"info", "c.vlmproject"});
    EXPECT_THAT(info.out, HasSubstr(c.stored));
    if (c.lost.empty()) {
        EXPECT_THAT(run.err, Not(HasSubstr(kWarning)));
        return;
    }
    EXPECT_THAT(run.err, HasSubstr(kWarning + c.lost));
    EXPECT_THAT(run.err, HasSubstr("\"" + c.title + "\" -> \"" + c.stored + "\""));
}

INSTANTIATE_TEST_SUITE_P(
    Titles, CliCodePageTitle,
    ::testing::Values(
        TitleCase{"French", "Cours \xC3\xA0 la carte", "Cours ? la carte", "\xC3\xA0"},
        TitleCase{"FrenchAndJapanese", "Cours \xC3\xA0 \xE2\x80\xA6 \xE6\x97\xA5\xE6\x9C\xAC",
                  "Cours ? \xE2\x80\xA6 ??", "\xC3\xA0 \xE6\x97\xA5 \xE6\x9C\xAC"},
        TitleCase{"PolishIsKept", "Zaj\xC4\x99\xC5\x9B\x63ie \xE2\x80\x9E\xC5\x81\xC3\xB3\x64\xC5\xBA\xE2\x80\x9D",
                  "Zaj\xC4\x99\xC5\x9B\x63ie \xE2\x80\x9E\xC5\x81\xC3\xB3\x64\xC5\xBA\xE2\x80\x9D", ""}),
    [](const auto& info) { return info.param.label; });

TEST(CliCodePage, ExportOptionsSayWhatTheyLost) {
    CliSandbox box;
    ASSERT_EQ(box.Run({"new", "--template", "01_empty", "--lang", "EN", "c.vlmproject"}).code, 0);
    const CliRun run = box.Run({"export", "aicc", "c.vlmproject", "-o", "aicc", "--url",
                                "http://lms.example/\xE6\x97\xA5/"});
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_THAT(run.err, HasSubstr(kWarning + "\xE6\x97\xA5"));
}

// Resource files whose names cp1250 cannot hold are renamed when the course
// is opened (and said so); the register names files that exist.
TEST(CliCodePage, ResourceFilesGetNamesTheCourseCanKeep) {
    CliSandbox box;
    ASSERT_EQ(box.Run({"new", "--template", "01_empty", "--lang", "EN", "c.vlmproject"}).code, 0);
    const fs::path resources = box.work / "c" / "resources";
    fs::create_directories(resources);
    const struct {
        std::string from, to; // UTF-8 names on disk
    } files[] = {
        {"\xE6\x97\xA5\xE6\x9C\xAC.png", "__.png"},      // Japanese: no plain letters
        {"\xC3\xA0 la carte.png", "a_la_carte.png"},    // "à" is plain "a"
        {"na\xC3\xAFve.png", "naive.png"},             // "ï"
        {"\xC5\x81\xC3\xB3\x64\xC5\xBA.png", ""},       // "Łódź": cp1250 holds it, kept
    };
    for (const auto& f : files)
        std::ofstream(resources / f.from, std::ios::binary) << f.from;
    std::ofstream(resources / "__.png", std::ios::binary) << "taken"; // the first name is taken

    const CliRun open = box.Run({"open", "c.vlmproject"});
    ASSERT_EQ(open.code, 0) << open.err;
    const std::string registry = ReadAll(box.work / "c" / "resources.xml");
    EXPECT_THAT(registry, Not(HasSubstr("?")));
    for (const auto& f : files) {
        const std::string to = f.to == "__.png" ? "__1.png" : f.to;
        if (to.empty()) {
            EXPECT_TRUE(fs::exists(resources / f.from)) << f.from;
            EXPECT_THAT(open.err, Not(HasSubstr(f.from)));
            continue;
        }
        EXPECT_FALSE(fs::exists(resources / f.from)) << f.from;
        EXPECT_EQ(ReadAll(resources / to), f.from) << to;
        EXPECT_THAT(registry, HasSubstr("fileName=\"" + to + "\"")) << to;
        EXPECT_THAT(open.err, HasSubstr(EnglishText("CLI_RESOURCE_RENAMED").substr(0, 30)));
        EXPECT_THAT(open.err, HasSubstr("\"" + f.from + "\"")) << f.from;
        EXPECT_THAT(open.err, HasSubstr("\"" + to + "\"")) << to;
    }
    // Opened again, nothing is left to rename.
    const CliRun again = box.Run({"open", "c.vlmproject"});
    EXPECT_THAT(again.err, Not(HasSubstr(EnglishText("CLI_RESOURCE_RENAMED").substr(0, 30))));
}

} // namespace
} // namespace vlm::test
