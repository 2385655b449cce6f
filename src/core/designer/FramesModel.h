#pragma once
// The frames' list of the design surface: one entry per drawn element, in
// document order, and the observers told of its changes.

#include "designer/DesignerObserver.h"
#include "designer/ElementFrame.h"
#include "page/janXMLTree.h"

#include <string>
#include <vector>

namespace vlm {

struct TFrame {
    TjanXMLNode* record = nullptr; // not owned
    TFrameState state;
    bool marked = false;
    bool repaintFlag = false;
    bool visible = true;
    bool rendering = true; // the picture is not drawn yet (built, resized or refreshed)
};

class TFramesModel {
public:
    void AddObserver(TDesignerObserver* observer);
    void RemoveObserver(TDesignerObserver* observer);
    void Notify(unsigned flags, int frame = -1);

    const std::vector<TFrame>& Frames() const { return frames_; }
    std::vector<TFrame>& Frames() { return frames_; }
    int IndexOf(const TjanXMLNode* record) const;
    // The first marked frame, or -1.
    int FirstMarked() const;

private:
    std::vector<TFrame> frames_;
    std::vector<TDesignerObserver*> observers_;
};

} // namespace vlm
