#include "app/Log.h"

#include "app/VLMXConfig.h"

#include "common/Encoding.h"
#include "common/StringRoutines.h"

#include <cmath>
#include <cstdarg>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#ifndef VLM_PROJECT_VERSION
#error "VLM_PROJECT_VERSION must be defined by the build"
#endif

namespace vlm {

namespace fs = std::filesystem;

const char* LogLevelName(LogLevel level) {
    switch (level) {
    case LogLevel::Start:
        return "Start  ";
    case LogLevel::System:
        return "System ";
    case LogLevel::Begin:
        return "Begin  ";
    case LogLevel::End:
        return "End    ";
    case LogLevel::Info:
        return "Info   ";
    case LogLevel::Warning:
        return "Warning";
    case LogLevel::Error:
        return "Error  ";
    case LogLevel::Data:
        return "Data   ";
    case LogLevel::Action:
        return "Action ";
    }
    return "Info   ";
}

namespace {
// The project's version padded to four numbers: "4.0.0" -> "4.0.0.0".
std::string FourPartVersion(std::string v) {
    int dots = 0;
    for (char c : v)
        dots += c == '.';
    for (; dots < 3; ++dots)
        v += ".0";
    return v;
}

std::string Trim(const std::string& s) {
    const auto b = s.find_first_not_of(" \t");
    if (b == std::string::npos)
        return {};
    const auto e = s.find_last_not_of(" \t");
    return s.substr(b, e - b + 1);
}

} // namespace

TLogIdentity SystemLogIdentity(const fs::path& executable) {
    TLogIdentity id;
    char host[256] = {};
    if (gethostname(host, sizeof host - 1) == 0)
        id.ComputerName = host;
    if (const char* login = getlogin())
        id.UserName = login;
    else if (const char* user = std::getenv("USER"))
        id.UserName = user;
    id.ModulePath = executable;
    id.ModuleVersion = FourPartVersion(VLM_PROJECT_VERSION);
    return id;
}

std::string FormatElapsed(std::uint64_t milliseconds) {
    const auto seconds =
        static_cast<long long>(std::llround(static_cast<double>(milliseconds) / 1000.0));
    char buf[64];
    std::snprintf(buf, sizeof buf, "%2.2lld:%2.2lld:%2.2lld", seconds / 3600, seconds / 60 % 60,
                  seconds % 60);
    return buf;
}

std::string FormatLogTime(const DateTime& t) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour,
                  t.minute, t.second);
    return buf;
}

std::string FoldLineBreaks(std::string message) {
    for (const char* lineBreak : {"\n\r", "\r\n", "\n", "\r"})
        message = ReplaceEvery(message, lineBreak, " ");
    return message;
}

TLog::TLog(const Clock& clock, const TLogIdentity& identity, const fs::path& folder, bool disabled,
           bool keepInMemory, bool overwrite, const std::string& baseName)
    : clock_(clock), identity_(identity), keepInMemory_(keepInMemory) {
    if (disabled)
        return;
    std::string base = Trim(baseName);
    if (!base.empty())
        base += "_";
    const DateTime now = clock_.Now();
    char date[32];
    std::snprintf(date, sizeof date, "%04d-%02d-%02d", now.year, now.month, now.day);
    fileName_ = folder / PathFromCp1250(base + date + ".log");
    Open(overwrite);
}

TLog::~TLog() {
    Destroy(ExitCode);
}

void TLog::Open(bool overwrite) {
    const int fd = ::open(fileName_.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    // Another run writing the same file holds the lock: this one stays
    // silent, and its file is not truncated.
    const bool ok = fd >= 0 && flock(fd, LOCK_EX | LOCK_NB) == 0 &&
                    (!overwrite || ftruncate(fd, 0) == 0) && (file_ = fdopen(fd, "ab")) != nullptr;
    if (!ok) {
        if (fd >= 0)
            ::close(fd);
        fileName_.clear();
        return;
    }
    if (std::fseek(file_, 0, SEEK_END) == 0 && std::ftell(file_) > 0)
        std::fputs("\r\n", file_);
    Write("Process \"" + PathToCp1250(identity_.ModulePath) + "\" version \"" +
              identity_.ModuleVersion + "\" running on \"" + identity_.ComputerName + "\\" +
              identity_.UserName + "\"",
          LogLevel::Start);
}

void TLog::Write(const std::string& text, LogLevel level) {
    try {
        WriteLine(text, level);
    } catch (...) {
        // The log never stops the program, not even when memory runs out.
    }
}

void TLog::WriteLine(const std::string& text, LogLevel level) {
    std::string message = FoldLineBreaks(text);
    if (level == LogLevel::Begin) {
        timers_.push_back(clock_.TickCount());
    } else if (level == LogLevel::End && !timers_.empty()) {
        const std::uint64_t start = timers_.back();
        timers_.pop_back();
        const std::uint64_t now = clock_.TickCount();
        const std::string elapsed = FormatElapsed(now > start ? now - start : 0);
        message =
            message.empty() ? "Elapsed time: " + elapsed : message + " - Elapsed time: " + elapsed;
    }
    if (!file_ && !keepInMemory_)
        return;
    const DateTime now = clock_.Now();
    const std::string timeText = FormatLogTime(now);
    if (file_) {
        const std::string line =
            "[" + timeText + "][" + LogLevelName(level) + "] " + message + "\r\n";
        std::fwrite(line.data(), 1, line.size(), file_);
        std::fflush(file_);
    }
    if (keepInMemory_)
        entries_.push_back({level, now, timeText, message});
}

void TLog::WriteFormat(LogLevel level, const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    const int n = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string text;
    if (n > 0) {
        text.resize(static_cast<std::size_t>(n) + 1);
        std::vsnprintf(text.data(), text.size(), format, args);
        text.resize(static_cast<std::size_t>(n));
    }
    va_end(args);
    Write(text, level);
}

void TLog::Destroy(int exitCode) {
    if (destroyed_)
        return;
    destroyed_ = true;
    while (!timers_.empty())
        Write("Freeing internal timer leak", LogLevel::End);
    WriteFormat(LogLevel::System, "Process terminated with exit code %d", exitCode);
    Close();
}

void TLog::Close() {
    if (!file_)
        return;
    std::fflush(file_);
    std::fclose(file_);
    file_ = nullptr;
}

namespace {
TLog* gInstalledLog = nullptr;
} // namespace

TLog& ProgramLog() {
    static const SystemClock clock;
    static TLog disabled(clock, TLogIdentity{}, {}, true);
    return gInstalledLog ? *gInstalledLog : disabled;
}

void InstallProgramLog(TLog* log) {
    gInstalledLog = log;
}

std::unique_ptr<TLog> CreateProgramLog(const std::vector<std::string>& args,
                                       const fs::path& executable, const fs::path& folder,
                                       const Clock& clock) {
    const bool enabled = HasCommandLineSwitch(args, "LOG");
    return std::make_unique<TLog>(clock, SystemLogIdentity(executable), folder, !enabled, false,
                                  false, PathToCp1250(executable.stem()));
}

} // namespace vlm
