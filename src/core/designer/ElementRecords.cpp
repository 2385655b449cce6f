#include "designer/ElementRecords.h"

#include "app/IniLang.h"
#include "common/Encoding.h"
#include "common/StringRoutines.h"
#include "designer/SurfaceGeometry.h"
#include "page/ClassDefinitions.h"
#include "page/ElementFiles.h"

#include <algorithm>

namespace vlm {

namespace {

bool IsIdentStart(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}

// The step record a step number names; none for a value that is not a number.
TjanXMLNode* StepRecord(const TjanXMLNode& document, const std::string& number) {
    int n = 0;
    return ParseWholeNumber(number, n) ? document.FindChildByAttribute("name", StepName(n))
                                       : nullptr;
}

void RemoveFromStep(TjanXMLNode& document, const TjanXMLNode& element) {
    const TjanXMLNode* stepRecord = StepRecord(document, element.GetAttributeText("step"));
    TjanXMLNode* listed =
        stepRecord ? StepRecord(document, stepRecord->GetAttributeText("number")) : nullptr;
    if (!listed)
        return;
    const std::string name = element.GetAttributeText("name");
    std::vector<std::string> names;
    const std::string elements = listed->GetAttributeText("elements");
    for (std::size_t start = 0;;) {
        const std::size_t comma = elements.find(',', start);
        names.push_back(elements.substr(start, comma - start));
        if (comma == std::string::npos)
            break;
        start = comma + 1;
    }
    const auto found = std::find(names.begin(), names.end(), name);
    if (found == names.end())
        return;
    names.erase(found);
    std::string joined;
    for (std::size_t i = 0; i < names.size(); ++i)
        joined += (i ? "," : "") + names[i];
    listed->SetAttribute("elements", joined);
}

// A globalIndex that is not a whole number would make the file mask match
// other elements' files (or every file), so such a record keeps its files.
void RemoveWithFiles(TjanXMLNode& document, TjanXMLNode* record,
                     const std::filesystem::path& courseDir) {
    const std::string index = record->GetAttributeText("globalIndex");
    const bool whole = !index.empty() && std::all_of(index.begin(), index.end(),
                                                     [](char c) { return c >= '0' && c <= '9'; });
    if (whole && !courseDir.empty()) {
        DeleteElement(document, record, PathToCp1250(courseDir));
        return;
    }
    document.DetachChild(record);
}

} // namespace

bool IsValidIdentifier(const std::string& text) {
    if (text.empty() || !IsIdentStart(text[0]))
        return false;
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return IsIdentStart(c) || (c >= '0' && c <= '9'); });
}

TjanXMLNode* CreateElementRecord(TXMPDocument& document, const std::string& className, int x,
                                 int y) {
    TjanXMLNode* doc = document.DocumentNode();
    const std::string name = document.UniqueName(className);
    if (!doc || !IsValidIdentifier(name))
        return nullptr;
    TjanXMLNode* element = doc->AddChild(className);
    const TjanXMLNode* definitions = document.DefinitionsDocument();
    const TjanXMLNode* cls =
        definitions ? definitions->FindChildByAttribute("name", className) : nullptr;
    if (cls)
        ResolveClass(*document.Definitions(), *cls, element);
    element->SetAttribute("name", name);
    element->SetAttribute("x", std::to_string(x));
    element->SetAttribute("y", std::to_string(y));
    element->SetAttribute("globalIndex",
                          std::to_string(static_cast<long long>(document.MaxGlobalIndex()) + 1));
    if (!cls)
        return element;
    TjanXMLNodeList events;
    cls->CollectDescendants("event", events);
    for (const TjanXMLNode* ev : events) {
        const TjanXMLNode* code = ev->FindDescendant("code");
        TjanXMLNode* added = element->AddChild(ev->Name(), code ? code->Text() : std::string());
        added->AddAttribute("name", ev->GetAttributeText("name"));
        added->SetCData(true);
    }
    return element;
}

bool DeleteElementRecord(TjanXMLNode& document, TjanXMLNode* element,
                         const std::filesystem::path& courseDir) {
    if (document.ChildCount() == 0 || !element || document.IndexOfChild(element) < 0)
        return false;
    RemoveFromStep(document, *element);
    const std::string name = element->GetAttributeText("name");
    RemoveWithFiles(document, element, courseDir);
    // A nameless element has no dependents: an empty name would match every
    // record without the attribute.
    if (name.empty())
        return true;
    for (const char* link : {"sourceObject", "param", "target"})
        for (std::size_t i = 0; i < document.ChildCount();) {
            TjanXMLNode* record = document.Child(i);
            if (record->GetAttributeText(link) == name)
                RemoveWithFiles(document, record, courseDir);
            else
                ++i;
        }
    return true;
}

} // namespace vlm
