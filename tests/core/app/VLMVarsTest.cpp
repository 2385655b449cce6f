#include "app/VLMVars.h"

#include "fakes/TempFolder.h"

#include <gtest/gtest.h>

#include <map>

using namespace vlm;
using vlm::test::TempFolder;
using vlm::test::WriteText;
namespace fs = std::filesystem;

namespace {
EnvLookup Env(std::map<std::string, std::string> vars) {
    return [vars](const std::string& name) -> std::optional<std::string> {
        auto it = vars.find(name);
        if (it == vars.end())
            return std::nullopt;
        return it->second;
    };
}
} // namespace

TEST(VLMVars, ProgramDirFromEnvironmentFirst) {
    TempFolder dir;
    fs::create_directories(dir.path() / "share" / "vellumar");
    EXPECT_EQ(FindProgramDir(dir.path() / "bin" / "vellumar", Env({{"VELLUMAR_HOME", "/opt/x"}})),
              "/opt/x");
    // An empty variable counts as unset.
    EXPECT_EQ(FindProgramDir(dir.path() / "bin" / "vellumar", Env({{"VELLUMAR_HOME", ""}})),
              dir.path() / "share" / "vellumar");
}

TEST(VLMVars, ProgramDirInstalledThenWalkingUp) {
    TempFolder dir;
    const fs::path exe = dir.path() / "build" / "src" / "gui" / "vellumar";
    fs::create_directories(exe.parent_path());
    // Nothing found: the executable's folder.
    EXPECT_EQ(FindProgramDir(exe, Env({})), exe.parent_path());
    // A folder holding configuration/definition.xml above the executable.
    WriteText(dir.path() / "build" / "configuration" / "definition.xml", "<x/>");
    EXPECT_EQ(FindProgramDir(exe, Env({})), dir.path() / "build");
    // A build folder inside the source tree finds data/ beside it.
    TempFolder src;
    WriteText(src.path() / "data" / "configuration" / "definition.xml", "<x/>");
    EXPECT_EQ(FindProgramDir(src.path() / "build" / "dev" / "src" / "gui" / "vellumar", Env({})),
              src.path() / "data");
    // The installed layout wins over walking up.
    fs::create_directories(dir.path() / "build" / "src" / "share" / "vellumar");
    EXPECT_EQ(FindProgramDir(exe, Env({})), dir.path() / "build" / "src" / "share" / "vellumar");
}

TEST(VLMVars, UserDataDir) {
    EXPECT_EQ(FindUserDataDir(Env({{"XDG_DATA_HOME", "/x/data"}, {"HOME", "/home/a"}})),
              fs::path("/x/data/Orvanta/Vellumar 4/4.0"));
    EXPECT_EQ(FindUserDataDir(Env({{"HOME", "/home/a"}})),
              fs::path("/home/a/.local/share/Orvanta/Vellumar 4/4.0"));
    EXPECT_EQ(FindUserDataDir(Env({{"XDG_DATA_HOME", ""}, {"HOME", "/home/a"}})),
              fs::path("/home/a/.local/share/Orvanta/Vellumar 4/4.0"));
    EXPECT_EQ(FindUserDataDir(Env({{"XDG_DATA_HOME", "rel"}, {"HOME", "/home/a"}})),
              fs::path("/home/a/.local/share/Orvanta/Vellumar 4/4.0"));
}

TEST(VLMVars, DerivedPaths) {
    const TProgramPaths p = InitProgramPaths("/usr/share/vellumar", Env({{"HOME", "/home/a"}}));
    EXPECT_EQ(p.ProgramDir, fs::path("/usr/share/vellumar"));
    EXPECT_EQ(p.PageTemplateFile, fs::path("/usr/share/vellumar/exports/Page/page.html"));
    EXPECT_EQ(p.ComponentsApiUrl, "file:///usr/share/vellumar/components/api/");
    EXPECT_EQ(p.CommonJsUrl,
              "file:///usr/share/vellumar/exports/_common_exports_files/default/js/");
    EXPECT_EQ(p.UserDataDir, fs::path("/home/a/.local/share/Orvanta/Vellumar 4/4.0"));
    EXPECT_TRUE(p.RunTempDir.empty());
    EXPECT_EQ(FolderFileUrl("/a b/"), "file:///a b/");
}

TEST(VLMVars, TestProgramFindsTheSourceTreeData) {
    const fs::path data = fs::path(VLM_DATA_DIR).lexically_normal();
    const fs::path exe = ExecutablePath("");
    const auto rel = exe.lexically_relative(data.parent_path());
    if (rel.empty() || *rel.begin() == "..")
        GTEST_SKIP() << "built outside the source tree";
    EXPECT_EQ(FindProgramDir(exe, Env({})), data);
}
