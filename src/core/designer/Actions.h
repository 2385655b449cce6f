#pragma once
// The event actions editor's model: for one subject (an element or the page
// record) its events, the targets and their actions, the connections as
// rows, and the write-back into the subject's "event" nodes on confirmation.
// Lists and rows live in a copy of the page; the page changes only in Confirm.

#include "designer/ActionDefinitions.h"
#include "page/janXMLTree.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vlm {

class TComponentsCollection;

// One connection: the event and action definitions, the target element's
// record (in the editor's copy) and the parameter as stored.
struct TEventDataItem {
    const TjanXMLNode* event = nullptr;
    const TjanXMLNode* target = nullptr;
    const TjanXMLNode* action = nullptr;
    std::string parameter;
};

// An entry of the event or action list.
struct TActionChoice {
    const TjanXMLNode* definition = nullptr;
    std::string caption;
};

class TActionsEditor {
public:
    // The subject is the child of "document" whose "globalIndex" is the
    // element key, or the "page" record when there is no key.
    TActionsEditor(const TjanXMLNode& liveDocument, const TjanXMLNode& definitions,
                   const TComponentsCollection& library, std::optional<std::string> elementKey,
                   std::string language);
    TActionsEditor(const TActionsEditor&) = delete;
    TActionsEditor& operator=(const TActionsEditor&) = delete;

    // Null when the page has no such subject: nothing can be edited.
    const TjanXMLNode* Subject() const { return subject_; }
    // The subject's events that have a definition with a caption.
    const std::vector<TActionChoice>& Events() const { return events_; }
    // The subject first, then every child of "document" with a "name".
    const std::vector<const TjanXMLNode*>& Targets() const { return targets_; }
    // "ACTIONS_SELF" for the subject, the names of the others.
    std::string TargetCaption(std::size_t index) const;
    // The actions the target's class offers; none when the class is missing.
    std::vector<TActionChoice> ActionsOf(const TjanXMLNode& target) const;

    const std::vector<TEventDataItem>& Rows() const { return rows_; }
    // False (nothing added) when a piece is missing or the target has no "id".
    bool Add(TEventDataItem row);
    void Remove(std::size_t row);
    void SetParameter(std::size_t row, std::string parameter);
    // The four columns: event caption, target name, action caption, parameter as shown.
    std::vector<std::string> Columns(std::size_t row) const;

    // Every "event" node of the live subject loses its children (its script
    // text stays) and gets the rows of its event as "action" nodes, in row
    // order. True when the live subject's record changed.
    bool Confirm(TjanXMLNode& liveDocument) const;

private:
    void LoadRows();

    std::string language_;
    std::optional<std::string> key_;
    TActionDefinitions definitions_;
    const TComponentsCollection& library_;
    std::unique_ptr<TjanXMLNode> copy_;
    const TjanXMLNode* subject_ = nullptr;
    std::vector<TActionChoice> events_;
    std::vector<const TjanXMLNode*> targets_;
    std::vector<TEventDataItem> rows_;
};

// The parameter as the list shows it: "ACTIONS_EMPTY" without one, decoded
// for "text" parameters, otherwise as stored.
std::string ShownParameter(const TjanXMLNode& action, const std::string& parameter);

// The subject of a page: the child whose "globalIndex" is the key, or the
// "page" record.
TjanXMLNode* FindActionSubject(const TjanXMLNode& document,
                               const std::optional<std::string>& elementKey);

} // namespace vlm
