// The desktop program itself: it starts on its data folder, shows its
// window and ends cleanly when the desktop session asks it to.

#include "fakes/TempFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>

extern char** environ;

namespace {

namespace fs = std::filesystem;

std::vector<std::string> VlmFolders(const fs::path& temp) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(temp))
        if (entry.path().filename().string().starts_with("vlm"))
            names.push_back(entry.path().filename().string());
    return names;
}

TEST(ProgramRun, StartsAndEndsCleanlyOnTermination) {
    vlm::test::TempFolder temp;
    std::vector<std::string> env = {"QT_QPA_PLATFORM=offscreen",
                                    "VELLUMAR_HOME=" + std::string(VLM_DATA_DIR),
                                    "TMPDIR=" + temp.path().string(),
                                    "HOME=" + temp.path().string(),
                                    "XDG_CONFIG_HOME=" + (temp / "config").string(),
                                    "XDG_DATA_HOME=" + (temp / "data").string()};
    for (char** e = environ; *e; ++e) {
        const std::string entry = *e;
        if (entry.starts_with("ASAN_OPTIONS=") || entry.starts_with("UBSAN_OPTIONS=") ||
            entry.starts_with("PATH="))
            env.push_back(entry);
    }
    std::vector<char*> envp;
    for (std::string& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    std::string program = VLM_GUI;
    char* argv[] = {program.data(), nullptr};
    pid_t pid = 0;
    ASSERT_EQ(posix_spawn(&pid, argv[0], nullptr, nullptr, argv, envp.data()), 0);

    // Started: the run's working folder is there.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (VlmFolders(temp.path()).empty() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_EQ(VlmFolders(temp.path()).size(), 1u);
    std::this_thread::sleep_for(std::chrono::milliseconds(500)); // the window is up
    ::kill(pid, SIGTERM);
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_TRUE(VlmFolders(temp.path()).empty());
}

} // namespace
