// The command line speaks one language per run: --lang, else the
// environment's, else the configured one; its messages and its help come
// from the language file. And what a newcomer meets first: --version, a
// folder made for a new course, a summary from a clean check, the names
// --design and --profile accept.

#include "CliTestSupport.h"

#include "app/IniLang.h"
#include "common/Encoding.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace vlm::test {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using ::testing::Not;

// A key's text in a language (UTF-8), "%s" replaced.
std::string TextIn(const std::string& section, const std::string& key, int index,
                   const std::string& argument = {}) {
    TLanguage lang;
    lang.file = LoadLanguageFile(fs::path(VLM_DATA_DIR) / "configuration" / "lang" / "lang.lang");
    lang.languageIndex = index;
    std::string text = lang.SectionText(section, key);
    if (const std::size_t at = text.find("%s"); at != std::string::npos)
        text.replace(at, 2, argument);
    return Cp1250ToUtf8(text);
}

struct LanguageRun {
    std::string label;
    std::string configured;            // config.ini
    std::map<std::string, std::string> env;
    std::vector<std::string> options;  // before the command
    int expected;                      // language index of the run
};

class CliRunLanguage : public ::testing::TestWithParam<LanguageRun> {};

// A new course from that language's templates, and check's summary in it.
TEST_P(CliRunLanguage, MessagesAndTemplatesFollowTheRunLanguage) {
    const LanguageRun& c = GetParam();
    CliSandbox box(c.configured);
    box.env = c.env;
    std::vector<std::string> made = c.options;
    for (const char* arg : {"new", "--template", "01_empty", "c.vlmproject"})
        made.push_back(arg);
    const CliRun run = box.Run(made);
    ASSERT_EQ(run.code, 0) << run.err;
    static const char* const kTitles[] = {"Nowy kurs", "New course", "Neuer Kurs",
                                          "Nouveau cours"};
    EXPECT_THAT(ReadAll(box.work / "c.vlmproject"), HasSubstr(kTitles[c.expected]));

    std::vector<std::string> check = c.options;
    for (const char* arg : {"check", "c.vlmproject"})
        check.push_back(arg);
    const CliRun checked = box.Run(check);
    EXPECT_EQ(checked.code, 0) << checked.out;
    EXPECT_EQ(checked.out,
              TextIn("Misc", "CLI_CHECK_OK", c.expected, (box.work / "c.vlmproject").string()) +
                  "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Sources, CliRunLanguage,
    ::testing::Values(
        LanguageRun{"Configured", "EN", {}, {}, 1},
        LanguageRun{"ConfiguredPolish", "PL", {{"LANG", "C.UTF-8"}}, {}, 0},
        LanguageRun{"Environment", "EN", {{"LANG", "de_DE.UTF-8"}}, {}, 2},
        LanguageRun{"EnvironmentLcAllFirst", "EN", {{"LANG", "de_DE.UTF-8"}, {"LC_ALL", "fr_FR"}},
                    {}, 3},
        LanguageRun{"EnvironmentUnknownLanguage", "PL", {{"LANG", "ja_JP.UTF-8"}}, {}, 0},
        LanguageRun{"OptionBeatsEnvironment", "EN", {{"LANG", "de_DE.UTF-8"}}, {"--lang", "FR"}, 3},
        LanguageRun{"OptionInLowerCase", "PL", {}, {"--lang", "en"}, 1}),
    [](const auto& info) { return info.param.label; });

TEST(CliLanguage, UnknownLanguageIsBadUsage) {
    CliSandbox box;
    const CliRun run = box.Run({"--lang", "XX", "list", "designs"});
    EXPECT_EQ(run.code, 2);
}

// The help in the run's language, from the language file.
TEST(CliLanguage, HelpSpeaksTheRunLanguage) {
    CliSandbox box("EN");
    const CliRun german = box.Run({"--lang", "DE", "--help"});
    EXPECT_EQ(german.code, 0);
    EXPECT_THAT(german.out, HasSubstr(TextIn("vellumar-cli", "label.Usage", 2) + ":"));
    EXPECT_THAT(german.out, HasSubstr(TextIn("vellumar-cli", "new", 2)));
    EXPECT_THAT(german.out, HasSubstr(TextIn("vellumar-cli", "--yes", 2)));
    EXPECT_THAT(german.out, HasSubstr(TextIn("vellumar-cli", "label.Options", 2) + ":"));
    EXPECT_THAT(german.out, Not(HasSubstr("Create a course from a course template")));
    const CliRun polish = box.Run({"--lang", "PL", "export", "scorm", "--help"});
    EXPECT_EQ(polish.code, 0);
    EXPECT_THAT(polish.out, HasSubstr(TextIn("vellumar-cli", "export.scorm.--cmi-adapter", 0)));
    EXPECT_THAT(polish.out, HasSubstr(TextIn("vellumar-cli", "FILE", 0)));
}

TEST(CliNewcomer, Version) {
    CliSandbox box;
    const CliRun run = box.Run({"--version"});
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(run.out, "vellumar-cli " VLM_PROJECT_VERSION "\n");
}

TEST(CliNewcomer, NewMakesTheFolderOfTheCourse) {
    CliSandbox box;
    const CliRun run =
        box.Run({"new", "--template", "01_empty", "--lang", "EN", "courses/2024/c.vlmproject"});
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_TRUE(fs::is_regular_file(box.work / "courses" / "2024" / "c.vlmproject"));
    EXPECT_TRUE(fs::is_directory(box.work / "courses" / "2024" / "c"));
}

// The names --design and --profile accept: in the exports' help and by `list`.
TEST(CliNewcomer, DesignsAndProfilesAreListed) {
    CliSandbox box("EN");
    const CliRun designs = box.Run({"list", "designs"});
    EXPECT_EQ(designs.code, 0);
    const std::string names = "Orvanta - kontrast\nOrvanta - standard\nOrvanta - zielony\n";
    EXPECT_EQ(designs.out, names);
    for (const char* target : {"offline", "aicc"}) {
        const CliRun help = box.Run({"export", target, "--help"});
        EXPECT_EQ(help.code, 0);
        EXPECT_THAT(help.out, HasSubstr(EnglishText("CLI_LIST_DESIGNS") +
                                        "\n  Orvanta - kontrast\n  Orvanta - standard\n"))
            << target;
    }
    const CliRun profiles = box.Run({"list", "profiles"});
    EXPECT_EQ(profiles.code, 0);
    EXPECT_THAT(profiles.out, HasSubstr("Full storyboard with screenshots \xE2\x80\x93 English\n"));
    const CliRun help = box.Run({"export", "scenario", "--help"});
    EXPECT_THAT(help.out, HasSubstr(EnglishText("CLI_LIST_PROFILES")));
    EXPECT_THAT(help.out, HasSubstr("  Full storyboard with screenshots \xE2\x80\x93 English\n"));
    // Every listed profile is a name --profile takes.
    ASSERT_EQ(box.Run({"new", "--template", "01_empty", "c.vlmproject"}).code, 0);
    const std::string first = profiles.out.substr(0, profiles.out.find('\n'));
    EXPECT_EQ(box.Run({"export", "scenario", "c.vlmproject", "-o", "r.rtf", "--profile", first})
                  .code,
              0);
}

} // namespace
} // namespace vlm::test
