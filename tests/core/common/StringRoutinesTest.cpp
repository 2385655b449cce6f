#include "common/StringRoutines.h"

#include "fakes/TempFolder.h"

#include <gtest/gtest.h>

using namespace vlm;

TEST(StringRoutines, SingleTextRoutines) {
    struct Case {
        std::string got, expected;
    };
    const Case cases[] = {
        {AppendCharIfMissing("a", '\\'), "a\\"},
        {AppendCharIfMissing("a\\", '\\'), "a\\"},
        {AppendCharIfMissing("", '\\'), ""},
        {RemoveExtension("a.b.c"), "a.b"},
        {RemoveExtension("dir.x\\file"), "dir"}, // a dot in a folder name counts too
        {RemoveExtension("plain"), "plain"},
        {ExtractNameAnySeparator("a/b\\c.png"), "c.png"},
        {ExtractNameAnySeparator("c.png"), "c.png"},
        {ExtractNameAnySeparator("a/"), ""},
        {ExtractDottedExtension("x.y\\a.b.png"), "b.png"},
        {ExtractDottedExtension("dir.d/name"), ""},
        {ExtractDottedExtension("name."), ""},
        {PadIndex5("12"), "00012"},
        {PadIndex5(""), "00000"},
        {PadIndex5("1234"), "01234"},
        {PadIndex5("123456"), "123456"},
        {StripLeadingSlash("\\/a"), "a"},
        {StripLeadingSlash("//a"), "/a"},
        {StripLeadingSlash("\\\\a"), "\\a"},
        {MiddleSegment("id_123_456"), "123"},
        {MiddleSegment("id_123"), "id_123"},
        {MiddleSegment("a__b"), ""},
        {StepName(7), "Step007"},
        {StepName(12), "Step012"},
        {StepName(123), "Step123"},
        {StepName(1234), "Step1234"},
        {ColorToHtml(0x00332211), "#112233"},
        {ColorToHtml(0x000000FF), "#FF0000"},
        {ColorToHtml(0xFFABCDEF), "#EFCDAB"}, // only the 24-bit value counts
        {TextBetween("a[b]c]", "[", "]"), "b"},
        {TextBetween("a]b[c", "[", "]"), ""},
        {TextBetween("abc", "[", "]"), ""},
        {TextBetween("<<x>>", "<<", ">>"), "x"},
        {ReplaceFirst("a-b-c", "-", "+"), "a+b-c"},
        {ReplaceFirst("abc", "", "+"), "abc"},
        {ReplaceFirst("abc", "x", "+"), "abc"},
        {ReplaceEvery("a-b-c", "-", "+-"), "a+-b+-c"}, // a replacement is not searched again
        {ReplaceEvery("aaa", "aa", "b"), "ba"},
        {ReplaceEvery("abc", "", "+"), "abc"},
        {ReplaceSpan("x<a>;y", "<", ">", "R"), "xRy"},
        {ReplaceSpan("x<a>", "<", ">", "R"), "xR"},
        {ReplaceSpan("x>a<b>", "<", ">", "R"), "x>a<b>"}, // first close before first open
        {ReplaceSpan("abc", "<", ">", "R"), "abc"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.got, c.expected);
}

TEST(StringRoutines, FindFrom) {
    EXPECT_EQ(FindFrom("b", "abab", 1), 2);
    EXPECT_EQ(FindFrom("b", "abab", 2), 2);
    EXPECT_EQ(FindFrom("b", "abab", 3), 4);
    EXPECT_EQ(FindFrom("b", "abab", 5), 0);
    EXPECT_EQ(FindFrom("x", "abab", 1), 0);
    EXPECT_EQ(FindFrom("", "abab", 1), 0);
    EXPECT_EQ(FindFrom("a", "abab", 0), 0);
}

TEST(StringRoutines, JoinAndSplit) {
    EXPECT_EQ(JoinStrings({"a", "b", "c"}, ", ", false), "a, b, c");
    EXPECT_EQ(JoinStrings({}, ",", false), "");
    EXPECT_EQ(JoinStrings({"a;b", ""}, ";", true), "a&#059;b;");
    EXPECT_EQ(SplitText("a&#044;b,,c,", ',', true), (StringList{"a,b", "", "c"}));
    EXPECT_EQ(SplitText("a;b", ';', false), (StringList{"a", "b"}));
    EXPECT_EQ(SplitText("", ';', false), StringList{});
    EXPECT_EQ(SplitText(";", ';', false), StringList{""});
    // Joining with entities and splitting with decoding gives back any items.
    const StringList items{"x,y;", "\xB9\xC8", "&#", "last"};
    EXPECT_EQ(SplitText(JoinStrings(items, ",", true), ',', true), items);

    EXPECT_EQ(SplitByString(",a,b", ","), (StringList{"a", "b"}));
    EXPECT_EQ(SplitByString("a::b::", "::"), (StringList{"a", "b"}));
    EXPECT_EQ(SplitByString("a,,b", ","), (StringList{"a", "", "b"}));
    EXPECT_EQ(SplitByString("", ","), StringList{});
    EXPECT_EQ(SplitByString("abc", ""), StringList{});
    EXPECT_EQ(SplitByString("abc", ","), StringList{"abc"});
    EXPECT_TRUE(ListContains({"a", "B"}, "B"));
    EXPECT_FALSE(ListContains({"a", "B"}, "b"));
}

TEST(StringRoutines, ReadLines) {
    test::TempFolder tmp;
    const auto file = tmp.Write("t.txt", "one\r\ntwo\nthree\rfour\r\n\r\nsix");
    EXPECT_EQ(ReadLines(file), (StringList{"one", "two", "three", "four", "", "six"}));
    EXPECT_EQ(ReadLines(tmp.Write("e.txt", "")), StringList{});
    EXPECT_EQ(ReadLines(tmp.Write("t2.txt", "a\n")), StringList{"a"});
    EXPECT_EQ(ReadLines(tmp.path() / "missing.txt"), StringList{});
}

TEST(StringRoutines, ExtractLinesBetween) {
    const StringList lines{"head", "<!--start-->", "a", "b", "<!--end-->", "tail"};
    struct Case {
        const char* start;
        const char* end;
        StringList expected;
    };
    const Case cases[] = {
        {"start", "end", {"a", "b"}},
        {"", "end", {"head", "<!--start-->", "a", "b"}},
        {"start", "", {"a", "b", "<!--end-->", "tail"}},
        {"", "", lines},
        {"missing", "end", {}},
        {"start", "missing", {}},
        {"end", "start", {}}, // end searched only from the start line on
        {"a", "a", {}},       // both on the same line
        {"b", "end", {}},     // adjacent lines: nothing between
    };
    for (const auto& c : cases) {
        const auto got = ExtractLinesBetween(lines, c.start, c.end);
        ASSERT_TRUE(got.has_value());
        EXPECT_EQ(*got, c.expected) << c.start << " / " << c.end;
    }
    EXPECT_FALSE(ExtractLinesBetween({}, "a", "b").has_value());
}

TEST(StringRoutines, ReplaceInLines) {
    StringList list{"x $M$ y $M$", "none", "$M$"};
    ReplaceMarkerWithLines(list, "$M$", {"1", "2"});
    EXPECT_EQ(list, (StringList{"x 12 y $M$", "none", "12"}));
    ReplaceFirstInLines(list, "$M$", "z");
    EXPECT_EQ(list, (StringList{"x 12 y z", "none", "12"}));
    ReplaceFirstInLines(list, "", "z"); // an empty marker changes nothing
    EXPECT_EQ(list, (StringList{"x 12 y z", "none", "12"}));
}
