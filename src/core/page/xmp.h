#pragma once
// A page document (".xmp", and page templates ".xmt"): one "document" with
// "info", "page" and the page's elements, each element named after its
// class. Loading binds the well-known nodes, gives missing identifiers and
// completes elements from the class definitions.

#include "app/UserPrompt.h"
#include "common/SystemPorts.h"
#include "page/janXMLTree.h"

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace vlm {

class TXMPDocument;

// Told when loading filled in missing properties, so the page gets saved.
class TXMPDocumentObserver {
public:
    virtual ~TXMPDocumentObserver() = default;
    virtual void DocumentChanged(TXMPDocument& document) = 0;
};

class TXMPDocument {
public:
    TXMPDocument(GuidSource& guids, UserPrompt& prompt, const Clock& clock);
    virtual ~TXMPDocument() = default;
    TXMPDocument(const TXMPDocument&) = delete;
    TXMPDocument& operator=(const TXMPDocument&) = delete;

    virtual std::string AsText() const;
    virtual void LoadFromText(const std::string& text);

    // A file that cannot be opened shows "OpenError!" with the system's
    // message and leaves the document empty.
    void LoadFromFile(const std::filesystem::path& fileName);
    // Creates the folder, then writes through a temporary file renamed over
    // the target. A target that cannot be opened for writing shows
    // "SaveError!"; a file that cannot be created raises EFCreateError. An
    // empty tree (after a failed load) is not written.
    void SaveToFile(const std::filesystem::path& fileName);

    // The designer's merged definitions (not owned); null clears them.
    void SetDefinitions(const TjanXMLNode* definitions);
    // Several views and the designer listen; adding one twice keeps one.
    void AddObserver(TXMPDocumentObserver* observer);
    void RemoveObserver(TXMPDocumentObserver* observer);

    std::string UniqueName(const std::string& prefix) const;
    int MaxGlobalIndex() const;
    bool PasteElement(const std::string& xmlText);
    std::string GetDocumentId() const;
    void NewDocumentId();
    void SetInfo(const std::string& name, const std::string& value);
    void StampDate();
    void SetIconIndex(int number);
    void ApplyLanguage(const std::string& language);
    // Correct answers of the elements, URL-decoded, each followed by "#|#".
    std::string CollectCorrectAnswers() const;
    // The non-empty values of "path"-typed attributes, each once.
    void CollectPathValues(std::vector<std::string>& list) const;
    void ReplacePathValue(const std::string& oldValue, const std::string& newValue);
    // Every "path"-typed value found among the keys takes its new value, in
    // one pass: a new value that equals another old one is not replaced again.
    void ReplacePathValues(const std::map<std::string, std::string>& newValues);

    static std::string DefaultValue(const TjanXMLNode& propertyDefinition,
                                    const std::string& language);
    // The attribute of a class's property, without inheritance; empty when
    // any step fails.
    static std::string PropertyDefinitionAttribute(const TjanXMLNode* definitions,
                                                   const std::string& className,
                                                   const std::string& attribute,
                                                   const std::string& propertyName);

    TjanXMLTree& Tree() { return tree_; }
    const TjanXMLTree& Tree() const { return tree_; }
    TjanXMLNode* DocumentNode() const { return documentNode_; }
    TjanXMLNode* InfoNode() const { return infoNode_; }
    const TjanXMLNode* Definitions() const { return definitions_; }
    const TjanXMLNode* DefinitionsDocument() const { return definitionsDocument_; }
    const std::filesystem::path& FileName() const { return fileName_; }

private:
    void Bind();
    void NotifyChanged();
    bool CompleteElement(TjanXMLNode& element);
    void CompleteEvents(TjanXMLNode& element);
    bool IsPathAttribute(const TjanXMLNode& element, const std::string& attribute) const;

    GuidSource& guids_;
    UserPrompt& prompt_;
    const Clock& clock_;
    std::vector<TXMPDocumentObserver*> observers_;
    TjanXMLTree tree_;
    TjanXMLNode* documentNode_ = nullptr;
    TjanXMLNode* infoNode_ = nullptr;
    const TjanXMLNode* definitions_ = nullptr;
    const TjanXMLNode* definitionsDocument_ = nullptr;
    std::filesystem::path fileName_;
};

} // namespace vlm
