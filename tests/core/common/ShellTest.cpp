#include "common/Shell.h"

#include "fakes/TempFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <thread>

using namespace vlm;
namespace fs = std::filesystem;

// The system shell runs whatever "xdg-open" the PATH names: here a script
// that records its arguments, so the hand-over itself is what is checked.
TEST(SystemShell, HandsThePathToXdgOpenAsOneArgument) {
    test::TempFolder tmp;
    const fs::path record = tmp.path() / "args.txt";
    const auto script =
        tmp.Write("bin/xdg-open", "#!/bin/sh\nprintf '%s|%s' \"$#\" \"$1\" > \"" + record.string() +
                                      ".tmp\"\nmv \"" + record.string() + ".tmp\" \"" +
                                      record.string() + "\"\n");
    fs::permissions(script, fs::perms::owner_all);
    const char* oldPath = std::getenv("PATH");
    const std::string saved = oldPath ? oldPath : "";
    setenv("PATH", ((tmp.path() / "bin").string() + ":" + saved).c_str(), 1);

    SystemShell shell;
    const fs::path target = tmp.path() / "help dir" / "index $(x) 'q'.html";
    const bool started = shell.Open(target);
    setenv("PATH", saved.c_str(), 1);
    ASSERT_TRUE(started);

    for (int i = 0; i < 500 && !fs::exists(record); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_EQ(tmp.Read("args.txt"), "1|" + target.string());
}

TEST(SystemShell, FailsWhenThereIsNoXdgOpen) {
    test::TempFolder tmp;
    const char* oldPath = std::getenv("PATH");
    const std::string saved = oldPath ? oldPath : "";
    setenv("PATH", tmp.path().c_str(), 1);
    SystemShell shell;
    const bool started = shell.Open(tmp.path() / "x.html");
    setenv("PATH", saved.c_str(), 1);
    EXPECT_FALSE(started);
}
