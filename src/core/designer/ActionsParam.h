#pragma once
// The `external` object of action parameter pages: the value the page
// returns, the resource manager and colour dialog, and the course's pages;
// and the parameter's way into setValue("...") and back.

#include "designer/DesignerDialogs.h"
#include "designer/ExternalTable.h"
#include "project/Project.h"

#include <string>
#include <vector>

namespace vlm {

class TMSHTMLExternalAction {
public:
    // `items`: the course tree's items in tree order.
    TMSHTMLExternalAction(std::vector<TProjectItem> items, TDesignerDialogs dialogs);
    TMSHTMLExternalAction(const TMSHTMLExternalAction&) = delete;
    TMSHTMLExternalAction& operator=(const TMSHTMLExternalAction&) = delete;

    const TExternalTable& Table() const { return table_; }
    // The text last passed to Result, with every backslash-quote pair made a quote.
    std::string Value() const;

private:
    TExternalValue Item(const TExternalArgs& args) const;

    std::vector<TProjectItem> items_;
    TDesignerDialogs dialogs_;
    std::string result_;
    TExternalTable table_;
};

// The script run when a parameter page has loaded: setValue("...") with the
// parameter as a script string (quotes, backslashes and line breaks escaped).
std::string SetValueScript(const std::string& parameter);

} // namespace vlm
