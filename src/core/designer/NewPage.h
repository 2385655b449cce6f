#pragma once
// Page templates: the ".xmt" files of the four template folders with their
// captions, descriptions and tabs in the content language, and a new page
// made from a template.

#include "app/UserPrompt.h"
#include "common/SystemPorts.h"
#include "page/janXMLTree.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace vlm {

struct TVLMNewPageItem {
    std::filesystem::path FileName;
    bool Project = false; // directly in the course's template folder
    std::string Caption;
    std::string Description;
    std::string Group;
    std::string Author, Version, Date;
    int IconIndex = 0;
};

// Where templates are looked for; an empty folder (no course open) is skipped.
struct TTemplateFolders {
    std::filesystem::path ProgramDir;
    std::filesystem::path CourseDir;
    std::filesystem::path UserDataDir;
};

// The folders' templates in the folders' order, each folder's files sorted
// by path. A file that cannot be read or holds no "document" is left out;
// one without "info" is listed under its file name in the default tab.
std::vector<TVLMNewPageItem> ListPageTemplates(const TTemplateFolders& folders,
                                               const std::string& language);
TVLMNewPageItem ReadPageTemplate(const std::filesystem::path& file, bool project,
                                 const std::string& language);

// The text of the variant of `info`'s "name" children for the language:
// going in order, a node without "lang" (or the first node at all, or one
// of the language) becomes the candidate, and the last candidate wins.
std::optional<std::string> ChooseLanguageVariant(const TjanXMLNode& info, const std::string& name,
                                                 const std::string& language);

// The default tab, the course's tab, then every other group once, in order.
std::vector<std::string> TemplateTabs(const std::vector<TVLMNewPageItem>& items);
std::vector<const TVLMNewPageItem*> TemplatesOfTab(const std::vector<TVLMNewPageItem>& items,
                                                   const std::string& tab);
// "NEW_PAGE_INFO" with description, author and version; "\n" becomes a line break.
std::string TemplateInfoText(const TVLMNewPageItem& item);

// What a new page needs from the running program.
struct TNewPageContext {
    const TjanXMLNode* definitions = nullptr; // the designer's merged definitions
    std::string language;                     // the content language code
    GuidSource& guids;
    UserPrompt& prompt;
    const Clock& clock;
};

// The template's resources copied into the course's resources folder
// (files the course has are kept), the template loaded with the definitions
// (missing ids and properties filled in), its language values applied, a
// document id of its own, and the page saved. False, and nothing written,
// when the template is missing or holds no page.
bool CreatePageFromTemplate(const std::filesystem::path& templateFile,
                            const std::filesystem::path& pageFile,
                            const std::filesystem::path& courseResourcesDir,
                            const TNewPageContext& context);

} // namespace vlm
