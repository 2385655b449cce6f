#include "common/RunFolderMark.h"

#include "fakes/TempFolder.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

using namespace vlm;
namespace fs = std::filesystem;

namespace {

// Only the marked working folders of runs that died go; a live run's, an
// unmarked one and one of another name stay.
TEST(RunFolderMark, TheFoldersOfDeadRunsAreRemoved) {
    test::TempFolder temp;
    for (const char* name : {"vlm", "vlm3", "vlm35", "vlm7", "other"})
        fs::create_directories(temp / name / "pages");
    const TRunFolderMark live(temp / "vlm3");
    // A run that marked its folder and was killed: its lock went with it.
    const pid_t child = fork();
    if (child == 0) {
        const TRunFolderMark dying(temp / "vlm35");
        _exit(0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    // A mark left as a file, held by no one (as a crash leaves it).
    temp.Write("vlm/" + std::string(kRunFolderMarkName), "");
    temp.Write("other/" + std::string(kRunFolderMarkName), "");

    EXPECT_EQ(RemoveDeadRunFolders(temp.path()), 2);
    EXPECT_FALSE(fs::exists(temp / "vlm"));
    EXPECT_FALSE(fs::exists(temp / "vlm35"));
    EXPECT_TRUE(fs::exists(temp / "vlm3" / "pages"));
    EXPECT_TRUE(fs::exists(temp / "vlm7"));
    EXPECT_TRUE(fs::exists(temp / "other"));
    EXPECT_EQ(RemoveDeadRunFolders(temp.path()), 0);
}

} // namespace
