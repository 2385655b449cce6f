#include "page/ClassDefinitions.h"

#include "common/Encoding.h"
#include "common/StringRoutines.h"
#include "common/StringTools.h"
#include "page/ComponentsManager.h"

#include <unordered_map>
#include <unordered_set>

namespace fs = std::filesystem;

namespace vlm {

std::unique_ptr<TjanXMLTree> LoadDefinitionTree(const fs::path& programDir,
                                                const TComponentsCollection& library,
                                                UserPrompt& prompt, const TLanguage& lang) {
    const fs::path configDir = programDir / "configuration";
    const fs::path file = configDir / "definition.xml";
    auto fail = [&](const char* key) -> std::unique_ptr<TjanXMLTree> {
        prompt.MessageBox({}, lang.LangText(key) + "\r" + PathToCp1250(configDir) + "/",
                          DialogType::Error, kButtonsOK);
        return nullptr;
    };
    std::error_code ec;
    if (!fs::exists(file, ec))
        return fail("ERROR_CONFIG_FILE_NOT_FOUND");
    auto tree = std::make_unique<TjanXMLTree>();
    try {
        tree->LoadFromFile(file);
    } catch (const EFOpenError&) {
        return fail("ERROR_PROJECT_FILE_002");
    }
    if (!DefinitionsDocument(*tree))
        tree->AddChild("document");
    library.MergeDefinitions(*tree);
    return tree;
}

std::unique_ptr<TjanXMLTree> LoadComponentLibrary(TComponentsCollection& library,
                                                  const fs::path& programDir, UserPrompt& prompt,
                                                  const TLanguage& lang) {
    library.LoadLibrary(programDir);
    std::unique_ptr<TjanXMLTree> tree = LoadDefinitionTree(programDir, library, prompt, lang);
    library.SetDefinitions(tree ? DefinitionsDocument(*tree) : nullptr);
    return tree;
}

TjanXMLNode* DefinitionsDocument(const TjanXMLNode& definitions) {
    if (definitions.Name() == "document")
        return const_cast<TjanXMLNode*>(&definitions);
    return definitions.FindDescendant("document");
}

std::string PropertyDefaultValue(const TjanXMLNode& property, const std::string& language) {
    std::string value = property.GetAttributeText("defaultValue");
    TjanXMLNodeList variants;
    property.CollectDescendants("defaultValue", variants);
    for (const TjanXMLNode* v : variants)
        if (v->GetAttributeText("lang") == language)
            value = v->Text();
    return value;
}

std::string ExpandResourcePath(const std::string& value, const std::string& prefix) {
    if (value.find(kResourcePathMarker) == std::string::npos)
        return value;
    return ReplaceRepeated(ReplaceFirst(value, kResourcePathMarker, prefix + "..\\resources\\"),
                           "\\\\", "\\");
}

void ApplyOwnProperties(const TjanXMLNode& classDefinition, TjanXMLNode& target) {
    const std::string language = ContentLanguage();
    for (const auto& property : classDefinition.Children()) {
        // A property without a name would write an attribute without one.
        const std::string name = property->GetAttributeText("name");
        if (property->Name() != "property" || name.empty())
            continue;
        target.SetAttribute(name, ExpandResourcePath(PropertyDefaultValue(*property, language)));
    }
}

TjanXMLNode* ResolveClass(const TjanXMLNode& definitions, const TjanXMLNode& classDefinition,
                          TjanXMLNode* target) {
    if (!target)
        return nullptr;
    // Classes by name, in document order: several classes may share a name
    // and all of them are applied.
    std::unordered_map<std::string, std::vector<const TjanXMLNode*>> classes;
    if (const TjanXMLNode* doc = DefinitionsDocument(definitions))
        for (const auto& c : doc->Children())
            if (c->Name() == "class")
                classes[c->GetAttributeText("name")].push_back(c.get());
    static const std::vector<const TjanXMLNode*> kNone;
    auto parentsOf = [&](const TjanXMLNode& cls) -> const std::vector<const TjanXMLNode*>& {
        const std::string extends = cls.GetAttributeText("extends");
        if (extends.empty())
            return kNone;
        auto it = classes.find(extends);
        return it == classes.end() ? kNone : it->second;
    };
    // Post-order walk up the inheritance graph with an explicit stack, so a
    // long chain cannot exhaust the stack. Each class is applied once, when
    // first reached: a cycle ends where it closes, and classes sharing names
    // at several levels cannot multiply the work.
    struct Frame {
        const TjanXMLNode* cls;
        std::size_t next;
    };
    std::vector<Frame> stack{{&classDefinition, 0}};
    std::unordered_set<const TjanXMLNode*> reached{&classDefinition};
    while (!stack.empty()) {
        Frame& frame = stack.back();
        const auto& parents = parentsOf(*frame.cls);
        const TjanXMLNode* parent = nullptr;
        while (frame.next < parents.size() && !parent) {
            const TjanXMLNode* candidate = parents[frame.next++];
            if (!reached.count(candidate))
                parent = candidate;
        }
        if (parent) {
            reached.insert(parent);
            stack.push_back({parent, 0});
            continue;
        }
        ApplyOwnProperties(*frame.cls, *target);
        stack.pop_back();
    }
    return target;
}

std::unique_ptr<TjanXMLNode> ResolveClass(const TjanXMLNode& definitions,
                                          const TjanXMLNode& classDefinition) {
    auto target = std::make_unique<TjanXMLNode>(classDefinition.GetAttributeText("name"));
    ResolveClass(definitions, classDefinition, target.get());
    return target;
}

std::string LookupPropertyAttribute(const TjanXMLNode* definitionsDocument,
                                    const std::string& className, const std::string& attribute,
                                    std::string_view propertyName) {
    if (!definitionsDocument)
        return {};
    const TjanXMLNode& doc = *definitionsDocument;
    auto answer = [&](const TjanXMLNode* property, std::string& value) {
        return property && property->TryGetAttribute(attribute, value);
    };
    std::string value;
    const TjanXMLNode* cls = doc.FindChildByAttribute("name", className);
    const TjanXMLNode* property = cls ? cls->FindChildByAttribute("name", propertyName) : nullptr;
    if (answer(property, value))
        return value;
    for (int level = 0; level < 2 && cls; ++level) {
        const std::string extends = cls->GetAttributeText("extends");
        cls = extends.empty() ? nullptr : doc.FindChildByAttribute("name", extends);
        if (cls)
            property = cls->FindChildByAttribute("name", propertyName);
        if (cls && answer(property, value))
            return value;
    }
    if (!cls && !property) {
        cls = doc.FindChildByAttribute("name", "component");
        property = cls ? cls->FindChildByAttribute("name", propertyName) : nullptr;
        if (answer(property, value))
            return value;
    }
    return {};
}

std::string GetAttributeOr(const TjanXMLNode* node, const std::string& name,
                           const std::string& def) {
    if (!node)
        return def;
    std::string value = node->GetAttributeText(name);
    return value.empty() ? def : value;
}

bool HasNamedChild(const TjanXMLNode* node, const std::string& name) {
    return node && node->FindChildByAttribute("name", name) != nullptr;
}

void ApplyDefaultsToTree(TjanXMLNode& pageTree, const TjanXMLNode& definitionsTree,
                         const std::string& prefix) {
    TjanXMLNode* page = DefinitionsDocument(pageTree);
    const TjanXMLNode* defs = DefinitionsDocument(definitionsTree);
    if (!page)
        return;
    for (const auto& element : page->Children()) {
        if (!element->FindAttribute("name"))
            continue;
        for (const auto& a : element->Attributes()) {
            const std::string def = ExpandResourcePath(
                LookupPropertyAttribute(defs, element->Name(), "defaultValue", a->Name), prefix);
            if (a->Value.empty())
                a->Value = def;
        }
    }
}

} // namespace vlm
