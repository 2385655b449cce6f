#include "app/Log.h"

#include "fakes/Fakes.h"
#include "fakes/TempFolder.h"

#include <gtest/gtest.h>

using namespace vlm;
using vlm::test::FixedClock;
using vlm::test::ReadText;
using vlm::test::TempFolder;
namespace fs = std::filesystem;

namespace {
const TLogIdentity kId{"HOST", "anna", "/opt/vellumar/bin/vellumar", "4.0.0.0"};
const std::string kHeader = "[2024-05-17 10:30:15][Start  ] Process \"/opt/vellumar/bin/vellumar\" "
                            "version \"4.0.0.0\" running on \"HOST\\anna\"\r\n";
std::string Line(const char* level, const std::string& message) {
    return "[2024-05-17 10:30:15][" + std::string(level) + "] " + message + "\r\n";
}
} // namespace

TEST(Log, LevelNamesHaveSevenCharacters) {
    const std::pair<LogLevel, const char*> names[] = {
        {LogLevel::Start, "Start  "}, {LogLevel::System, "System "}, {LogLevel::Begin, "Begin  "},
        {LogLevel::End, "End    "},   {LogLevel::Info, "Info   "},   {LogLevel::Warning, "Warning"},
        {LogLevel::Error, "Error  "}, {LogLevel::Data, "Data   "},   {LogLevel::Action, "Action "},
    };
    for (const auto& [level, name] : names)
        EXPECT_STREQ(LogLevelName(level), name);
}

TEST(Log, ElapsedAndFolding) {
    const std::pair<std::uint64_t, const char*> elapsed[] = {
        {0, "00:00:00"},       {499, "00:00:00"},      {500, "00:00:01"},
        {3700400, "01:01:40"}, {86399600, "24:00:00"}, {360000000, "100:00:00"},
    };
    for (const auto& [ms, text] : elapsed)
        EXPECT_EQ(FormatElapsed(ms), text) << ms;
    const std::pair<const char*, const char*> folds[] = {
        {"a\r\nb", "a b"},    {"a\n\rb", "a b"},    {"a\nb\rc", "a b c"}, {"a\n\r\nb", "a  b"},
        {"a\r\n\rb", "a  b"}, {"a\r\r\nb", "a  b"}, {"plain", "plain"},   {"\r\n", " "},
    };
    for (const auto& [in, out] : folds)
        EXPECT_EQ(FoldLineBreaks(in), out) << in;
}

TEST(Log, DisabledCreatesNoFile) {
    TempFolder dir;
    FixedClock clock;
    {
        TLog log(clock, kId, dir.path(), true, false, false, "vellumar");
        log.Write("x");
        EXPECT_FALSE(log.Enabled());
        EXPECT_TRUE(log.FileName().empty());
    }
    EXPECT_TRUE(fs::is_empty(dir.path()));
}

TEST(Log, RunsAreAppendedByteExact) {
    TempFolder dir;
    FixedClock clock;
    const fs::path file = dir.path() / "vellumar_2024-05-17.log";
    {
        TLog log(clock, kId, dir.path(), false, false, false, "  vellumar ");
        EXPECT_EQ(log.FileName(), file);
        log.Write("Main form", LogLevel::Begin);
        log.Write("two\r\nlines", LogLevel::Warning);
        clock.ticks += 3700400;
        log.Write("Main form", LogLevel::End);
        log.Write("", LogLevel::End); // no timer left: nothing added
        log.ExitCode = 3;
    }
    const std::string run1 = kHeader + Line("Begin  ", "Main form") + Line("Warning", "two lines") +
                             Line("End    ", "Main form - Elapsed time: 01:01:40") +
                             Line("End    ", "") +
                             Line("System ", "Process terminated with exit code 3");
    EXPECT_EQ(ReadText(file), run1);
    {
        TLog log(clock, kId, dir.path(), false, false, false, "vellumar");
        log.Write("", LogLevel::Begin);
        clock.ticks += 1500;
        log.Write("", LogLevel::End);
        log.Write("Load", LogLevel::Begin);
        clock.ticks += 2000;
        log.WriteFormat(LogLevel::Info, "Dodanie komponentu do kolekcji (%s)", "Text");
    }
    EXPECT_EQ(ReadText(file),
              run1 + "\r\n" + kHeader + Line("Begin  ", "") +
                  Line("End    ", "Elapsed time: 00:00:02") + Line("Begin  ", "Load") +
                  Line("Info   ", "Dodanie komponentu do kolekcji (Text)") +
                  Line("End    ", "Freeing internal timer leak - Elapsed time: 00:00:02") +
                  Line("System ", "Process terminated with exit code 0"));
    {
        TLog log(clock, kId, dir.path(), false, false, true, "vellumar"); // overwrite
    }
    EXPECT_EQ(ReadText(file), kHeader + Line("System ", "Process terminated with exit code 0"));
}

TEST(Log, LinesAreOnDiskAtOnce) {
    TempFolder dir;
    FixedClock clock;
    TLog log(clock, kId, dir.path(), false, false, false, "");
    EXPECT_EQ(log.FileName(), dir.path() / "2024-05-17.log");
    log.Write("now", LogLevel::Action);
    EXPECT_EQ(ReadText(log.FileName()), kHeader + Line("Action ", "now"));
}

TEST(Log, FailuresSwitchLoggingOff) {
    TempFolder dir;
    FixedClock clock;
    TLog missing(clock, kId, dir.path() / "no" / "such", false, true);
    EXPECT_FALSE(missing.Enabled());
    EXPECT_TRUE(missing.FileName().empty());
    missing.Write("still kept in memory");
    ASSERT_EQ(missing.Entries().size(), 1u);

    // A second run writing the same file at the same time stays silent.
    TLog first(clock, kId, dir.path(), false, false, false, "v");
    TLog second(clock, kId, dir.path(), false, false, true, "v"); // would overwrite
    EXPECT_TRUE(first.Enabled());
    EXPECT_FALSE(second.Enabled());
    first.Write("kept");
    EXPECT_EQ(ReadText(first.FileName()), kHeader + Line("Info   ", "kept"));
}

TEST(Log, KeepInMemory) {
    FixedClock clock;
    TLog log(clock, kId, {}, true, true);
    log.Write("a\nb", LogLevel::Data);
    ASSERT_EQ(log.Entries().size(), 1u);
    EXPECT_EQ(log.Entries()[0].level, LogLevel::Data);
    EXPECT_EQ(log.Entries()[0].timeText, "2024-05-17 10:30:15");
    EXPECT_EQ(log.Entries()[0].message, "a b");
    EXPECT_EQ(log.Entries()[0].time.minute, 30);
}

TEST(Log, ProgramLogFollowsTheLogSwitch) {
    TempFolder dir;
    FixedClock clock;
    const fs::path exe = dir.path() / "vellumar";
    EXPECT_FALSE(CreateProgramLog({exe.string()}, exe, dir.path(), clock)->Enabled());
    EXPECT_FALSE(CreateProgramLog({exe.string(), "-log"}, exe, dir.path(), clock)->Enabled());
    EXPECT_TRUE(fs::is_empty(dir.path()));

    auto log = CreateProgramLog({exe.string(), "log"}, exe, dir.path(), clock);
    ASSERT_TRUE(log->Enabled());
    EXPECT_EQ(log->FileName(), dir.path() / "vellumar_2024-05-17.log");
    EXPECT_EQ(log->Identity().ModuleVersion, "4.0.0.0");
    EXPECT_EQ(log->Identity().ModulePath, exe);
    EXPECT_FALSE(log->Identity().ComputerName.empty());
    EXPECT_EQ(ReadText(log->FileName()).rfind("[2024-05-17 10:30:15][Start  ] Process \"", 0), 0u);

    EXPECT_FALSE(ProgramLog().Enabled());
    InstallProgramLog(log.get());
    ProgramLog().Write("through the program's log");
    InstallProgramLog(nullptr);
    EXPECT_NE(ReadText(log->FileName()).find("through the program's log"), std::string::npos);
}
