#pragma once
// One run of the command line: the program folder, config.ini and the
// language file read as the program reads them, the log, the run's working
// folder, and the ports the core is handed. Settings live in memory only:
// the command line never changes what the program remembers.

#include "CliOutput.h"
#include "CliProgress.h"
#include "CliPrompt.h"

#include "app/Log.h"
#include "app/MemorySettingsStore.h"
#include "app/VLMVars.h"
#include "common/SystemPorts.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace vlm::cli {

struct TCommonOptions {
    std::string programDir; // empty: found as the program finds it
    std::string language;   // --lang; empty: the environment's, else the configured one
    bool yes = false;
    bool no = false;
    bool quiet = false;
    bool log = false;
};

class TCliSession {
public:
    TCliSession(const TCommonOptions& options, const std::string& argv0);
    ~TCliSession();
    TCliSession(const TCliSession&) = delete;
    TCliSession& operator=(const TCliSession&) = delete;

    // With the configuration and the run's language already read
    // (SelectRunLanguage, which found `dir`): opens the log and makes the
    // run's working folder; false when the run cannot go on (told why).
    bool Start(const std::filesystem::path& dir);
    // Runs a command: the core's silent cancellation and its errors become
    // the exit code.
    int Run(const std::function<int()>& command);

    TCliOutput output;
    TCliPrompt prompt;
    std::unique_ptr<TCliProgress> progress;
    SystemClock clock;
    SystemRandom random;
    SystemGuidSource guids;
    MemorySettingsStore settings;
    std::filesystem::path executable;
    std::filesystem::path programDir;
    TProgramPaths paths;
    EnvLookup env;
    // The web engine and its view, made on first use (see RenderCommand).
    std::shared_ptr<void> renderer;

private:
    TCommonOptions options_;
    std::unique_ptr<TLog> log_;
    bool started_ = false;
};

// Text of the command line (UTF-8) as the course keeps it (cp1250). A
// character cp1250 cannot hold becomes "?", and a warning names the text,
// what it became and the characters lost.
std::string CourseText(const TCliOutput& output, const std::string& utf8);

// A language text, or the English fallback when the language file lacks
// the key; "%s" is replaced by the argument.
std::string CliText(const std::string& key, const std::string& fallback,
                    const std::string& argument = {});

} // namespace vlm::cli
