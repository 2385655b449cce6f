#pragma once
// The page picker (`TfrmImportPage`): another course read into a private
// project and shown as a read-only tree, from which the author picks a page
// to import or to link to.

#include "project/CoursePaths.h"
#include "project/CourseTree.h"
#include "project/Project.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace vlm {

class Clock;
class Random;
class UserPrompt;

// The picker's results.
struct TImportChoice {
    int ChosenKind = ptNone; // the picked item's PageType; -1 before a pick
    // Kind 1: the internet address. Kinds 0 and 2: the full path (cp1250
    // text) of the page document or the document in the other course's page
    // folder; empty when a page document is missing or a document's stored
    // name is not a plain file name.
    std::string ChosenTarget;
    std::string ChosenName;
    std::string ChosenStamp;
    std::string ChosenDescription; // the other course's Title + ": " + Name

    std::filesystem::path TargetPath() const;
};

class TPagePicker {
public:
    static constexpr const char* kDesignCaption = "Importowanie strony";

    TPagePicker(UserPrompt& prompt, const Clock& clock, Random& random);
    TPagePicker(const TPagePicker&) = delete;
    TPagePicker& operator=(const TPagePicker&) = delete;

    // Clears the results and reads the other course (its failures are
    // reported and throw Abort). Duplicate page numbers are asked about as on
    // opening; renumbered ones take their numbers from `idCounter`, the open
    // course's counter, which is raised.
    void Setup(const std::filesystem::path& projectFile, int& idCounter);

    const TProject& Project() const { return project_; }
    TCourseTree& Tree() { return tree_; }
    // The other course's folders.
    const TCoursePaths& Paths() const { return tree_.Paths; }
    // Design caption + " " + LangText("FROM_COURSE_CAPTION") + " " + title.
    const std::string& Caption() const { return caption_; }
    // The page name, + " [" + Address + "]" when it has one.
    static std::string NodeHint(const TCourseNode& node);

    // OK on a node: false for the root (or none), and the picker stays open.
    bool Choose(const TCourseNode* node);
    const TImportChoice& Result() const { return result_; }
    // A page was chosen since the last Setup (a page of kind -1 included).
    bool Picked() const { return picked_; }

    // cbCopyItemName: the imported page takes the picked page's name.
    bool CopyItemName = false;

private:
    TProject project_;
    TCourseTree tree_;
    std::string caption_;
    TImportChoice result_;
    bool picked_ = false;
};

// Sets the picker up on the file and shows it; true when the author picked
// a page and confirmed (`show` returns true on OK, which Choose allowed).
bool PickPage(TPagePicker& picker, const std::filesystem::path& projectFile, int& idCounter,
              const std::function<bool(TPagePicker& picker)>& show);

} // namespace vlm
