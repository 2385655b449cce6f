#include "page/ComponentsManager.h"

#include "app/IniLang.h"
#include "app/Log.h"
#include "common/AsciiText.h"
#include "common/Encoding.h"
#include "common/FileWrite.h"
#include "common/FilesTools.h"
#include "page/ClassDefinitions.h"

#include <algorithm>
#include <cstdio>
#include <set>

namespace fs = std::filesystem;

namespace vlm {

const std::vector<std::string> kBuiltInComponentOrder = {
    "image",    "text",      "button",    "input", "checkbox", "radiobutton",
    "trackbar", "popup",     "rectangle", "audio", "video",    "flash",
    "DDBasket", "DDElement", "timer",     "combo", "list",     "html"};

namespace {

bool IsDefinitionFileName(const std::string& name) {
    return SameTextAscii(name, "definition.xml");
}

// The non-hidden entries of a folder in name order.
std::vector<fs::directory_entry> SortedEntries(const fs::path& folder) {
    std::vector<fs::directory_entry> entries;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (!name.empty() && name[0] != '.')
            entries.push_back(*it);
    }
    std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
        return a.path().filename() < b.path().filename();
    });
    return entries;
}

} // namespace

void TComponentItem::Load(const fs::path& definitionFile) {
    Definition.LoadFromFile(definitionFile);
    ClassNode = Definition.FindDescendant("class");
    ComponentNode = Definition.FindDescendant("component");
    DefinitionFile = definitionFile;
    Folder = definitionFile.parent_path();
    EditorFile = Folder / "editor.html";
    StyleFile = Folder / "style.html";
    BodyScriptFile = Folder / "body.js";
    BodyHtmlFile = Folder / "body.html";
    PreviewScriptFile = Folder / "preview.js";
    HeadScriptFile = Folder / "head.js";
    IconFile = Folder / "icon.bmp";
    ResourcesFolder = Folder / "resources";
    Includes.clear();
    if (!ComponentNode)
        return;
    TjanXMLNodeList includes;
    ComponentNode->CollectDescendants("include", includes);
    for (const TjanXMLNode* inc : includes) {
        const std::string name = inc->GetAttributeText("className");
        if (!name.empty() && std::find(Includes.begin(), Includes.end(), name) == Includes.end())
            Includes.push_back(name);
    }
}

std::string TComponentItem::GetName() const {
    return ClassNode ? ClassNode->GetAttributeText("name") : std::string();
}

std::string TComponentItem::GetType() const {
    return ClassNode ? ClassNode->GetAttributeText("type") : std::string();
}

std::string TComponentItem::GetHint() const {
    const TjanXMLNode* info = ClassNode ? ClassNode->FindChild("info") : nullptr;
    if (!info)
        return {};
    TjanXMLNodeList hints;
    info->CollectDescendants("hint", hints);
    const std::string language = ContentLanguage();
    for (const TjanXMLNode* h : hints)
        if (h->GetAttributeText("lang") == language)
            return h->Text();
    for (const TjanXMLNode* h : hints)
        if (!h->Text().empty())
            return h->Text();
    return {};
}

void TComponentItem::CollectHeadScripts(std::string& out) {
    if (collecting_)
        return; // an include cycle closes here
    collecting_ = true;
    for (const std::string& name : Includes)
        if (TComponentItem* included = owner_.FindByName(name))
            included->CollectHeadScripts(out);
    collecting_ = false;
    if (HeadIncluded)
        return;
    HeadIncluded = true;
    std::error_code ec;
    std::optional<std::string> script;
    if (fs::is_regular_file(HeadScriptFile, ec))
        script = ReadFileBytes(HeadScriptFile);
    if (script) {
        out += *script;
        return;
    }
    const std::string path = PathToCp1250(HeadScriptFile);
    const std::string name = GetName();
    std::vector<char> text(path.size() + name.size() + 64);
    std::snprintf(text.data(), text.size(), "Brakuje pliku <%s> dla komponentu [%s].", path.c_str(),
                  name.c_str());
    owner_.Prompt().MessageBox({}, text.data(), DialogType::Warning, kButtonsOK);
}

std::string TComponentItem::DefaultPropertyValue(std::string_view propertyName) const {
    return LookupPropertyAttribute(owner_.Definitions(), GetName(), "defaultValue", propertyName);
}

void TComponentsCollection::LoadLibrary(const fs::path& programDir) {
    ScanFolder(programDir / "components");
    AddBuiltInOrder();
    LoadOrder(programDir / "components" / "components.xml");
    ScanFolder(programDir / "user_defined" / "components");
    LoadOrder(programDir / "user_defined" / "components" / "components.xml");
}

void TComponentsCollection::ScanFolder(const fs::path& path) {
    std::error_code ec;
    if (!fs::exists(path, ec))
        return;
    const fs::path root = fs::is_directory(path, ec) ? path : path.parent_path();
    // Depth-first with an explicit stack of (entries, next index); folders
    // reached twice through links are entered once.
    struct Level {
        std::vector<fs::directory_entry> entries;
        std::size_t next = 0;
    };
    std::set<fs::path> entered;
    entered.insert(fs::weakly_canonical(root, ec));
    std::vector<Level> stack;
    stack.push_back({SortedEntries(root)});
    while (!stack.empty()) {
        Level& level = stack.back();
        if (level.next >= level.entries.size()) {
            stack.pop_back();
            continue;
        }
        const fs::directory_entry entry = level.entries[level.next++];
        if (entry.is_directory(ec)) {
            if (entered.insert(fs::weakly_canonical(entry.path(), ec)).second)
                stack.push_back({SortedEntries(entry.path())});
        } else if (IsDefinitionFileName(entry.path().filename().string())) {
            AddComponent(entry.path());
        }
    }
}

TComponentItem* TComponentsCollection::AddComponent(const fs::path& definitionFile) {
    ProgramLog().WriteFormat(LogLevel::Info, "Dodanie komponentu do kolekcji (%s)",
                             PathToCp1250(definitionFile).c_str());
    auto item = std::make_unique<TComponentItem>(*this);
    item->Load(definitionFile);
    items_.push_back(std::move(item));
    return items_.back().get();
}

void TComponentsCollection::AddToOrder(const std::string& className) {
    if (std::find(order_.begin(), order_.end(), className) == order_.end())
        order_.push_back(className);
}

void TComponentsCollection::AddBuiltInOrder() {
    for (const std::string& name : kBuiltInComponentOrder)
        AddToOrder(name);
}

void TComponentsCollection::LoadOrder(const fs::path& file) {
    ProgramLog().Write("LoadStruct", LogLevel::Begin);
    std::error_code ec;
    if (!fs::exists(file, ec))
        return;
    TjanXMLTree tree;
    tree.LoadFromFile(file);
    ProgramLog().Write("  Loaded XML", LogLevel::Info);
    const TjanXMLNode* order = tree.FindDescendant("struct");
    if (!order)
        return;
    ProgramLog().WriteFormat(LogLevel::Info, "  Node Struct, count %d",
                             static_cast<int>(order->ChildCount()));
    for (const auto& child : order->Children()) {
        std::string name;
        if (child->TryGetAttribute("className", name) && !name.empty())
            AddToOrder(name);
    }
}

TComponentItem* TComponentsCollection::FindByName(const std::string& className) const {
    for (const auto& item : items_)
        if (item->GetName() == className)
            return item.get();
    return nullptr;
}

std::vector<TPaletteEntry> TComponentsCollection::PaletteEntries(const std::string& type) const {
    std::vector<TPaletteEntry> entries;
    std::error_code ec;
    for (const std::string& name : order_) {
        for (const auto& item : items_) {
            if (item->GetType() != type || item->GetName() != name)
                continue;
            TPaletteEntry e{item.get(), name, item->GetHint(), {}};
            if (fs::is_regular_file(item->IconFile, ec))
                e.IconFile = item->IconFile;
            entries.push_back(std::move(e));
        }
    }
    return entries;
}

void TComponentsCollection::MergeDefinitions(TjanXMLNode& tree) const {
    TjanXMLNode* target = DefinitionsDocument(tree);
    if (!target)
        return;
    for (const auto& item : items_) {
        const TjanXMLNode* source = item->Definition.FindDescendant("document");
        if (!source)
            continue;
        for (const auto& child : source->Children())
            target->AppendChild(child->Clone());
    }
}

void TComponentsCollection::ResetIncluded() {
    for (const auto& item : items_)
        item->HeadIncluded = false;
}

void TComponentsCollection::CopyClassResources(const std::string& className,
                                               const fs::path& courseResourcesDir) const {
    const TComponentItem* item = FindByName(className);
    if (!item)
        return;
    std::vector<const TComponentItem*> sources{item};
    for (const std::string& name : item->Includes)
        if (const TComponentItem* included = FindByName(name))
            sources.push_back(included);
    for (const TComponentItem* source : sources)
        if (IsRealFolder(source->ResourcesFolder))
            CopyFolder(source->ResourcesFolder, courseResourcesDir, false, 0, false, kAttrArchive);
}

} // namespace vlm
