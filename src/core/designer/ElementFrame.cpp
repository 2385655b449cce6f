#include "designer/ElementFrame.h"

#include "designer/SurfaceGeometry.h"
#include "project/CourseMessages.h"

namespace vlm {

namespace {

constexpr int kEdgeZone = 3;
constexpr int kMinSize = 10;
constexpr int kRaisedSize = 11;

bool NearEdge(int value, int edge) {
    return value >= edge - kEdgeZone && value <= edge + kEdgeZone;
}

// A width or height below the minimum is raised, and written.
void RaiseSmall(TFrameState& frame, TFrameEffects& out) {
    if (frame.bounds.width < kMinSize) {
        frame.bounds.width = kRaisedSize;
        out.writes |= fwWidth;
    }
    if (frame.bounds.height < kMinSize) {
        frame.bounds.height = kRaisedSize;
        out.writes |= fwHeight;
    }
}

} // namespace

TFrameEffects FramePress(TFrameState& frame, const TFrameContext& context, TMouseButton button,
                         unsigned shift, int x, int y) {
    TFrameEffects out;
    if (context.paletteChosen) {
        out.command = TFrameCommand::PassToSurface;
        out.surfaceX = x + frame.bounds.left;
        out.surfaceY = y + frame.bounds.top;
        return out;
    }
    frame.pressWidth = frame.bounds.width;
    frame.pressHeight = frame.bounds.height;
    out.panels = kPanelsAll;
    out.select = true;
    // Edge zones are tested even for an element that cannot be resized.
    if (!frame.resizeWidth && !frame.moving) {
        if (NearEdge(x, frame.bounds.width)) {
            out.cursor = TCursor::SizeWE;
            frame.resizeWidth = true;
        }
        if (NearEdge(y, frame.bounds.height)) {
            out.cursor = TCursor::SizeNS;
            frame.resizeHeight = true;
        }
        if (frame.resizeWidth && frame.resizeHeight)
            out.cursor = TCursor::SizeNWSE;
        frame.resizing = frame.resizeWidth || frame.resizeHeight;
    }
    if (frame.moving || frame.resizing)
        return out;
    const bool isDouble = (shift & ssDouble) != 0;
    if (button == TMouseButton::Left && context.moveElement && !isDouble && !(shift & ssCtrl)) {
        frame.moving = true;
        frame.grabX = x;
        frame.grabY = y;
    }
    if (button == TMouseButton::Right && !isDouble)
        out.command = TFrameCommand::ElementMenu;
    if (button != TMouseButton::Left)
        return out;
    if (isDouble) {
        out.command = TFrameCommand::Properties;
    } else if ((shift & ssShift) && (shift & ssCtrl)) {
        out.command = TFrameCommand::StandardEditor;
    } else if (shift & ssCtrl) {
        out.command = TFrameCommand::Properties;
    } else if (shift & ssShift) {
        out.command = TFrameCommand::AdvancedProperties;
        frame.moving = false;
    } else if (shift & ssAlt) {
        out.command = TFrameCommand::Actions;
        frame.moving = false;
    }
    return out;
}

TFrameEffects FrameMove(TFrameState& frame, const TFrameContext& context, int x, int y) {
    TFrameEffects out;
    if (!context.recordResizable)
        frame.resizable = false;
    if (context.moveElement) {
        out.cursor = TCursor::SizeAll;
        if (frame.moving) {
            TFrameBounds& b = frame.bounds;
            const long long newLeft = static_cast<long long>(x) + b.left - frame.grabX;
            if (newLeft > 0 && newLeft + kSnapTolerance < context.panelWidth)
                b.left = SnapToGrid(static_cast<int>(newLeft), context.spaceV, context.snapping);
            const long long newTop = static_cast<long long>(y) + b.top - frame.grabY;
            if (newTop > 0 && newTop + kSnapTolerance < context.panelHeight)
                b.top = SnapToGrid(static_cast<int>(newTop), context.spaceH, context.snapping);
            out.panels |= kPanelsPosition;
            out.writes |= fwX | fwY;
        }
    }
    if (!frame.resizable)
        return out;
    if (!frame.resizeWidth && !frame.moving) {
        const bool right = NearEdge(x, frame.bounds.width);
        const bool bottom = NearEdge(y, frame.bounds.height);
        if (right)
            out.cursor = TCursor::SizeWE;
        if (bottom)
            out.cursor = TCursor::SizeNS;
        if (right && bottom)
            out.cursor = TCursor::SizeNWSE;
    }
    if (frame.resizeWidth) {
        frame.bounds.width = frame.bounds.width <= kMinSize ? kRaisedSize : x;
        out.writes |= fwWidth;
    }
    if (frame.resizeHeight) {
        frame.bounds.height = frame.bounds.height <= kMinSize ? kRaisedSize : y;
        out.writes |= fwHeight;
    }
    RaiseSmall(frame, out);
    if (context.lastPressed)
        out.panels |= kPanelsSize;
    return out;
}

TFrameEffects FrameRelease(TFrameState& frame, const TFrameContext& context) {
    TFrameEffects out;
    if (!context.moveElement)
        return out;
    out.render = frame.bounds.width != frame.pressWidth || frame.bounds.height != frame.pressHeight;
    frame.moving = frame.resizing = frame.resizeWidth = frame.resizeHeight = false;
    out.modified = true; // also after a plain click
    out.panels = kPanelsSize;
    return out;
}

TFrameEffects FrameKeyRelease(TFrameState& frame, const TFrameContext& context, TArrowKey key,
                              unsigned shift) {
    TFrameEffects out;
    if (context.moveElement && (shift & ssShift)) {
        TFrameBounds& b = frame.bounds;
        const bool inWidth = b.left > 0 && b.left < context.panelWidth;
        const bool inHeight = b.top > 0 && b.top < context.panelHeight;
        // Only the arrow pressed acts, and not from the surface's edge.
        if (key == TArrowKey::Left && inWidth) {
            --b.left;
            out.consumed = true;
        } else if (key == TArrowKey::Right && inWidth) {
            ++b.left;
            out.consumed = true;
        } else if (key == TArrowKey::Down && inHeight) {
            ++b.top;
            out.consumed = true;
        } else if (key == TArrowKey::Up && inHeight) {
            --b.top;
            out.consumed = true;
        }
        out.panels = kPanelsPosition;
        out.writes = fwX | fwY;
        out.modified = out.consumed;
    }
    RaiseSmall(frame, out);
    return out;
}

TFrameStatus FrameStatusTexts(const TFrameBounds& bounds, const std::string& className,
                              const std::string& name) {
    return {{LangTextWith("DESIGNER_STATUS_X", std::to_string(bounds.left)),
             LangTextWith("DESIGNER_STATUS_Y", std::to_string(bounds.top)),
             LangTextWith("DESIGNER_STATUS_W", std::to_string(bounds.width)),
             LangTextWith("DESIGNER_STATUS_H", std::to_string(bounds.height)),
             LangTextWith("DESIGNER_STATUS_ELEMENT", className + ": " + name)}};
}

} // namespace vlm
