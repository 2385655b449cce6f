#include "page/ComponentsManager.h"

#include "app/IniLang.h"
#include "app/Log.h"
#include "common/FileWrite.h"
#include "fakes/Fakes.h"
#include "fakes/TempFolder.h"
#include "page/ClassDefinitions.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;
using namespace vlm;

namespace {

const fs::path kLibrary = fs::path(VLM_FIXTURES_DIR) / "page" / "library";

struct LanguageGuard {
    std::string saved = ContentLanguage();
    explicit LanguageGuard(const std::string& code) { ContentLanguage() = code; }
    ~LanguageGuard() { ContentLanguage() = saved; }
};

class ComponentLibrary : public ::testing::Test {
protected:
    test::FakeUserPrompt prompt;
    test::FixedClock clock;
    TLog log{clock, {}, {}, true, true};
    TComponentsCollection library{prompt};

    void SetUp() override {
        InstallProgramLog(&log);
        library.LoadLibrary(kLibrary);
    }
    void TearDown() override { InstallProgramLog(nullptr); }

    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& item : library.Items())
            names.push_back(item->GetName());
        return names;
    }
};

TEST_F(ComponentLibrary, ScanFindsNestedFoldersInNameOrderAndSkipsHiddenOnes) {
    EXPECT_EQ(Names(), (std::vector<std::string>{"button", "cycA", "cycB", "quiz", "helper", "text",
                                                 "mine"}));
    const TComponentItem* quiz = library.FindByName("quiz");
    ASSERT_NE(quiz, nullptr);
    EXPECT_EQ(quiz->Folder, kLibrary / "components" / "group" / "nested" / "quiz");
    EXPECT_EQ(quiz->HeadScriptFile, quiz->Folder / "head.js");
    EXPECT_EQ(library.FindByName("hidden"), nullptr);
    EXPECT_EQ(library.FindByName("Quiz"), nullptr);
}

TEST_F(ComponentLibrary, OrderHoldsEachNameOnceBuiltInFirst) {
    const auto& order = library.Order();
    ASSERT_EQ(order.size(), 18u + 4u);
    EXPECT_EQ(std::vector<std::string>(order.begin(), order.begin() + 18), kBuiltInComponentOrder);
    EXPECT_EQ(std::vector<std::string>(order.begin() + 18, order.end()),
              (std::vector<std::string>{"quiz", "helper", "cycA", "other"}));
}

TEST_F(ComponentLibrary, PaletteHasOnlyOrderedClassesOfTheType) {
    std::vector<std::string> names;
    for (const TPaletteEntry& e : library.PaletteEntries("api"))
        names.push_back(e.ClassName);
    // text and button at their built-in places; mine and cycB are in no order list.
    EXPECT_EQ(names, (std::vector<std::string>{"text", "button", "quiz", "cycA"}));
    const TPaletteEntry text = library.PaletteEntries("api").front();
    EXPECT_EQ(text.IconFile, kLibrary / "components" / "text" / "icon.bmp");
    EXPECT_TRUE(library.PaletteEntries("api")[1].IconFile.empty());
    ASSERT_EQ(library.PaletteEntries("base").size(), 1u);
    EXPECT_EQ(library.PaletteEntries("base")[0].ClassName, "helper");
    EXPECT_EQ(PaletteIconOffset(16, 21), -2);
    EXPECT_EQ(PaletteIconOffset(24, 16), 4);
}

TEST_F(ComponentLibrary, LogsAdditionsAndOrderFiles) {
    std::vector<std::string> lines;
    for (const auto& e : log.Entries())
        lines.push_back(e.message);
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[0], "Dodanie komponentu do kolekcji (" +
                            (kLibrary / "components" / "button" / "definition.xml").string() + ")");
    const std::vector<std::string> tail(lines.end() - 4, lines.end());
    EXPECT_EQ(tail[0],
              "Dodanie komponentu do kolekcji (" +
                  (kLibrary / "user_defined" / "components" / "mine" / "DEFINITION.XML").string() +
                  ")");
    EXPECT_EQ(tail[1], "LoadStruct");
    EXPECT_EQ(tail[2], "  Loaded XML");
    EXPECT_EQ(tail[3], "  Node Struct, count 1");
}

TEST_F(ComponentLibrary, MissingOrderFileOnlyLogsTheBeginLine) {
    const std::size_t before = log.Entries().size();
    library.LoadOrder(kLibrary / "nothing.xml");
    ASSERT_EQ(log.Entries().size(), before + 1);
    EXPECT_EQ(log.Entries().back().message, "LoadStruct");
    EXPECT_EQ(log.Entries().back().level, LogLevel::Begin);
}

struct HintCase {
    const char* language;
    const char* className;
    const char* hint;
};

class Hints : public ComponentLibrary, public ::testing::WithParamInterface<HintCase> {};

TEST_P(Hints, ContentLanguageFirstThenFirstNonEmpty) {
    LanguageGuard lang(GetParam().language);
    EXPECT_EQ(library.FindByName(GetParam().className)->GetHint(), GetParam().hint);
}

INSTANTIATE_TEST_SUITE_P(Table, Hints,
                         ::testing::Values(HintCase{"EN", "text", "Text"},
                                           HintCase{"PL", "text", "Tekst"},
                                           HintCase{"FR", "text", "Tekst"},
                                           HintCase{"FR", "button", "Knopf"}, // PL one is empty
                                           HintCase{"PL", "button", ""},      // matches, empty
                                           HintCase{"EN", "quiz", ""}));      // no info

TEST_F(ComponentLibrary, IncludesAreReadOnceEach) {
    EXPECT_EQ(library.FindByName("button")->Includes, std::vector<std::string>{"text"});
    EXPECT_TRUE(library.FindByName("text")->Includes.empty());
}

TEST_F(ComponentLibrary, HeadScriptsComeOncePerPageIncludesFirst) {
    std::string head;
    // A page: button, text, text, text.
    for (const char* cls : {"button", "text", "text", "text"})
        library.FindByName(cls)->CollectHeadScripts(head);
    EXPECT_EQ(head, "// head of text\r\n// head of button\r\n");
    EXPECT_TRUE(prompt.calls.empty());
    library.ResetIncluded();
    head.clear();
    library.FindByName("quiz")->CollectHeadScripts(head);
    EXPECT_EQ(head, "// head of text\r\n// head of button\r\n// head of quiz\r\n");
}

TEST_F(ComponentLibrary, IncludeCycleEndsAndMissingHeadScriptIsReportedOncePerPage) {
    std::string head;
    library.FindByName("cycA")->CollectHeadScripts(head);
    library.FindByName("cycB")->CollectHeadScripts(head);
    EXPECT_EQ(head, "// head of cycA\r\n");
    ASSERT_EQ(prompt.calls.size(), 1u);
    const auto& call = prompt.calls[0];
    EXPECT_EQ(call.kind, "MessageBox");
    EXPECT_EQ(call.type, DialogType::Warning);
    EXPECT_EQ(call.buttons, kButtonsOK);
    EXPECT_EQ(call.text, "Brakuje pliku <" +
                             (kLibrary / "components" / "cycles" / "b" / "head.js").string() +
                             "> dla komponentu [cycB].");
    library.ResetIncluded();
    library.FindByName("cycB")->CollectHeadScripts(head);
    EXPECT_EQ(prompt.calls.size(), 2u);
}

TEST_F(ComponentLibrary, MergedDefinitionsHoldCopiesInLibraryOrder) {
    auto tree = LoadDefinitionTree(kLibrary, library, prompt, CurrentLanguage());
    ASSERT_NE(tree, nullptr);
    const TjanXMLNode* doc = DefinitionsDocument(*tree);
    std::vector<std::string> names;
    for (const auto& c : doc->Children())
        names.push_back(c->Name() + ":" + c->GetAttributeText("name"));
    EXPECT_EQ(names, (std::vector<std::string>{
                         "class:component", "class:button", "component:", "class:cycA",
                         "component:", "class:cycB", "component:", "class:quiz",
                         "component:", "class:helper", "class:text", "class:mine"}));
    EXPECT_NE(doc->Child(1), library.FindByName("button")->ClassNode);
    library.SetDefinitions(doc);
    EXPECT_EQ(library.FindByName("quiz")->DefaultPropertyValue("caption"), "Check");
    EXPECT_EQ(library.FindByName("quiz")->DefaultPropertyValue("x"), "0"); // from component
    EXPECT_EQ(library.FindByName("text")->DefaultPropertyValue("src"),
              "RESOURCE_PATH\\\\text.png"); // raw
}

TEST_F(ComponentLibrary, MissingOrUnreadableBaseDefinitionsAreReported) {
    const test::TempFolder tmp;
    const fs::path dir = tmp.path();
    fs::create_directories(dir / "configuration");
    EXPECT_EQ(LoadDefinitionTree(dir, library, prompt, CurrentLanguage()), nullptr);
    fs::create_directories(dir / "configuration" / "definition.xml"); // unreadable: a folder
    EXPECT_EQ(LoadDefinitionTree(dir, library, prompt, CurrentLanguage()), nullptr);
    ASSERT_EQ(prompt.calls.size(), 2u);
    // Without a language file the key texts are empty: only CR and the folder remain.
    EXPECT_EQ(prompt.calls[0].text, "\r" + (dir / "configuration").string() + "/");
    EXPECT_EQ(prompt.calls[0].type, DialogType::Error);
}

TEST_F(ComponentLibrary, ClassResourcesAndThoseOfIncludesAreCopiedWithoutOverwriting) {
    const test::TempFolder tmp;
    const fs::path course = tmp.path();
    ASSERT_TRUE(WriteFileBytes(course / "text.png", "mine"));
    library.CopyClassResources("button", course);
    EXPECT_EQ(ReadFileBytes(course / "button.png").value_or(""), "\x89PNG-button");
    EXPECT_EQ(ReadFileBytes(course / "text.png").value_or(""), "mine");
    library.CopyClassResources("nothing", course / "x");
    EXPECT_FALSE(fs::exists(course / "x"));
}

TEST(ComponentLibraryErrors, UnreadableDefinitionPropagatesAndAddsNothing) {
    test::FakeUserPrompt prompt;
    TComponentsCollection library(prompt);
    EXPECT_THROW(library.AddComponent(kLibrary / "missing" / "definition.xml"), EFOpenError);
    EXPECT_TRUE(library.Items().empty());
    library.ScanFolder(kLibrary / "does-not-exist");
    EXPECT_TRUE(library.Items().empty());
    // A file stands for its folder.
    library.ScanFolder(kLibrary / "user_defined" / "components" / "components.xml");
    ASSERT_EQ(library.Items().size(), 1u);
    EXPECT_EQ(library.Items()[0]->GetName(), "mine");
}

} // namespace
