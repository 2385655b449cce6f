#include "common/FilesTools.h"

#include "fakes/TempFolder.h"

#include <gtest/gtest.h>

#include <unistd.h>

using namespace vlm;
namespace fs = std::filesystem;

namespace {

// tree/a.txt, tree/.hidden, tree/sub/b.png, tree/sub/deep/c.png, tree/empty/
void MakeTree(const test::TempFolder& tmp) {
    tmp.Write("tree/a.txt", "A");
    tmp.Write("tree/.hidden", "H");
    tmp.Write("tree/sub/b.png", "B");
    tmp.Write("tree/sub/deep/c.png", "C");
    fs::create_directories(tmp.path() / "tree" / "empty");
}

bool Writable(const fs::path& file) {
    return (fs::status(file).permissions() & fs::perms::owner_write) != fs::perms::none;
}

} // namespace

TEST(FolderRoutines, CountFolderEntries) {
    test::TempFolder tmp;
    MakeTree(tmp);
    const fs::path tree = tmp.path() / "tree";
    EXPECT_EQ(CountFolderEntries(tree, false, kCountFiles), 2);
    EXPECT_EQ(CountFolderEntries(tree, false, kCountFolders), 2);
    EXPECT_EQ(CountFolderEntries(tree, true, kCountFiles), 4);
    EXPECT_EQ(CountFolderEntries(tree, true, kCountFolders), 3);
    EXPECT_EQ(CountFolderEntries(tree, true, kCountFiles | kCountFolders), 7);
    EXPECT_EQ(CountFolderEntries(tree, true, 0), 0);
    EXPECT_EQ(CountFolderEntries(tmp.path() / "missing", true, 3), 0);
}

TEST(FolderRoutines, ListFolderAndListFilesByMask) {
    test::TempFolder tmp;
    MakeTree(tmp);
    tmp.Write("tree/C00012.GIF", "x");
    tmp.Write("tree/c00012", "x");
    tmp.Write("tree/c00012_1.png", "x");
    const fs::path tree = tmp.path() / "tree";
    using L = std::vector<std::string>;
    EXPECT_EQ(ListFolder(tree, kCountFolders), (L{"empty", "sub"}));
    EXPECT_EQ(ListFolder(tree, kCountFiles),
              (L{"C00012.GIF", "a.txt", "c00012", "c00012_1.png", "empty", "sub"}));
    EXPECT_EQ(ListFolder(tmp.path() / "missing", 3), L{});

    using P = std::vector<fs::path>;
    EXPECT_EQ(ListFilesByMask(tree, "c00012.*"), (P{tree / "C00012.GIF", tree / "c00012"}));
    EXPECT_EQ(ListFilesByMask(tree / "sub", "*.*"), P{tree / "sub" / "b.png"});
    EXPECT_EQ(ListFilesByMask(tree, "*.png"), P{tree / "c00012_1.png"});
    EXPECT_EQ(ListFilesByMask(tree, "*.*").size(), 5u); // hidden files count, folders do not
}

TEST(FolderRoutines, ClearAndDeleteFolder) {
    test::TempFolder tmp;
    MakeTree(tmp);
    const fs::path tree = tmp.path() / "tree";

    ClearFolder(tree, false); // files go, the non-empty sub-folder stays, the empty one goes
    EXPECT_FALSE(fs::exists(tree / "a.txt"));
    EXPECT_FALSE(fs::exists(tree / ".hidden"));
    EXPECT_FALSE(fs::exists(tree / "empty"));
    EXPECT_TRUE(fs::exists(tree / "sub" / "deep" / "c.png"));

    DeleteFolder(tree / "sub" / "", false); // trailing separator; not recursive: stays
    EXPECT_FALSE(fs::exists(tree / "sub" / "b.png"));
    EXPECT_TRUE(fs::exists(tree / "sub" / "deep"));

    DeleteFolder(tree / "", true);
    EXPECT_FALSE(fs::exists(tree));
    DeleteFolder(tree, true); // missing folder: nothing happens
}

TEST(FolderRoutines, DeleteFolderTreeReportsSuccess) {
    test::TempFolder tmp;
    MakeTree(tmp);
    EXPECT_TRUE(DeleteFolderTree(tmp.path() / "tree"));
    EXPECT_FALSE(fs::exists(tmp.path() / "tree"));
    EXPECT_FALSE(DeleteFolderTree(tmp.path() / "tree")); // nothing to remove
}

TEST(FolderRoutines, DeleteFolderTreeReportsWhatStays) {
    if (geteuid() == 0)
        GTEST_SKIP() << "permissions do not stop root";
    test::TempFolder tmp;
    MakeTree(tmp);
    const fs::path locked = tmp.path() / "tree" / "sub" / "deep";
    fs::permissions(locked, fs::perms::owner_write, fs::perm_options::remove);
    EXPECT_FALSE(DeleteFolderTree(tmp.path() / "tree"));
    EXPECT_TRUE(fs::exists(locked / "c.png"));
    EXPECT_FALSE(fs::exists(tmp.path() / "tree" / "a.txt")); // the rest went all the same
}

TEST(FolderRoutines, LinksAreRemovedNeverFollowed) {
    test::TempFolder tmp;
    MakeTree(tmp);
    tmp.Write("outside/keep.txt", "K");
    const fs::path tree = tmp.path() / "tree";
    fs::create_directory_symlink(tmp.path() / "outside", tree / "link");
    EXPECT_EQ(CountFolderEntries(tree, true, kCountFolders), 3);
    EXPECT_EQ(ListFolder(tree, kCountFolders), (std::vector<std::string>{"empty", "sub"}));

    ClearFolder(tree, true);
    EXPECT_FALSE(fs::exists(fs::symlink_status(tree / "link")));
    EXPECT_EQ(tmp.Read("outside/keep.txt"), "K");

    fs::create_directory_symlink(tmp.path() / "outside", tree / "link");
    EXPECT_TRUE(DeleteFolderTree(tree));
    EXPECT_EQ(tmp.Read("outside/keep.txt"), "K");
}

TEST(FolderRoutines, CopyFolderRecursiveWithProgress) {
    test::TempFolder tmp;
    MakeTree(tmp);
    std::vector<std::pair<int, int>> calls;
    const fs::path target = tmp.path() / "out" / "deeper";
    EXPECT_TRUE(CopyFolder(tmp.path() / "tree", target, true, kCountFiles | kCountFolders, false,
                           kAttrArchive,
                           [&](int count, int total) { calls.emplace_back(count, total); }));
    EXPECT_EQ(tmp.Read("out/deeper/a.txt"), "A");
    EXPECT_EQ(tmp.Read("out/deeper/.hidden"), "H");
    EXPECT_EQ(tmp.Read("out/deeper/sub/deep/c.png"), "C");
    EXPECT_TRUE(fs::is_directory(target / "empty"));
    ASSERT_EQ(calls.size(), 7u); // one call per entry, one running count over the whole tree
    EXPECT_EQ(calls.back(), std::make_pair(7, 7));
    for (std::size_t i = 1; i < calls.size(); ++i)
        EXPECT_GE(calls[i].first, calls[i - 1].first);
}

TEST(FolderRoutines, CopyFolderFlatKeepsOrReplacesAndSetsAttributes) {
    test::TempFolder tmp;
    MakeTree(tmp);
    const fs::path src = tmp.path() / "tree", dst = tmp.path() / "dst";
    tmp.Write("dst/a.txt", "old");
    fs::permissions(src / "a.txt", fs::perms::owner_write, fs::perm_options::remove);
    fs::permissions(dst / "a.txt", fs::perms::owner_write, fs::perm_options::remove);

    EXPECT_TRUE(CopyFolder(src, dst, false, 0, false, kAttrArchive));
    EXPECT_EQ(tmp.Read("dst/a.txt"), "old"); // kept without overwrite
    EXPECT_TRUE(Writable(dst / "a.txt"));    // but its attributes were set
    EXPECT_FALSE(fs::exists(dst / "sub"));   // not recursive, no folder counting
    EXPECT_TRUE(Writable(dst / ".hidden"));

    EXPECT_TRUE(CopyFolder(src, dst, false, 0, true, kAttrReadOnly));
    EXPECT_EQ(tmp.Read("dst/a.txt"), "A");
    EXPECT_FALSE(Writable(dst / "a.txt"));

    // A missing source copies nothing, but the target is created.
    EXPECT_TRUE(CopyFolder(tmp.path() / "missing", tmp.path() / "made", true, 3, true, -1));
    EXPECT_TRUE(fs::is_directory(tmp.path() / "made"));
}
