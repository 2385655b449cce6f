#include "page/janXMLTree.h"

#include "common/FileWrite.h"
#include "fakes/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;
using namespace vlm;

namespace {

const fs::path kXmlFixtures = fs::path(VLM_FIXTURES_DIR) / "page" / "xml";

std::string ReadBytes(const fs::path& p) {
    auto bytes = ReadFileBytes(p);
    if (!bytes)
        throw std::runtime_error("missing fixture " + p.string());
    return *bytes;
}

std::string Rewrite(const std::string& input) {
    TjanXMLTree tree;
    tree.LoadFromText(input);
    return tree.AsText();
}

struct ReadCase {
    const char* what;
    std::string input;
    std::string written;
};

class ReaderQuirks : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReaderQuirks, ReadsAndWritesAsTheRulesSay) {
    EXPECT_EQ(Rewrite(GetParam().input), GetParam().written) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Table, ReaderQuirks,
    ::testing::Values(
        ReadCase{"slash without space stays in the name", "<a x=\"1\"><b/>hello</a>",
                 "<a x=\"1\">\r\n  hello\r\n  <b/ />\r\n</a>\r\n"},
        ReadCase{"text alone takes three lines", "<a>hi</a>", "<a>\r\n  hi\r\n</a>\r\n"},
        ReadCase{"line breaks and tabs fold, runs of spaces stay",
                 "<a>\r\n  one\r\n\ttwo  three\nfour \r\n</a>",
                 "<a>\r\n  one  two  three four\r\n</a>\r\n"},
        ReadCase{"CDATA keeps its line break", "<e><![CDATA[a\r\nb\tc]]></e>",
                 "<e>\r\n  <![CDATA[a\r\nb\tc]]>\r\n</e>\r\n"},
        ReadCase{"CDATA marker in lower case", "<e><![cdata[x]]></e>",
                 "<e>\r\n  <![CDATA[x]]>\r\n</e>\r\n"},
        ReadCase{"CDATA without its end takes the rest", "<e><![CDATA[x",
                 "<e>\r\n  <![CDATA[x\r\n]]>\r\n</e>\r\n"},
        ReadCase{"no entity decoding", "<a v=\"&lt;b&amp;\">&gt;</a>",
                 "<a v=\"&lt;b&amp;\">\r\n  &gt;\r\n</a>\r\n"},
        ReadCase{"declaration is a start tag holding the rest",
                 "<?xml version=\"1.0\"?>\r\n<document id=\"x\" />",
                 "<?xml version=\"1.0\">\r\n  <document id=\"x\" />\r\n</?xml>\r\n"},
        ReadCase{"comment is a start tag", "<!-- note --><a />", "<!-->\r\n  <a />\r\n</!-->\r\n"},
        ReadCase{"unquoted value ends the list", "<a x=1 />", "<a />\r\n"},
        ReadCase{"value is taken from the next quotes", "<a x=1 y=\"2\" />", "<a x=\"2\" />\r\n"},
        ReadCase{"single quotes are not recognised", "<a x='1' />", "<a />\r\n"},
        ReadCase{"duplicates are kept", "<a x=\"1\" x=\"2\" />", "<a x=\"1\" x=\"2\" />\r\n"},
        ReadCase{"tab and line break inside a tag", "<a\tx=\"1\"\r\ny = \"2\"/>",
                 "<a x=\"1\" y=\"2\" />\r\n"},
        ReadCase{"slash before a space makes a start tag", "<a/ ><b />",
                 "<a/>\r\n  <b />\r\n</a/>\r\n"},
        ReadCase{"end tag names are not compared", "<a><b></a><c /></b><d />",
                 "<a>\r\n  <b />\r\n  <c />\r\n</a>\r\n<d />\r\n"},
        ReadCase{"top-level end tag ignored, unclosed elements closed", "</x><a><b>",
                 "<a>\r\n  <b />\r\n</a>\r\n"},
        ReadCase{"a > in a value ends the tag", "<a x=\"1>2\" />", "<a>\r\n  2\" />\r\n</a>\r\n"},
        ReadCase{"a < without > is skipped", "<a>x <", "<a>\r\n  x\r\n</a>\r\n"},
        ReadCase{"last text piece wins", "<a>one<b />two</a>",
                 "<a>\r\n  two\r\n  <b />\r\n</a>\r\n"},
        ReadCase{"text after CDATA replaces it", "<a><![CDATA[c]]>plain</a>",
                 "<a>\r\n  plain\r\n</a>\r\n"},
        ReadCase{"empty tag content", "<>", "< />\r\n"},
        ReadCase{"top-level text is not written", "hello <a />", "<a />\r\n"},
        ReadCase{"empty input", "", ""}));

TEST(XmlReader, BindsTextCDataAndAttributes) {
    TjanXMLTree tree;
    tree.LoadFromText("<a x=\"1\"><b/>hello<e><![CDATA[l1\r\nl2]]></e></a>");
    EXPECT_EQ(tree.Name(), "root");
    ASSERT_EQ(tree.ChildCount(), 1u);
    const TjanXMLNode* a = tree.Child(0);
    EXPECT_EQ(a->Parent(), &tree);
    EXPECT_EQ(a->GetAttributeText("x"), "1");
    EXPECT_EQ(a->Text(), "hello");
    EXPECT_FALSE(a->IsCData());
    ASSERT_EQ(a->ChildCount(), 2u);
    EXPECT_EQ(a->Child(0)->Name(), "b/");
    EXPECT_EQ(a->Child(1)->Text(), "l1\\n l2");
    EXPECT_TRUE(a->Child(1)->IsCData());
    EXPECT_EQ(tree.StartTagCount(), 2);
}

TEST(XmlReader, DeclarationStillLetsFindDescendantFindTheDocument) {
    TjanXMLTree tree;
    tree.LoadFromText("<?xml version=\"1.0\"?>\r\n<document><page id=\"p\" /></document>");
    ASSERT_EQ(tree.ChildCount(), 1u);
    EXPECT_EQ(tree.Child(0)->Name(), "?xml");
    TjanXMLNode* doc = tree.FindDescendant("document");
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(doc->FindChild("page")->GetAttributeText("id"), "p");
}

TEST(XmlReader, ReloadDiscardsPreviousContent) {
    TjanXMLTree tree;
    tree.LoadFromText("<a /><b />");
    tree.SetAttribute("stale", "1");
    tree.LoadFromText("<c />");
    ASSERT_EQ(tree.ChildCount(), 1u);
    EXPECT_EQ(tree.Child(0)->Name(), "c");
    EXPECT_TRUE(tree.Attributes().empty());
}

TEST(XmlWriter, CDataMarkerInTextBecomesALineBreak) {
    TjanXMLNode e("event");
    e.SetText("a\\n b\\t c\\n");
    e.SetCData(true);
    EXPECT_EQ(e.ToXml(1), "  <event>\r\n    <![CDATA[a\r\nb\tc\\n]]>\r\n  </event>\r\n");
}

TEST(XmlWriter, BuiltDocumentMatchesGoldenFile) {
    TjanXMLTree tree;
    TjanXMLNode* doc = tree.AddChild("document");
    doc->AddAttribute("id", "{0F1E2D3C-4B5A-6978-8796-A5B4C3D2E1F0}");
    TjanXMLNode* info = doc->AddChild("info");
    info->AddChild("caption", "Strona \xb9\xe6");
    info->AddChild("date", "2024.05.17 10:30");
    info->AddChild("icon")->AddAttribute("index", "3");
    TjanXMLNode* page = doc->AddChild("page");
    page->AddAttribute("id", "{00000000-0000-0000-0000-000000000001}");
    page->AddAttribute("name", "page");
    page->AddAttribute("tryCount", "");
    TjanXMLNode* text = doc->AddChild("text");
    for (auto [n, v] : {std::pair{"name", "text1"},
                        {"id", "{00000000-0000-0000-0000-000000000002}"},
                        {"globalIndex", "1"},
                        {"x", "10"},
                        {"y", "20"},
                        {"text", "Ala%20ma%20kota&amp;"},
                        {"text", "duplicate"}})
        text->AddAttribute(n, v);
    TjanXMLNode* ev = text->AddChild("event", "if (a) {\\n \\t b();\\n }");
    ev->SetCData(true);
    ev->AddAttribute("name", "onClick");
    TjanXMLNode* action = ev->AddChild("action", "Hello  world");
    for (auto [n, v] : {std::pair{"object", "{00000000-0000-0000-0000-000000000002}"},
                        {"name", "show"},
                        {"param", "true"},
                        {"paramType", "text"}})
        action->AddAttribute(n, v);
    doc->AddChild("image")->AddAttribute("name", "image1");
    doc->Child(3)->AddAttribute("src", "..\\resources\\pic.png");
    EXPECT_EQ(tree.AsText(), ReadBytes(kXmlFixtures / "page.xmp"));
}

TEST(XmlWriter, GoldenFileRoundTripsByteForByte) {
    const std::string golden = ReadBytes(kXmlFixtures / "page.xmp");
    TjanXMLTree tree;
    tree.LoadFromFile(kXmlFixtures / "page.xmp");
    EXPECT_EQ(tree.AsText(), golden);
    const test::TempFolder tmp;
    const fs::path out = tmp / "page.xmp";
    tree.SaveToFile(out);
    EXPECT_EQ(ReadBytes(out), golden);
    TjanXMLTree again;
    again.LoadFromFile(out);
    EXPECT_EQ(again.AsText(), golden);
}

TEST(XmlFile, SaveNormalisesEveryLineBreakToCrLf) {
    TjanXMLTree tree;
    tree.AddChild("a")->AddAttribute("v", "one\ntwo\rthree");
    const test::TempFolder tmp;
    const fs::path out = tmp / "crlf.xml";
    tree.SaveToFile(out);
    EXPECT_EQ(ReadBytes(out), "<a v=\"one\r\ntwo\r\nthree\" />\r\n");
    EXPECT_EQ(tree.Lines().size(), 3u);
}

TEST(XmlFile, FailuresNameTheFileAndTheReason) {
    TjanXMLTree tree;
    const test::TempFolder tmp;
    const fs::path missing = tmp / "no_such_dir" / "x.xml";
    try {
        tree.LoadFromFile(missing);
        FAIL() << "no exception";
    } catch (const EFOpenError& e) {
        EXPECT_NE(std::string(e.what()).find(missing.string()), std::string::npos);
        EXPECT_NE(std::string(e.what()).find("No such file"), std::string::npos);
    }
    tree.AddChild("stale");
    EXPECT_THROW(tree.LoadFromFile(tmp.path()), EFOpenError); // a folder
    EXPECT_EQ(tree.ChildCount(), 0u);
    tree.AddChild("a");
    EXPECT_THROW(tree.SaveToFile(missing), EFCreateError);
}

} // namespace
