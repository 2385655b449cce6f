#include "project/PageKind.h"

#include "project/CourseTree.h"

#include <stdexcept>

namespace vlm {

namespace {

bool IsKnownKind(int kind) {
    return kind == ptContent || kind == ptURLLink || kind == ptOutsideDocument;
}

void ContentPage(TCourseTree& tree, TProjectItem& item, const TPageKindSteps& steps) {
    if (tree.Paths.CourseDir.empty())
        throw std::logic_error("ChoosePageKind: the tree has no course folder");
    item.PageType = ptContent;
    const std::filesystem::path folder = tree.PageFolder(&item);
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    const std::filesystem::path pageFile = folder / kPageFileName;
    if (!std::filesystem::exists(pageFile, ec)) {
        if (!steps.createPage || !steps.createPage(pageFile)) {
            item.PageType = ptNone;
            return;
        }
    }
    if (steps.openPage)
        steps.openPage(item);
    item.Stamp = tree.TouchStamp(item.Stamp);
}

} // namespace

int ChoosePageKind(TCourseTree& tree, TCourseNode& node, int requestedKind,
                   const TPageKindSteps& steps) {
    TProjectItem& item = node.Item();
    const int kind = IsKnownKind(item.PageType) ? item.PageType : requestedKind;
    switch (kind) {
    case ptContent:
        ContentPage(tree, item, steps);
        break;
    case ptURLLink:
        if (steps.askAddress) {
            if (const auto address = steps.askAddress(item.Address)) {
                item.PageType = ptURLLink;
                item.Address = *address;
            }
        }
        break;
    case ptOutsideDocument:
        if (steps.askDocument) {
            if (const auto document = steps.askDocument(item.Address)) {
                item.PageType = ptOutsideDocument;
                if (steps.copyDocument)
                    steps.copyDocument(*document, item);
            }
        }
        break;
    default:
        return ptNone;
    }
    tree.Notify(tcImage | tcUnsaved, &node);
    return kind;
}

} // namespace vlm
