#pragma once
// An element's share of a page: its class's head script, and its class's
// "body.js" and "body.html" filled for it.

#include "render/SnippetCache.h"
#include "render/SnippetProcessor.h"

#include <filesystem>
#include <optional>
#include <string>

namespace vlm {

class TComponentItem;
class TjanXMLNode;

// The snippet file filled for the element (class defaults from `item`, which
// may be null); nothing when the file cannot be read.
std::optional<std::string> ProcessSnippet(const TComponentItem* item,
                                          const std::filesystem::path& snippetFile,
                                          const TjanXMLNode& element, TSubstitutions substitutions,
                                          TSnippetCache& cache);

// Appends the class's head scripts to headScript, the filled "body.js" to
// bodyScript and the filled "body.html" to bodyHtml; missing files add nothing.
void CollectElement(TComponentItem& item, const TjanXMLNode& element, TSubstitutions substitutions,
                    std::string& headScript, std::string& bodyScript, std::string& bodyHtml,
                    TSnippetCache& cache);

} // namespace vlm
