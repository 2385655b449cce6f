#include "page/janXMLTree.h"

#include <gtest/gtest.h>

using namespace vlm;

namespace {

std::string Names(const TjanXMLNodeList& list) {
    std::string out;
    for (const TjanXMLNode* n : list)
        out += (out.empty() ? "" : ",") + n->Name() + n->GetAttributeText("k");
    return out;
}

std::string ChildNames(const TjanXMLNode& n) {
    std::string out;
    for (const auto& c : n.Children())
        out += c->Name();
    return out;
}

TEST(XmlNode, AttributesKeepDuplicatesAndLookupsUseTheFirst) {
    TjanXMLNode n("a");
    n.AddAttribute("x", "1");
    n.AddAttribute("x", "2");
    n.SetAttribute("x", "3");
    n.SetAttribute("y", "4");
    EXPECT_EQ(n.ToXml(0), "<a x=\"3\" x=\"2\" y=\"4\" />\r\n");
    std::string v = "untouched";
    EXPECT_FALSE(n.TryGetAttribute("z", v));
    EXPECT_EQ(v, "untouched");
    EXPECT_TRUE(n.TryGetAttribute("y", v));
    EXPECT_EQ(v, "4");
    EXPECT_EQ(n.GetAttributeText("z"), "");
    EXPECT_EQ(n.FindAttribute("X"), nullptr); // case-sensitive
    n.DeleteAttributes();
    EXPECT_TRUE(n.Attributes().empty());
}

TEST(XmlNode, ChildLookups) {
    TjanXMLTree t;
    t.LoadFromText("<r><a k=\"1\"><b k=\"in\" /></a><b k=\"2\" /><b k=\"3\" name=\"x\" /></r>");
    const TjanXMLNode* r = t.FirstChild();
    EXPECT_EQ(r->FindChild("b")->GetAttributeText("k"), "2");
    EXPECT_EQ(r->FindChild("B"), nullptr);
    EXPECT_EQ(r->FindChildByAttribute("name", "x")->GetAttributeText("k"), "3");
    EXPECT_EQ(r->FindChildByAttribute("name", ""), nullptr);
    EXPECT_EQ(r->FindChildByAttribute("k", "in"), nullptr); // not a direct child
    EXPECT_EQ(r->IndexOfChild(r->Child(2)), 2);
    EXPECT_EQ(r->IndexOfChild(&t), -1);
    EXPECT_EQ(TjanXMLNode("e").FirstChild(), nullptr);
}

TEST(XmlNode, DescendantSearchesRunInDocumentOrder) {
    TjanXMLTree t;
    t.LoadFromText("<r><a k=\"1\"><x k=\"1\"><x k=\"2\" /></x></a><x k=\"3\" /></r>");
    EXPECT_EQ(t.FindDescendant("x")->GetAttributeText("k"), "1");
    EXPECT_EQ(t.FindDescendant("r"), t.FirstChild());
    EXPECT_EQ(t.FirstChild()->FindDescendant("r"), nullptr); // not itself
    TjanXMLNodeList list;
    t.CollectDescendants("x", list);
    EXPECT_EQ(Names(list), "x1,x2,x3");
}

TEST(XmlNode, SelectSingleBacktracksOverMatchingChildren) {
    TjanXMLTree t;
    t.LoadFromText("<r><a k=\"1\"><c /></a><a k=\"2\"><b k=\"ok\" /></a></r>");
    const TjanXMLNode* r = t.FirstChild();
    EXPECT_EQ(r->SelectSingle("a/b")->GetAttributeText("k"), "ok");
    EXPECT_EQ(r->SelectSingle("a")->GetAttributeText("k"), "1");
    EXPECT_EQ(r->SelectSingle("b"), nullptr);
    EXPECT_EQ(r->SelectSingle(""), nullptr);
}

struct SelectCase {
    const char* path;
    const char* found;
};

class SelectAllPaths : public ::testing::TestWithParam<SelectCase> {};

TEST_P(SelectAllPaths, FindsInOrder) {
    TjanXMLTree t;
    t.LoadFromText("<r><item k=\"1\"><item k=\"inner\" /></item>"
                   "<g k=\"g\"><item k=\"2\" /><h><item k=\"3\" /></h></g>"
                   "<item k=\"4\" /></r>");
    TjanXMLNodeList list;
    t.FirstChild()->SelectAll(GetParam().path, list);
    EXPECT_EQ(Names(list), GetParam().found) << GetParam().path;
}

INSTANTIATE_TEST_SUITE_P(Table, SelectAllPaths,
                         ::testing::Values(SelectCase{"item", "item1,item4"},
                                           SelectCase{"//item", "item1,item2,item3,item4"},
                                           SelectCase{"g/item", "item2"},
                                           SelectCase{"g/h/item", "item3"},
                                           SelectCase{"//h/item", "item3"}, SelectCase{"none", ""},
                                           SelectCase{"", ""}));

TEST(XmlNode, CloneIsDeepAndDetached) {
    TjanXMLTree t;
    t.LoadFromText("<text a=\"1\" b=\"2\"><event name=\"e\"><![CDATA[x\r\ny]]>"
                   "<action object=\"o\">p</action></event></text>");
    std::unique_ptr<TjanXMLNode> copy = t.FirstChild()->Clone();
    EXPECT_EQ(copy->Parent(), nullptr);
    EXPECT_EQ(copy->ToXml(0), t.FirstChild()->ToXml(0));
    const TjanXMLNode* ev = copy->FirstChild();
    EXPECT_TRUE(ev->IsCData());
    EXPECT_EQ(ev->Parent(), copy.get());
    EXPECT_EQ(ev->FirstChild()->Parent(), ev);
    EXPECT_NE(ev, t.FirstChild()->FirstChild());
}

struct MoveCase {
    int child;
    int index;
    bool moved;
    const char* order;
};

class MoveChildCases : public ::testing::TestWithParam<MoveCase> {};

TEST_P(MoveChildCases, ReplacesTheChildByACopyAtTheIndex) {
    TjanXMLTree t;
    t.LoadFromText("<r><a /><b /><c /></r>");
    TjanXMLNode* r = t.FirstChild();
    TjanXMLNode* child = GetParam().child < 0 ? &t : r->Child(GetParam().child);
    TjanXMLNode* result = r->MoveChild(child, GetParam().index);
    EXPECT_EQ(result, GetParam().moved ? r : nullptr);
    EXPECT_EQ(ChildNames(*r), GetParam().order);
    for (const auto& c : r->Children())
        EXPECT_EQ(c->Parent(), r);
}

INSTANTIATE_TEST_SUITE_P(Table, MoveChildCases,
                         ::testing::Values(MoveCase{2, 0, true, "cab"},   // last to first
                                           MoveCase{0, 2, true, "bca"},   // first to last
                                           MoveCase{1, 1, true, "abc"},   // same place
                                           MoveCase{0, -1, false, "abc"}, // -1
                                           MoveCase{0, -2, false, "abc"}, // other negatives
                                           MoveCase{0, 3, false, "abc"},  // past the end
                                           MoveCase{-1, 0, false, "abc"}  // not a child
                                           ));

TEST(XmlNode, MoveChildHandsBackACopyThatKeepsTheSubtree) {
    TjanXMLTree t;
    t.LoadFromText("<r><a /><b k=\"1\"><e><![CDATA[c]]></e></b></r>");
    TjanXMLNode* r = t.FirstChild();
    r->MoveChild(r->Child(1), 0);
    const TjanXMLNode* moved = r->Child(0);
    EXPECT_EQ(moved->GetAttributeText("k"), "1");
    EXPECT_TRUE(moved->FirstChild()->IsCData());
}

TEST(XmlNode, DeleteAndInsert) {
    TjanXMLTree t;
    t.LoadFromText("<r><a /><b /><c /></r>");
    TjanXMLNode* r = t.FirstChild();
    r->DeleteChild(1);
    EXPECT_EQ(ChildNames(*r), "ac");
    EXPECT_THROW(r->DeleteChild(5), std::out_of_range);
    std::unique_ptr<TjanXMLNode> c = r->DetachChild(r->Child(1));
    EXPECT_EQ(c->Parent(), nullptr);
    EXPECT_EQ(r->DetachChild(c.get()), nullptr);
    r->InsertChild(0, std::move(c));
    EXPECT_EQ(ChildNames(*r), "ca");
    EXPECT_EQ(r->Child(0)->Parent(), r);
    r->AppendChild(std::make_unique<TjanXMLNode>("z"));
    EXPECT_EQ(ChildNames(*r), "caz");
    r->DeleteChildren();
    EXPECT_EQ(r->ChildCount(), 0u);
    EXPECT_EQ(r->ToXml(2), "    <r />\r\n");
}

} // namespace
