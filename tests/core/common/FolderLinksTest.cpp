// Links inside copied or deleted folders: an untrusted course may carry a
// link to a file or folder elsewhere on the machine.
#include "common/CopyDirUnit.h"
#include "common/FilesTools.h"
#include "fakes/Fakes.h"
#include "fakes/TempFolder.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;
using namespace vlm;

TEST(FolderLinks, DeleteFolderTreeOfALinkRemovesOnlyTheLink) {
    test::TempFolder tmp;
    tmp.Write("outside/keep.txt", "mine");
    fs::create_directory_symlink(tmp / "outside", tmp / "link");
    EXPECT_TRUE(DeleteFolderTree(tmp / "link"));
    EXPECT_FALSE(fs::exists(fs::symlink_status(tmp / "link")));
    EXPECT_EQ(tmp.Read("outside/keep.txt"), "mine");
}

TEST(FolderLinks, CopiesTakeOnlyPlainFiles) {
    test::TempFolder tmp;
    tmp.Write("secret.txt", "outside");
    tmp.Write("src/a.txt", "a");
    fs::create_symlink(tmp / "secret.txt", tmp / "src" / "leak.txt");

    CopyFolder(tmp / "src", tmp / "flat", false, 0, false, -1, nullptr);
    EXPECT_EQ(tmp.Read("flat/a.txt"), "a");
    EXPECT_FALSE(fs::exists(fs::symlink_status(tmp / "flat" / "leak.txt")));

    test::RecordingProgress progress;
    TDirCopy copy(progress);
    EXPECT_FALSE(copy.CopyTree(tmp / "src", tmp / "tree")); // the link counts as a failed copy
    EXPECT_EQ(tmp.Read("tree/a.txt"), "a");
    EXPECT_FALSE(fs::exists(fs::symlink_status(tmp / "tree" / "leak.txt")));
}

TEST(FolderLinks, TreeCopyReplacesALinkAtTheTargetInsteadOfWritingThroughIt) {
    test::TempFolder tmp;
    tmp.Write("victim.txt", "keep");
    tmp.Write("src/a.txt", "new");
    fs::create_directories(tmp / "dst");
    fs::create_symlink(tmp / "victim.txt", tmp / "dst" / "a.txt");
    test::RecordingProgress progress;
    TDirCopy copy(progress);
    EXPECT_TRUE(copy.CopyTree(tmp / "src", tmp / "dst"));
    EXPECT_EQ(tmp.Read("victim.txt"), "keep");
    EXPECT_FALSE(fs::is_symlink(tmp / "dst" / "a.txt"));
    EXPECT_EQ(tmp.Read("dst/a.txt"), "new");
}
