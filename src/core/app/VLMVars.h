#pragma once
// The program's paths: the data folder and what lies under it, the user's
// data folder and the run's working folder.

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace vlm {

class TRunFolderMark;

// Reads an environment variable; nothing when it is not set.
using EnvLookup = std::function<std::optional<std::string>(const std::string& name)>;
EnvLookup SystemEnvironment();

struct TProgramPaths {
    std::filesystem::path ProgramDir;       // the data folder
    std::filesystem::path PageTemplateFile; // exports/Page/page.html
    std::string ComponentsApiUrl;           // file address of components/api/
    std::string CommonJsUrl;           // file address of exports/_common_exports_files/default/js/
    std::filesystem::path UserDataDir; // per-user data: cache/, templates_page/
    std::filesystem::path RunTempDir;  // the run's working folder, made at start-up
    // Marks RunTempDir as this live run's while any copy of the paths lives.
    std::shared_ptr<const TRunFolderMark> RunTempMark;
};

// The running program's file (from /proc/self/exe), else `argv0` made absolute.
std::filesystem::path ExecutablePath(const std::string& argv0);

// The data folder: $VELLUMAR_HOME, else <exe>/../share/vellumar when it
// exists, else the first folder holding configuration/definition.xml walking
// up from the executable's folder (each folder's data/ is looked at too, for
// a build inside the source tree), else the executable's folder.
std::filesystem::path FindProgramDir(const std::filesystem::path& executable, const EnvLookup& env);

// $XDG_DATA_HOME (default $HOME/.local/share) / "Orvanta/Vellumar 4/4.0".
std::filesystem::path FindUserDataDir(const EnvLookup& env);

// A local file address of a folder, with a trailing "/":
// file:///usr/share/vellumar/components/api/ (file:///C:/... on Windows).
std::string FolderFileUrl(const std::filesystem::path& folder);

// The derived paths of a data folder; RunTempDir stays empty.
TProgramPaths InitProgramPaths(const std::filesystem::path& programDir, const EnvLookup& env);

} // namespace vlm
