#include "project/PagePicker.h"

#include "app/IniLang.h"
#include "common/Encoding.h"
#include "resources/ResourceFolder.h"

#include <algorithm>

namespace vlm {

namespace fs = std::filesystem;

fs::path TImportChoice::TargetPath() const {
    return PathFromCp1250(ChosenTarget);
}

TPagePicker::TPagePicker(UserPrompt& prompt, const Clock& clock, Random& random)
    : project_(prompt), tree_(prompt, clock, random) {}

void TPagePicker::Setup(const fs::path& projectFile, int& idCounter) {
    result_ = {};
    picked_ = false;
    caption_.clear();
    tree_.Clear();
    project_.LoadFromFile(projectFile);
    caption_ =
        std::string(kDesignCaption) + " " + LangText("FROM_COURSE_CAPTION") + " " + project_.Title;
    tree_.Paths = TCoursePaths::ForProjectFile(projectFile);
    tree_.ResetDuplicateQuestion();
    tree_.IdCounter = idCounter;
    // Building raises the counter over the other course's numbers; the open
    // course's counter moves only when a renumbered duplicate took a number.
    const int before = std::max(idCounter, project_.MaxItemId());
    const auto share = [&] {
        if (tree_.IdCounter > before)
            idCounter = tree_.IdCounter;
    };
    try {
        tree_.BuildTree(project_);
    } catch (...) {
        share();
        throw;
    }
    share();
}

std::string TPagePicker::NodeHint(const TCourseNode& node) {
    const TProjectItem& item = node.Item();
    return item.Address.empty() ? item.Name : item.Name + " [" + item.Address + "]";
}

bool TPagePicker::Choose(const TCourseNode* node) {
    if (!node || node->IsRoot())
        return false;
    const TProjectItem& item = node->Item();
    result_ = {};
    picked_ = true;
    result_.ChosenKind = item.PageType;
    bool filled = true;
    if (item.PageType == ptURLLink) {
        result_.ChosenTarget = item.Address;
    } else if (item.PageType == ptOutsideDocument) {
        // The name comes from the other course's file: only a bare name
        // stays inside its page folder.
        if (IsPlainFileName(item.Address))
            result_.ChosenTarget =
                PathToCp1250(tree_.PageFolder(&item) / PathFromCp1250(item.Address));
    } else if (item.PageType == ptContent) {
        const fs::path page = tree_.PageFolder(&item) / kPageFileName;
        std::error_code ec;
        filled = fs::is_regular_file(page, ec);
        if (filled)
            result_.ChosenTarget = PathToCp1250(page);
    }
    if (filled) {
        result_.ChosenName = item.Name;
        result_.ChosenStamp = item.Stamp;
        result_.ChosenDescription = project_.Title + ": " + item.Name;
    }
    return true;
}

bool PickPage(TPagePicker& picker, const fs::path& projectFile, int& idCounter,
              const std::function<bool(TPagePicker& picker)>& show) {
    picker.Setup(projectFile, idCounter);
    return show && show(picker) && picker.Picked();
}

} // namespace vlm
