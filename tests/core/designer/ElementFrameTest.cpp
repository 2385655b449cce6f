#include "designer/ElementFrame.h"

#include <gtest/gtest.h>

using namespace vlm;

namespace {

TFrameState At(int left, int top, int width, int height) {
    TFrameState s;
    s.bounds = {left, top, width, height};
    return s;
}

} // namespace

TEST(FramePress, EdgeZonesStartResizingAndTheRestStartsAMove) {
    struct Case {
        int x, y;
        bool moving, resizeWidth, resizeHeight;
        TCursor cursor;
    };
    const Case cases[] = {
        {118, 10, false, true, false, TCursor::SizeWE},
        {123, 10, false, true, false, TCursor::SizeWE},
        {116, 10, true, false, false, TCursor::Unchanged},
        {10, 48, false, false, true, TCursor::SizeNS},
        {119, 51, false, true, true, TCursor::SizeNWSE},
    };
    for (const Case& c : cases) {
        TFrameState s = At(100, 100, 120, 50);
        const TFrameEffects e = FramePress(s, {}, TMouseButton::Left, 0, c.x, c.y);
        EXPECT_EQ(s.moving, c.moving) << c.x << "," << c.y;
        EXPECT_EQ(s.resizeWidth, c.resizeWidth) << c.x << "," << c.y;
        EXPECT_EQ(s.resizeHeight, c.resizeHeight) << c.x << "," << c.y;
        EXPECT_EQ(e.cursor, c.cursor) << c.x << "," << c.y;
        EXPECT_TRUE(e.select);
        EXPECT_EQ(e.panels, kPanelsAll);
    }
}

TEST(FramePress, ClicksAskForCommandsByButtonAndModifiers) {
    struct Case {
        TMouseButton button;
        unsigned shift;
        TFrameCommand command;
        bool moving;
    };
    const Case cases[] = {
        {TMouseButton::Left, 0, TFrameCommand::None, true},
        {TMouseButton::Right, 0, TFrameCommand::ElementMenu, false},
        {TMouseButton::Left, ssDouble, TFrameCommand::Properties, false},
        {TMouseButton::Left, ssShift | ssCtrl, TFrameCommand::StandardEditor, false},
        {TMouseButton::Left, ssCtrl, TFrameCommand::Properties, false},
        {TMouseButton::Left, ssShift, TFrameCommand::AdvancedProperties, false},
        {TMouseButton::Left, ssAlt, TFrameCommand::Actions, false},
    };
    for (const Case& c : cases) {
        TFrameState s = At(100, 100, 120, 50);
        const TFrameEffects e = FramePress(s, {}, c.button, c.shift, 50, 20);
        EXPECT_EQ(e.command, c.command) << c.shift;
        EXPECT_EQ(s.moving, c.moving) << c.shift;
    }
    TFrameState s = At(100, 100, 120, 50);
    TFrameContext palette;
    palette.paletteChosen = true;
    const TFrameEffects e = FramePress(s, palette, TMouseButton::Left, 0, 5, 7);
    EXPECT_EQ(e.command, TFrameCommand::PassToSurface);
    EXPECT_EQ(e.surfaceX, 105);
    EXPECT_EQ(e.surfaceY, 107);
    EXPECT_FALSE(e.select);
}

TEST(FrameMove, MovesWithinTheSurfaceAndSnaps) {
    struct Case {
        int pointerX;
        bool snapping;
        int left;
    };
    // Grabbed at x 10 of a frame at left 100: the new left is pointerX + 90.
    const Case cases[] = {
        {-90, false, 100}, // new left 0: unchanged
        {-95, false, 100},
        {-89, false, 1},
        {1026 - 5 - 90, false, 100}, // panel width - 5: unchanged
        {1026 - 6 - 90, false, 1020},
        {-42, true, 50}, // 48 snaps to 50
        {-47, true, 43},
    };
    TFrameContext context;
    for (const Case& c : cases) {
        TFrameState s = At(100, 100, 120, 50);
        FramePress(s, context, TMouseButton::Left, 0, 10, 10);
        context.snapping = c.snapping;
        const TFrameEffects e = FrameMove(s, context, c.pointerX, 10);
        EXPECT_EQ(s.bounds.left, c.left) << c.pointerX;
        EXPECT_EQ(e.writes & (fwX | fwY), fwX | fwY);
        EXPECT_EQ(e.cursor, TCursor::SizeAll);
    }
}

TEST(FrameMove, AWidthResizeToFourEndsAtEleven) {
    TFrameState s = At(100, 100, 120, 50);
    FramePress(s, {}, TMouseButton::Left, 0, 119, 10);
    TFrameEffects e = FrameMove(s, {}, 60, 10);
    EXPECT_EQ(s.bounds.width, 60);
    e = FrameMove(s, {}, 4, 10);
    EXPECT_EQ(s.bounds.width, 11);
    EXPECT_TRUE(e.writes & fwWidth);
    EXPECT_FALSE(e.writes & fwHeight);
    const TFrameEffects released = FrameRelease(s, {});
    EXPECT_TRUE(released.render);
    EXPECT_TRUE(released.modified);
    EXPECT_FALSE(s.resizing || s.resizeWidth || s.moving);
}

TEST(FrameMove, AnElementThatIsNotResizableNeitherMovesNorResizesAfterAnEdgePress) {
    TFrameState s = At(100, 100, 120, 50);
    TFrameContext fixed;
    fixed.recordResizable = false;
    const TFrameEffects press = FramePress(s, fixed, TMouseButton::Left, 0, 119, 10);
    EXPECT_EQ(press.cursor, TCursor::SizeWE);
    FrameMove(s, fixed, 300, 10);
    EXPECT_EQ(s.bounds, (TFrameBounds{100, 100, 120, 50}));
    EXPECT_FALSE(s.resizable);
    FrameRelease(s, fixed);
    FramePress(s, {}, TMouseButton::Left, 0, 119, 10);
    FrameMove(s, {}, 300, 10);
    EXPECT_EQ(s.bounds.width, 120); // for good
}

TEST(FrameRelease, APlainClickMarksThePageWithoutRendering) {
    TFrameState s = At(100, 100, 120, 50);
    FramePress(s, {}, TMouseButton::Left, 0, 50, 20);
    const TFrameEffects e = FrameRelease(s, {});
    EXPECT_TRUE(e.modified);
    EXPECT_FALSE(e.render);
    EXPECT_EQ(e.panels, kPanelsSize);
    TFrameContext locked;
    locked.moveElement = false;
    EXPECT_FALSE(FrameRelease(s, locked).modified);
}

TEST(FrameKeyRelease, ShiftArrowsNudgeByOnePixelAwayFromTheEdges) {
    struct Case {
        int left, top;
        TArrowKey key;
        unsigned shift;
        int newLeft, newTop;
        bool consumed;
    };
    const Case cases[] = {
        {0, 5, TArrowKey::Right, ssShift, 0, 5, false},
        {1, 5, TArrowKey::Right, ssShift, 2, 5, true},
        {1, 5, TArrowKey::Left, ssShift, 0, 5, true},
        {5, 0, TArrowKey::Down, ssShift, 5, 0, false},
        {5, 1, TArrowKey::Down, ssShift, 5, 2, true},
        {5, 3, TArrowKey::Up, ssShift, 5, 2, true},
        {1026, 5, TArrowKey::Left, ssShift, 1026, 5, false},
        {5, 5, TArrowKey::Right, 0, 5, 5, false},
    };
    for (const Case& c : cases) {
        TFrameState s = At(c.left, c.top, 50, 50);
        const TFrameEffects e = FrameKeyRelease(s, {}, c.key, c.shift);
        EXPECT_EQ(s.bounds.left, c.newLeft) << c.left << "," << c.top;
        EXPECT_EQ(s.bounds.top, c.newTop) << c.left << "," << c.top;
        EXPECT_EQ(e.consumed, c.consumed) << c.left << "," << c.top;
        EXPECT_EQ(e.modified, c.consumed);
    }
    TFrameState small = At(5, 5, 3, 50);
    EXPECT_TRUE(FrameKeyRelease(small, {}, TArrowKey::None, 0).writes & fwWidth);
    EXPECT_EQ(small.bounds.width, 11);
}
