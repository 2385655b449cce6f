#include "common/FilesTools.h"

#include "fakes/Fakes.h"
#include "fakes/TempFolder.h"

#include <gtest/gtest.h>

#include <unistd.h>

using namespace vlm;
namespace fs = std::filesystem;

TEST(FilesTools, TextToHexAndNormalizeFolderPath) {
    EXPECT_EQ(TextToHex(std::string("\x00\x0F\xAB\xFF", 4)), "000fabff");
    EXPECT_EQ(TextToHex(""), "");
    struct Case {
        std::string in, out;
    };
    const Case cases[] = {
        {"", ""},
        {"C:/a/b", "C:\\a\\b\\"},
        {"a\\\\b\\", "a\\b\\"},
        {"a\\\\\\b", "a\\\\b\\"}, // one pass only
        {"a//b", "a\\b\\"},
        {"\\", "\\"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NormalizeFolderPath(c.in), c.out) << c.in;
}

TEST(FilesTools, FormatByteSize) {
    struct Case {
        std::int64_t size;
        std::string text;
    };
    const Case cases[] = {
        {0, "0 B"},
        {-5000, "-5000 B"},
        {1023, "1023 B"},
        {1024, "1.00 KB"},
        {1536, "1.50 KB"},
        {1048575, "1024.00 KB"},
        {1048576, "1.00 MB"},
        {5 * 1048576 + 104858, "5.10 MB"},
        {1073741824, "1.00 GB"},
        {3LL * 1073741824 * 1024, "3072.00 GB"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatByteSize(c.size), c.text) << c.size;
}

TEST(FilesTools, FileMasks) {
    struct Case {
        const char* name;
        const char* mask;
        bool matches;
    };
    const Case cases[] = {
        {"a.png", "*.*", true},
        {"noext", "*.*", true},
        {".hidden", "*.*", true},
        {"A.PNG", "*.png", true},
        {"a.png.bak", "*.png", false},
        {"c00012.gif", "c00012.*", true},
        {"c00012", "c00012.*", true},
        {"c000123.gif", "c00012.*", false},
        {"ab", "a?", true},
        {"a", "a?", false},
        {"x\xB9", "X\xB9", true},
        {"\xA5", "\xB9", false}, // no folding of letters with diacritics
        {"abc", "*", true},
        {"", "*", true},
        {"abc", "a*c*", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MatchesFileMask(c.name, c.mask), c.matches) << c.name << " " << c.mask;
}

TEST(FilesTools, CreateUniqueFolderAppendsDigitsWhileTaken) {
    test::TempFolder tmp;
    test::FixedRandom random;
    random.values = {4, 13, 4};
    const fs::path base = tmp.path() / "new" / "base"; // created on the way

    const auto first = CreateUniqueFolder(base, "vlm", random);
    ASSERT_TRUE(first);
    EXPECT_EQ(*first, base / "vlm");
    EXPECT_TRUE(fs::is_directory(*first));

    const auto second = CreateUniqueFolder(base, "vlm", random);
    ASSERT_TRUE(second);
    EXPECT_EQ(*second, base / "vlm4");

    tmp.Write("new/base/vlm44", "a file also takes the name");
    const auto third = CreateUniqueFolder(base, "vlm", random);
    ASSERT_TRUE(third);
    EXPECT_EQ(*third, base / "vlm440"); // 13 % 9 = 4, then 4, then 0 once the script is used up
}

TEST(FilesTools, CreateUniqueFolderDigitsStayBelowNine) {
    test::TempFolder tmp;
    SystemRandom random;
    for (int i = 0; i < 30; ++i)
        ASSERT_TRUE(CreateUniqueFolder(tmp.path(), "x", random));
    for (const auto& name : ListFolder(tmp.path(), kCountFolders))
        EXPECT_EQ(name.find('9'), std::string::npos) << name;
    EXPECT_EQ(CountFolderEntries(tmp.path(), false, kCountFolders), 30);
}

TEST(FilesTools, CreateUniqueFolderFailsWhenBaseCannotBeMade) {
    test::TempFolder tmp;
    test::FixedRandom random;
    tmp.Write("file", "x");
    EXPECT_FALSE(CreateUniqueFolder(tmp.path() / "file", "vlm", random));
    EXPECT_FALSE(CreateUniqueFolder(tmp.path() / "file" / "below", "vlm", random));
}
