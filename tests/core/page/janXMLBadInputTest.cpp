#include "page/janXMLTree.h"

#include "SmallStack.h"

#include <gtest/gtest.h>

#include <random>

using namespace vlm;

namespace {

using test::OnSmallStack;

std::string Nested(std::size_t depth, const std::string& open, const std::string& inner) {
    std::string s;
    s.reserve(depth * (open.size() + 4) + inner.size());
    for (std::size_t i = 0; i < depth; ++i)
        s += open;
    s += inner;
    for (std::size_t i = 0; i < depth; ++i)
        s += "</a>";
    return s;
}

TEST(XmlBadInput, HundredThousandLevelsNeedNoDeepStack) {
    const std::size_t depth = 100000;
    const std::string text = Nested(depth, "<a>", "<leaf k=\"1\" />");
    OnSmallStack([&] {
        auto tree = std::make_unique<TjanXMLTree>();
        tree->LoadFromText(text);
        const TjanXMLNode* leaf = tree->FindDescendant("leaf");
        ASSERT_NE(leaf, nullptr);
        EXPECT_EQ(leaf->GetAttributeText("k"), "1");
        EXPECT_EQ(tree->FindDescendant("missing"), nullptr);
        TjanXMLNodeList all;
        tree->CollectDescendants("a", all);
        EXPECT_EQ(all.size(), depth);
        TjanXMLNodeList found;
        tree->SelectAll("//leaf", found);
        EXPECT_EQ(found.size(), 1u);
        std::string path;
        for (std::size_t i = 0; i < depth; ++i)
            path += "a/";
        EXPECT_EQ(tree->SelectSingle(path + "leaf"), leaf);
        std::unique_ptr<TjanXMLNode> copy = tree->Clone();
        EXPECT_NE(copy->FindDescendant("leaf"), nullptr);
        copy.reset();
        tree.reset();
    });
}

TEST(XmlBadInput, DeepWriteIsIterative) {
    // The written size grows with the square of the depth (indentation), so
    // the writer is checked at a depth that still overflows a recursive one.
    const std::size_t depth = 3000;
    OnSmallStack([&] {
        TjanXMLTree tree;
        tree.LoadFromText(Nested(depth, "<a>", "x"));
        const std::string out = tree.AsText();
        EXPECT_EQ(out.substr(out.size() - 6), "</a>\r\n");
        TjanXMLTree again;
        again.LoadFromText(out);
        EXPECT_EQ(again.AsText(), out);
    });
}

TEST(XmlBadInput, PathologicalTextsStayLinearAndSafe) {
    const std::size_t n = 200000;
    for (const std::string& text :
         {std::string(n, '<'), std::string(n, '>'), std::string(n, '/'),
          std::string("<a ") + std::string(n, '='), std::string("<a x=") + std::string(n, '"'),
          std::string("<![CDATA[") + std::string(n, ']'), std::string(n, '\0')}) {
        TjanXMLTree tree;
        tree.LoadFromText(text);
        (void)tree.AsText();
    }
    std::string closes;
    for (std::size_t i = 0; i < n / 4; ++i)
        closes += "</a>";
    TjanXMLTree tree;
    tree.LoadFromText(closes + "<b />");
    EXPECT_EQ(tree.AsText(), "<b />\r\n");
}

TEST(XmlBadInput, RandomAndTruncatedInputNeverCrashes) {
    const std::string sample =
        "<?xml version=\"1.0\"?><document id=\"{1}\"><info><caption>c</caption></info>"
        "<text name=\"t\" x=\"1\"><event name=\"e\"><![CDATA[a\r\nb]]><action p=\"1\">v"
        "</action></event></text><!-- c --></document>";
    for (std::size_t len = 0; len <= sample.size(); ++len) {
        TjanXMLTree tree;
        tree.LoadFromText(sample.substr(0, len));
        TjanXMLTree again;
        again.LoadFromText(tree.AsText());
    }
    std::mt19937 rng(12345);
    const std::string alphabet = "<>/=\"' \t\r\n![CDATA]ab-?\x80\xff";
    for (int round = 0; round < 3000; ++round) {
        std::string text(rng() % 200, ' ');
        for (char& c : text)
            c = rng() % 4 == 0 ? static_cast<char>(rng() % 256) : alphabet[rng() % alphabet.size()];
        TjanXMLTree tree;
        tree.LoadFromText(text);
        const std::string written = tree.AsText();
        TjanXMLTree again;
        again.LoadFromText(written);
        std::unique_ptr<TjanXMLNode> copy = again.Clone();
        EXPECT_EQ(copy->ToXml(0).empty(), false);
    }
}

} // namespace
