#include "resources/FileDigest.h"

#include "fakes/TempFolder.h"

#include <gtest/gtest.h>

namespace vlm {
namespace {

struct Vector {
    std::string input;
    const char* digest;
};

// The published RIPEMD-160 test vectors.
TEST(FileDigest, MatchesPublishedVectors) {
    const Vector vectors[] = {
        {"", "9C1185A5C5E9FC54612808977EE8F548B2258D31"},
        {"a", "0BDC9D2D256B3EE9DAAE347BE6F4DC835A467FFE"},
        {"abc", "8EB208F7E05D987A9B044A8E98C6B087F15A0BFC"},
        {"message digest", "5D0689EF49D2FAE572B881B123A85FFA21595F36"},
        {"abcdefghijklmnopqrstuvwxyz", "F71C27109C692C1B56BBDCEB5B9D2865B3708DBC"},
        {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
         "12A053384A9C0C88E405A06C27DCF49ADA62EB2B"},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789",
         "B0E20B6E3116640286ED3A87A5713079B21F5189"},
        {[] {
             std::string s;
             for (int i = 0; i < 8; ++i)
                 s += "1234567890";
             return s;
         }(),
         "9B752E45573D4B39F4DBD3323CAB82BF63326BFB"},
        // Spans several read blocks.
        {std::string(1000000, 'a'), "52783243C1697BDBE16D37F97F68F08325DC1528"},
    };
    test::TempFolder dir;
    for (const auto& v : vectors) {
        auto file = dir.Write("v.bin", v.input);
        std::string digest;
        ASSERT_TRUE(FileDigest(file, digest)) << v.input.size();
        EXPECT_EQ(digest, v.digest) << "input of " << v.input.size() << " bytes";
    }
}

TEST(FileDigest, FailureGivesNoDigest) {
    test::TempFolder dir;
    std::string digest = "unchanged";
    EXPECT_FALSE(FileDigest(dir / "missing.png", digest));
    EXPECT_FALSE(FileDigest(dir.path(), digest)); // a folder cannot be read as a file
    EXPECT_EQ(digest, "unchanged");
}

} // namespace
} // namespace vlm
