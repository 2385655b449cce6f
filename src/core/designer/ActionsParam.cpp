#include "designer/ActionsParam.h"

#include "common/AsciiText.h"
#include "common/StringRoutines.h"

#include <charconv>

namespace vlm {

TMSHTMLExternalAction::TMSHTMLExternalAction(std::vector<TProjectItem> items,
                                             TDesignerDialogs dialogs)
    : items_(std::move(items)), dialogs_(std::move(dialogs)) {
    using V = TExternalValue;
    table_.Add("Result", 1, 1, [this](const TExternalArgs& args) {
        result_ = ArgText(args, 0);
        return V::Null();
    });
    table_.Add("ResourcesForm", 2, 2,
               [this](const TExternalArgs& args) { return CallResourcesForm(dialogs_, args); });
    // The colour parameter page picks its colour as property pages do.
    table_.Add("ColorDialog", 1, 1,
               [this](const TExternalArgs& args) { return CallColorDialog(dialogs_, args); });
    table_.Add("ProjectItemsListCount", 0, 0, [this](const TExternalArgs&) {
        return V::Number(static_cast<long long>(items_.size()));
    });
    table_.Add("ProjectItemsListItem", 2, 2,
               [this](const TExternalArgs& args) { return Item(args); });
}

std::string TMSHTMLExternalAction::Value() const {
    return ReplaceEvery(result_, "\\\"", "\"");
}

// The item whose position is the index: "id" its page number (what a page
// jump stores), "name", "sco" its leaf flag; empty for anything else.
TExternalValue TMSHTMLExternalAction::Item(const TExternalArgs& args) const {
    const std::string& indexText = ArgText(args, 0);
    int position = 0;
    const auto [ptr, ec] =
        std::from_chars(indexText.data(), indexText.data() + indexText.size(), position);
    const std::string field = LowerCaseAscii(ArgText(args, 1));
    if (ec != std::errc() || ptr != indexText.data() + indexText.size())
        return TExternalValue::Text({});
    for (const TProjectItem& item : items_) {
        if (item.Position != position)
            continue;
        if (field == "id")
            return TExternalValue::Text(std::to_string(item.Id));
        if (field == "name")
            return TExternalValue::Text(item.Name);
        if (field == "sco")
            return TExternalValue::Text(item.IsLeaf ? "True" : "False");
        break;
    }
    return TExternalValue::Text({});
}

std::string SetValueScript(const std::string& parameter) {
    std::string quoted;
    for (char c : parameter) {
        switch (c) {
        case '"':
            quoted += "\\\"";
            break;
        case '\\':
            quoted += "\\\\";
            break;
        case '\r':
            quoted += "\\r";
            break;
        case '\n':
            quoted += "\\n";
            break;
        default:
            quoted += c;
        }
    }
    return "setValue(\"" + quoted + "\");";
}

} // namespace vlm
