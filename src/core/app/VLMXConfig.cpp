#include "app/VLMXConfig.h"

#include "common/Encoding.h"
#include "common/IniFile.h"

namespace vlm {

TVLMXConfig AppConfig;

namespace {
constexpr const char* kLanguage = "language";
constexpr const char* kExports = "exports";
constexpr const char* kEnvironment = "environmentalveriables";
constexpr const char* kDefaultLanguageFile = "lang.lang";
constexpr const char* kDefaultDesign = "Orvanta - standard";
} // namespace

std::filesystem::path ConfigFilePath(const std::filesystem::path& programDir) {
    return programDir / "configuration" / "config.ini";
}

std::filesystem::path LanguageFolder(const std::filesystem::path& programDir) {
    return programDir / "configuration" / "lang";
}

std::optional<int> LanguageIndexOfCode(const std::string& code) {
    static const char* const kCodes[] = {"PL", "EN", "DE", "FR", "CU"};
    for (int i = 0; i < 5; ++i)
        if (code == kCodes[i])
            return i;
    return std::nullopt;
}

void LoadConfiguration(TVLMXConfig& config, const std::filesystem::path& programDir) {
    const TIniFile ini = TIniFile::Load(ConfigFilePath(programDir)).value_or(TIniFile{});
    config.LanguageFile = LanguageFolder(programDir) /
                          PathFromCp1250(ini.ReadString(kLanguage, "file", kDefaultLanguageFile));
    config.LanguageCode = ini.ReadString(kLanguage, "lang", "PL");
    config.DefaultTemplatesDesign =
        ini.ReadString(kExports, "defaultTemplatesDesign", kDefaultDesign);
    config.CaptionFormat = ini.ReadString(kEnvironment, "captionformat", "");
    config.AutoUpdate = ini.ReadBool(kEnvironment, "autoupdate", false);
    config.AutoSave = true;
    config.PaintElements = true;
    if (const auto index = LanguageIndexOfCode(config.LanguageCode))
        config.LanguageIndex = *index;
}

bool SaveConfiguration(const TVLMXConfig& config, const std::filesystem::path& programDir) {
    namespace fs = std::filesystem;
    const fs::path file = ConfigFilePath(programDir);
    std::error_code ec;
    if (fs::exists(file, ec))
        fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add,
                        ec);
    TIniFile ini = TIniFile::Load(file).value_or(TIniFile{});
    ini.WriteString(kLanguage, "file", kDefaultLanguageFile);
    ini.WriteString(kLanguage, "lang", config.LanguageCode);
    ini.WriteString(kExports, "defaultTemplatesDesign", config.DefaultTemplatesDesign);
    ini.WriteString(kEnvironment, "captionformat", config.CaptionFormat);
    ini.WriteBool(kEnvironment, "autosave", config.AutoSave);
    ini.WriteBool(kEnvironment, "autoupdate", config.AutoUpdate);
    fs::create_directories(file.parent_path(), ec);
    return ini.Save(file);
}

void ResetConfiguration(TVLMXConfig& config, const std::filesystem::path& programDir) {
    config.LanguageFile = LanguageFolder(programDir) / kDefaultLanguageFile;
    config.LanguageCode = "pl";
    config.DefaultTemplatesDesign = kDefaultDesign;
    config.CaptionFormat.clear();
    config.AutoSave = true;
    config.AutoUpdate = false;
}

bool HasCommandLineSwitch(const std::vector<std::string>& args, const std::string& name) {
    for (const auto& a : args)
        if (SameTextAscii(a, name))
            return true;
    return false;
}

std::vector<std::string> CommandLineArgs(int argc, const char* const* argv) {
    std::vector<std::string> args;
    for (int i = 0; i < argc && argv && argv[i]; ++i)
        args.emplace_back(argv[i]);
    return args;
}

} // namespace vlm
