#pragma once
// The component library: one item per class folder (a folder holding
// "definition.xml"), the palette order, the palette as data, the merge of all
// class definitions, class-level head scripts and the copying of a class's
// media into a course.

#include "app/UserPrompt.h"
#include "page/janXMLTree.h"

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vlm {

class TComponentsCollection;

class TComponentItem {
public:
    explicit TComponentItem(TComponentsCollection& owner) : owner_(owner) {}

    // Reads the definition (EFOpenError when it cannot be read) and binds the rest.
    void Load(const std::filesystem::path& definitionFile);

    std::string GetName() const;
    std::string GetType() const;
    // The hint in ContentLanguage(), else the first non-empty one.
    std::string GetHint() const;
    // Appends the head scripts of the includes (first) and of this class,
    // each once per page assembly; a missing "head.js" is reported to the user.
    void CollectHeadScripts(std::string& out);
    // The raw "defaultValue" of a property from the merged definitions.
    std::string DefaultPropertyValue(std::string_view propertyName) const;

    TjanXMLTree Definition;
    TjanXMLNode* ClassNode = nullptr;
    TjanXMLNode* ComponentNode = nullptr;
    std::filesystem::path DefinitionFile;
    std::filesystem::path Folder;
    std::filesystem::path EditorFile, StyleFile, BodyScriptFile, BodyHtmlFile, PreviewScriptFile,
        HeadScriptFile, IconFile, ResourcesFolder;
    std::vector<std::string> Includes;
    bool HeadIncluded = false;

private:
    TComponentsCollection& owner_;
    bool collecting_ = false;
};

// One palette button: the class, its caption and tooltip, and its icon file
// (empty when the class has no "icon.bmp").
struct TPaletteEntry {
    const TComponentItem* Item = nullptr;
    std::string ClassName;
    std::string Hint;
    std::filesystem::path IconFile;
};

// Where an icon is drawn on a palette image: (target - source) div 2,
// rounded toward zero.
inline int PaletteIconOffset(int targetSize, int sourceSize) {
    return (targetSize - sourceSize) / 2;
}

// The built-in palette order, always placed first.
extern const std::vector<std::string> kBuiltInComponentOrder;

class TComponentsCollection {
public:
    explicit TComponentsCollection(UserPrompt& prompt) : prompt_(prompt) {}
    TComponentsCollection(const TComponentsCollection&) = delete;
    TComponentsCollection& operator=(const TComponentsCollection&) = delete;

    // Start-up: "components/" of the program folder, the built-in order, its
    // "components.xml", then the same below "user_defined/".
    void LoadLibrary(const std::filesystem::path& programDir);

    // Every "definition.xml" (any case) below the folder, depth-first,
    // entries in name order, hidden entries skipped. A path that is not a
    // folder stands for its folder part.
    void ScanFolder(const std::filesystem::path& path);
    TComponentItem* AddComponent(const std::filesystem::path& definitionFile);
    void AddBuiltInOrder();
    void LoadOrder(const std::filesystem::path& file);
    void AddToOrder(const std::string& className);

    TComponentItem* FindByName(const std::string& className) const;
    // The palette buttons of a class type, in palette order.
    std::vector<TPaletteEntry> PaletteEntries(const std::string& type) const;
    // Copies of the children of each item's "document" appended to the tree's "document".
    void MergeDefinitions(TjanXMLNode& tree) const;
    void ResetIncluded();
    // The class's "resources/" files, and those of its includes, copied into
    // the course's resources folder (existing files kept, archive attribute set).
    void CopyClassResources(const std::string& className,
                            const std::filesystem::path& courseResourcesDir) const;

    // The designer's merged definitions (not owned), used by DefaultPropertyValue.
    void SetDefinitions(const TjanXMLNode* definitionsDocument) {
        definitions_ = definitionsDocument;
    }
    const TjanXMLNode* Definitions() const { return definitions_; }

    const std::vector<std::unique_ptr<TComponentItem>>& Items() const { return items_; }
    const std::vector<std::string>& Order() const { return order_; }
    UserPrompt& Prompt() const { return prompt_; }

private:
    UserPrompt& prompt_;
    const TjanXMLNode* definitions_ = nullptr;
    std::vector<std::unique_ptr<TComponentItem>> items_;
    std::vector<std::string> order_;
};

} // namespace vlm
