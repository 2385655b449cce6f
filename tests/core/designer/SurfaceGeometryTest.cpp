#include "designer/SurfaceGeometry.h"

#include <gtest/gtest.h>

using namespace vlm;

TEST(SnapToGrid, MovesOnlyWithinFivePixelsOfALine) {
    struct Case {
        int value, spacing;
        bool snapping;
        int expected;
    };
    const Case cases[] = {
        {23, 25, true, 25},
        {20, 25, true, 25},
        {30, 25, true, 25},
        {4, 25, true, 0},
        {5, 25, true, 0},
        {6, 25, true, 6},
        {12, 25, true, 12},
        {48, 25, true, 50},
        {43, 25, true, 43},
        {23, 25, false, 23},
        {7, 10, true, 10}, // both rules hold: up to the
                           // next line wins
        {-3, 25, true, 0},
        {7, 0, true, 7}, // no spacing: no snapping, no division by zero
    };
    for (const Case& c : cases)
        EXPECT_EQ(SnapToGrid(c.value, c.spacing, c.snapping), c.expected)
            << c.value << " at " << c.spacing;
}

TEST(ContentHeight, GrowsTenBelowThePaintedElementThatEndsLowest) {
    TjanXMLTree definitions;
    definitions.LoadFromText(R"(<document><class name="timer" paintElement="false" /></document>)");
    struct Case {
        const char* page;
        bool ok;
        int expected;
    };
    const Case cases[] = {
        {R"(<document><page height="550" /><text name="a" y="540" height="20" /></document>)", true,
         570},
        {R"(<document><page height="550" /><text name="a" y="530" height="20" /></document>)", true,
         550},
        {R"(<document><page height="550" /><timer name="t" y="900" height="20" /></document>)",
         true, 550},
        {R"(<document><page height="550" /><text y="900" height="20" /></document>)", true, 550},
        {R"(<document><page height="600" /><text name="a" /></document>)", true, 600},
        {R"(<document><page /><text name="a" y="500" height="60" /></document>)", true, 570},
        {R"(<document><page height="tall" /></document>)", false, 0},
        {R"(<document><page height="550" /><text name="a" y="x" /></document>)", false, 0},
    };
    for (const Case& c : cases) {
        TjanXMLTree page;
        page.LoadFromText(c.page);
        int height = 0;
        EXPECT_EQ(ContentHeight(page.FindDescendant("document"),
                                definitions.FindDescendant("document"), height),
                  c.ok)
            << c.page;
        if (c.ok) {
            EXPECT_EQ(height, c.expected) << c.page;
        }
    }
    int height = 0;
    EXPECT_TRUE(ContentHeight(nullptr, nullptr, height));
    EXPECT_EQ(height, 550);
}

TEST(SurfaceColors, HtmlColorsAndOptionColors) {
    EXPECT_EQ(HtmlColorToRgb("#FF8001"), (TRgb{255, 128, 1}));
    EXPECT_EQ(HtmlColorToRgb("#ff8001"), (TRgb{255, 128, 1}));
    for (const char* bad : {"", "FF8001", "#FF80", "#GG8001", "#FF80011"})
        EXPECT_EQ(HtmlColorToRgb(bad), TRgb{}) << bad;
    EXPECT_EQ(OptionColorToRgb(0x008000), (TRgb{0, 128, 0}));
    EXPECT_EQ(OptionColorToRgb(0x0000FF), (TRgb{255, 0, 0}));
}

TEST(GridLines, CountsRoundToTheNearestLine) {
    const std::vector<TLine> lines = GridLines(100, 60, 40, 25);
    // 100/40 = 2.5 rounds to 3 (away from zero), 60/25 = 2.4 rounds to 2.
    const std::vector<TLine> expected = {
        {40, 0, 40, 60}, {80, 0, 80, 60}, {120, 0, 120, 60}, {0, 25, 100, 25}, {0, 50, 100, 50}};
    EXPECT_EQ(lines, expected);
    EXPECT_TRUE(GridLines(100, 60, 0, -1).empty());
}
