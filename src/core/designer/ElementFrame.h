#pragma once
// The rules of one element frame on the design surface as a state machine:
// a press, pointer moves, the release and key releases change the frame's
// bounds and gesture state and say what the view and the designer must do.
// The view only translates events and paints.

#include <string>

namespace vlm {

struct TFrameBounds {
    int left = 10, top = 10, width = 10, height = 10;
    bool operator==(const TFrameBounds&) const = default;
};

// The gesture of one frame.
struct TFrameState {
    TFrameBounds bounds;
    bool moving = false;
    bool resizing = false, resizeWidth = false, resizeHeight = false;
    bool resizable = true; // false for good once the record says "false"
    int grabX = 0, grabY = 0;
    int pressWidth = 0, pressHeight = 0;
};

enum class TCursor { Unchanged, Arrow, SizeAll, SizeWE, SizeNS, SizeNWSE };
enum class TMouseButton { Left, Right, Middle };
enum TShiftState : unsigned {
    ssShift = 1u << 0,
    ssAlt = 1u << 1,
    ssCtrl = 1u << 2,
    ssDouble = 1u << 3
};
enum class TArrowKey { None, Left, Right, Up, Down };

// What a click asks for.
enum class TFrameCommand {
    None,
    PassToSurface,      // a palette class is chosen: create an element there
    ElementMenu,        // popElement at the pointer
    Properties,         // actProperties
    StandardEditor,     // the standard property grid; refresh the frame when confirmed
    AdvancedProperties, // actEditStyle
    Actions,            // actActions
};

// The record's attributes to write from the bounds.
enum TFrameWrite : unsigned { fwX = 1u << 0, fwY = 1u << 1, fwWidth = 1u << 2, fwHeight = 1u << 3 };
// Status panels to write: bit n for panel n.
inline constexpr unsigned kPanelsPosition = 0b00011;
inline constexpr unsigned kPanelsSize = 0b01100;
inline constexpr unsigned kPanelsAll = 0b11111;

// What the frame needs from the designer.
struct TFrameContext {
    int panelWidth = 1026, panelHeight = 552;
    int spaceV = 25, spaceH = 25; // grid spacing for x and y
    bool snapping = false;
    bool paletteChosen = false;
    bool moveElement = true;
    bool recordResizable = true; // the record's "resizable" is not "false"
    bool lastPressed = false;    // the designer's last pressed name is this record's
};

struct TFrameEffects {
    TCursor cursor = TCursor::Unchanged;
    TFrameCommand command = TFrameCommand::None;
    int surfaceX = 0, surfaceY = 0; // for PassToSurface
    unsigned writes = 0;            // TFrameWrite bits
    unsigned panels = 0;            // status panels to write
    bool select = false;   // unselect all, make this the current element, remember its name
    bool render = false;   // the contents must be rendered again
    bool modified = false; // set the page's modified mark
    bool consumed = false; // a key was used
};

TFrameEffects FramePress(TFrameState& frame, const TFrameContext& context, TMouseButton button,
                         unsigned shift, int x, int y);
TFrameEffects FrameMove(TFrameState& frame, const TFrameContext& context, int x, int y);
TFrameEffects FrameRelease(TFrameState& frame, const TFrameContext& context);
TFrameEffects FrameKeyRelease(TFrameState& frame, const TFrameContext& context, TArrowKey key,
                              unsigned shift);

// The five status panel texts of a frame (language file texts).
struct TFrameStatus {
    std::string text[5];
};
TFrameStatus FrameStatusTexts(const TFrameBounds& bounds, const std::string& className,
                              const std::string& name);

} // namespace vlm
