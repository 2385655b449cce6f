#include "CliSession.h"

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

std::string CourseText(const TCliOutput& output, const std::string& utf8) {
    const std::string kept = Utf8ToCp1250(utf8);
    const std::string back = Cp1250ToUtf8(kept);
    if (back == utf8)
        return kept;
    // The characters that became "?": compare character by character.
    std::string lost;
    for (std::size_t i = 0, j = 0; i < utf8.size() && j < back.size();) {
        const auto length = [](const std::string& s, std::size_t at) -> std::size_t {
            const auto b = static_cast<unsigned char>(s[at]);
            return b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
        };
        const std::size_t a = length(utf8, i), b = length(back, j);
        if (utf8.compare(i, a, back, j, b) != 0 &&
            lost.find(utf8.substr(i, a)) == std::string::npos) {
            // Appended piece by piece: GCC 12 warns falsely on "literal" + string.
            if (!lost.empty())
                lost += ' ';
            lost.append(utf8, i, a);
        }
        i += a;
        j += b;
    }
    // The message is cp1250; the characters it names are not: they go in as UTF-8.
    std::string message = Cp1250ToUtf8(
        CliText("CLI_TEXT_NOT_KEPT",
                "A course keeps its texts in the Windows-1250 code page; these characters "
                "became \"?\": %s",
                "\x01"));
    if (const std::size_t at = message.find('\x01'); at != std::string::npos)
        message.replace(at, 1, lost);
    output.Warning(message + "\n  \"" + utf8 + "\" -> \"" + back + "\"");
    return kept;
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

bool TCliSession::Start(const std::filesystem::path& dir) {
    TLanguage& lang = CurrentLanguage();
    programDir = dir;
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
