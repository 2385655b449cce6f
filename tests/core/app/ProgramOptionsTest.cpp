#include "app/ProgramOptions.h"

#include "app/FormPlace.h"
#include "app/MemorySettingsStore.h"

#include <gtest/gtest.h>

using namespace vlm;

TEST(ProgramOptions, FirstRunUsesDefaultsAndWritesThemAtExit) {
    MemorySettingsStore store;
    EXPECT_EQ(ProgramOptionsKey(), "Software\\Orvanta\\Vellumar 4\\4.0\\main");
    int calls = 0;
    {
        TOptions options(store, ProgramOptionsKey());
        RegisterProgramOptions(options, [&](const TOption&) { ++calls; });
        EXPECT_EQ(calls, 0);
        EXPECT_FALSE(store.KeyExists(ProgramOptionsKey()));
    }
    const std::pair<const char*, SettingValue> expected[] = {
        {"CacheSize", std::int32_t{40}},   {"GridSpaceH", std::int32_t{25}},
        {"GridSpaceV", std::int32_t{25}},  {"GridColor", std::int32_t{32768}},
        {"ElementFrame", std::int32_t{1}}, {"ShowFeedbacks", std::int32_t{1}},
        {"ShowPopups", std::int32_t{1}},
    };
    std::vector<std::string> names;
    for (const auto& [name, value] : expected) {
        EXPECT_EQ(store.Read(ProgramOptionsKey(), name), value) << name;
        names.push_back(name);
    }
    EXPECT_EQ(store.ValueNames(ProgramOptionsKey()), names);
}

TEST(ProgramOptions, StoredValuesReplaceDefaultsAndNotify) {
    MemorySettingsStore store;
    store.Write(ProgramOptionsKey(), "GridSpaceH", std::int32_t{10});
    store.Write(ProgramOptionsKey(), "ShowPopups", std::int32_t{0});
    store.Write(ProgramOptionsKey(), "GridColor", std::string("red")); // wrong type
    std::vector<std::string> changed;
    TOptions options(store, ProgramOptionsKey());
    RegisterProgramOptions(options, [&](const TOption& o) { changed.push_back(o.Name); });
    EXPECT_EQ(changed, (std::vector<std::string>{"GridSpaceH", "ShowPopups"}));
    EXPECT_EQ(options.GetOption("GridSpaceH"), TOptionValue{std::int32_t{10}});
    EXPECT_EQ(options.GetOption("ShowPopups"), TOptionValue{false});
    EXPECT_EQ(options.GetOption("GridColor"), TOptionValue{std::int32_t{32768}});
}

TEST(ProgramOptions, CacheSizeKeys) {
    struct {
        char key;
        bool accepted;
    } cases[] = {{'0', true},    {'9', true},   {',', true},  {'.', false}, {'\b', true},
                 {'\x03', true}, {'\r', false}, {'a', false}, {'-', false}, {' ', false}};
    for (const auto& c : cases)
        EXPECT_EQ(CacheSizeKeyAccepted(c.key, ','), c.accepted) << int(c.key);
}

TEST(ProgramOptions, CacheSizeText) {
    struct {
        const char* text;
        std::string shown;
        int position;
        bool beep;
    } cases[] = {
        {"250", "250", 250, false}, {"500", "500", 500, false}, {"1", "1", 1, false},
        {"600", "40", 40, true},    {"0", "40", 40, true},      {"4,5", "40", 40, true},
        {"4a", "40", 40, true},     {"", "40", 40, false},      {"99999999999999", "40", 40, true},
    };
    for (const auto& c : cases) {
        const TCacheSizeCheck r = CheckCacheSizeText(c.text, 40);
        EXPECT_EQ(r.text, c.shown) << c.text;
        EXPECT_EQ(r.position, c.position) << c.text;
        EXPECT_EQ(r.beep, c.beep) << c.text;
    }
}

TEST(FormPlace, SaveAndRestore) {
    MemorySettingsStore store;
    TFormPlace place(store, kMainRegKey);
    const TPlacement designed{10, 20, 800, 600, TWindowState::Normal};
    // Nothing stored: the window stays as it is, and the key now exists.
    EXPECT_EQ(place.RestorePlacement(designed), designed);
    EXPECT_TRUE(store.KeyExists(kMainRegKey));

    place.SavePlacement({0, 0, 1920, 1080, TWindowState::Maximized});
    EXPECT_EQ(store.ValueNames(kMainRegKey),
              (std::vector<std::string>{"_left", "_top", "_width", "_height", "_windowstate"}));
    EXPECT_EQ(store.Read(kMainRegKey, "_windowstate"), SettingValue{std::int32_t{2}});
    EXPECT_EQ(place.RestorePlacement(designed),
              (TPlacement{0, 0, 1920, 1080, TWindowState::Maximized}));

    // A missing, mistyped or unknown value leaves the current one.
    store.DeleteValue(kMainRegKey, "_left");
    store.Write(kMainRegKey, "_top", std::string("5"));
    store.Write(kMainRegKey, "_windowstate", std::int32_t{7});
    EXPECT_EQ(place.RestorePlacement(designed),
              (TPlacement{10, 20, 1920, 1080, TWindowState::Normal}));
}
