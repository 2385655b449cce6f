#include "app/OptionsDialogs.h"

#include "app/MemorySettingsStore.h"
#include "app/ProgramOptions.h"

#include <gtest/gtest.h>

using namespace vlm;

TEST(OptionsDialogs, ProgramOptionsReadResetStore) {
    MemorySettingsStore store;
    TOptions options(store, ProgramOptionsKey());
    std::vector<std::string> changed;
    RegisterProgramOptions(options, [&](const TOption& o) { changed.push_back(o.Name); });
    options.SetOption(kOptCacheSize, std::int32_t{120});
    changed.clear();

    TVLMXConfig config;
    config.AutoUpdate = true;
    config.LanguageCode = "EN";
    TProgramOptionsValues v = ReadProgramOptionsValues(config, options);
    EXPECT_TRUE(v.autoUpdate);
    EXPECT_TRUE(v.autoSave);
    EXPECT_EQ(v.cacheSize, 120);

    ResetProgramOptionsValues(v, config, "/p");
    EXPECT_EQ(v.cacheSize, 40);
    EXPECT_FALSE(v.autoUpdate);
    EXPECT_EQ(config.LanguageCode, "pl"); // the reset stays even when cancelled
    EXPECT_TRUE(changed.empty());

    v.autoUpdate = true;
    StoreProgramOptionsValues(v, config, options);
    EXPECT_TRUE(config.AutoUpdate);
    EXPECT_EQ(options.GetOption(kOptCacheSize), TOptionValue{std::int32_t{40}});
    EXPECT_EQ(changed, std::vector<std::string>{"CacheSize"});
}

TEST(OptionsDialogs, GridOptionsStoreChangedValuesOnly) {
    MemorySettingsStore store;
    TOptions options(store, ProgramOptionsKey());
    std::vector<std::string> changed;
    RegisterProgramOptions(options, [&](const TOption& o) { changed.push_back(o.Name); });
    TGridOptionsValues v = ReadGridOptionsValues(options);
    EXPECT_EQ(v.spaceH, 25);
    EXPECT_EQ(v.spaceV, 25);
    EXPECT_EQ(v.color, 32768);
    v.spaceV = 1000; // clamped to 999
    v.color = 255;
    StoreGridOptionsValues(v, options);
    EXPECT_EQ(changed, (std::vector<std::string>{"GridSpaceV", "GridColor"}));
    EXPECT_EQ(options.GetOption(kOptGridSpaceV), TOptionValue{std::int32_t{999}});
}

TEST(OptionsDialogs, TypedAccessors) {
    EXPECT_EQ(OptionInteger(std::int32_t{7}), 7);
    EXPECT_EQ(OptionInteger(7.9), 7);
    EXPECT_EQ(OptionInteger(TCurrency{25000}), 2);
    EXPECT_EQ(OptionInteger(std::string("7"), -1), -1);
    EXPECT_EQ(OptionInteger(1e12, -1), -1);
    EXPECT_EQ(OptionInteger(true, -1), -1);
    EXPECT_TRUE(OptionBoolean(true));
    EXPECT_FALSE(OptionBoolean(std::int32_t{1}));
}
