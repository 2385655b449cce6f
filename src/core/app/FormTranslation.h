#pragma once
// The rules of translating a window from its section of the language file.
// The GUI copies its window's texts into TFormTexts, translates them here and
// copies them back; components are listed in ownership order.

#include "app/IniLang.h"

#include <optional>
#include <string>
#include <vector>

namespace vlm {

enum class TComponentKind { Other, Memo, RadioGroup, ComboBox, ListView };

struct TComponentTexts {
    std::string name;
    TComponentKind kind = TComponentKind::Other;
    std::optional<std::string> caption; // present when the component has a Caption
    std::optional<std::string> hint;    // present when the component has a Hint
    std::vector<std::string> lines;     // memo lines
    std::vector<std::string> items;     // radio group and combo box items
    std::vector<std::string> columns;   // list view column captions
};

struct TFormTexts {
    std::string name; // the window's component name, also its section
    std::string caption;
    std::vector<TComponentTexts> components;
};

// The value that leaves a memo line as designed.
inline constexpr const char* kMemoLineUnchanged = "fsdef";

std::string FormCaptionKey(const std::string& window); // W.Caption
std::string ComponentPropertyKey(const std::string& window, const std::string& component,
                                 const std::string& property); // W.N.Caption, W.N.Hint
std::string MemoLineKey(const std::string& window, const std::string& component, std::size_t i);
std::string ItemKey(const std::string& window, const std::string& component, std::size_t i);
std::string ColumnCaptionKey(const std::string& window, const std::string& component,
                             std::size_t i);

// Puts the selected variant of each non-empty value in place (a memo line
// also takes an empty one, unless it reads "fsdef"); "*|*" stays as it is.
// Without a language file nothing changes.
void TranslateFormTexts(const TLanguage& lang, TFormTexts& form);

} // namespace vlm
