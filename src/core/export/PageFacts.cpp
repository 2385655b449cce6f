#include "export/PageFacts.h"

#include "app/IniLang.h"
#include "common/ConvertError.h"
#include "common/Encoding.h"
#include "common/StringRoutines.h"
#include "common/StringTools.h"
#include "common/charConverter.h"
#include "page/janXMLTree.h"

#include <system_error>

namespace vlm {

namespace {

// Unlike SplitByString, keeps empty fields so a link without a name keeps
// its description, target and type in their columns.
std::vector<std::string> SplitFields(const std::string& text, std::string_view separator) {
    std::vector<std::string> out;
    std::size_t start = 0;
    for (;;) {
        const std::size_t at = text.find(separator, start);
        if (at == std::string::npos) {
            out.push_back(text.substr(start));
            return out;
        }
        out.push_back(text.substr(start, at - start));
        start = at + separator.size();
    }
}

TPageFacts Collect(const TjanXMLTree& tree) {
    TPageFacts facts;
    const TjanXMLNode* document = tree.FindDescendant("document");
    if (!document)
        throw ConvertError("No page document");
    if (const TjanXMLNode* page = document->FindDescendant("page")) {
        facts.Type = page->GetAttributeText("type");
        facts.MasteryScore = page->GetAttributeText("masteryscore");
        facts.Groups = page->GetAttributeText("groups");
        facts.Links = ParsePageLinks(page->GetAttributeText("links"));
    }
    for (const auto& child : document->Children()) {
        const std::string answer = UrlDecode(child->GetAttributeText("correctAnswer"));
        if (!answer.empty())
            facts.Answers += answer + "#|#";
    }
    return facts;
}

} // namespace

std::vector<TPageLink> ParsePageLinks(const std::string& value) {
    std::vector<TPageLink> links;
    for (const std::string& entry : SplitByString(EntitiesToText(value), "#|#")) {
        std::vector<std::string> fields = SplitFields(entry, "||");
        fields.resize(4);
        links.push_back({fields[0], fields[1], fields[2], fields[3]});
    }
    return links;
}

TPageFacts ReadPageFacts(const std::filesystem::path& file, UserPrompt& prompt) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec))
        return {};
    try {
        TjanXMLTree tree;
        tree.LoadFromFile(file);
        TPageFacts facts = Collect(tree);
        facts.Exists = true;
        facts.Readable = true;
        return facts;
    } catch (const std::exception&) {
        prompt.MessageBox(LangText("ERROR_CAPTION"),
                          LangText("ERROR_PROJECT_FILE_002") + PathToCp1250(file),
                          DialogType::Error, kButtonsOK);
        TPageFacts facts;
        facts.Exists = true;
        return facts;
    }
}

} // namespace vlm
