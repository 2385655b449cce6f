#include "app/AppStartup.h"

#include "fakes/Fakes.h"
#include "fakes/TempFolder.h"

#include <gtest/gtest.h>

using namespace vlm;
using vlm::test::FakeUserPrompt;
using vlm::test::FixedClock;
using vlm::test::FixedRandom;
using vlm::test::TempFolder;
using vlm::test::WriteText;
namespace fs = std::filesystem;

namespace {
EnvLookup NoEnv() {
    return [](const std::string&) { return std::optional<std::string>{}; };
}
} // namespace

TEST(AppStartup, RunTempDirTakesRandomDigitsWhileNameIsTaken) {
    TempFolder tmp;
    FixedRandom random;
    FakeUserPrompt prompt;
    TLanguage lang;
    // Trailing separator of the system folder is dropped.
    const auto first = CreateRunTempDir(tmp.path() / "", random, prompt, lang);
    ASSERT_TRUE(first);
    EXPECT_EQ(*first, tmp.path() / "vlm");
    random.values = {3};
    EXPECT_EQ(CreateRunTempDir(tmp.path(), random, prompt, lang), tmp.path() / "vlm3");
    random.values = {3, 5};
    EXPECT_EQ(CreateRunTempDir(tmp.path(), random, prompt, lang), tmp.path() / "vlm35");
    EXPECT_TRUE(prompt.calls.empty());
}

TEST(AppStartup, RunTempDirFailureIsReported) {
    TempFolder tmp;
    WriteText(tmp.path() / "file", "x"); // a file where the base folder should be
    FixedRandom random;
    FakeUserPrompt prompt;
    TLanguage lang;
    lang.file = TIniFile::FromText("[Misc]\r\nMESSAGE_CANT_CREATE_TEMP_DIR=Brak#|#No temp\r\n");
    lang.languageIndex = 1;
    FixedClock clock;
    TLog log(clock, {}, {}, true, true);
    EXPECT_FALSE(
        InitMainWindowCore(tmp.path(), NoEnv(), tmp.path() / "file", random, prompt, lang, log));
    ASSERT_EQ(prompt.calls.size(), 1u);
    EXPECT_EQ(prompt.calls[0].kind, "MessageBox");
    EXPECT_EQ(prompt.calls[0].text, "No temp");
    EXPECT_EQ(prompt.calls[0].type, DialogType::Error);
    EXPECT_EQ(prompt.calls[0].buttons, kButtonsOK);
}

TEST(AppStartup, StartLoadsConfigurationAndLanguageThenEndsCleanly) {
    TempFolder home;
    const fs::path data = home.path() / "data";
    WriteText(data / "configuration" / "definition.xml", "<x/>");
    WriteText(data / "configuration" / "config.ini",
              "[language]\r\nfile=english.lang\r\nlang=EN\r\n");
    WriteText(data / "configuration" / "lang" / "english.lang", "[Misc]\r\nLANG_CODE=pl#|#en\r\n");
    const fs::path exe = data / "bin" / "vellumar";
    TVLMXConfig config;
    TLanguage lang;
    EXPECT_EQ(StartProgramCore(exe, NoEnv(), config, lang), data);
    EXPECT_EQ(config.LanguageIndex, 1);
    EXPECT_EQ(lang.LangText("LANG_CODE"), "en");

    FixedRandom random;
    FakeUserPrompt prompt;
    FixedClock clock;
    TLog log(clock, {}, {}, true, true);
    const auto paths =
        InitMainWindowCore(data, NoEnv(), home.path() / "tmp", random, prompt, lang, log);
    ASSERT_EQ(log.Entries().size(), 1u);
    EXPECT_EQ(log.Entries()[0].level, LogLevel::Begin);
    EXPECT_EQ(log.Entries()[0].message, "Main form");
    ASSERT_TRUE(paths);
    EXPECT_EQ(paths->RunTempDir, home.path() / "tmp" / "vlm");
    WriteText(paths->RunTempDir / "sub" / "page.html", "x");
    RemoveRunTempDir(*paths);
    EXPECT_FALSE(fs::exists(paths->RunTempDir));

    EXPECT_TRUE(FinishProgramCore(config, data));
    EXPECT_NE(vlm::test::ReadText(data / "configuration" / "config.ini").find("file=lang.lang"),
              std::string::npos);
}

TEST(AppStartup, MissingLanguageFileLeavesEveryTextEmpty) {
    TVLMXConfig config;
    config.LanguageFile = "/nonexistent/lang.lang";
    TLanguage lang;
    lang.file = TIniFile::FromText("[Misc]\r\nX=y\r\n");
    LoadStartupLanguage(config, lang);
    EXPECT_FALSE(lang.file);
    EXPECT_EQ(lang.LangText("X"), "");
}

TEST(AppStartup, MainKeyAndLanguageValue) {
    vlm::MemorySettingsStore store;
    EnsureMainRegKey(store);
    EXPECT_TRUE(store.KeyExists("Software\\Orvanta\\Vellumar 4\\4.0\\Main"));
    TVLMXConfig config;
    config.LanguageFile = "/usr/share/vellumar/configuration/lang/lang.lang";
    WriteLanguageValue(store, config);
    EXPECT_EQ(store.Read(kMainRegKey, "Language"),
              SettingValue{std::string("/usr/share/vellumar/configuration/lang/lang.lang")});
}

TEST(AppStartup, CommandLineArgsKeepTheProgramPath) {
    const char* argv[] = {"/usr/bin/vellumar", "LOG", nullptr};
    EXPECT_EQ(CommandLineArgs(2, argv), (std::vector<std::string>{"/usr/bin/vellumar", "LOG"}));
    EXPECT_TRUE(HasCommandLineSwitch(CommandLineArgs(2, argv), "log"));
}

TEST(AppStartup, ExecutablePathIsThisProgram) {
    const auto exe = ExecutablePath("ignored");
    EXPECT_TRUE(exe.is_absolute());
    EXPECT_EQ(exe.filename(), "test_app");
}
