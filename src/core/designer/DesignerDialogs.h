#pragma once
// The dialogs page scripts may open through `window.external`, supplied by
// the GUI as calls; a missing one behaves as a cancelled dialog.

#include "designer/ExternalTable.h"
#include "designer/HtmlColor.h"

#include <functional>
#include <optional>
#include <string>

namespace vlm {

struct TDesignerDialogs {
    // The colour dialog preset to a colour; the chosen colour, or nothing.
    std::function<std::optional<TColor>(TColor initial)> chooseColor;
    // The resource manager with a file preselected, in a mode of
    // ModeOfKind; the chosen file name, or nothing.
    std::function<std::optional<std::string>(const std::string& fileName, int mode)> chooseResource;
};

// ResourcesForm(fileName, kind) of both pages' tables: the chosen file name,
// empty on Cancel; a kind the resource manager does not know fails the call.
TExternalValue CallResourcesForm(const TDesignerDialogs& dialogs, const TExternalArgs& args);

// ColorDialog(color) of both pages' tables: the chosen colour as RRGGBB,
// the colour unchanged on Cancel; "#RRGGBB" is read too, a malformed text as black.
TExternalValue CallColorDialog(const TDesignerDialogs& dialogs, const TExternalArgs& args);

} // namespace vlm
