#pragma once
// The merged class-definition tree and the answers it gives: the default
// attributes of a new element (following "extends"), one attribute of one
// property, and the defaults of a whole page.

#include "app/IniLang.h"
#include "app/UserPrompt.h"
#include "page/janXMLTree.h"

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace vlm {

class TComponentsCollection;

// The marker in property defaults that stands for the course's resources folder.
inline constexpr const char* kResourcePathMarker = "RESOURCE_PATH";

// The designer's definition tree: "configuration/definition.xml" of the
// program folder with every component's definitions appended. When the file
// is missing ("ERROR_CONFIG_FILE_NOT_FOUND") or cannot be read
// ("ERROR_PROJECT_FILE_002") the user is told, with the configuration folder,
// and nothing is returned: the program ends.
std::unique_ptr<TjanXMLTree> LoadDefinitionTree(const std::filesystem::path& programDir,
                                                const TComponentsCollection& library,
                                                UserPrompt& prompt, const TLanguage& lang);

// The program's component library loaded (LoadLibrary) with its definition
// tree set on it, as every run that builds pages needs it: an element that
// lacks a property gets the class default. The library points into the
// returned tree, which must outlive its use. Null when the definitions cannot
// be read (the user has been told).
std::unique_ptr<TjanXMLTree> LoadComponentLibrary(TComponentsCollection& library,
                                                  const std::filesystem::path& programDir,
                                                  UserPrompt& prompt, const TLanguage& lang);

// The "document" element of a definition tree (found at any depth), or null.
TjanXMLNode* DefinitionsDocument(const TjanXMLNode& definitions);

// A property's "defaultValue" attribute, replaced by the text of each
// "defaultValue" element below it whose "lang" is the language (the last wins).
std::string PropertyDefaultValue(const TjanXMLNode& property, const std::string& language);

// Replaces the first marker by prefix + "..\resources\" and collapses double
// backslashes; a value without the marker is returned as it is.
std::string ExpandResourcePath(const std::string& value, const std::string& prefix = {});

// The element with the class's defaults, ancestors ("extends") first, each
// attribute at the position of its first definition. Without a target a
// detached node named after the class is made and returned. Each class is
// applied once, when first reached, so an "extends" cycle ends where it closes.
TjanXMLNode* ResolveClass(const TjanXMLNode& definitions, const TjanXMLNode& classDefinition,
                          TjanXMLNode* target);
std::unique_ptr<TjanXMLNode> ResolveClass(const TjanXMLNode& definitions,
                                          const TjanXMLNode& classDefinition);

// The class's own properties with their defaults for ContentLanguage().
void ApplyOwnProperties(const TjanXMLNode& classDefinition, TjanXMLNode& target);

// What the definitions say about one attribute of one property of a class:
// the class, its parent, its grandparent, then "component" when neither the
// class nor the property was found. Empty when nothing is found.
std::string LookupPropertyAttribute(const TjanXMLNode* definitionsDocument,
                                    const std::string& className, const std::string& attribute,
                                    std::string_view propertyName);

// The attribute's value when the node exists and the value is not empty.
std::string GetAttributeOr(const TjanXMLNode* node, const std::string& name,
                           const std::string& def);

bool HasNamedChild(const TjanXMLNode* node, const std::string& name);

// Empty attributes of the page's elements get their class defaults, with
// "RESOURCE_PATH" made prefix + "..\resources\"; missing ones are not added.
void ApplyDefaultsToTree(TjanXMLNode& pageTree, const TjanXMLNode& definitionsTree,
                         const std::string& prefix);

} // namespace vlm
