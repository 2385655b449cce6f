#pragma once
// `actImportPage`: a page of the open course that has no kind yet takes the
// content of a page of another course (or of the same one): a designed page
// with the media it uses, an internet address or an external document.

#include "project/PagePicker.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace vlm {

class Clock;
class Progress;
class Random;
class TCourseNode;
class TCourseTree;
class TProject;
class TProjectResources;
class TXMPDocument;
class UserPrompt;

struct TImportPageSteps {
    // A file-open dialog for a project file (title, filter); nothing on cancel.
    std::function<std::optional<std::filesystem::path>(const std::string& title,
                                                       const std::string& filter)>
        askProjectFile;
    // Shows the picker, already set up; true on OK.
    std::function<bool(TPagePicker& picker)> showPicker;
    // Closes the page the designer shows.
    std::function<void()> closePage;
    // The tree's click handling on the imported page (a designed page opens).
    std::function<void(TCourseNode& node)> clickNode;
};

// What the import works on: the open course.
struct TImportPageContext {
    TCourseTree& tree; // its Paths are the open course's
    TProject& project;
    TProjectResources& resources;
    // The page document the media step loads the picked page into, set up
    // with the designer's class definitions.
    TXMPDocument& page;
    UserPrompt& prompt;
    const Clock& clock;
    Random& random;
    Progress& progress;
};

// Enabled for a selected page (not the root) whose PageType is -1.
bool ImportPageEnabled(const TCourseNode* node);

// Runs the command on the node. Cancel in the replace question throws Abort;
// the other course's read failures are reported and throw Abort. A page
// folder that the replace question allows to go is deleted only once a page
// has been picked, so a cancelled import loses nothing. A picked page whose
// file or folder is, or holds, a symbolic link is imported without its files.
// True when imported.
bool ImportPage(TCourseNode& node, const TImportPageContext& context,
                const TImportPageSteps& steps);

} // namespace vlm
