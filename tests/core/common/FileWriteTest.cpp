#include "common/FileWrite.h"

#include "fakes/TempFolder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>

namespace vlm {
namespace {

TEST(FileWrite, ReadsBackWhatWasWritten) {
    test::TempFolder tmp;
    std::string bytes(200000, '\0'); // larger than one read, with NUL and upper-half bytes
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(i * 7);
    ASSERT_TRUE(WriteFileAtomic(tmp.path() / "a.bin", bytes));
    EXPECT_EQ(ReadFileBytes(tmp.path() / "a.bin"), bytes);
    ASSERT_TRUE(WriteFileBytes(tmp.path() / "empty", ""));
    EXPECT_EQ(ReadFileBytes(tmp.path() / "empty"), std::string());
}

TEST(FileWrite, UnreadableFilesGiveNothingAndTheReason) {
    test::TempFolder tmp;
    errno = 0;
    EXPECT_FALSE(ReadFileBytes(tmp.path() / "missing"));
    EXPECT_EQ(errno, ENOENT);
    errno = 0;
    EXPECT_FALSE(ReadFileBytes(tmp.path()));
    EXPECT_EQ(errno, EISDIR);
    // Opens, but its first read fails (nothing is mapped at address 0): a
    // failed read is not an empty file.
    errno = 0;
    EXPECT_FALSE(ReadFileBytes("/proc/self/mem"));
    EXPECT_EQ(errno, EIO);
}

} // namespace
} // namespace vlm
