#pragma once
// The course commands of the main window: new, open, save, save as, close,
// and the course tree's add, rename, delete and moves, all through the
// core's course lifecycle and tree commands.

#include "project/ProjectTemplates.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QWidget;

namespace vlm {

class TCourseLifecycle;
class TCourseNode;
class TCourseTree;
class TCourseTreeView;
class TGuiSession;
class TfrmMain;

// One question for a file name.
struct TFileQuestion {
    bool save = false;
    std::string title;
    std::string filter; // as the language file writes it: "Text|*.a;*.b"
    std::string defaultSuffix;
    std::filesystem::path preselected;
};

class TCourseActions {
public:
    TCourseActions(TfrmMain& window, TGuiSession& session, TCourseLifecycle& lifecycle,
                   TCourseTreeView& tree);

    // The file and template dialogs; tests answer them instead.
    std::function<std::optional<std::filesystem::path>(const TFileQuestion&)> AskFile;
    std::function<std::optional<TProjectTemplateItem>(const std::vector<TProjectTemplateItem>&)>
        ChooseTemplate;

private:
    void NewCourse();
    void OpenCourse();
    // The four moves act only while the tree has the keyboard focus.
    void Move(bool (TCourseTree::*move)(TCourseNode*));

    TfrmMain& window_;
    TGuiSession& session_;
    TCourseLifecycle& lifecycle_;
    TCourseTreeView& tree_;
};

// The toolkit's file dialog for one question; nothing on cancel.
std::optional<std::filesystem::path> AskFileWithDialog(const TFileQuestion& question,
                                                       QWidget* parent);

} // namespace vlm
