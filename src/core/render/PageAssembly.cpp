#include "render/PageAssembly.h"

#include "page/ComponentsManager.h"
#include "page/janXMLTree.h"

namespace vlm {

std::optional<std::string> ProcessSnippet(const TComponentItem* item,
                                          const std::filesystem::path& snippetFile,
                                          const TjanXMLNode& element, TSubstitutions substitutions,
                                          TSnippetCache& cache) {
    const auto& snippet = cache.Get(snippetFile);
    if (!snippet)
        return std::nullopt;
    return ProcessSnippetText(*snippet, element, substitutions, [item](std::string_view name) {
        return item ? item->DefaultPropertyValue(name) : std::string();
    });
}

void CollectElement(TComponentItem& item, const TjanXMLNode& element, TSubstitutions substitutions,
                    std::string& headScript, std::string& bodyScript, std::string& bodyHtml,
                    TSnippetCache& cache) {
    item.CollectHeadScripts(headScript);
    if (auto script = ProcessSnippet(&item, item.BodyScriptFile, element, substitutions, cache))
        bodyScript += *script;
    if (auto html = ProcessSnippet(&item, item.BodyHtmlFile, element, substitutions, cache))
        bodyHtml += *html;
}

} // namespace vlm
