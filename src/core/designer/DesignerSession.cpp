#include "designer/DesignerSession.h"

#include "app/IniLang.h"
#include "app/ProgramOptions.h"
#include "common/Encoding.h"
#include "common/FileWrite.h"
#include "designer/ClipboardRecord.h"
#include "designer/ElementPaste.h"
#include "designer/ElementRecords.h"
#include "page/ClassDefinitions.h"
#include "project/CourseMessages.h"

namespace fs = std::filesystem;

namespace vlm {

namespace {

bool ReadBounds(const TjanXMLNode& record, TFrameBounds& bounds) {
    TFrameBounds b;
    if (!ReadDimension(record, "x", b.left) || !ReadDimension(record, "y", b.top) ||
        !ReadDimension(record, "width", b.width) || !ReadDimension(record, "height", b.height))
        return false;
    bounds = b;
    return true;
}

} // namespace

TDesignerSession::TDesignerSession(UserPrompt& prompt, GuidSource& guids, const Clock& clock,
                                   const TjanXMLNode& definitions,
                                   const TComponentsCollection* library)
    : prompt_(prompt), guids_(guids), library_(library), document_(guids, prompt, clock) {
    document_.SetDefinitions(&definitions);
    document_.AddObserver(this);
}

TDesignerSession::~TDesignerSession() {
    document_.RemoveObserver(this);
}

void TDesignerSession::DocumentChanged(TXMPDocument&) {
    SetModified(true);
}

void TDesignerSession::ReadOptions(const TOptions& options) {
    spaceV_ = OptionInteger(options.GetOption(kOptGridSpaceV), 25);
    spaceH_ = OptionInteger(options.GetOption(kOptGridSpaceH), 25);
    gridColor_ = OptionInteger(options.GetOption(kOptGridColor), kDefaultGridColor);
    showPopups_ = OptionBoolean(options.GetOption(kOptShowPopups), true);
    showFeedbacks_ = OptionBoolean(options.GetOption(kOptShowFeedbacks), true);
    elementFrame_ = OptionBoolean(options.GetOption(kOptElementFrame), true);
}

void TDesignerSession::OptionChanged(const TOption& option) {
    if (option.Name == kOptGridSpaceV || option.Name == kOptGridSpaceH ||
        option.Name == kOptGridColor) {
        (option.Name == kOptGridColor    ? gridColor_
         : option.Name == kOptGridSpaceV ? spaceV_
                                         : spaceH_) = OptionInteger(option.Value);
        frames_.Notify(dcBackground);
    } else if (option.Name == kOptShowPopups || option.Name == kOptShowFeedbacks) {
        (option.Name == kOptShowPopups ? showPopups_ : showFeedbacks_) =
            OptionBoolean(option.Value, true);
        ApplyVisibility();
    } else if (option.Name == kOptElementFrame) {
        elementFrame_ = OptionBoolean(option.Value, true);
        RebuildElements();
    }
}

void TDesignerSession::SetGridShown(bool shown) {
    gridShown_ = shown;
    frames_.Notify(dcBackground);
}

void TDesignerSession::SetSnapping(bool snapping) {
    snapping_ = snapping;
}

void TDesignerSession::SetModified(bool modified) {
    if (modified_ == modified)
        return;
    modified_ = modified;
    frames_.Notify(dcModified);
}

void TDesignerSession::Fail(const std::string& key, const fs::path& path,
                            const std::string& nodeCaption) {
    std::string text = LangText(key);
    if (text.find("%s") != std::string::npos)
        text = LangTextWith(key, PathToCp1250(path));
    else
        text.append(" ").append(PathToCp1250(path));
    text.append(" (").append(nodeCaption).append(")");
    prompt_.MessageBox("", text, DialogType::Error, kButtonsOK);
}

bool TDesignerSession::OpenPage(const fs::path& path, const std::string& nodeCaption) {
    if (modified_)
        SavePage();
    contentHeight_ = kSurfaceDefaultHeight;
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) {
        Fail("ERROR_FILE_NOT_FOUND", path, nodeCaption);
        return false;
    }
    SetModified(false);
    pageFile_ = path;
    SetPaletteClass({});
    history_.Clear();
    changeDepth_ = 0;
    gestureOpen_ = false;
    bool built = false;
    try {
        document_.LoadFromFile(path);
        designing_ = true;
        built = document_.Tree().ChildCount() > 0 && PaintAllElements();
    } catch (const std::exception&) {
        built = false;
    }
    visible_ = true;
    frames_.Notify(dcPage | dcFrames | dcBackground | dcSelection | dcHistory);
    if (!built)
        Fail("ERROR_PROJECT_FILE_002", path, nodeCaption);
    return built;
}

bool TDesignerSession::SavePage(const fs::path& path) {
    const fs::path target = path.empty() ? pageFile_ : path;
    if (target.empty() || document_.Tree().ChildCount() == 0)
        return false;
    std::error_code ec;
    // Saving clears a read-only mark, as the page is the author's own.
    if (fs::exists(target, ec))
        fs::permissions(target, fs::perms::owner_write, fs::perm_options::add, ec);
    const std::string text = document_.AsText();
    bool saved = false;
    try {
        document_.SaveToFile(target);
        // The document reports some failures itself without raising; only
        // what reached the disk counts as saved.
        saved = ReadFileBytes(target) == text;
    } catch (const std::exception&) {
        saved = false;
    }
    if (!saved) {
        prompt_.ShowMessage(LangText("ERROR_FILE_NOT_SAVED"));
        return false;
    }
    SetModified(false);
    return true;
}

void TDesignerSession::ClosePage() {
    SavePage();
    pageFile_.clear();
    visible_ = false;
    frames_.Notify(dcPage);
}

bool TDesignerSession::BindFrame(TjanXMLNode& record, TFrame& frame) {
    frame.record = &record;
    if (record.GetAttributeText("id").empty()) {
        record.SetAttribute("id", guids_.NewGuid());
        SetModified(true);
    }
    return ReadBounds(record, frame.state.bounds);
}

bool TDesignerSession::PaintAllElements() {
    TjanXMLNode* doc = document_.DocumentNode();
    const TjanXMLNode* defs = document_.DefinitionsDocument();
    int height = kSurfaceDefaultHeight;
    const bool measured = vlm::ContentHeight(doc, defs, height);
    contentHeight_ = height;
    current_ = -1;
    std::vector<TFrame>& frames = frames_.Frames();
    frames.clear();
    if (!doc) {
        prompt_.ShowMessage(LangText("DESIGNER_XML_NO_DATA"));
        return true;
    }
    if (!measured)
        return false;
    frames.reserve(doc->ChildCount());
    for (const auto& child : doc->Children()) {
        if (!child->FindAttribute("name") || !ClassPaints(defs, child->Name()))
            continue;
        TFrame frame;
        if (!BindFrame(*child, frame)) {
            frames.clear();
            return false;
        }
        frames.push_back(frame);
    }
    for (TFrame& frame : frames)
        frame.visible = FrameVisible(frame);
    return true;
}

void TDesignerSession::RebuildElements() {
    if (!designing_)
        return;
    PaintAllElements();
    frames_.Notify(dcFrames | dcBackground | dcSelection);
}

TBackground TDesignerSession::Background() const {
    TBackground out;
    out.height = contentHeight_;
    const TjanXMLNode* doc = document_.DocumentNode();
    const TjanXMLNode* page = doc && visible_ ? doc->FindChild("page") : nullptr;
    out.color =
        page ? HtmlColorToRgb(GetAttributeOr(page, "bgColor", "#FFFFFF")) : TRgb{255, 255, 255};
    out.gridColor = OptionColorToRgb(gridColor_);
    if (gridShown_)
        out.gridLines = GridLines(out.width, out.height, spaceV_, spaceH_);
    return out;
}

int TDesignerSession::SnapToGrid(int value, bool horizontal) const {
    return vlm::SnapToGrid(value, horizontal ? spaceV_ : spaceH_, snapping_);
}

void TDesignerSession::SetPaletteClass(const std::string& className) {
    if (paletteClass_ == className)
        return;
    paletteClass_ = className;
    frames_.Notify(dcPalette);
}

TSurfaceCommand TDesignerSession::SurfaceMouseDown(TMouseButton button, unsigned shift, int x,
                                                   int y) {
    if (!designing_)
        return TSurfaceCommand::None;
    const bool isDouble = (shift & ssDouble) != 0;
    if (button == TMouseButton::Right && !isDouble) {
        if (!paletteClass_.empty())
            SetPaletteClass({});
        else
            frames_.Notify(dcBackground);
        return TSurfaceCommand::PageMenu;
    }
    if (button != TMouseButton::Left)
        return TSurfaceCommand::None;
    if (isDouble)
        return TSurfaceCommand::PageProperties;
    if (!paletteClass_.empty())
        CreateElement(paletteClass_, x, y);
    return TSurfaceCommand::None;
}

TjanXMLNode* TDesignerSession::CreateElement(const std::string& className, int x, int y) {
    if (!designing_ || !document_.DocumentNode())
        return nullptr;
    if (!IsValidIdentifier(document_.UniqueName(className))) {
        prompt_.ShowMessage(LangTextWith("DESIGNER_BAD_CLASS_NAME", className));
        return nullptr;
    }
    TjanXMLNode* record = nullptr;
    TFrame frame;
    Change([&] {
        record = CreateElementRecord(document_, className, x, y);
        BindFrame(*record, frame);
    });
    if (library_ && !paths_.CourseResourcesDir.empty())
        library_->CopyClassResources(className, paths_.CourseResourcesDir);
    int index = -1;
    if (ClassPaints(document_.DefinitionsDocument(), className)) {
        frame.visible = FrameVisible(frame);
        frames_.Frames().push_back(frame);
        index = static_cast<int>(frames_.Frames().size()) - 1;
    }
    SetPaletteClass({});
    SetModified(true);
    frames_.Notify(dcFrames, index);
    return record;
}

bool TDesignerSession::FrameVisible(const TFrame& frame) const {
    if (!frame.record)
        return false;
    const std::string& cls = frame.record->Name();
    if (cls == "popup")
        return showPopups_;
    if (cls == "feedback")
        return showFeedbacks_;
    return true;
}

void TDesignerSession::ApplyVisibility() {
    for (TFrame& frame : frames_.Frames())
        frame.visible = FrameVisible(frame);
    frames_.Notify(dcVisibility);
}

TjanXMLNode* TDesignerSession::CurrentRecord() const {
    return current_ >= 0 ? frames_.Frames()[static_cast<std::size_t>(current_)].record : nullptr;
}

void TDesignerSession::PressSelect(int frame) {
    std::vector<TFrame>& frames = frames_.Frames();
    if (frame < 0 || static_cast<std::size_t>(frame) >= frames.size())
        return;
    for (TFrame& f : frames)
        f.marked = false;
    current_ = frame;
    frames[static_cast<std::size_t>(frame)].marked = true;
    lastPressedName_ = frames[static_cast<std::size_t>(frame)].record->GetAttributeText("name");
    frames_.Notify(dcSelection, frame);
}

void TDesignerSession::SelectElement(const TjanXMLNode* record) {
    for (TFrame& f : frames_.Frames())
        f.marked = f.record == record;
    frames_.Notify(dcSelection);
}

void TDesignerSession::UnselectAll() {
    for (TFrame& f : frames_.Frames())
        f.marked = false;
    current_ = -1;
    frames_.Notify(dcSelection);
}

void TDesignerSession::BringToFront() {
    const int marked = frames_.FirstMarked();
    TjanXMLNode* doc = document_.DocumentNode();
    if (marked < 0 || !doc)
        return;
    TjanXMLNode* record = frames_.Frames()[static_cast<std::size_t>(marked)].record;
    Change([&] { doc->MoveChild(record, static_cast<int>(doc->ChildCount()) - 1); });
    RebuildElements();
}

void TDesignerSession::SendToBack() {
    const int marked = frames_.FirstMarked();
    TjanXMLNode* doc = document_.DocumentNode();
    if (marked < 0 || !doc || doc->ChildCount() < 3)
        return;
    TjanXMLNode* record = frames_.Frames()[static_cast<std::size_t>(marked)].record;
    Change([&] { doc->MoveChild(record, 2); });
    RebuildElements();
}

void TDesignerSession::FrameRendered(int index) {
    std::vector<TFrame>& frames = frames_.Frames();
    if (index >= 0 && static_cast<std::size_t>(index) < frames.size())
        frames[static_cast<std::size_t>(index)].rendering = false;
}

bool TDesignerSession::PreviewsPending() const {
    for (const TFrame& f : frames_.Frames())
        if (f.rendering)
            return true;
    return false;
}

void TDesignerSession::MarkChanged(const std::string& globalIndex) {
    for (TFrame& f : frames_.Frames())
        if (f.record->GetAttributeText("globalIndex") == globalIndex)
            f.repaintFlag = true;
}

void TDesignerSession::RefreshChangedElements() {
    std::vector<TFrame>& frames = frames_.Frames();
    for (std::size_t i = 0; i < frames.size(); ++i) {
        if (!frames[i].repaintFlag)
            continue;
        frames[i].repaintFlag = false;
        frames[i].rendering = true;
        ReadBounds(*frames[i].record, frames[i].state.bounds);
        frames_.Notify(dcBounds | dcContents, static_cast<int>(i));
    }
}

} // namespace vlm
