#include "app/Options.h"

#include "app/MemorySettingsStore.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace vlm;

namespace {
constexpr const char* kKey = "Software\\T\\main";

std::vector<std::uint8_t> EightBytes(double d) {
    std::vector<std::uint8_t> b(8);
    std::memcpy(b.data(), &d, 8);
    return b;
}
} // namespace

TEST(Options, AddTwiceRaisesTheMessage) {
    MemorySettingsStore store;
    TOptions o(store, kKey);
    o.AddOption("GridSpaceH", std::int32_t{25});
    try {
        o.AddOption("GridSpaceH", std::int32_t{1});
        FAIL() << "no error";
    } catch (const EOptionError& e) {
        EXPECT_STREQ(e.what(), "Dodawana pozycja GridSpaceH do opcji ju\xBF istnieje !");
    }
    // Names are compared exactly.
    EXPECT_NO_THROW(o.AddOption("gridspaceh", std::int32_t{1}));
}

TEST(Options, GetAndSetNotifyOnlyOnChange) {
    MemorySettingsStore store;
    TOptions o(store, kKey);
    int calls = 0;
    o.AddOption("CacheSize", std::int32_t{40}, [&](const TOption& opt) {
        ++calls;
        EXPECT_EQ(opt.Name, "CacheSize");
    });
    EXPECT_EQ(o.GetOption("CacheSize"), TOptionValue{std::int32_t{40}});
    EXPECT_EQ(o.GetOption("Missing"), TOptionValue{std::string{}});

    o.SetOption("CacheSize", std::int32_t{40});
    o.SetOption("CacheSize", 40.0); // the same number in another type
    EXPECT_EQ(calls, 0);
    o.SetOption("CacheSize", std::int32_t{41});
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(o.GetOption("CacheSize"), TOptionValue{std::int32_t{41}});
    o.SetOption("Missing", std::int32_t{1});
    EXPECT_EQ(calls, 1);
}

TEST(Options, SameValueRules) {
    struct {
        TOptionValue a, b;
        bool same;
    } cases[] = {
        {std::int32_t{1}, std::int32_t{1}, true},
        {std::int32_t{1}, 1.0, true},
        {std::int32_t{1}, TCurrency{10000}, true},
        {1.5, TDate{1.5}, true},
        {true, true, true},
        {true, std::int32_t{1}, false},
        {std::string("1"), std::int32_t{1}, false},
        {std::string("a"), std::string("a"), true},
        {std::string("a"), std::string("A"), false},
        {false, true, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SameOptionValue(c.a, c.b), c.same) << c.a.index() << "/" << c.b.index();
}

TEST(Options, SaveAndLoadEveryType) {
    MemorySettingsStore store;
    {
        TOptions o(store, kKey);
        o.AddOption("i", std::int32_t{-7});
        o.AddOption("f", 2.25);
        o.AddOption("c", TCurrency{123456});
        o.AddOption("d", TDate{45000.5});
        o.AddOption("b", false);
        o.AddOption("s", std::string("Tekst \xB9"));
    } // saved when destroyed
    EXPECT_EQ(store.Read(kKey, "i"), SettingValue{std::int32_t{-7}});
    EXPECT_EQ(store.Read(kKey, "b"), SettingValue{std::int32_t{0}});
    EXPECT_EQ(store.Read(kKey, "f"), SettingValue{EightBytes(2.25)});

    TOptions o(store, kKey);
    o.AddOption("i", std::int32_t{0});
    o.AddOption("f", 0.0);
    o.AddOption("c", TCurrency{});
    o.AddOption("d", TDate{});
    o.AddOption("b", true);
    o.AddOption("s", std::string());
    o.LoadOptions();
    EXPECT_EQ(o.GetOption("i"), TOptionValue{std::int32_t{-7}});
    EXPECT_EQ(o.GetOption("f"), TOptionValue{2.25});
    EXPECT_EQ(o.GetOption("c"), TOptionValue{TCurrency{123456}});
    EXPECT_EQ(o.GetOption("d"), TOptionValue{TDate{45000.5}});
    EXPECT_EQ(o.GetOption("b"), TOptionValue{false});
    EXPECT_EQ(o.GetOption("s"), TOptionValue{std::string("Tekst \xB9")});
}

TEST(Options, LoadSkipsValuesOfAnotherType) {
    MemorySettingsStore store;
    store.Write(kKey, "i", std::string("12"));
    store.Write(kKey, "b", std::string("1"));
    store.Write(kKey, "f", std::vector<std::uint8_t>{1, 2, 3}); // not eight bytes
    store.Write(kKey, "s", std::int32_t{5});
    store.Write(kKey, "ok", std::int32_t{9});
    TOptions o(store, kKey);
    std::vector<std::string> changed;
    auto note = [&](const TOption& opt) { changed.push_back(opt.Name); };
    o.AddOption("i", std::int32_t{1}, note);
    o.AddOption("b", true, note);
    o.AddOption("f", 1.0, note);
    o.AddOption("s", std::string("x"), note);
    o.AddOption("ok", std::int32_t{9}, note);
    o.AddOption("absent", std::int32_t{3}, note);
    o.LoadOptions();
    EXPECT_EQ(o.GetOption("i"), TOptionValue{std::int32_t{1}});
    EXPECT_EQ(o.GetOption("b"), TOptionValue{true});
    EXPECT_EQ(o.GetOption("f"), TOptionValue{1.0});
    EXPECT_EQ(o.GetOption("s"), TOptionValue{std::string("x")});
    // A value that was read is assigned, and notifies, even when it is the same.
    EXPECT_EQ(changed, std::vector<std::string>{"ok"});
}

TEST(Options, LoadWithoutKeyReadsNothingAndCreatesNothing) {
    MemorySettingsStore store;
    TOptions* o = new TOptions(store, kKey);
    int calls = 0;
    o->AddOption("i", std::int32_t{1}, [&](const TOption&) { ++calls; });
    o->LoadOptions();
    EXPECT_EQ(calls, 0);
    EXPECT_FALSE(store.KeyExists(kKey));
    delete o;
    EXPECT_EQ(store.Read(kKey, "i"), SettingValue{std::int32_t{1}});
}
