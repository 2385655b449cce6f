#include "page/xmp.h"

#include "app/IniLang.h"
#include "common/FileWrite.h"
#include "fakes/Fakes.h"
#include "fakes/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

namespace fs = std::filesystem;
using namespace vlm;

namespace {

const fs::path kXmp = fs::path(VLM_FIXTURES_DIR) / "page" / "xmp";

const char* const kDefinitions = R"(<document>
  <class name="text" type="api" extends="component">
    <property name="text" defaultValue="Hello"><defaultValue lang="EN">Hi</defaultValue></property>
    <property name="align" defaultValue="center" />
    <property name="width" defaultValue="100" />
    <property name="src" defaultValue="" type="path" />
    <events>
      <event name="onClick"><code>click();</code></event>
      <event name="onShow"><code><![CDATA[show();
done();]]></code></event>
    </events>
  </class>
  <class name="button">
    <property name="caption" defaultValue="OK" />
    <property name="width" defaultValue="100" />
    <property name="buttonSrc" type="path" />
    <property defaultValue="nameless" />
    <event name="onClick" />
  </class>
  <group><class name="image"><property name="src" type="path" /></class></group>
</document>)";

struct CountingObserver : TXMPDocumentObserver {
    int calls = 0;
    void DocumentChanged(TXMPDocument&) override { ++calls; }
};

class PageDocument : public ::testing::Test {
protected:
    test::FixedGuidSource guids;
    test::FakeUserPrompt prompt;
    test::FixedClock clock;
    TjanXMLTree definitions;
    CountingObserver observer;
    TXMPDocument doc{guids, prompt, clock};
    std::string savedLanguage = ContentLanguage();
    test::TempFolder tmp;
    const fs::path dir = tmp.path();

    void SetUp() override {
        ContentLanguage() = "EN";
        definitions.LoadFromText(kDefinitions);
        doc.AddObserver(&observer);
    }
    void TearDown() override { ContentLanguage() = savedLanguage; }
    std::string Read(const fs::path& p) { return ReadFileBytes(p).value_or("<missing>"); }
    const TjanXMLNode& Element(std::size_t i) { return *doc.DocumentNode()->Child(i); }
};

TEST_F(PageDocument, CreatedWithOneUnboundDocument) {
    EXPECT_EQ(doc.AsText(), "<document />\r\n");
    EXPECT_EQ(doc.DocumentNode(), nullptr);
    EXPECT_FALSE(doc.PasteElement("<text />"));
}

TEST_F(PageDocument, LoadGivesIdsCompletesElementsAndSavesInTheFixedLayout) {
    doc.SetDefinitions(&definitions);
    doc.LoadFromFile(kXmp / "noids.xmp");
    EXPECT_EQ(doc.FileName(), kXmp / "noids.xmp");
    EXPECT_EQ(observer.calls, 1);
    EXPECT_EQ(doc.GetDocumentId(), "{00000000-0000-0000-0000-000000000002}");
    const fs::path out = dir / "p00001" / "_page.xmp";
    doc.SaveToFile(out);
    EXPECT_EQ(Read(out), Read(kXmp / "expected" / "noids.xmp"));
    EXPECT_TRUE(prompt.calls.empty());
    // What the program wrote reads back unchanged and without a change report.
    TXMPDocument again{guids, prompt, clock};
    again.SetDefinitions(&definitions);
    again.AddObserver(&observer);
    again.LoadFromFile(out);
    EXPECT_EQ(observer.calls, 1);
    EXPECT_EQ(again.AsText(), Read(out));
    EXPECT_EQ(guids.counter, 2u);
    for (const auto& entry : fs::directory_iterator(out.parent_path()))
        EXPECT_EQ(entry.path().filename(), "_page.xmp"); // no temporary left behind
}

TEST_F(PageDocument, WithoutDefinitionsNothingIsCompleted) {
    doc.LoadFromText("<document id=\"{D}\"><page id=\"{P}\" /><text name=\"t\" /></document>");
    EXPECT_EQ(doc.AsText(), "<document id=\"{D}\">\r\n  <page id=\"{P}\" />\r\n  <text "
                            "name=\"t\" />\r\n  <info />\r\n</document>\r\n");
    EXPECT_EQ(doc.InfoNode(), doc.DocumentNode()->Child(2));
    EXPECT_EQ(observer.calls, 0);
    EXPECT_EQ(guids.counter, 0u);
    EXPECT_TRUE(doc.FileName().empty());
}

TEST_F(PageDocument, BindFindsNodesAtAnyDepthAndToleratesPagesWithoutDocument) {
    doc.LoadFromText(
        "<?xml version=\"1.0\"?><document><info><caption>c</caption></info></document>");
    ASSERT_NE(doc.DocumentNode(), nullptr);
    EXPECT_EQ(doc.InfoNode()->FirstChild()->Text(), "c");
    EXPECT_EQ(doc.GetDocumentId(), "{00000000-0000-0000-0000-000000000001}"); // no page: one id
    doc.LoadFromText("<page />");
    EXPECT_EQ(doc.DocumentNode(), nullptr);
    EXPECT_EQ(doc.InfoNode(), nullptr);
    EXPECT_EQ(doc.UniqueName("text"), "text1");
    EXPECT_EQ(doc.MaxGlobalIndex(), 0);
    doc.SetInfo("caption", "x");
    EXPECT_EQ(doc.CollectCorrectAnswers(), "");
}

struct PasteCase {
    const char* what;
    const char* page; // elements after info and page
    const char* clip;
    const char* expect; // name x y globalIndex id of the pasted element
};

class Paste : public PageDocument, public ::testing::WithParamInterface<PasteCase> {};

TEST_P(Paste, PlacesRenamesAndNumbersTheCopy) {
    doc.LoadFromText(std::string("<document id=\"{D}\"><info /><page id=\"{P}\" />") +
                     GetParam().page + "</document>");
    ASSERT_TRUE(doc.PasteElement(GetParam().clip));
    const TjanXMLNode* e = doc.DocumentNode()->Children().back().get();
    const std::string got = e->GetAttributeText("name") + " " + e->GetAttributeText("x") + " " +
                            e->GetAttributeText("y") + " " + e->GetAttributeText("globalIndex") +
                            " " + e->GetAttributeText("id");
    EXPECT_EQ(got, GetParam().expect) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Table, Paste,
    ::testing::Values(
        PasteCase{"moved right only", "", "<text x=\"100\" y=\"0\" />",
                  "text1 120 0 1 {00000000-0000-0000-0000-000000000001}"},
        PasteCase{"negative and junk", "",
                  "<text x=\"-5\" y=\"abc\" globalIndex=\"9\" id=\"{O}\" />",
                  "text1 -5 0 1 {00000000-0000-0000-0000-000000000001}"},
        PasteCase{
            "next free name",
            "<text name=\"text1\" globalIndex=\"1\" /><text name=\"text2\" globalIndex=\"4\" />",
            "<text name=\"text1\" x=\"1\" y=\"2\" />",
            "text3 21 22 5 {00000000-0000-0000-0000-000000000001}"},
        PasteCase{"a gap is reused", "<text name=\"text2\" globalIndex=\"x\" />",
                  "<text x=\"0\" y=\"0\" />", "text1 0 0 1 {00000000-0000-0000-0000-000000000001}"},
        PasteCase{"first top-level element of the clip", "", "<image /><text />",
                  "image1 0 0 1 {00000000-0000-0000-0000-000000000001}"}));

TEST_F(PageDocument, PasteOfNothingAddsNothing) {
    doc.LoadFromText("<document><page /></document>");
    const std::size_t count = doc.DocumentNode()->ChildCount();
    EXPECT_FALSE(doc.PasteElement(""));
    EXPECT_FALSE(doc.PasteElement("just text"));
    EXPECT_EQ(doc.DocumentNode()->ChildCount(), count);
}

struct IndexCase {
    const char* children;
    int max;
};

class GlobalIndexes : public PageDocument, public ::testing::WithParamInterface<IndexCase> {};

TEST_P(GlobalIndexes, LargestNumberAmongTheChildren) {
    doc.LoadFromText(std::string("<document>") + GetParam().children + "</document>");
    EXPECT_EQ(doc.MaxGlobalIndex(), GetParam().max) << GetParam().children;
}

INSTANTIATE_TEST_SUITE_P(
    Table, GlobalIndexes,
    ::testing::Values(
        IndexCase{"<info /><page />", 0}, IndexCase{"<page globalIndex=\"5\" />", 5},
        IndexCase{"<info globalIndex=\"x\" /><a globalIndex=\"3\" /><b globalIndex=\"12\" "
                  "/><c globalIndex=\"7\" />",
                  12},
        IndexCase{"<a globalIndex=\"-1\" />", 0},
        IndexCase{"<a globalIndex=\"3x\" /><b globalIndex=\"\" /><c globalIndex=\" 4\" />", 0},
        IndexCase{"<a globalIndex=\"99999999999999\" /><b globalIndex=\"2\" />", 2}));

TEST_F(PageDocument, InfoIconAndDateChangeOnlyExistingNodes) {
    doc.LoadFromText("<document><info><caption>a</caption><date>d</date><icon index=\"1\" />"
                     "</info><page /></document>");
    const std::string before = doc.AsText();
    doc.SetInfo("group", "G");
    EXPECT_EQ(doc.AsText(), before);
    doc.SetInfo("caption", "Nowa");
    doc.SetIconIndex(3);
    clock.now = {2024, 5, 7, 9, 5, 59, 0};
    doc.StampDate();
    const TjanXMLNode* info = doc.InfoNode();
    EXPECT_EQ(info->FindChild("caption")->Text(), "Nowa");
    EXPECT_EQ(info->FindChild("date")->Text(), "2024.05.07 09:05");
    EXPECT_EQ(info->FindChild("icon")->GetAttributeText("index"), "3");
}

TEST_F(PageDocument, NewDocumentIdReplacesTheId) {
    doc.LoadFromText("<document id=\"{OLD}\"><page id=\"{P}\" /></document>");
    doc.NewDocumentId();
    EXPECT_EQ(doc.GetDocumentId(), "{00000000-0000-0000-0000-000000000001}");
}

TEST_F(PageDocument, ApplyLanguageCopiesTheMatchingPropertyTexts) {
    doc.LoadFromText("<document><page /><text name=\"t\" text=\"x\">"
                     "<property name=\"text\" lang=\"PL\">Tekst</property>"
                     "<property name=\"text\" lang=\"EN\">Text</property>"
                     "<property name=\"hint\" lang=\"EN\">Hint</property>"
                     "<property lang=\"EN\">nameless</property></text></document>");
    doc.ApplyLanguage("EN");
    EXPECT_EQ(Element(1).GetAttributeText("text"), "Text");
    EXPECT_EQ(Element(1).GetAttributeText("hint"), "Hint");
    EXPECT_EQ(Element(1).FindAttribute(""), nullptr);
    doc.ApplyLanguage("PL");
    EXPECT_EQ(Element(1).GetAttributeText("text"), "Tekst");
    doc.ApplyLanguage("FR");
    EXPECT_EQ(Element(1).GetAttributeText("text"), "Tekst");
}

TEST_F(PageDocument, CorrectAnswersAreDecodedAndJoined) {
    doc.LoadFromText("<document><page /><input correctAnswer=\"a%2Bb\" /><input correctAnswer=\"\" "
                     "/><input /><check correctAnswer=\"tak+nie\" /></document>");
    EXPECT_EQ(doc.CollectCorrectAnswers(), "a+b#|#tak nie#|#");
}

TEST_F(PageDocument, PropertyDefinitionAttributeFollowsNoInheritance) {
    EXPECT_EQ(TXMPDocument::PropertyDefinitionAttribute(&definitions, "image", "type", "src"),
              "path"); // class below a group
    EXPECT_EQ(
        TXMPDocument::PropertyDefinitionAttribute(&definitions, "text", "defaultValue", "align"),
        "center");
    EXPECT_EQ(TXMPDocument::PropertyDefinitionAttribute(&definitions, "text", "type", "x"), "");
    EXPECT_EQ(TXMPDocument::PropertyDefinitionAttribute(&definitions, "nope", "type", "src"), "");
    EXPECT_EQ(TXMPDocument::PropertyDefinitionAttribute(nullptr, "text", "type", "src"), "");
}

TEST_F(PageDocument, DefaultValueTakesTheLastMatchingLanguage) {
    TjanXMLTree p;
    p.LoadFromText("<property defaultValue=\"Hello\"><defaultValue lang=\"EN\">Hi</defaultValue>"
                   "<defaultValue lang=\"EN\">Hey</defaultValue></property>");
    EXPECT_EQ(TXMPDocument::DefaultValue(*p.FirstChild(), "EN"), "Hey");
    EXPECT_EQ(TXMPDocument::DefaultValue(*p.FirstChild(), "PL"), "Hello");
}

TEST_F(PageDocument, PathValuesAreCollectedOnceAndReplaced) {
    doc.SetDefinitions(&definitions);
    doc.LoadFromText(
        "<document><page /><image src=\"a.png\" alt=\"a.png\" />"
        "<text src=\"a.png\" text=\"t\" /><button buttonSrc=\"b.png\" caption=\"b.png\" "
        "/><image src=\"\" /></document>");
    std::vector<std::string> values{"z.png"};
    doc.CollectPathValues(values);
    EXPECT_EQ(values, (std::vector<std::string>{"z.png", "a.png", "b.png"}));
    doc.ReplacePathValue("a.png", "c00001.png");
    EXPECT_EQ(Element(1).GetAttributeText("src"), "c00001.png");
    EXPECT_EQ(Element(1).GetAttributeText("alt"), "a.png"); // not a path property
    EXPECT_EQ(Element(2).GetAttributeText("src"), "c00001.png");
    EXPECT_EQ(Element(3).GetAttributeText("caption"), "b.png");
}

TEST_F(PageDocument, UnopenableFileIsReportedAndLeavesTheDocumentEmpty) {
    doc.LoadFromText("<document><page /></document>");
    doc.LoadFromFile(dir / "missing.xmp");
    ASSERT_EQ(prompt.calls.size(), 1u);
    EXPECT_EQ(prompt.calls[0].kind, "ShowMessage");
    EXPECT_EQ(prompt.calls[0].text, "OpenError!Cannot open file \"" +
                                        (dir / "missing.xmp").string() +
                                        "\". No such file or directory");
    EXPECT_EQ(doc.DocumentNode(), nullptr);
    EXPECT_EQ(doc.AsText(), "");
    EXPECT_TRUE(doc.FileName().empty());
    ASSERT_TRUE(WriteFileBytes(dir / "kept.xmp", "<document />"));
    doc.SaveToFile(dir / "kept.xmp");
    EXPECT_EQ(Read(dir / "kept.xmp"), "<document />");
}

TEST_F(PageDocument, SaveFailures) {
    doc.LoadFromText("<document><page /></document>");
    // A folder where the file should be: it cannot be opened for writing.
    fs::create_directories(dir / "taken.xmp");
    doc.SaveToFile(dir / "taken.xmp");
    ASSERT_EQ(prompt.calls.size(), 1u);
    EXPECT_EQ(prompt.calls[0].text.rfind("SaveError!Cannot open file \"", 0), 0u);
    EXPECT_TRUE(fs::is_directory(dir / "taken.xmp"));
    // The folder cannot be made (a file is in the way): nothing written, nothing said.
    ASSERT_TRUE(WriteFileBytes(dir / "file", "x"));
    doc.SaveToFile(dir / "file" / "sub" / "_page.xmp");
    EXPECT_EQ(prompt.calls.size(), 1u);
    EXPECT_EQ(Read(dir / "file"), "x");
    // A file that cannot be created propagates.
    EXPECT_THROW(doc.SaveToFile("/proc/vlm_page.xmp"), EFCreateError);
    // An existing page is replaced whole.
    ASSERT_TRUE(WriteFileBytes(dir / "old.xmp", std::string(10000, 'x')));
    doc.SaveToFile(dir / "old.xmp");
    EXPECT_EQ(Read(dir / "old.xmp"), doc.AsText());
    doc.SaveToFile("");
}

TEST_F(PageDocument, BindingSurvivesRandomAndTruncatedInput) {
    doc.SetDefinitions(&definitions);
    const std::string sample = Read(kXmp / "noids.xmp");
    for (std::size_t len = 0; len <= sample.size(); len += 3) {
        doc.LoadFromText(sample.substr(0, len));
        doc.PasteElement(sample.substr(len));
        (void)doc.MaxGlobalIndex();
    }
    std::mt19937 rng(7);
    const std::string alphabet = "<>/=\" documentpageinfotextbuttoneventcodename";
    for (int round = 0; round < 1500; ++round) {
        std::string text(rng() % 160, ' ');
        for (char& c : text)
            c = alphabet[rng() % alphabet.size()];
        doc.LoadFromText("<document>" + text);
        doc.PasteElement(text);
        std::vector<std::string> values;
        doc.CollectPathValues(values);
    }
}

} // namespace

TEST(PageDocumentObservers, EveryObserverHearsACompletionOnceAndMayLeaveWhileTold) {
    test::FixedGuidSource guids;
    test::FakeUserPrompt prompt;
    test::FixedClock clock;
    TjanXMLTree definitions;
    definitions.LoadFromText(kDefinitions);
    TXMPDocument doc{guids, prompt, clock};
    doc.SetDefinitions(&definitions);
    struct Leaving : TXMPDocumentObserver {
        TXMPDocument* doc = nullptr;
        TXMPDocumentObserver* other = nullptr;
        int calls = 0;
        void DocumentChanged(TXMPDocument&) override {
            ++calls;
            doc->RemoveObserver(other);
        }
    } first;
    CountingObserver second;
    first.doc = &doc;
    first.other = &second;
    doc.AddObserver(&first);
    doc.AddObserver(&first);
    doc.AddObserver(&second);
    doc.LoadFromText("<document><button name=\"b\" /></document>");
    EXPECT_EQ(first.calls, 1);
    EXPECT_EQ(second.calls, 0); // removed before its turn
    doc.RemoveObserver(&first);
    doc.AddObserver(&second);
    doc.LoadFromText("<document><button name=\"b\" /></document>");
    EXPECT_EQ(first.calls, 1);
    EXPECT_EQ(second.calls, 1);
}
