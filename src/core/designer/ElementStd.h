#pragma once
// The standard property grid: one row per property of the class definition,
// its kind of value field, the filter of integer fields, and the write-back.

#include "page/janXMLTree.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace vlm {

enum class TStdRowKind { Color, Path, Boolean, Set, Text };

struct TStdRow {
    std::string name;    // the property, and the attribute it edits
    std::string caption; // "desc" (else the name) + ": "
    std::string value;   // the stored text, unchanged
    bool enabled = true; // false for "readonly" properties
    TStdRowKind kind = TStdRowKind::Text;
    std::vector<std::string> items; // the choices of boolean and set rows
    int selected = -1;              // the chosen item; -1: none
    bool integerOnly = false;       // "int" text fields filter keys
    int top = 0;                    // 16 + 24 * row
};

// A grid that cannot be built: a property name that is not an identifier,
// or one that repeats.
class EStdGrid : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

std::vector<TStdRow> BuildStdRows(const TjanXMLNode& classDefinition, const TjanXMLNode& element);

// The keys an "int" field takes: codes 42 to 58 (* + , - . / digits :) and backspace.
bool StdIntegerKeyAccepted(char key);

// The row's value after the author chose item `index` of a list.
void ChooseStdItem(TStdRow& row, int index);

// Every row's value into the element's attribute of its name (created when
// missing); true when any attribute changed.
bool ApplyStdRows(TjanXMLNode& element, const std::vector<TStdRow>& rows);

} // namespace vlm
