#include "common/Shell.h"

#include <spawn.h>
#include <sys/wait.h>

#include <string>
#include <thread>

extern char** environ;

namespace vlm {

bool SystemShell::Open(const std::filesystem::path& path) {
    // The path travels as one argument: no shell ever parses it.
    std::string program = "xdg-open";
    std::string argument = path.string();
    char* argv[] = {program.data(), argument.data(), nullptr};
    pid_t pid = 0;
    if (posix_spawnp(&pid, "xdg-open", nullptr, nullptr, argv, environ) != 0)
        return false;
    // Reap it in the background so that no zombie is left behind.
    std::thread([pid] {
        int status = 0;
        waitpid(pid, &status, 0);
    }).detach();
    return true;
}

} // namespace vlm
