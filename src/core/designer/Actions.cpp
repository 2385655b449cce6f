#include "designer/Actions.h"

#include "app/IniLang.h"
#include "common/AsciiText.h"
#include "designer/HTMLPropertyManager.h"
#include "page/ComponentsManager.h"

namespace vlm {

namespace {

// The definitions a class names with nodes of one kind ("event", "action").
std::vector<TActionChoice> ClassChoices(const TComponentsCollection& library,
                                        const TActionDefinitions& definitions,
                                        const std::string& className, const std::string& kind,
                                        const std::string& language) {
    std::vector<TActionChoice> choices;
    const TComponentItem* item = library.FindByName(className);
    if (!item || !item->ClassNode)
        return choices;
    TjanXMLNodeList nodes;
    item->ClassNode->CollectDescendants(kind, nodes);
    for (const TjanXMLNode* node : nodes) {
        const TjanXMLNode* definition = definitions.Find(node->GetAttributeText("name"), kind);
        if (!definition)
            continue;
        if (std::optional<std::string> caption = DefinitionCaption(*definition, language))
            choices.push_back({definition, *caption});
    }
    return choices;
}

std::string CaptionOf(const TjanXMLNode* definition, const std::string& language) {
    return definition ? DefinitionCaption(*definition, language).value_or("") : std::string();
}

} // namespace

TjanXMLNode* FindActionSubject(const TjanXMLNode& document,
                               const std::optional<std::string>& elementKey) {
    return elementKey ? document.FindChildByAttribute("globalIndex", *elementKey)
                      : document.FindChild("page");
}

std::string ShownParameter(const TjanXMLNode& action, const std::string& parameter) {
    if (!ActionTakesParameter(action))
        return LangText("ACTIONS_EMPTY");
    if (action.GetAttributeText("paramType") == "text")
        return DecodeStoredValue(parameter);
    return parameter;
}

TActionsEditor::TActionsEditor(const TjanXMLNode& liveDocument, const TjanXMLNode& definitions,
                               const TComponentsCollection& library,
                               std::optional<std::string> elementKey, std::string language)
    : language_(std::move(language)), key_(std::move(elementKey)), definitions_(definitions),
      library_(library), copy_(liveDocument.Clone()) {
    subject_ = FindActionSubject(*copy_, key_);
    if (!subject_)
        return;
    events_ = ClassChoices(library_, definitions_, subject_->Name(), "event", language_);
    targets_.push_back(subject_);
    for (const auto& child : copy_->Children())
        if (child->FindAttribute("name"))
            targets_.push_back(child.get());
    LoadRows();
}

void TActionsEditor::LoadRows() {
    if (!subject_->FindAttribute("name"))
        return;
    for (const auto& event : subject_->Children()) {
        if (event->Name() != "event")
            continue;
        const TjanXMLNode* eventDefinition =
            definitions_.Find(event->GetAttributeText("name"), "event");
        for (const auto& action : event->Children()) {
            if (action->Name() != "action")
                continue;
            TEventDataItem row{
                eventDefinition,
                copy_->FindChildByAttribute("id", action->GetAttributeText("object")),
                definitions_.Find(action->GetAttributeText("name"), "action"), action->Text()};
            // A connection whose definition or target is gone is dropped on confirmation.
            Add(std::move(row));
        }
    }
}

std::string TActionsEditor::TargetCaption(std::size_t index) const {
    if (index == 0)
        return LangText("ACTIONS_SELF");
    return targets_.at(index)->GetAttributeText("name");
}

std::vector<TActionChoice> TActionsEditor::ActionsOf(const TjanXMLNode& target) const {
    return ClassChoices(library_, definitions_, target.Name(), "action", language_);
}

bool TActionsEditor::Add(TEventDataItem row) {
    if (!row.event || !row.target || !row.action || row.target->GetAttributeText("id").empty())
        return false;
    if (!ActionTakesParameter(*row.action))
        row.parameter.clear();
    rows_.push_back(std::move(row));
    return true;
}

void TActionsEditor::Remove(std::size_t row) {
    if (row < rows_.size())
        rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(row));
}

void TActionsEditor::SetParameter(std::size_t row, std::string parameter) {
    if (row < rows_.size() && ActionTakesParameter(*rows_[row].action))
        rows_[row].parameter = std::move(parameter);
}

std::vector<std::string> TActionsEditor::Columns(std::size_t row) const {
    const TEventDataItem& item = rows_.at(row);
    return {CaptionOf(item.event, language_), item.target->GetAttributeText("name"),
            CaptionOf(item.action, language_), ShownParameter(*item.action, item.parameter)};
}

bool TActionsEditor::Confirm(TjanXMLNode& liveDocument) const {
    TjanXMLNode* subject = FindActionSubject(liveDocument, key_);
    if (!subject || !subject_)
        return false;
    const std::string before = subject->ToXml();
    for (const auto& event : subject->Children()) {
        if (event->Name() != "event")
            continue;
        event->DeleteChildren();
        for (const TEventDataItem& row : rows_) {
            if (!SameTextAscii(row.event->GetAttributeText("name"),
                               event->GetAttributeText("name")))
                continue;
            const bool takesParameter = ActionTakesParameter(*row.action);
            TjanXMLNode* action = event->AddChild("action", row.parameter);
            action->SetAttribute("name", row.action->GetAttributeText("name"));
            action->SetAttribute("object", row.target->GetAttributeText("id"));
            action->SetAttribute("param", takesParameter ? "true" : "false");
            if (takesParameter)
                action->SetAttribute("paramType", row.action->GetAttributeText("paramType"));
        }
    }
    return subject->ToXml() != before;
}

} // namespace vlm
