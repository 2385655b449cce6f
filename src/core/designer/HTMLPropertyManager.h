#pragma once
// The `external` object of property pages: the edited element and the other
// elements of the editor's page copy, read decoded and written URL-encoded,
// the course's resources folder, language texts and the two dialogs.

#include "designer/DesignerDialogs.h"
#include "designer/EditorElement.h"
#include "designer/ExternalTable.h"

#include <string>

namespace vlm {

class THTMLPropertyManager {
public:
    // Without an editor the reads give the empty text and writes do nothing.
    // `resourcesFolder` is the course's resources folder as cp1250 text.
    THTMLPropertyManager(TEditorElement* editor, std::string resourcesFolder,
                         TDesignerDialogs dialogs);
    THTMLPropertyManager(const THTMLPropertyManager&) = delete;
    THTMLPropertyManager& operator=(const THTMLPropertyManager&) = delete;

    const TExternalTable& Table() const { return table_; }

private:
    TExternalValue Properties(const TjanXMLNode* node, const TExternalArgs& args, std::size_t at);
    TjanXMLNode* NodeOf(const TExternalValue& selector) const;

    TEditorElement* editor_;
    std::string resourcesFolder_;
    TDesignerDialogs dialogs_;
    TExternalTable table_;
};

// A stored property value as page scripts see it: URL-decoded; a value that
// is not valid URL encoding (typed in the standard grid) as it is.
std::string DecodeStoredValue(const std::string& stored);

} // namespace vlm
