#include "page/xmp.h"

#include "app/IniLang.h"
#include "common/Encoding.h"
#include "common/StringTools.h"
#include "page/ClassDefinitions.h"
#include "page/PageErrors.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace fs = std::filesystem;

namespace vlm {

namespace {

// A whole decimal integer with an optional sign, or nothing.
bool ParseInt(const std::string& text, int& value) {
    std::size_t start = text.size() > 1 && text[0] == '+' ? 1 : 0;
    const char* first = text.data() + start;
    const char* last = text.data() + text.size();
    auto [end, ec] = std::from_chars(first, last, value);
    return ec == std::errc() && end == last && first != last;
}

int IntOrZero(const std::string& text) {
    int value = 0;
    return ParseInt(text, value) ? value : 0;
}

} // namespace

TXMPDocument::TXMPDocument(GuidSource& guids, UserPrompt& prompt, const Clock& clock)
    : guids_(guids), prompt_(prompt), clock_(clock) {
    tree_.AddChild("document");
}

std::string TXMPDocument::AsText() const {
    return tree_.AsText();
}

void TXMPDocument::LoadFromText(const std::string& text) {
    tree_.LoadFromText(text);
    fileName_.clear();
    Bind();
}

void TXMPDocument::LoadFromFile(const fs::path& fileName) {
    try {
        tree_.LoadFromFile(fileName);
    } catch (const EFOpenError& e) {
        tree_.DeleteChildren();
        tree_.DeleteAttributes();
        documentNode_ = infoNode_ = nullptr;
        fileName_.clear();
        prompt_.ShowMessage(std::string(kOpenError) + e.what());
        return;
    }
    fileName_ = fileName;
    Bind();
}

void TXMPDocument::SaveToFile(const fs::path& fileName) {
    // A document left empty by a failed load must not wipe the page file.
    if (fileName.empty() || tree_.Children().empty())
        return;
    std::error_code ec;
    const fs::path folder = fileName.parent_path();
    if (!folder.empty()) {
        fs::create_directories(folder, ec);
        if (!fs::is_directory(folder, ec))
            return;
    }
    // The rename would replace even a read-only file or swap out a folder:
    // such a target is one that cannot be opened for writing.
    if (fs::exists(fs::symlink_status(fileName, ec)) &&
        (fs::is_directory(fileName, ec) || ::access(fileName.c_str(), W_OK) != 0)) {
        const int err = fs::is_directory(fileName, ec) ? EISDIR : errno;
        prompt_.ShowMessage(std::string(kSaveError) + "Cannot open file \"" +
                            PathToCp1250(fileName) + "\". " + std::strerror(err));
        return;
    }
    tree_.SaveToFile(fileName);
}

void TXMPDocument::AddObserver(TXMPDocumentObserver* observer) {
    if (observer && std::find(observers_.begin(), observers_.end(), observer) == observers_.end())
        observers_.push_back(observer);
}

void TXMPDocument::RemoveObserver(TXMPDocumentObserver* observer) {
    observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
}

void TXMPDocument::NotifyChanged() {
    // An observer may remove itself or others while being told.
    const std::vector<TXMPDocumentObserver*> observers = observers_;
    for (TXMPDocumentObserver* observer : observers)
        if (std::find(observers_.begin(), observers_.end(), observer) != observers_.end())
            observer->DocumentChanged(*this);
}

void TXMPDocument::SetDefinitions(const TjanXMLNode* definitions) {
    definitions_ = definitions;
    definitionsDocument_ = definitions ? vlm::DefinitionsDocument(*definitions) : nullptr;
}

void TXMPDocument::Bind() {
    documentNode_ = tree_.FindDescendant("document");
    infoNode_ = nullptr;
    if (!documentNode_)
        return;
    infoNode_ = tree_.FindDescendant("info");
    if (!infoNode_)
        infoNode_ = documentNode_->AddChild("info");
    if (TjanXMLNode* page = documentNode_->FindDescendant("page"))
        if (page->GetAttributeText("id").empty())
            page->SetAttribute("id", guids_.NewGuid());
    if (documentNode_->GetAttributeText("id").empty())
        documentNode_->SetAttribute("id", guids_.NewGuid());
    if (!definitionsDocument_)
        return;
    bool changed = false;
    for (const auto& element : documentNode_->Children())
        changed = CompleteElement(*element) || changed;
    for (const auto& element : documentNode_->Children())
        CompleteEvents(*element);
    if (changed)
        NotifyChanged();
}

bool TXMPDocument::CompleteElement(TjanXMLNode& element) {
    const TjanXMLNode* cls = definitionsDocument_->FindChildByAttribute("name", element.Name());
    if (!cls)
        return false;
    bool changed = false;
    const std::string language = ContentLanguage();
    for (const auto& property : cls->Children()) {
        const std::string name = property->GetAttributeText("name");
        if (property->Name() != "property" || name.empty())
            continue;
        const TjanXMLAttribute* present = element.FindAttribute(name);
        if (present && !present->Value.empty())
            continue;
        std::string value = DefaultValue(*property, language);
        // An empty value that stays empty is no change worth saving for.
        if (!present || !value.empty())
            changed = true;
        element.SetAttribute(name, std::move(value));
    }
    return changed;
}

void TXMPDocument::CompleteEvents(TjanXMLNode& element) {
    const TjanXMLNode* cls = definitionsDocument_->FindChildByAttribute("name", element.Name());
    if (!cls)
        return;
    TjanXMLNodeList events;
    cls->CollectDescendants("event", events);
    for (const TjanXMLNode* ev : events) {
        const std::string name = ev->GetAttributeText("name");
        if (element.FindChildByAttribute("name", name))
            continue;
        const TjanXMLNode* code = ev->FindDescendant("code");
        TjanXMLNode* added = element.AddChild(ev->Name(), code ? code->Text() : std::string());
        added->AddAttribute("name", name);
        added->SetCData(true);
    }
}

std::string TXMPDocument::UniqueName(const std::string& prefix) const {
    for (unsigned long long i = 1;; ++i) {
        const std::string name = prefix + std::to_string(i);
        if (!documentNode_ || !documentNode_->FindChildByAttribute("name", name))
            return name;
    }
}

int TXMPDocument::MaxGlobalIndex() const {
    // Starts at 0: indexes are positive, and a pasted element's "-1" must not
    // make the next index 0.
    int result = 0;
    if (!documentNode_)
        return result;
    for (const auto& child : documentNode_->Children()) {
        int value = 0;
        if (ParseInt(child->GetAttributeText("globalIndex"), value))
            result = std::max(result, value);
    }
    return result;
}

bool TXMPDocument::PasteElement(const std::string& xmlText) {
    if (!documentNode_)
        return false;
    TjanXMLTree clip;
    clip.LoadFromText(xmlText);
    if (!clip.FirstChild())
        return false;
    TjanXMLNode* element = documentNode_->AppendChild(clip.FirstChild()->Clone());
    element->SetAttribute("globalIndex", "-1");
    element->SetAttribute("id", "");
    for (const char* axis : {"x", "y"}) {
        long long value = IntOrZero(element->GetAttributeText(axis));
        if (value > 0)
            value += 20;
        element->SetAttribute(axis, std::to_string(value));
    }
    element->SetAttribute("name", UniqueName(element->Name()));
    element->SetAttribute("id", guids_.NewGuid());
    element->SetAttribute("globalIndex",
                          std::to_string(static_cast<long long>(MaxGlobalIndex()) + 1));
    return true;
}

std::string TXMPDocument::GetDocumentId() const {
    return documentNode_ ? documentNode_->GetAttributeText("id") : std::string();
}

void TXMPDocument::NewDocumentId() {
    if (documentNode_)
        documentNode_->SetAttribute("id", guids_.NewGuid());
}

void TXMPDocument::SetInfo(const std::string& name, const std::string& value) {
    if (!infoNode_)
        return;
    if (TjanXMLNode* node = infoNode_->FindDescendant(name))
        node->SetText(value);
}

void TXMPDocument::StampDate() {
    const DateTime now = clock_.Now();
    char text[40];
    std::snprintf(text, sizeof text, "%04d.%02d.%02d %02d:%02d", now.year, now.month, now.day,
                  now.hour, now.minute);
    SetInfo("date", text);
}

void TXMPDocument::SetIconIndex(int number) {
    if (!infoNode_)
        return;
    if (TjanXMLNode* icon = infoNode_->FindDescendant("icon"))
        icon->SetAttribute("index", std::to_string(number));
}

void TXMPDocument::ApplyLanguage(const std::string& language) {
    if (!documentNode_)
        return;
    for (const auto& element : documentNode_->Children()) {
        TjanXMLNodeList properties;
        element->CollectDescendants("property", properties);
        for (const TjanXMLNode* p : properties)
            if (p->GetAttributeText("lang") == language && !p->GetAttributeText("name").empty())
                element->SetAttribute(p->GetAttributeText("name"), p->Text());
    }
}

std::string TXMPDocument::DefaultValue(const TjanXMLNode& propertyDefinition,
                                       const std::string& language) {
    return PropertyDefaultValue(propertyDefinition, language);
}

std::string TXMPDocument::CollectCorrectAnswers() const {
    std::string out;
    if (!documentNode_)
        return out;
    for (const auto& child : documentNode_->Children()) {
        const std::string answer = child->GetAttributeText("correctAnswer");
        if (!answer.empty())
            out += UrlDecode(answer) + "#|#";
    }
    return out;
}

std::string TXMPDocument::PropertyDefinitionAttribute(const TjanXMLNode* definitions,
                                                      const std::string& className,
                                                      const std::string& attribute,
                                                      const std::string& propertyName) {
    const TjanXMLNode* doc = definitions ? vlm::DefinitionsDocument(*definitions) : nullptr;
    if (!doc)
        return {};
    TjanXMLNodeList classes;
    doc->CollectDescendants("class", classes);
    for (const TjanXMLNode* cls : classes) {
        if (cls->GetAttributeText("name") != className)
            continue;
        const TjanXMLNode* property = cls->FindChildByAttribute("name", propertyName);
        return property ? property->GetAttributeText(attribute) : std::string();
    }
    return {};
}

bool TXMPDocument::IsPathAttribute(const TjanXMLNode& element, const std::string& attribute) const {
    return PropertyDefinitionAttribute(definitions_, element.Name(), "type", attribute) == "path";
}

void TXMPDocument::CollectPathValues(std::vector<std::string>& list) const {
    if (!documentNode_)
        return;
    for (const auto& element : documentNode_->Children())
        for (const auto& a : element->Attributes())
            if (!a->Value.empty() && IsPathAttribute(*element, a->Name) &&
                std::find(list.begin(), list.end(), a->Value) == list.end())
                list.push_back(a->Value);
}

void TXMPDocument::ReplacePathValue(const std::string& oldValue, const std::string& newValue) {
    if (!documentNode_)
        return;
    for (const auto& element : documentNode_->Children())
        for (const auto& a : element->Attributes())
            if (a->Value == oldValue && IsPathAttribute(*element, a->Name))
                a->Value = newValue;
}

void TXMPDocument::ReplacePathValues(const std::map<std::string, std::string>& newValues) {
    if (!documentNode_ || newValues.empty())
        return;
    for (const auto& element : documentNode_->Children())
        for (const auto& a : element->Attributes()) {
            const auto it = newValues.find(a->Value);
            if (it != newValues.end() && IsPathAttribute(*element, a->Name))
                a->Value = it->second;
        }
}

} // namespace vlm
