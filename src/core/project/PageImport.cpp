#include "project/PageImport.h"

#include "app/IniLang.h"
#include "app/UserPrompt.h"
#include "common/CopyDirUnit.h"
#include "common/Encoding.h"
#include "common/FilesTools.h"
#include "page/xmp.h"
#include "project/CourseLifecycle.h"
#include "project/CourseTree.h"
#include "resources/Resources.h"

namespace vlm {

namespace fs = std::filesystem;

namespace {

bool SameFolder(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    return fs::equivalent(a, b, ec) && !ec;
}

// The picked page's file and folder come from another course, perhaps from
// someone else: a symbolic link there (the file, the folder, or anything below
// it) would bring files from anywhere into this course, since the copiers read
// through links to files. Such a page is imported as one without its files.
bool CopyableFrom(const fs::path& file) {
    std::error_code ec;
    if (!fs::is_regular_file(fs::symlink_status(file, ec)))
        return false;
    const fs::path folder = file.parent_path();
    if (!IsRealFolder(folder))
        return false;
    for (fs::recursive_directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        if (it->is_symlink(ec))
            return false;
    return !ec;
}

// Kind 2: the whole page folder of the document, not only the document.
void ImportDocument(const TImportChoice& choice, TProjectItem& item, const fs::path& folder) {
    const fs::path document = choice.TargetPath();
    if (choice.ChosenTarget.empty() || !CopyableFrom(document))
        return;
    const fs::path source = document.parent_path();
    if (!SameFolder(source, folder))
        CopyFolder(source, folder, true, kCountFiles, true, -1);
    item.Address = PathToCp1250(document.filename());
}

// Kind 0: the page folder, then the media the page uses, and the page
// document saved with its references to this course's names.
void ImportDesignedPage(const TImportChoice& choice, const TPagePicker& picker,
                        const fs::path& folder, const TImportPageContext& context) {
    const fs::path source = choice.TargetPath();
    if (choice.ChosenTarget.empty() || !CopyableFrom(source))
        return;
    // The other course's media folder may itself be a link out of that course.
    const fs::path media = picker.Paths().CourseDir / "resources";
    if (!TFolderBounds(picker.Paths().CourseDir).Holds(media)) {
        context.prompt.MessageBox({}, LangText("ERROR_IMPORT_LINK_OUT_OF_COURSE"),
                                  DialogType::Error, kButtonsOK);
        return;
    }
    if (!SameFolder(source.parent_path(), folder))
        TDirCopy(context.progress).CopyTree(source.parent_path(), folder);
    context.resources.MergePageResources(context.page, source, folder / kPageFileName,
                                         picker.Paths().CourseDir, context.tree.Paths.CourseDir,
                                         context.progress);
}

// DeleteFolderTree would clear the folder a link leads to: only the link goes.
void RemovePageFolder(const fs::path& folder) {
    std::error_code ec;
    if (fs::is_symlink(folder, ec))
        fs::remove(folder, ec);
    else
        DeleteFolderTree(folder);
}

} // namespace

bool ImportPageEnabled(const TCourseNode* node) {
    return node && !node->IsRoot() && node->Item().PageType == ptNone;
}

bool ImportPage(TCourseNode& node, const TImportPageContext& context,
                const TImportPageSteps& steps) {
    TCourseTree& tree = context.tree;
    TProjectItem& item = node.Item();
    if (node.IsRoot() || tree.Paths.CourseDir.empty() || !steps.askProjectFile)
        return false;
    // Without the trailing separator, so that a link in its place is not followed.
    const fs::path folder = tree.PageFolder(&item).parent_path();
    const fs::path pageFile = folder / kPageFileName;

    std::error_code ec;
    bool replace = false;
    if (fs::exists(pageFile, ec)) {
        const int answer =
            context.prompt.MessageBox(LangText("MESSAGE_REPLACE_CURRENT_PAGE_CAPTION"),
                                      LangText("MESSAGE_REPLACE_CURRENT_PAGE"),
                                      DialogType::Confirmation, kButtonsYesNoCancel);
        if (answer == mrNo)
            return false;
        if (answer != mrYes)
            throw Abort();
        replace = true;
    }

    const std::optional<fs::path> file = steps.askProjectFile(
        LangText("DIALOG_OPEN_TITLE_OPEN_IMPORT_PROJECT"), TCourseLifecycle::ProjectFilter());
    if (!file)
        return false;
    TPagePicker picker(context.prompt, context.clock, context.random);
    if (!PickPage(picker, *file, tree.IdCounter, steps.showPicker))
        return false;
    const TImportChoice& choice = picker.Result();

    if (!choice.ChosenTarget.empty() && steps.closePage)
        steps.closePage();
    // The picked page may be this very page (its own course, read from disk):
    // its folder is then the source and stays.
    const bool ownFolder =
        !choice.ChosenTarget.empty() && SameFolder(choice.TargetPath().parent_path(), folder);
    if (replace && !ownFolder)
        RemovePageFolder(folder);
    if (choice.ChosenKind == ptURLLink)
        item.Address = choice.ChosenTarget;
    else if (choice.ChosenKind == ptOutsideDocument)
        ImportDocument(choice, item, folder);
    else if (choice.ChosenKind == ptContent)
        ImportDesignedPage(choice, picker, folder, context);

    item.PageType = choice.ChosenKind;
    item.Stamp = tree.NewStamp();
    // A picked page without a document brings no name: the page keeps its own.
    if (picker.CopyItemName && !choice.ChosenName.empty())
        item.Name = choice.ChosenName;
    tree.Notify(tcImage | tcText, &node);
    tree.SyncToProject(context.project);
    tree.Notify(tcUnsaved, &node);
    if (steps.clickNode)
        steps.clickNode(node);
    return true;
}

} // namespace vlm
