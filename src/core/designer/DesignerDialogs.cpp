#include "designer/DesignerDialogs.h"

#include "resources/ResourceKinds.h"

namespace vlm {

TExternalValue CallResourcesForm(const TDesignerDialogs& dialogs, const TExternalArgs& args) {
    const int mode = ModeOfKind(ArgText(args, 1));
    if (mode == 0)
        throw EExternalCall("Unknown resource kind " + ArgText(args, 1));
    if (!dialogs.chooseResource)
        return TExternalValue::Text({});
    return TExternalValue::Text(dialogs.chooseResource(ArgText(args, 0), mode).value_or(""));
}

TExternalValue CallColorDialog(const TDesignerDialogs& dialogs, const TExternalArgs& args) {
    const std::string& color = ArgText(args, 0);
    if (!dialogs.chooseColor)
        return TExternalValue::Text(color);
    const std::optional<TColor> chosen = dialogs.chooseColor(ColorFromText(color));
    return TExternalValue::Text(chosen ? TextFromColor(*chosen) : color);
}

} // namespace vlm
