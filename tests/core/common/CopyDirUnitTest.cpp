#include "common/CopyDirUnit.h"

#include "fakes/Fakes.h"
#include "fakes/TempFolder.h"

#include <gtest/gtest.h>

using namespace vlm;
namespace fs = std::filesystem;

TEST(TDirCopy, CollectTreeListsFoldersBeforeTheirContents) {
    test::TempFolder tmp;
    tmp.Write("src/b.txt", "b");
    tmp.Write("src/a/x.txt", "x");
    tmp.Write("src/a/y/z.txt", "z");
    std::vector<TDirCopy::Entry> list;
    TDirCopy::CollectTree(tmp.path() / "src", {}, "*.*", list);
    std::vector<std::string> shown;
    for (const auto& e : list)
        shown.push_back(e.relative.generic_string() + (e.folder ? "/" : ""));
    EXPECT_EQ(shown, (std::vector<std::string>{"a/", "a/x.txt", "a/y/", "a/y/z.txt", "b.txt"}));

    list.clear();
    TDirCopy::CollectTree(tmp.path() / "src", "a", "*.txt", list);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].relative, fs::path("a") / "x.txt");
}

TEST(TDirCopy, CopyTreeCopiesEverythingAndSteps) {
    test::TempFolder tmp;
    tmp.Write("src/b.txt", "b");
    tmp.Write("src/a/y/z.txt", "z");
    fs::create_directories(tmp.path() / "src" / "empty");
    tmp.Write("dst/b.txt", "old");
    test::RecordingProgress progress;
    TDirCopy copier(progress);
    EXPECT_TRUE(copier.CopyTree(tmp.path() / "src" / "", tmp.path() / "dst" / ""));
    EXPECT_EQ(tmp.Read("dst/b.txt"), "b"); // replaced
    EXPECT_EQ(tmp.Read("dst/a/y/z.txt"), "z");
    EXPECT_TRUE(fs::is_directory(tmp.path() / "dst" / "empty"));
    EXPECT_EQ(progress.log, (std::vector<std::string>{"min 0", "pos 0", "max 5", "step", "step",
                                                      "step", "step", "step", "close"}));
}

TEST(TDirCopy, SmallTreesStillGetAMaximumOfTwo) {
    test::TempFolder tmp;
    test::RecordingProgress progress;
    TDirCopy copier(progress);
    EXPECT_TRUE(copier.CopyTree(tmp.path() / "nothing", tmp.path() / "dst"));
    EXPECT_EQ(progress.max, 2);
    EXPECT_TRUE(progress.closed);
}

TEST(TDirCopy, FailedFileCopyMakesTheResultFalse) {
    test::TempFolder tmp;
    tmp.Write("src/b.txt", "b");
    fs::create_symlink(tmp.path() / "gone", tmp.path() / "src" / "a.txt"); // cannot be read
    test::RecordingProgress progress;
    TDirCopy copier(progress);
    EXPECT_FALSE(copier.CopyTree(tmp.path() / "src", tmp.path() / "dst"));
    EXPECT_EQ(tmp.Read("dst/b.txt"), "b"); // the others are copied all the same
    EXPECT_TRUE(progress.closed);
}

TEST(TDirCopy, CancelStopsAndReportsFailure) {
    test::TempFolder tmp;
    tmp.Write("src/a.txt", "a");
    test::RecordingProgress progress;
    progress.cancel = true;
    TDirCopy copier(progress);
    EXPECT_FALSE(copier.CopyTree(tmp.path() / "src", tmp.path() / "dst"));
    EXPECT_FALSE(fs::exists(tmp.path() / "dst" / "a.txt"));
    EXPECT_TRUE(progress.closed);
}

TEST(TDirCopy, CopyOneFileAndEnsureFolder) {
    test::TempFolder tmp;
    const auto src = tmp.Write("s.txt", "s");
    EXPECT_TRUE(TDirCopy::CopyOneFile(src, tmp.path() / "new" / "dir" / "t.txt"));
    EXPECT_EQ(tmp.Read("new/dir/t.txt"), "s");
    EXPECT_FALSE(TDirCopy::CopyOneFile(tmp.path() / "missing", tmp.path() / "t2.txt"));

    EXPECT_TRUE(TDirCopy::EnsureFolder(tmp.path() / "new", false));
    EXPECT_FALSE(TDirCopy::EnsureFolder(tmp.path() / "x", false));
    EXPECT_TRUE(TDirCopy::EnsureFolder(tmp.path() / "x" / "y", true));
    EXPECT_FALSE(TDirCopy::EnsureFolder(src / "below", true)); // a file stands in the way
}
