#include "page/ClassDefinitions.h"

#include "SmallStack.h"
#include "app/IniLang.h"

#include <gtest/gtest.h>

using namespace vlm;

namespace {

struct LanguageGuard {
    std::string saved = ContentLanguage();
    explicit LanguageGuard(const std::string& code) { ContentLanguage() = code; }
    ~LanguageGuard() { ContentLanguage() = saved; }
};

std::string Attributes(const TjanXMLNode& n) {
    std::string out;
    for (const auto& a : n.Attributes())
        out += (out.empty() ? "" : " ") + a->Name + "=" + a->Value;
    return out;
}

const char* const kInheritance = R"(<document>
  <class name="component">
    <property name="name" defaultValue="" />
    <property name="x" defaultValue="0" />
    <property name="width" defaultValue="100" type="int" />
  </class>
  <class name="button" extends="component">
    <property name="width" defaultValue="80" />
    <property name="caption" defaultValue="OK" type="text" />
  </class>
  <class name="quiz" extends="button">
    <property name="x" defaultValue="5" />
    <property name="score" defaultValue="1" />
    <property defaultValue="nameless" />
  </class>
  <class name="deep" extends="quiz">
    <property name="own" defaultValue="" />
  </class>
  <class name="lonely">
    <property name="own" defaultValue="" />
  </class>
  <class name="orphan" extends="nobody" />
  <class name="hello">
    <property name="greeting" defaultValue="Hello">
      <defaultValue lang="EN">Hi</defaultValue>
      <values><defaultValue lang="DE">Hallo</defaultValue></values>
      <defaultValue lang="DE">Servus</defaultValue>
    </property>
    <property name="pic" defaultValue="RESOURCE_PATH\pic.png" type="path" />
    <property name="pic2" defaultValue="a RESOURCE_PATH\\\x.png RESOURCE_PATH" />
  </class>
</document>)";

class Definitions : public ::testing::Test {
protected:
    TjanXMLTree tree;
    TjanXMLNode* doc = nullptr;
    void SetUp() override {
        tree.LoadFromText(kInheritance);
        doc = DefinitionsDocument(tree);
        ASSERT_NE(doc, nullptr);
    }
    const TjanXMLNode& Class(const std::string& name) {
        return *doc->FindChildByAttribute("name", name);
    }
};

TEST_F(Definitions, ResolveAppliesAncestorsFirstKeepingFirstPositions) {
    auto quiz = ResolveClass(tree, Class("quiz"));
    EXPECT_EQ(quiz->Name(), "quiz");
    EXPECT_EQ(Attributes(*quiz), "name= x=5 width=80 caption=OK score=1");
    TjanXMLNode target("quiz");
    target.AddAttribute("score", "7");
    EXPECT_EQ(ResolveClass(tree, Class("quiz"), &target), &target);
    EXPECT_EQ(Attributes(target), "score=1 name= x=5 width=80 caption=OK");
}

TEST_F(Definitions, ResolveAppliesEveryClassCarryingTheParentName) {
    TjanXMLTree twice;
    twice.LoadFromText(R"(<document><class name="p"><property name="a" defaultValue="1" /></class>
      <class name="p"><property name="b" defaultValue="2" /></class>
      <class name="c" extends="p"><property name="a" defaultValue="3" /></class></document>)");
    auto c = ResolveClass(twice, *DefinitionsDocument(twice)->Child(2));
    EXPECT_EQ(Attributes(*c), "a=3 b=2");
}

TEST_F(Definitions, ExtendsCyclesEndWithoutApplyingAClassTwice) {
    TjanXMLTree cyclic;
    cyclic.LoadFromText(R"(<document>
      <class name="a" extends="b"><property name="pa" defaultValue="a" /></class>
      <class name="b" extends="a"><property name="pb" defaultValue="b" /></class>
      <class name="self" extends="self"><property name="ps" defaultValue="s" /></class>
    </document>)");
    const TjanXMLNode* d = DefinitionsDocument(cyclic);
    EXPECT_EQ(Attributes(*ResolveClass(cyclic, *d->Child(0))), "pb=b pa=a");
    EXPECT_EQ(Attributes(*ResolveClass(cyclic, *d->Child(1))), "pa=a pb=b");
    EXPECT_EQ(Attributes(*ResolveClass(cyclic, *d->Child(2))), "ps=s");
    EXPECT_EQ(LookupPropertyAttribute(d, "a", "type", "zz"), "");
}

TEST(DefinitionsDepth, LongInheritanceChainNeedsNoDeepStack) {
    const int n = 20000;
    std::string text = "<document>";
    for (int i = 0; i < n; ++i)
        text += "<class name=\"c" + std::to_string(i) + "\"" +
                (i ? " extends=\"c" + std::to_string(i - 1) + "\"" : std::string()) +
                "><property name=\"p" + std::to_string(i % 3) + "\" defaultValue=\"" +
                std::to_string(i) + "\" /></class>";
    text += "</document>";
    TjanXMLTree tree;
    tree.LoadFromText(text);
    test::OnSmallStack([&] {
        auto last = ResolveClass(tree, *DefinitionsDocument(tree)->Child(n - 1));
        EXPECT_EQ(Attributes(*last), "p0=19998 p1=19999 p2=19997");
    });
}

TEST(DefinitionsDepth, ClassesSharingNamesAtManyLevelsAreAppliedOnce) {
    // Two classes per name on forty levels: applying every path would take 2^40 steps.
    std::string text = "<document>";
    for (int level = 0; level < 40; ++level)
        for (int copy = 0; copy < 2; ++copy)
            text += "<class name=\"l" + std::to_string(level) + "\"" +
                    (level ? " extends=\"l" + std::to_string(level - 1) + "\"" : std::string()) +
                    "><property name=\"p\" defaultValue=\"" + std::to_string(level) + "." +
                    std::to_string(copy) + "\" /></class>";
    text +=
        "<class name=\"top\" extends=\"l39\"><property name=\"q\" defaultValue=\"1\" /></class>";
    text += "</document>";
    TjanXMLTree tree;
    tree.LoadFromText(text);
    auto top = ResolveClass(tree, *DefinitionsDocument(tree)->Children().back());
    EXPECT_EQ(Attributes(*top), "p=39.1 q=1");
}

struct DefaultCase {
    const char* language;
    const char* property;
    const char* value;
};

class LanguageDefaults : public Definitions, public ::testing::WithParamInterface<DefaultCase> {};

TEST_P(LanguageDefaults, LastMatchingLanguageWinsAndResourcePathIsRewritten) {
    LanguageGuard lang(GetParam().language);
    auto hello = ResolveClass(tree, Class("hello"));
    EXPECT_EQ(hello->GetAttributeText(GetParam().property), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Table, LanguageDefaults,
    ::testing::Values(DefaultCase{"EN", "greeting", "Hi"}, DefaultCase{"PL", "greeting", "Hello"},
                      DefaultCase{"DE", "greeting", "Servus"},
                      DefaultCase{"PL", "pic", "..\\resources\\pic.png"},
                      DefaultCase{"PL", "pic2", "a ..\\resources\\x.png RESOURCE_PATH"}));

TEST_F(Definitions, PropertyDefaultValueIsEmptyWithoutEither) {
    TjanXMLNode bare("property");
    EXPECT_EQ(PropertyDefaultValue(bare, "PL"), "");
    const TjanXMLNode& greeting = *Class("hello").FindChildByAttribute("name", "greeting");
    EXPECT_EQ(PropertyDefaultValue(greeting, "DE"), "Servus");
    EXPECT_EQ(ExpandResourcePath("RESOURCE_PATH\\a.png", "x\\"), "x\\..\\resources\\a.png");
}

struct LookupCase {
    const char* className;
    const char* attribute;
    const char* property;
    const char* found;
};

class Lookups : public Definitions, public ::testing::WithParamInterface<LookupCase> {};

TEST_P(Lookups, ClassParentGrandparentThenComponent) {
    const LookupCase& c = GetParam();
    EXPECT_EQ(LookupPropertyAttribute(doc, c.className, c.attribute, c.property), c.found)
        << c.className << "." << c.property << "@" << c.attribute;
}

INSTANTIATE_TEST_SUITE_P(
    Table, Lookups,
    ::testing::Values(
        LookupCase{"quiz", "defaultValue", "x", "5"},        // own
        LookupCase{"quiz", "type", "caption", "text"},       // parent
        LookupCase{"quiz", "type", "width", "int"},          // grandparent
        LookupCase{"deep", "type", "caption", "text"},       // grandparent of deep
        LookupCase{"deep", "type", "width", ""},             // three levels up: not found
        LookupCase{"deep", "defaultValue", "name", ""},      // grandparent exists: no fallback
        LookupCase{"undefined", "type", "width", "int"},     // unknown class: component
        LookupCase{"lonely", "defaultValue", "x", "0"},      // chain ends, nothing found: component
        LookupCase{"lonely", "type", "own", ""},             // property found, attribute missing
        LookupCase{"orphan", "defaultValue", "width", "100"} // parent missing: component
        ));

TEST_F(Definitions, LookupWithoutDefinitionsIsEmpty) {
    EXPECT_EQ(LookupPropertyAttribute(nullptr, "quiz", "type", "x"), "");
}

TEST(DefinitionAccessors, GetAttributeOrAndHasNamedChild) {
    TjanXMLTree t;
    t.LoadFromText(R"(<e width="" height="5"><event name="onClick" /></e>)");
    const TjanXMLNode* e = t.FirstChild();
    EXPECT_EQ(GetAttributeOr(e, "width", "10"), "10");
    EXPECT_EQ(GetAttributeOr(e, "height", "10"), "5");
    EXPECT_EQ(GetAttributeOr(e, "missing", "10"), "10");
    EXPECT_EQ(GetAttributeOr(nullptr, "height", "10"), "10");
    EXPECT_TRUE(HasNamedChild(e, "onClick"));
    EXPECT_FALSE(HasNamedChild(e, "onLoad"));
    EXPECT_FALSE(HasNamedChild(nullptr, "onClick"));
}

TEST_F(Definitions, ApplyDefaultsFillsOnlyEmptyAttributesOfNamedElements) {
    TjanXMLTree page;
    page.LoadFromText(R"(<document><info /><hello name="h" pic="" greeting="" x="" />
      <hello pic="" /><quiz name="q" width="" caption="Go" /></document>)");
    ApplyDefaultsToTree(page, tree, "C:\\course\\");
    const TjanXMLNode* d = DefinitionsDocument(page);
    EXPECT_EQ(Attributes(*d->Child(1)),
              "name=h pic=C:\\course\\..\\resources\\pic.png greeting=Hello x=0");
    EXPECT_EQ(Attributes(*d->Child(2)), "pic="); // no "name": untouched
    EXPECT_EQ(Attributes(*d->Child(3)), "name=q width=80 caption=Go");
}

} // namespace
