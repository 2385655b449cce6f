// The designer's changes of the page: the frames' gestures, deletion, the
// clipboard and the undo history around every change.

#include "designer/DesignerSession.h"

#include "app/IniLang.h"
#include "common/Encoding.h"
#include "designer/ClipboardRecord.h"
#include "designer/ElementPaste.h"
#include "designer/ElementRecords.h"

namespace vlm {

void TDesignerSession::Begin() {
    if (changeDepth_++ == 0)
        before_ = document_.AsText();
}

void TDesignerSession::Commit(const std::string& mergeKey) {
    if (changeDepth_ == 0 || --changeDepth_ > 0)
        return;
    const bool couldUndo = history_.CanUndo(), couldRedo = history_.CanRedo();
    if (document_.AsText() != before_) {
        history_.Push(std::move(before_), mergeKey);
        SetModified(true);
    }
    before_.clear();
    if (couldUndo != history_.CanUndo() || couldRedo != history_.CanRedo())
        frames_.Notify(dcHistory);
}

void TDesignerSession::Change(const std::function<void()>& mutate, const std::string& mergeKey) {
    Begin();
    try {
        mutate();
    } catch (...) {
        Commit(mergeKey);
        throw;
    }
    Commit(mergeKey);
}

void TDesignerSession::Restore(const std::string& text) {
    changeDepth_ = 0;
    gestureOpen_ = false;
    document_.LoadFromText(text);
    PaintAllElements();
    SetModified(true);
    frames_.Notify(dcFrames | dcBackground | dcSelection | dcHistory);
}

bool TDesignerSession::Travel(bool back) {
    std::string text;
    std::string current = document_.AsText();
    if (changeDepth_ > 0 ||
        !(back ? history_.Undo(std::move(current), text) : history_.Redo(std::move(current), text)))
        return false;
    Restore(text);
    return true;
}

bool TDesignerSession::Undo() {
    return Travel(true);
}

bool TDesignerSession::Redo() {
    return Travel(false);
}

TFrameContext TDesignerSession::ContextFor(const TFrame& frame) const {
    TFrameContext c;
    c.panelWidth = kSurfaceWidth + 2;
    c.panelHeight = contentHeight_ + 2;
    c.spaceV = spaceV_;
    c.spaceH = spaceH_;
    c.snapping = snapping_;
    c.paletteChosen = !paletteClass_.empty();
    c.recordResizable = frame.record->GetAttributeText("resizable") != "false";
    c.lastPressed = frame.record->GetAttributeText("name") == lastPressedName_;
    return c;
}

void TDesignerSession::ApplyEffects(int index, const TFrameEffects& effects) {
    TFrame& frame = frames_.Frames()[static_cast<std::size_t>(index)];
    const TFrameBounds& b = frame.state.bounds;
    if (effects.writes & fwX)
        frame.record->SetAttribute("x", std::to_string(b.left));
    if (effects.writes & fwY)
        frame.record->SetAttribute("y", std::to_string(b.top));
    if (effects.writes & fwWidth)
        frame.record->SetAttribute("width", std::to_string(b.width));
    if (effects.writes & fwHeight)
        frame.record->SetAttribute("height", std::to_string(b.height));
    if (effects.modified)
        SetModified(true);
    unsigned flags = effects.writes ? dcBounds : 0u;
    if (effects.render) {
        flags |= dcContents;
        frame.rendering = true;
    }
    frames_.Notify(flags, index);
}

TFrameEffects TDesignerSession::FramePress(int index, TMouseButton button, unsigned shift, int x,
                                           int y) {
    TFrame& frame = frames_.Frames().at(static_cast<std::size_t>(index));
    const TFrameEffects effects =
        vlm::FramePress(frame.state, ContextFor(frame), button, shift, x, y);
    if (effects.command == TFrameCommand::PassToSurface) {
        SurfaceMouseDown(button, shift, effects.surfaceX, effects.surfaceY);
        return effects;
    }
    // A drag is one step, committed on release. A press that starts none
    // (a menu, an editor) may never see its release.
    if (!gestureOpen_ && (frame.state.moving || frame.state.resizing)) {
        Begin();
        gestureOpen_ = true;
    }
    if (effects.select)
        PressSelect(index);
    return effects;
}

TFrameEffects TDesignerSession::FrameMove(int index, int x, int y) {
    TFrame& frame = frames_.Frames().at(static_cast<std::size_t>(index));
    const TFrameEffects effects = vlm::FrameMove(frame.state, ContextFor(frame), x, y);
    ApplyEffects(index, effects);
    return effects;
}

TFrameEffects TDesignerSession::FrameRelease(int index) {
    TFrame& frame = frames_.Frames().at(static_cast<std::size_t>(index));
    const TFrameEffects effects = vlm::FrameRelease(frame.state, ContextFor(frame));
    ApplyEffects(index, effects);
    if (gestureOpen_) {
        gestureOpen_ = false;
        Commit();
    }
    return effects;
}

TFrameEffects TDesignerSession::FrameKeyRelease(int index, TArrowKey key, unsigned shift) {
    TFrame& frame = frames_.Frames().at(static_cast<std::size_t>(index));
    TFrameEffects effects;
    // Nudges of one element in a row undo together.
    Change(
        [&] {
            effects = vlm::FrameKeyRelease(frame.state, ContextFor(frame), key, shift);
            ApplyEffects(index, effects);
        },
        "nudge " + frame.record->GetAttributeText("id"));
    return effects;
}

TDeleteResult TDesignerSession::DeleteCommand() {
    TjanXMLNode* record = CurrentRecord();
    if (!record || record->GetAttributeText("canDelete") != "true")
        return TDeleteResult::NotAllowed;
    const int answer =
        prompt_.MessageBox("", LangText("QUEST_DELETE_ELEMENT") + "\r" + lastPressedName_ + "?",
                           DialogType::Confirmation, kButtonsYesNoCancel);
    if (answer == mrCancel)
        return TDeleteResult::Cancelled;
    if (answer != mrYes)
        return TDeleteResult::Declined;
    DeleteElement(record);
    return TDeleteResult::Deleted;
}

bool TDesignerSession::DeleteElement(TjanXMLNode* record) {
    TjanXMLNode* doc = document_.DocumentNode();
    if (!doc)
        return false;
    const int index = frames_.IndexOf(record);
    // Dependent records may have frames too: the list is rebuilt from the
    // document when any other frame went with the element.
    bool deleted = false;
    Change([&] { deleted = DeleteElementRecord(*doc, record, paths_.CourseDir); });
    if (!deleted)
        return false;
    std::vector<TFrame>& frames = frames_.Frames();
    bool othersGone = false;
    for (std::size_t i = 0; i < frames.size(); ++i)
        if (static_cast<int>(i) != index && doc->IndexOfChild(frames[i].record) < 0)
            othersGone = true;
    if (othersGone || index < 0) {
        PaintAllElements();
        frames_.Notify(dcFrames | dcSelection);
        return true;
    }
    frames.erase(frames.begin() + index);
    current_ = -1;
    for (TFrame& f : frames)
        f.marked = false;
    frames_.Notify(dcRemoved | dcSelection, index);
    return true;
}

std::string TDesignerSession::CopyToClipboard() const {
    const TjanXMLNode* record = CurrentRecord();
    if (!record)
        return {};
    std::string folder = PathToCp1250(paths_.CourseResourcesDir);
    if (!folder.empty() && folder.back() != '/' && folder.back() != '\\')
        folder += '/';
    return EncodeClipboardRecord(folder, record->ToXml(0));
}

std::string TDesignerSession::CutToClipboard(TDeleteResult* result) {
    std::string bytes = CopyToClipboard();
    const TDeleteResult r = bytes.empty() ? TDeleteResult::NotAllowed : DeleteCommand();
    if (result)
        *result = r;
    return bytes;
}

bool TDesignerSession::PasteFromClipboard(std::string_view record) {
    if (!designing_ || !document_.DocumentNode())
        return false;
    TjanXMLNode* pasted = nullptr;
    Change([&] {
        pasted = PasteClipboardRecord(document_, library_, record, paths_.CourseResourcesDir);
    });
    if (!pasted) {
        prompt_.ShowMessage(LangText("DESIGNER_CLIPBOARD_BAD"));
        return false;
    }
    RebuildElements();
    return true;
}

} // namespace vlm
