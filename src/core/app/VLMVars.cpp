#include "app/VLMVars.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace vlm {

namespace fs = std::filesystem;

EnvLookup SystemEnvironment() {
    return [](const std::string& name) -> std::optional<std::string> {
        if (const char* v = std::getenv(name.c_str()))
            return std::string(v);
        return std::nullopt;
    };
}

namespace {
std::string NonEmpty(const EnvLookup& env, const std::string& name) {
    if (!env)
        return {};
    return env(name).value_or(std::string{});
}

bool IsDir(const fs::path& p) {
    std::error_code ec;
    return fs::is_directory(p, ec);
}
} // namespace

fs::path ExecutablePath(const std::string& argv0) {
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (!ec && !exe.empty())
        return exe;
    exe = fs::absolute(argv0, ec);
    return ec ? fs::path(argv0) : exe;
}

fs::path FindProgramDir(const fs::path& executable, const EnvLookup& env) {
    const std::string home = NonEmpty(env, "VELLUMAR_HOME");
    std::error_code ec;
    if (!home.empty()) {
        const fs::path dir = fs::absolute(home, ec);
        return (ec ? fs::path(home) : dir).lexically_normal();
    }
    fs::path exe = fs::absolute(executable, ec);
    if (ec)
        exe = executable;
    const fs::path exeDir = exe.parent_path();
    const fs::path installed = (exeDir / ".." / "share" / "vellumar").lexically_normal();
    if (IsDir(installed))
        return installed;
    auto holdsData = [&](const fs::path& dir) {
        return fs::is_regular_file(dir / "configuration" / "definition.xml", ec);
    };
    for (fs::path dir = exeDir; !dir.empty(); dir = dir.parent_path()) {
        if (holdsData(dir))
            return dir;
        // A build folder inside the source tree sits beside data/.
        if (holdsData(dir / "data"))
            return dir / "data";
        if (dir == dir.parent_path())
            break;
    }
    return exeDir;
}

fs::path FindUserDataDir(const EnvLookup& env) {
    fs::path base = NonEmpty(env, "XDG_DATA_HOME");
    // The XDG rules ignore a relative value.
    if (base.empty() || base.is_relative()) {
        std::string home = NonEmpty(env, "HOME");
        if (home.empty())
            if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_dir)
                home = pw->pw_dir;
        base = fs::path(home) / ".local" / "share";
    }
    return base / "Orvanta" / "Vellumar 4" / "4.0";
}

std::string FolderFileUrl(const fs::path& folder) {
    std::string p = folder.generic_string();
    if (p.empty() || p.front() != '/')
        p.insert(p.begin(), '/');
    if (p.back() != '/')
        p += '/';
    return "file://" + p;
}

TProgramPaths InitProgramPaths(const fs::path& programDir, const EnvLookup& env) {
    TProgramPaths paths;
    paths.ProgramDir = programDir;
    paths.PageTemplateFile = programDir / "exports" / "Page" / "page.html";
    paths.ComponentsApiUrl = FolderFileUrl(programDir / "components" / "api");
    paths.CommonJsUrl =
        FolderFileUrl(programDir / "exports" / "_common_exports_files" / "default" / "js");
    paths.UserDataDir = FindUserDataDir(env);
    return paths;
}

} // namespace vlm
