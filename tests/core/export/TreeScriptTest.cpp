#include "export/TreeScript.h"

#include "ExportTestSupport.h"

using namespace vlm;
using namespace vlm::test;

TEST(TreeScript, TwoPagesUnderTheRoot) {
    ExportCourse c("tree_two");
    c.Add("Course", 1, 1, 0, ptContent);
    c.Add("P1", 2, 2, 1, ptContent);
    c.Add("P2", 3, 3, 1, ptContent);
    EXPECT_EQ(TreeScriptLines(c.project),
              (std::vector<std::string>{
                  "addTreePage(false,\"P1\",\"pages/p00002/_page.html\",0, \"\", 2, 0, 0);",
                  "addTreePage(false,\"P2\",\"pages/p00003/_page.html\",0, \"\", 3, 0, 1);"}));
}

TEST(TreeScript, ChapterComesBeforeItsPagesAndKeepsTheCounter) {
    ExportCourse c("tree_chapter");
    c.Add("Course", 1, 1, 0, ptContent);
    c.Add("C", 2, 5, 1, ptContent);
    c.Add("A", 3, 6, 2, ptContent);
    c.Add("B", 4, 7, 2, ptContent);
    EXPECT_EQ(TreeScriptLines(c.project),
              (std::vector<std::string>{
                  "addTreePage(true,\"C\",\"pages/p00005/_page.html\",0, \"\", 5, 0, 0);",
                  "addTreePage(false,\"A\",\"pages/p00006/_page.html\",1, \"\", 6, 0, 0);",
                  "addTreePage(false,\"B\",\"pages/p00007/_page.html\",1, \"\", 7, 0, 1);"}));
}

TEST(TreeScript, CourseOfOnlyTheRoot) {
    ExportCourse c("tree_root");
    c.Add(" Only ", 1, 1, 0, ptContent);
    EXPECT_EQ(TreeScriptLines(c.project),
              (std::vector<std::string>{
                  "addTreePage(false,\"Only\",\"pages/p00001/_page.html\",0, \"\", 1, 0, 0);"}));
    ExportCourse empty("tree_empty");
    EXPECT_TRUE(TreeScriptLines(empty.project).empty());
}

// Titles with quotes and blanks, every kind of leaf and chapter, a deeper
// level, and a list out of tree order: the file's marker is filled exactly.
TEST(TreeScript, FillsTheTemplateAsTheGoldenFile) {
    ExportCourse c("tree_golden");
    c.Add("Course", 1, 1, 0, ptContent);
    c.Add(" Chap \"x\" ", 2, 2, 1, ptContent);
    c.Add("  A \"quoted\"  ", 3, 3, 2, ptContent);
    c.Add("Link", 4, 4, 2, ptURLLink, "http://x.org/a b:c");
    c.Add("Doc", 5, 5, 1, ptOutsideDocument, "Plan roku.pdf");
    c.Add("Nothing", 6, 6, 1, ptNone);
    c.Add("Web", 8, 8, 1, ptURLLink, "http://y.org/");
    c.Add("Under web", 9, 9, 8, ptContent);
    c.Add("Deep chapter", 10, 10, 9, ptNone);
    c.Add("Deep page", 11, 11, 10, ptContent);
    c.Add("Docs", 7, 12, 1, ptOutsideDocument, "a b.pdf");
    c.Add("In docs", 12, 13, 7, ptContent);
    const fs::path file = c.dir / "ds_tree.html";
    ASSERT_TRUE(WriteFileBytes(file, "<script>\r\n*[tree]*</script>*[tree]*"));
    ASSERT_TRUE(WriteTreeScriptFile(file, TreeScriptLines(c.project)));
    EXPECT_EQ(ReadText(file), ReadText(ExportFixtures() / "expected" / "tree" / "ds_tree.html"));
}

TEST(TreeScript, MissingFileStaysMissingAndFileWithoutMarkerIsUnchanged) {
    ExportCourse c("tree_files");
    c.Add("Course", 1, 1, 0, ptContent);
    c.Add("P", 2, 2, 1, ptContent);
    EXPECT_TRUE(WriteTreeScriptFile(c.dir / "ds_tree.html", TreeScriptLines(c.project)));
    EXPECT_FALSE(fs::exists(c.dir / "ds_tree.html"));
    const fs::path plain = c.dir / "plain.html";
    ASSERT_TRUE(WriteFileBytes(plain, "no marker here, a long old text"));
    EXPECT_TRUE(WriteTreeScriptFile(plain, TreeScriptLines(c.project)));
    EXPECT_EQ(ReadText(plain), "no marker here, a long old text");
}

// Titles stand in JavaScript strings inside the page's script block: a
// backslash, a quote, "</script>", "<!--" or a line break ends neither.
TEST(TreeScript, TitlesAreEscapedForAScriptStringInHtml) {
    const struct {
        std::string name, title;
    } cases[] = {
        {"Ends with \\", "Ends with \\\\"},
        {"a\\\"b", "a\\\\\\\"b"},
        {"x</script><script>alert(1)</script>", "x<\\/script><script>alert(1)<\\/script>"},
        {"<!-- hidden", "<\\!-- hidden"},
        {"two\r\nlines", "two\\r\\nlines"},
        {"  plain  ", "plain"},
    };
    for (const auto& c : cases) {
        ExportCourse course("tree_escape");
        course.Add("Course", 1, 1, 0, ptContent);
        course.Add(c.name, 2, 2, 1, ptContent);
        const std::vector<std::string> lines = TreeScriptLines(course.project);
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_EQ(lines[0], "addTreePage(false,\"" + c.title +
                                "\",\"pages/p00002/_page.html\",0, \"\", 2, 0, 0);")
            << c.name;
    }
}
