#include "designer/NewPage.h"

#include "app/IniLang.h"
#include "common/Encoding.h"
#include "common/FilesTools.h"
#include "common/StringRoutines.h"
#include "page/xmp.h"

#include <algorithm>
#include <charconv>

namespace vlm {

namespace fs = std::filesystem;

namespace {

constexpr const char* kTemplateFolder = "templates_page";

std::vector<fs::path> TemplateFiles(const fs::path& folder) {
    std::vector<fs::path> files;
    std::error_code ec;
    if (folder.empty() || !fs::is_directory(folder, ec))
        return files;
    for (fs::recursive_directory_iterator
             it(folder, fs::directory_options::skip_permission_denied, ec),
         end;
         !ec && it != end; it.increment(ec))
        if (it->is_regular_file(ec) && it->path().extension() == ".xmt")
            files.push_back(it->path());
    std::sort(files.begin(), files.end());
    return files;
}

std::string ChildText(const TjanXMLNode* info, const std::string& name) {
    const TjanXMLNode* node = info ? info->FindChild(name) : nullptr;
    return node ? node->Text() : std::string();
}

int IconIndex(const TjanXMLNode* info) {
    const TjanXMLNode* icon = info ? info->FindChild("icon") : nullptr;
    const std::string text = icon ? icon->GetAttributeText("index") : std::string();
    int index = 0;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), index);
    return ec == std::errc() && ptr == text.data() + text.size() ? index : 0;
}

// Each "%s" in turn takes the next argument.
std::string FormatTexts(const std::string& pattern, const std::vector<std::string>& args) {
    std::string out;
    std::size_t next = 0;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] == 's') {
            out += next < args.size() ? args[next++] : std::string();
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

} // namespace

std::optional<std::string> ChooseLanguageVariant(const TjanXMLNode& info, const std::string& name,
                                                 const std::string& language) {
    const TjanXMLNode* candidate = nullptr;
    for (const auto& node : info.Children()) {
        if (node->Name() != name)
            continue;
        const std::string lang = node->GetAttributeText("lang");
        if (lang.empty() || !candidate || lang == language)
            candidate = node.get();
    }
    if (!candidate)
        return std::nullopt;
    return candidate->Text();
}

TVLMNewPageItem ReadPageTemplate(const fs::path& file, bool project, const std::string& language) {
    TjanXMLTree tree;
    tree.LoadFromFile(file);
    const TjanXMLNode* document = tree.FindDescendant("document");
    if (!document)
        throw EFOpenError(PathToCp1250(file) + ": no page document");
    const TjanXMLNode* info = document->FindChild("info");
    if (!info)
        info = tree.FindDescendant("info");
    const auto variant = [&](const char* name) {
        return info ? ChooseLanguageVariant(*info, name, language) : std::nullopt;
    };
    TVLMNewPageItem item;
    item.FileName = file;
    item.Project = project;
    item.Caption = variant("caption").value_or(PathToCp1250(file.stem()));
    item.Description = variant("description").value_or("");
    const std::string group = project ? std::string() : variant("group").value_or("");
    item.Group = !group.empty() ? group
                 : project      ? LangText("NEW_PAGE_DEFAULT_PROJECT_GROUP")
                                : LangText("NEW_PAGE_DEFAULT_GROUP");
    item.Author = ChildText(info, "author");
    item.Version = ChildText(info, "version");
    item.Date = ChildText(info, "date");
    item.IconIndex = IconIndex(info);
    return item;
}

std::vector<TVLMNewPageItem> ListPageTemplates(const TTemplateFolders& folders,
                                               const std::string& language) {
    const fs::path courseFolder =
        folders.CourseDir.empty() ? fs::path() : folders.CourseDir / kTemplateFolder;
    const fs::path places[] = {
        folders.ProgramDir.empty() ? fs::path() : folders.ProgramDir / kTemplateFolder,
        courseFolder,
        folders.UserDataDir.empty() ? fs::path() : folders.UserDataDir / kTemplateFolder,
        folders.ProgramDir.empty() ? fs::path()
                                   : folders.ProgramDir / "user_defined" / kTemplateFolder};
    std::vector<TVLMNewPageItem> items;
    for (const fs::path& place : places)
        for (const fs::path& file : TemplateFiles(place)) {
            const bool project = place == courseFolder && file.parent_path() == place;
            try {
                items.push_back(ReadPageTemplate(file, project, language));
            } catch (const std::exception&) {
                // A template that cannot be read is not offered.
            }
        }
    return items;
}

std::vector<std::string> TemplateTabs(const std::vector<TVLMNewPageItem>& items) {
    std::vector<std::string> tabs{LangText("NEW_PAGE_DEFAULT_GROUP"),
                                  LangText("NEW_PAGE_DEFAULT_PROJECT_GROUP")};
    for (const TVLMNewPageItem& item : items)
        if (std::find(tabs.begin(), tabs.end(), item.Group) == tabs.end())
            tabs.push_back(item.Group);
    return tabs;
}

std::vector<const TVLMNewPageItem*> TemplatesOfTab(const std::vector<TVLMNewPageItem>& items,
                                                   const std::string& tab) {
    std::vector<const TVLMNewPageItem*> listed;
    for (const TVLMNewPageItem& item : items)
        if (item.Group == tab)
            listed.push_back(&item);
    return listed;
}

std::string TemplateInfoText(const TVLMNewPageItem& item) {
    const std::string text =
        FormatTexts(LangText("NEW_PAGE_INFO"), {item.Description, item.Author, item.Version});
    return ReplaceEvery(text, "\\n", "\n\r");
}

bool CreatePageFromTemplate(const fs::path& templateFile, const fs::path& pageFile,
                            const fs::path& courseResourcesDir, const TNewPageContext& context) {
    std::error_code ec;
    if (!fs::is_regular_file(templateFile, ec))
        return false;
    TXMPDocument page(context.guids, context.prompt, context.clock);
    page.SetDefinitions(context.definitions);
    page.LoadFromFile(templateFile);
    if (!page.DocumentNode())
        return false;
    page.ApplyLanguage(context.language);
    // Pages made from one template must not share the page's identity.
    page.NewDocumentId();
    const fs::path resources = templateFile.parent_path() / "resources";
    if (fs::is_directory(resources, ec))
        CopyFolder(resources, courseResourcesDir, false, kCountFiles, false, -1);
    page.SaveToFile(pageFile);
    return true;
}

} // namespace vlm
