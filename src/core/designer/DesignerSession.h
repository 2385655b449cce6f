#pragma once
// The page designer without its window: the page being designed, the
// frames' list, selection, ordering, element creation, the frames' gestures,
// deletion, the clipboard record and the undo history of the open page.
// The view translates mouse and keys into these calls, paints what the
// frames' model and Background() say, and listens through TDesignerObserver.

#include "app/Options.h"
#include "app/UserPrompt.h"
#include "common/SystemPorts.h"
#include "designer/FramesModel.h"
#include "designer/SurfaceGeometry.h"
#include "designer/UndoHistory.h"
#include "page/ComponentsManager.h"
#include "page/xmp.h"
#include "project/CoursePaths.h"

#include <filesystem>
#include <functional>
#include <string>

namespace vlm {

// What a press on the surface's background asks of the main window.
enum class TSurfaceCommand { None, PageMenu, PageProperties };

enum class TDeleteResult { NotAllowed, Deleted, Declined, Cancelled };

class TDesignerSession : private TXMPDocumentObserver {
public:
    // `definitions` is the merged definition tree, `library` may be null.
    TDesignerSession(UserPrompt& prompt, GuidSource& guids, const Clock& clock,
                     const TjanXMLNode& definitions, const TComponentsCollection* library);
    ~TDesignerSession() override;
    TDesignerSession(const TDesignerSession&) = delete;
    TDesignerSession& operator=(const TDesignerSession&) = delete;

    // Options and switches.
    void ReadOptions(const TOptions& options);
    // The settings' change notification: grid, visibility or frames follow.
    void OptionChanged(const TOption& option);
    void SetGridShown(bool shown);
    void SetSnapping(bool snapping);
    bool Snapping() const { return snapping_; }
    bool GridShown() const { return gridShown_; }
    bool ShowPopups() const { return showPopups_; }
    bool ShowFeedbacks() const { return showFeedbacks_; }
    bool ElementFrame() const { return elementFrame_; }
    void SetCoursePaths(const TCoursePaths& paths) { paths_ = paths; }

    // The page.
    bool OpenPage(const std::filesystem::path& path, const std::string& nodeCaption);
    bool SavePage(const std::filesystem::path& path = {});
    void ClosePage();
    void RebuildElements();
    const std::filesystem::path& PageFile() const { return pageFile_; }
    bool Designing() const { return designing_; }
    bool Visible() const { return visible_; }
    bool Modified() const { return modified_; }
    void SetModified(bool modified);
    int ContentHeight() const { return contentHeight_; }
    const std::string& LastPressedName() const { return lastPressedName_; }
    TXMPDocument& Document() { return document_; }
    const TXMPDocument& Document() const { return document_; }
    TFramesModel& Frames() { return frames_; }
    const TFramesModel& Frames() const { return frames_; }

    // The surface.
    TBackground Background() const;
    int SnapToGrid(int value, bool horizontal) const;
    const std::string& PaletteClass() const { return paletteClass_; }
    void SetPaletteClass(const std::string& className);
    TSurfaceCommand SurfaceMouseDown(TMouseButton button, unsigned shift, int x, int y);
    // A new element of the class at the point, with its frame; null when
    // nothing was added (no page, or a class name that cannot name an element).
    TjanXMLNode* CreateElement(const std::string& className, int x, int y);
    bool FrameVisible(const TFrame& frame) const;
    void ApplyVisibility();

    // Selection and order.
    int Current() const { return current_; }
    TjanXMLNode* CurrentRecord() const;
    bool HasSelection() const { return current_ >= 0; }
    // What pressing the frame does to the selection.
    void PressSelect(int frame);
    void SelectElement(const TjanXMLNode* record);
    void UnselectAll();
    void BringToFront();
    void SendToBack();
    // The view has drawn the frame's picture.
    void FrameRendered(int index);
    // Some frame still waits for its picture: the course tree keeps its page meanwhile.
    bool PreviewsPending() const;
    void MarkChanged(const std::string& globalIndex);
    void RefreshChangedElements();

    // Gestures of frame `index`.
    TFrameEffects FramePress(int index, TMouseButton button, unsigned shift, int x, int y);
    TFrameEffects FrameMove(int index, int x, int y);
    TFrameEffects FrameRelease(int index);
    TFrameEffects FrameKeyRelease(int index, TArrowKey key, unsigned shift);

    // Deletion and the clipboard.
    TDeleteResult DeleteCommand();
    bool DeleteElement(TjanXMLNode* record);
    // The record's bytes for the current element; empty without one.
    std::string CopyToClipboard() const;
    // Copies, then runs the delete command; the bytes stay whatever it answers.
    std::string CutToClipboard(TDeleteResult* result = nullptr);
    bool PasteFromClipboard(std::string_view record);

    // Undo: every change of the document made between Begin and Commit (or
    // inside Change) is one step; changes with the same non-empty merge key
    // in a row are one step.
    void Begin();
    void Commit(const std::string& mergeKey = {});
    void Change(const std::function<void()>& mutate, const std::string& mergeKey = {});
    bool CanUndo() const { return history_.CanUndo(); }
    bool CanRedo() const { return history_.CanRedo(); }
    bool Undo();
    bool Redo();

private:
    void DocumentChanged(TXMPDocument& document) override;
    bool PaintAllElements();
    bool BindFrame(TjanXMLNode& record, TFrame& frame);
    TFrameContext ContextFor(const TFrame& frame) const;
    void ApplyEffects(int index, const TFrameEffects& effects);
    void Restore(const std::string& text);
    bool Travel(bool back);
    void Fail(const std::string& key, const std::filesystem::path& path,
              const std::string& nodeCaption);

    UserPrompt& prompt_;
    GuidSource& guids_;
    const TComponentsCollection* library_;
    TXMPDocument document_;
    TFramesModel frames_;
    TUndoHistory history_;
    TCoursePaths paths_;
    std::filesystem::path pageFile_;
    std::string paletteClass_;
    std::string lastPressedName_;
    std::string before_; // the document's text when the open change began
    int changeDepth_ = 0;
    bool gestureOpen_ = false;
    bool designing_ = false;
    bool visible_ = false;
    bool modified_ = false;
    int current_ = -1;
    int contentHeight_ = kSurfaceDefaultHeight;
    int spaceV_ = 25, spaceH_ = 25;
    int gridColor_ = 0x008000;
    bool showPopups_ = true, showFeedbacks_ = true, elementFrame_ = true;
    bool gridShown_ = false, snapping_ = false;
};

} // namespace vlm
