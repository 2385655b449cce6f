#include "CliLanguage.h"

#include "app/AppStartup.h"
#include "app/ApplyLanguage.h"
#include "app/IniLang.h"
#include "app/VLMXConfig.h"
#include "common/AsciiText.h"
#include "common/Encoding.h"

#include <CLI/CLI.hpp>

#include <cctype>

namespace vlm::cli {

namespace fs = std::filesystem;

namespace {

constexpr const char* kHelpSection = "vellumar-cli";

// The help text of a key, UTF-8 for the terminal; empty when the file lacks it.
std::string HelpText(const std::string& key) {
    const std::string text = CurrentLanguage().SectionText(kHelpSection, key);
    return text.empty() ? std::string() : Cp1250ToUtf8(text);
}

void TranslateCommand(CLI::App& app, const std::string& path) {
    if (const std::string text = HelpText(path.empty() ? "vellumar-cli" : path); !text.empty())
        app.description(text);
    const std::string prefix = path.empty() ? "" : path + ".";
    const std::string group = HelpText("label.Options");
    for (CLI::Option* option : app.get_options()) {
        const std::string name = option->get_name(false, false);
        std::string text = HelpText(prefix + name);
        if (text.empty())
            text = HelpText(name); // the same option on every command ("FILE", "--help")
        if (!text.empty())
            option->description(text);
        if (!group.empty() && (option->get_group() == "Options" || option->get_group() == "OPTIONS"))
            option->group(group);
    }
    const std::string commands = HelpText("label.Subcommands");
    for (CLI::App* sub : app.get_subcommands(std::function<bool(CLI::App*)>{})) {
        if (!commands.empty() &&
            (sub->get_group() == "Subcommands" || sub->get_group() == "SUBCOMMANDS"))
            sub->group(commands);
        TranslateCommand(*sub, prefix + sub->get_name());
    }
}

} // namespace

std::string EnvironmentLanguage(const EnvLookup& env) {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const std::optional<std::string> value = env(name);
        if (!value || value->empty())
            continue;
        if (value->size() < 2 || !std::isalpha(static_cast<unsigned char>((*value)[0])) ||
            !std::isalpha(static_cast<unsigned char>((*value)[1])) ||
            (value->size() > 2 && std::isalpha(static_cast<unsigned char>((*value)[2]))))
            return {}; // "C", "POSIX" and the like name no language
        return UpperCaseAscii(value->substr(0, 2));
    }
    return {};
}

std::string RunLanguage(const std::string& requested, const EnvLookup& env,
                        const std::string& configured) {
    if (!requested.empty())
        return UpperCaseAscii(requested);
    const std::string code = EnvironmentLanguage(env);
    const std::optional<int> index = LanguageIndexOfCode(code);
    const TLanguage& lang = CurrentLanguage();
    if (index && lang.file &&
        SelectLanguageVariant(lang.file->ReadString("Misc", "LANG_CODE", ""), *index) == code)
        return code;
    return configured;
}

fs::path SelectRunLanguage(const std::string& programDir, const std::string& requested,
                           const std::string& argv0, const EnvLookup& env) {
    const EnvLookup lookup = [&](const std::string& name) -> std::optional<std::string> {
        if (name == "VELLUMAR_HOME" && !programDir.empty())
            return fs::absolute(programDir).string();
        return env(name);
    };
    TLanguage& lang = CurrentLanguage();
    const fs::path dir = StartProgramCore(ExecutablePath(argv0), lookup, AppConfig, lang);
    SelectProgramLanguage(AppConfig, RunLanguage(requested, env, AppConfig.LanguageCode));
    ApplyLanguage(lang, AppConfig, dir);
    return dir;
}

void ScanLanguageOptions(int argc, char** argv, std::string& programDir, std::string& language) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        for (auto [name, value] : {std::pair{"--program-dir", &programDir},
                                   std::pair{"--lang", &language}}) {
            const std::string prefix = std::string(name) + "=";
            if (arg == name && i + 1 < argc)
                *value = argv[i + 1];
            else if (arg.starts_with(prefix))
                *value = arg.substr(prefix.size());
        }
    }
}

void TranslateHelp(CLI::App& app) {
    const auto formatter = app.get_formatter();
    for (const char* label : {"Usage", "OPTIONS", "Options", "Positionals", "Subcommands",
                              "SUBCOMMAND", "SUBCOMMANDS", "REQUIRED", "Excludes", "Needs",
                              "TEXT", "INT", "FILE"})
        if (const std::string text = HelpText(std::string("label.") + label); !text.empty())
            formatter->label(label, text);
    TranslateCommand(app, "");
}

} // namespace vlm::cli
