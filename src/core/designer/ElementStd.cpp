#include "designer/ElementStd.h"

#include "common/AsciiText.h"

#include <charconv>
#include <set>

namespace vlm {

namespace {

bool IsIdentifier(const std::string& name) {
    if (name.empty())
        return false;
    const auto letter = [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
    };
    if (!letter(name[0]))
        return false;
    for (char c : name)
        if (!letter(c) && !(c >= '0' && c <= '9'))
            return false;
    return true;
}

// "true", "false" or a number (non-zero is true); anything else is false.
bool ReadsAsTrue(const std::string& text) {
    const std::string t = LowerCaseAscii(TrimText(text));
    if (t == "true")
        return true;
    long long number = 0;
    const auto [ptr, ec] = std::from_chars(t.data(), t.data() + t.size(), number);
    return ec == std::errc() && ptr == t.data() + t.size() && number != 0;
}

TStdRowKind KindOf(const TjanXMLNode& property) {
    const std::string type = property.GetAttributeText("type");
    if (property.GetAttributeText("name").find("Color") != std::string::npos)
        return TStdRowKind::Color;
    if (type == "path")
        return TStdRowKind::Path;
    if (type == "boolean")
        return TStdRowKind::Boolean;
    if (type == "set")
        return TStdRowKind::Set;
    return TStdRowKind::Text;
}

} // namespace

std::vector<TStdRow> BuildStdRows(const TjanXMLNode& classDefinition, const TjanXMLNode& element) {
    TjanXMLNodeList properties;
    classDefinition.CollectDescendants("property", properties);
    std::vector<TStdRow> rows;
    std::set<std::string> keys;
    for (const TjanXMLNode* property : properties) {
        TStdRow row;
        row.name = property->GetAttributeText("name");
        // The grid's controls are keyed by the name and the name + "Caption".
        if (!IsIdentifier(row.name) || !keys.insert(row.name).second ||
            !keys.insert(row.name + "Caption").second)
            throw EStdGrid("Invalid property name \"" + row.name + "\"");
        row.value = element.GetAttributeText(row.name);
        row.enabled = !ReadsAsTrue(property->GetAttributeText("readonly"));
        const std::string desc =
            property->FindAttribute("desc") ? property->GetAttributeText("desc") : row.name;
        row.caption = desc + ": ";
        row.kind = KindOf(*property);
        row.integerOnly =
            row.kind == TStdRowKind::Text && property->GetAttributeText("type") == "int";
        row.top = 16 + 24 * static_cast<int>(rows.size());
        if (row.kind == TStdRowKind::Boolean) {
            row.items = {"true", "false"};
            row.selected = row.value == "true" ? 0 : 1;
            row.value = row.items[static_cast<std::size_t>(row.selected)];
        } else if (row.kind == TStdRowKind::Set) {
            for (const auto& child : property->Children())
                if (child->Name() == "set")
                    row.items.push_back(child->Text());
            // A stored value outside the set stays until the author picks one.
            for (std::size_t i = 0; i < row.items.size(); ++i)
                if (row.items[i] == row.value)
                    row.selected = static_cast<int>(i);
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

bool StdIntegerKeyAccepted(char key) {
    return key == '\b' || (key >= 42 && key <= 58);
}

void ChooseStdItem(TStdRow& row, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= row.items.size())
        return;
    row.selected = index;
    row.value = row.items[static_cast<std::size_t>(index)];
}

bool ApplyStdRows(TjanXMLNode& element, const std::vector<TStdRow>& rows) {
    bool changed = false;
    for (const TStdRow& row : rows) {
        const TjanXMLAttribute* attribute = element.FindAttribute(row.name);
        if (attribute && attribute->Value == row.value)
            continue;
        element.SetAttribute(row.name, row.value);
        changed = true;
    }
    return changed;
}

} // namespace vlm
