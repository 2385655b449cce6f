#include "app/FormTranslation.h"

namespace vlm {

std::string FormCaptionKey(const std::string& window) {
    return window + ".Caption";
}

std::string ComponentPropertyKey(const std::string& window, const std::string& component,
                                 const std::string& property) {
    return window + "." + component + "." + property;
}

std::string MemoLineKey(const std::string& window, const std::string& component, std::size_t i) {
    return window + "." + component + ".lines[" + std::to_string(i) + "]";
}

std::string ItemKey(const std::string& window, const std::string& component, std::size_t i) {
    return window + "." + component + ".items[" + std::to_string(i) + "]";
}

std::string ColumnCaptionKey(const std::string& window, const std::string& component,
                             std::size_t i) {
    return window + "." + component + ".Columns[" + std::to_string(i) + "].Caption";
}

void TranslateFormTexts(const TLanguage& lang, TFormTexts& form) {
    if (!lang.file)
        return;
    const std::string& w = form.name;
    auto text = [&](const std::string& key, const std::string& def = {}) {
        return lang.SectionText(w, key, def);
    };
    auto replaceIfSet = [](std::string& target, const std::string& value) {
        if (!value.empty())
            target = value;
    };
    replaceIfSet(form.caption, text(FormCaptionKey(w)));
    for (auto& c : form.components) {
        if (c.caption)
            replaceIfSet(*c.caption, text(ComponentPropertyKey(w, c.name, "Caption")));
        if (c.hint)
            replaceIfSet(*c.hint, text(ComponentPropertyKey(w, c.name, "Hint")));
        switch (c.kind) {
        case TComponentKind::Memo:
            for (std::size_t i = 0; i < c.lines.size(); ++i) {
                const std::string v = text(MemoLineKey(w, c.name, i), kMemoLineUnchanged);
                if (v != kMemoLineUnchanged)
                    c.lines[i] = v;
            }
            break;
        case TComponentKind::RadioGroup:
        case TComponentKind::ComboBox:
            for (std::size_t i = 0; i < c.items.size(); ++i)
                replaceIfSet(c.items[i], text(ItemKey(w, c.name, i)));
            break;
        case TComponentKind::ListView:
            for (std::size_t i = 0; i < c.columns.size(); ++i)
                replaceIfSet(c.columns[i], text(ColumnCaptionKey(w, c.name, i)));
            break;
        case TComponentKind::Other:
            break;
        }
    }
}

} // namespace vlm
