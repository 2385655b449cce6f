#include "export/WizardSettings.h"
#include "export/AiccWizard.h"
#include "export/ExplorerWizard.h"
#include "export/ExportResources.h"

#include "app/MemorySettingsStore.h"

#include <gtest/gtest.h>

using namespace vlm;

namespace {

using List = std::vector<std::string>;

std::string Value(const SettingsStore& store, const std::string& target, const std::string& name) {
    auto v = store.Read(WizardRegKey(target), name);
    return v && std::holds_alternative<std::string>(*v) ? std::get<std::string>(*v) : "<none>";
}

} // namespace

TEST(WizardSettings, CommaTextBothWays) {
    struct Case {
        List list;
        const char* text;
    };
    const Case cases[] = {
        {{}, ""},
        {{"/a/b", "/c"}, "/a/b,/c"},
        {{"/my docs/x", "a,b", "say \"hi\"", ""}, "\"/my docs/x\",\"a,b\",\"say \"\"hi\"\"\",\"\""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ToCommaText(c.list), c.text);
        EXPECT_EQ(FromCommaText(c.text), c.list);
    }
    // Unquoted blanks separate entries, as the list's reader does.
    EXPECT_EQ(FromCommaText("a b,c"), (List{"a", "b", "c"}));
}

TEST(WizardSettings, HistoryDropsTheLastEntryAndKeepsTheOrderOfAKnownOne) {
    List full{"1", "2", "3", "4", "5", "6", "7", "8"};
    List h = full;
    EXPECT_EQ(AddToHistory(h, "new", kHistoryLimit), 0);
    EXPECT_EQ(h, (List{"new", "1", "2", "3", "4", "5", "6", "7"}));
    h = {"/A", "/b"};
    EXPECT_EQ(AddToHistory(h, "/B", kHistoryLimit), 1); // known without case: not moved
    EXPECT_EQ(h, (List{"/A", "/b"}));
    h = full;
    EXPECT_EQ(AddToHistory(h, "8", kHistoryLimit), 0); // the last went first, so it is new again
    EXPECT_EQ(h, (List{"8", "1", "2", "3", "4", "5", "6", "7"}));
    h = full;
    AddToHistory(h, "9", kMediaHistoryLimit);
    EXPECT_EQ(h.size(), 9u);
    EXPECT_EQ(AddToHistory(h, "", kHistoryLimit), -1);
}

TEST(WizardSettings, ExplorerDesignFallsBackToDefaultThenFirst) {
    MemorySettingsStore store;
    const List designs{"Blue", "Orvanta - standard", "Mine"};
    struct Case {
        const char* lastStyle;
        List designs;
        const char* chosen;
    };
    const Case cases[] = {
        {"Mine", designs, "Mine"},
        {"Gone", designs, "Orvanta - standard"},
        {"", designs, "Orvanta - standard"},
        {"Gone", {"Blue", "Red"}, "Blue"},
        {"Mine", {}, ""},
    };
    for (const auto& c : cases) {
        store.Write(WizardRegKey(kExplorerSettingsKey), "LastStyle", std::string(c.lastStyle));
        auto w = TExplorerWizard::Open(store, c.designs, "Orvanta - standard", "/home/u/Documents");
        EXPECT_EQ(w.options.designTemplate, c.chosen) << c.lastStyle;
        EXPECT_EQ(w.options.destination, "/home/u/Documents");
    }
}

TEST(WizardSettings, ExplorerAcceptEntersTheTrimmedDestination) {
    MemorySettingsStore store;
    store.Write(WizardRegKey(kExplorerSettingsKey), "ExportPaths", std::string("/old"));
    auto w = TExplorerWizard::Open(store, {"A", "B"}, "none", "/docs");
    EXPECT_EQ(w.history, (List{"/old"}));
    EXPECT_EQ(w.options.destination, "/docs"); // the history does not fill the box
    w.options.destination = "  /out/course ";
    w.SelectDesign("B");
    const TExplorerOptions o = w.Accept(store);
    EXPECT_EQ(o.designTemplate, "B");
    EXPECT_EQ(Value(store, kExplorerSettingsKey, "ExportPaths"), "/out/course,/old");
    EXPECT_EQ(Value(store, kExplorerSettingsKey, "LastStyle"), "B");
    EXPECT_EQ(Value(store, kExplorerSettingsKey, "LastExportPath"), "<none>");
}

TEST(WizardSettings, AiccRestoresItsChoicesAndLeoLocksMultiSco) {
    MemorySettingsStore store;
    const List profiles{"Standard AICC", "LEO"};
    auto fresh = TAiccWizard::Open(store, {"A", "Orvanta - standard"}, "Orvanta - standard",
                                   "/docs", profiles);
    EXPECT_EQ(fresh.options.designTemplate, "Orvanta - standard");
    EXPECT_FALSE(fresh.options.multiSCO); // no "LastMultiSCO": unchecked
    EXPECT_EQ(fresh.options.destination, "/docs");
    fresh.options.destination = "/out/a1 ";
    fresh.options.url = "http://lms/x";
    fresh.SetMultiSCO(false);
    fresh.SelectDesign("A");
    fresh.Accept(store);
    for (auto [name, value] : {std::pair{"ExportPaths", "/out/a1"},
                               {"LastExportPath", "/out/a1 "},
                               {"LastStyle", "A"},
                               {"LastProfile", "Standard AICC"},
                               {"LastMultiSCO", "false"},
                               {"LastURL", "http://lms/x"}})
        EXPECT_EQ(Value(store, kAiccSettingsKey, name), value) << name;

    auto again = TAiccWizard::Open(store, {"B"}, "B", "/docs", profiles);
    EXPECT_EQ(again.options.destination, "/out/a1 ");
    EXPECT_EQ(again.options.designTemplate, ""); // a remembered design that is gone: none
    EXPECT_FALSE(again.options.multiSCO);
    EXPECT_EQ(again.options.url, "http://lms/x");
    again.SetProfile(apLeo);
    EXPECT_TRUE(again.options.multiSCO);
    EXPECT_FALSE(again.multiSCOEnabled);
    again.SetMultiSCO(false);
    EXPECT_TRUE(again.options.multiSCO);
    again.Accept(store);
    auto leo = TAiccWizard::Open(store, {}, "", "/docs", profiles);
    EXPECT_EQ(leo.options.profile, apLeo);
    EXPECT_TRUE(leo.options.multiSCO);
}

TEST(WizardSettings, MediaHistoryOfTenWithItsIndex) {
    MemorySettingsStore store;
    auto w = TExportResourcesWizard::Open(store);
    EXPECT_EQ(w.index, -1);
    for (int i = 0; i < 11; ++i)
        w.Browse("/m" + std::to_string(i));
    EXPECT_EQ(w.history.size(), 10u);
    EXPECT_EQ(w.history.front(), "/m10");
    w.options.destination = "/m5";
    w.Accept(store);
    const std::string key = WizardRegKey(kMediaSettingsKey);
    EXPECT_EQ(std::get<std::int32_t>(*store.Read(key, "FoldersIndex")), 5);
    auto reopened = TExportResourcesWizard::Open(store);
    EXPECT_EQ(reopened.history, w.history);
    EXPECT_EQ(reopened.options.destination, "/m5");
}
