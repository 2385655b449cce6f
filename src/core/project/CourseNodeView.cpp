#include "project/CourseNodeView.h"

#include "app/IniLang.h"
#include "project/CourseNode.h"

namespace vlm {

int PageKindImage(int pageType) {
    switch (pageType) {
    case ptContent:
        return kImageContent;
    case ptURLLink:
        return kImageURLLink;
    case ptOutsideDocument:
        return kImageOutsideDocument;
    default:
        return kImageNoKind;
    }
}

std::string NodeText(const TCourseNode& node) {
    if (node.IsRoot())
        return LangText("TREE_TEXT_PROJECT") + ": " + node.Item().Name;
    return node.Item().Name;
}

int NodeImageIndex(const TCourseNode& node) {
    return node.IsRoot() ? kImageCourse : PageKindImage(node.Item().PageType);
}

} // namespace vlm
