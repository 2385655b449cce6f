#include "CliSession.h"

#include "CliLanguage.h"

#include "app/AppStartup.h"
#include "app/ApplyLanguage.h"
#include "app/IniLang.h"
#include "app/VLMXConfig.h"
#include "common/Encoding.h"

#include <unistd.h>

namespace vlm::cli {

namespace fs = std::filesystem;

std::string CliText(const std::string& key, const std::string& fallback,
                    const std::string& argument) {
    std::string text = LangText(key);
    if (text.empty())
        text = fallback;
    const std::size_t at = text.find("%s");
    if (at != std::string::npos)
        text.replace(at, 2, argument);
    return text;
}

TCliSession::TCliSession(const TCommonOptions& options, const std::string& argv0)
    : prompt(output,
             options.yes  ? TAnswer::Yes
             : options.no ? TAnswer::No
                          : TAnswer::None,
             isatty(fileno(stdin)) != 0 && isatty(fileno(stderr)) != 0),
      executable(ExecutablePath(argv0)), options_(options) {
    output.quiet = options.quiet;
    const EnvLookup system = SystemEnvironment();
    const std::string dir = options.programDir;
    env = [system, dir](const std::string& name) -> std::optional<std::string> {
        if (name == "VELLUMAR_HOME" && !dir.empty())
            return fs::absolute(dir).string();
        return system(name);
    };
}

TCliSession::~TCliSession() {
    if (started_)
        RemoveRunTempDir(paths);
    if (log_) {
        InstallProgramLog(nullptr);
        log_->Destroy(log_->ExitCode);
    }
}

bool TCliSession::Start() {
    TLanguage& lang = CurrentLanguage();
    programDir = SelectRunLanguage(options_.programDir, options_.language,
                                   executable.string(), SystemEnvironment());
    progress = std::make_unique<TCliProgress>(
        stderr, isatty(fileno(stderr)) != 0, options_.quiet,
        lang.SectionText("ProgressForm", "ProgressForm.Caption", "Progress"));

    std::error_code ec;
    if (!fs::is_regular_file(programDir / "configuration" / "definition.xml", ec)) {
        output.Important(
            CliText("ERROR_CONFIG_FILE_NOT_FOUND",
                    "The class definition file configuration\\definition.xml is missing. Folder:") +
            " " + PathToCp1250(programDir));
        return false;
    }

    // The log goes beside the program file, named after it, as the program's does.
    log_ = std::make_unique<TLog>(clock, SystemLogIdentity(executable), executable.parent_path(),
                                  !options_.log, false, false, PathToCp1250(executable.stem()));
    InstallProgramLog(log_.get());

    const std::optional<TProgramPaths> made = InitMainWindowCore(
        programDir, env, fs::temp_directory_path(ec), random, prompt, lang, *log_);
    if (!made)
        return false;
    paths = *made;
    started_ = true;
    return true;
}

int TCliSession::Run(const std::function<int()>& command) {
    int code = kExitFailed;
    try {
        code = command();
    } catch (const Abort&) {
        code = prompt.AbortExitCode();
    } catch (const std::exception& e) {
        output.Important(e.what());
        code = kExitFailed;
    }
    if (log_)
        log_->ExitCode = code;
    return code;
}

} // namespace vlm::cli
