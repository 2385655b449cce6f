// Page identifiers made from the clock and the random generator.
#include "project/PageStamp.h"

#include "fakes/Fakes.h"

#include <gtest/gtest.h>

#include <set>

namespace vlm::test {
namespace {

TEST(PageStampTest, TimeIsTwoDigitsEach) {
    EXPECT_EQ(StampTime({2024, 5, 17, 10, 30, 15, 999}), "240517103015");
    EXPECT_EQ(StampTime({2006, 3, 15, 4, 5, 6, 0}), "060315040506");
}

TEST(PageStampTest, NewStampRepeatsTimeAndNumber) {
    FixedClock clock;
    FixedRandom random;
    random.values = {123, 7};
    EXPECT_EQ(NewStamp(clock, random), "id_240517103015123_240517103015123");
    EXPECT_EQ(NewStamp(clock, random), "id_2405171030157_2405171030157"); // no leading zeros
}

TEST(PageStampTest, TouchKeepsCreationPartAndTakesTimeWithoutNumber) {
    FixedClock clock;
    FixedRandom random;
    struct Case {
        std::string stamp, expected;
    } cases[] = {
        {"id_060315143105877_060315150012", "id_060315143105877_240517103015"},
        {"id_060315143105877_060315143105877", "id_060315143105877_240517103015"},
        {"id_abc", "id_abc_240517103015"}, // no change part yet
        {"", "id_2405171030150_2405171030150"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TouchStamp(c.stamp, clock, random), c.expected) << c.stamp;
}

TEST(PageStampTest, StampsOfOneSecondStayDistinctWhenAsked) {
    FixedClock clock;
    FixedRandom random; // always 0
    std::set<std::string> made;
    for (int i = 0; i < 50; ++i)
        made.insert(
            NewStamp(clock, random, [&](const std::string& s) { return made.count(s) > 0; }));
    EXPECT_EQ(made.size(), 50u);
    EXPECT_TRUE(made.count("id_24051710301549_24051710301549"));
}

} // namespace
} // namespace vlm::test
