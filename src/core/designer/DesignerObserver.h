#pragma once
// How views hear of changes to the designer: its frames' list, the
// selection, the background and its own state.

namespace vlm {

// Change flags; one notification may carry several.
enum TDesignerChangeFlag : unsigned {
    dcFrames = 1u << 0,     // the frames' list was rebuilt (every entry replaced)
    dcBounds = 1u << 1,     // the frame's position or size
    dcContents = 1u << 2,   // the frame's picture must be rendered again
    dcSelection = 1u << 3,  // marks or the current element
    dcVisibility = 1u << 4, // shown or hidden frames
    dcModified = 1u << 5,   // the modified mark
    dcBackground = 1u << 6, // page colour, content height or grid
    dcPalette = 1u << 7,    // the palette class
    dcHistory = 1u << 8,    // what undo and redo can do
    dcPage = 1u << 9,       // a page was opened or closed
    dcRemoved = 1u << 10,   // the frame was destroyed (entries after it moved up)
};

struct TDesignerChange {
    unsigned flags = 0;
    // The frame concerned, or -1 when the change concerns the whole designer.
    int frame = -1;
};

class TDesignerObserver {
public:
    virtual ~TDesignerObserver() = default;
    virtual void DesignerChanged(const TDesignerChange& change) = 0;
};

} // namespace vlm
