#include "designer/HTMLPropertyManager.h"

#include "app/IniLang.h"
#include "common/ConvertError.h"
#include "common/StringTools.h"

#include <charconv>

namespace vlm {

std::string DecodeStoredValue(const std::string& stored) {
    try {
        return UrlDecode(stored);
    } catch (const ConvertError&) {
        return stored;
    }
}

THTMLPropertyManager::THTMLPropertyManager(TEditorElement* editor, std::string resourcesFolder,
                                           TDesignerDialogs dialogs)
    : editor_(editor), resourcesFolder_(std::move(resourcesFolder)), dialogs_(std::move(dialogs)) {
    using V = TExternalValue;
    table_.Add("isVellumar", 0, 0, [](const TExternalArgs&) { return V::Boolean(true); });
    table_.Add("SelectedFileName", 0, 0, [](const TExternalArgs&) { return V::Text({}); });
    const auto folder = [this](const TExternalArgs&) { return V::Text(resourcesFolder_); };
    table_.Add("ProjectPath", 0, 0, folder);
    table_.Add("ProjectResourcesPath", 0, 0, folder);
    table_.Add("ComponentsCount", 0, 0, [this](const TExternalArgs&) {
        return V::Number(editor_ ? static_cast<long long>(editor_->Copy().ChildCount()) : 0);
    });
    table_.Add("Properties", 1, 2, [this](const TExternalArgs& args) {
        return Properties(editor_ ? editor_->Element() : nullptr, args, 0);
    });
    table_.Add("ComponentProperty", 2, 3, [this](const TExternalArgs& args) {
        return Properties(editor_ ? NodeOf(args[0]) : nullptr, args, 1);
    });
    table_.Add("ColorDialog", 1, 1,
               [this](const TExternalArgs& args) { return CallColorDialog(dialogs_, args); });
    table_.Add("ResourcesForm", 2, 2,
               [this](const TExternalArgs& args) { return CallResourcesForm(dialogs_, args); });
    table_.Add("GetLangText", 1, 1,
               [](const TExternalArgs& args) { return V::Text(LangText(ArgText(args, 0))); });
}

// args[at] names the attribute; a further argument is the value to write.
TExternalValue THTMLPropertyManager::Properties(const TjanXMLNode* node, const TExternalArgs& args,
                                                std::size_t at) {
    const std::string& name = ArgText(args, at);
    if (args.size() == at + 1) {
        if (!node)
            return TExternalValue::Text({});
        if (name == "className")
            return TExternalValue::Text(node->Name());
        return TExternalValue::Text(DecodeStoredValue(node->GetAttributeText(name)));
    }
    const TExternalValue& value = args[at + 1];
    if (!node || value.kind == TExternalValue::Kind::Null)
        return TExternalValue::Null();
    // Scripts only change what the element has: no attribute is created.
    if (TjanXMLAttribute* attribute = node->FindAttribute(name))
        attribute->Value = UrlEncode(value.text);
    return TExternalValue::Null();
}

// A number chooses the child of "document" at that index, a text the child
// whose "globalIndex" equals it; anything else, or no such child, fails.
TjanXMLNode* THTMLPropertyManager::NodeOf(const TExternalValue& selector) const {
    const TjanXMLNode& document = editor_->Copy();
    if (selector.kind == TExternalValue::Kind::Number) {
        long long index = -1;
        const char* end = selector.text.data() + selector.text.size();
        const auto [ptr, ec] = std::from_chars(selector.text.data(), end, index);
        if (ec == std::errc() && ptr == end && index >= 0 &&
            static_cast<std::size_t>(index) < document.ChildCount())
            return document.Child(static_cast<std::size_t>(index));
    } else if (selector.kind == TExternalValue::Kind::Text) {
        if (TjanXMLNode* node = document.FindChildByAttribute("globalIndex", selector.text))
            return node;
    }
    throw EExternalCall("No Node Found");
}

} // namespace vlm
