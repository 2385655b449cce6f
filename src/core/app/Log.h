#pragma once
// The diagnostic log: one line per entry, "[time][level] message", flushed
// at once; Begin/End pairs measure how long an operation took. The log never
// fails the program: when its file cannot be opened it is off.

#include "common/SystemPorts.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace vlm {

enum class LogLevel { Start, System, Begin, End, Info, Warning, Error, Data, Action };

// The seven-character name written into each line.
const char* LogLevelName(LogLevel level);

// Who writes the log, for its header line.
struct TLogIdentity {
    std::string ComputerName;
    std::string UserName;
    std::filesystem::path ModulePath; // the program file
    std::string ModuleVersion;        // "major.minor.release.build"
};

// The identity of this process: host name, login name, the executable and
// the project's version.
TLogIdentity SystemLogIdentity(const std::filesystem::path& executable);

struct TLogEntry {
    LogLevel level;
    DateTime time;
    std::string timeText; // "yyyy-mm-dd hh:mm:ss"
    std::string message;
};

class TLog {
public:
    // Disabled: never opens a file. Otherwise the file is folder / (trimmed
    // cp1250 baseName + "_" when not empty) + "yyyy-mm-dd.log"; overwrite starts it
    // empty, else a run is appended after one empty line.
    TLog(const Clock& clock, const TLogIdentity& identity, const std::filesystem::path& folder,
         bool disabled, bool keepInMemory = false, bool overwrite = false,
         const std::string& baseName = {});
    ~TLog();
    TLog(const TLog&) = delete;
    TLog& operator=(const TLog&) = delete;

    void Write(const std::string& message, LogLevel level = LogLevel::Info);
    void WriteFormat(LogLevel level, const char* format, ...) __attribute__((format(printf, 3, 4)));

    // Closes unmatched timers, writes the termination line and closes the
    // file; runs once (the destructor calls it with ExitCode).
    void Destroy(int exitCode);

    const std::filesystem::path& FileName() const { return fileName_; }
    bool Enabled() const { return file_ != nullptr; }
    const std::vector<TLogEntry>& Entries() const { return entries_; }
    const TLogIdentity& Identity() const { return identity_; }

    int ExitCode = 0;

private:
    void Open(bool overwrite);
    void WriteLine(const std::string& text, LogLevel level);
    void Close();

    const Clock& clock_;
    TLogIdentity identity_;
    std::filesystem::path fileName_;
    std::FILE* file_ = nullptr;
    bool keepInMemory_;
    bool destroyed_ = false;
    std::vector<std::uint64_t> timers_;
    std::vector<TLogEntry> entries_;
};

// "%2.2d:%2.2d:%2.2d" of the elapsed milliseconds rounded to whole seconds.
std::string FormatElapsed(std::uint64_t milliseconds);
// "yyyy-mm-dd hh:mm:ss".
std::string FormatLogTime(const DateTime& time);
// Every line break becomes one space: LF CR, then CR LF, then LF, then CR.
std::string FoldLineBreaks(std::string message);

// The process's log: the one installed by the program, or a disabled log
// when none is installed (tests, tools).
TLog& ProgramLog();
void InstallProgramLog(TLog* log);

// The program's log: enabled when an argument is "LOG" (any case), written
// into `folder`, named after the executable.
std::unique_ptr<TLog> CreateProgramLog(const std::vector<std::string>& args,
                                       const std::filesystem::path& executable,
                                       const std::filesystem::path& folder, const Clock& clock);

} // namespace vlm
