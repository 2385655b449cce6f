#pragma once
// Giving a page its kind: a designed page, an internet address or an
// external document. The dialogs and the designer are reached through the
// steps the GUI or the command line hands in.

#include "project/Project.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace vlm {

class TCourseNode;
class TCourseTree;

struct TPageKindSteps {
    // The new-page dialog: asks for a page template, makes the page document
    // from it in the content language and saves it as `pageFile`. False on cancel.
    std::function<bool(const std::filesystem::path& pageFile)> createPage;
    // Opens the designed page in the designer.
    std::function<void(TProjectItem& item)> openPage;
    // The internet-address dialog with the current address; nothing on cancel.
    std::function<std::optional<std::string>(const std::string& address)> askAddress;
    // The external-document dialog with the current file name; nothing on cancel.
    std::function<std::optional<std::filesystem::path>(const std::string& address)> askDocument;
    // Copies the chosen document into the item's page folder and sets its Address.
    std::function<void(const std::filesystem::path& document, TProjectItem& item)> copyDocument;
};

// The kind used is the item's own (0, 1 or 2) when it has one, else the
// requested one. Returns the kind used; -1 when nothing was done. A page whose
// template is not chosen goes back to no kind and does not open.
int ChoosePageKind(TCourseTree& tree, TCourseNode& node, int requestedKind,
                   const TPageKindSteps& steps);

} // namespace vlm
