#include "project/ProjectTemplates.h"

#include "app/IniLang.h"
#include "app/UserPrompt.h"
#include "common/AsciiText.h"
#include "common/FilesTools.h"
#include "common/Progress.h"
#include "page/janXMLTree.h"
#include "project/CoursePaths.h"
#include "project/PageStamp.h"
#include "project/Project.h"

#include <algorithm>
#include <set>
#include <stdexcept>

namespace vlm {

namespace fs = std::filesystem;

namespace {

constexpr const char* kInfoFile = "info.xml";
constexpr const char* kTemplateProject = "data.vlmproject";
constexpr const char* kTemplateData = "data";

bool ReadCaption(const fs::path& infoFile, std::string& caption) {
    TjanXMLTree tree;
    try {
        tree.LoadFromFile(infoFile);
    } catch (const std::exception&) {
        return false;
    }
    const TjanXMLNode* info = tree.FindDescendant("info");
    const TjanXMLNode* node = info ? info->FindChild("caption") : nullptr;
    if (!node)
        return false;
    caption = TrimText(node->Text());
    return true;
}

} // namespace

fs::path ProjectTemplatesDir(const fs::path& programDir, const std::string& languageCode) {
    return programDir / "templates_project" / languageCode;
}

std::vector<TProjectTemplateItem> ListProjectTemplates(const fs::path& programDir,
                                                       const std::string& languageCode) {
    std::vector<fs::path> folders;
    std::error_code ec;
    for (fs::directory_iterator it(ProjectTemplatesDir(programDir, languageCode), ec), end;
         !ec && it != end; it.increment(ec))
        if (IsRealFolder(it->path()))
            folders.push_back(it->path());
    std::sort(folders.begin(), folders.end());

    std::vector<TProjectTemplateItem> items;
    for (const fs::path& folder : folders) {
        if (!fs::is_regular_file(folder / kInfoFile, ec) ||
            !fs::is_regular_file(folder / kTemplateProject, ec))
            continue;
        TProjectTemplateItem item{folder, {}};
        if (ReadCaption(folder / kInfoFile, item.Caption))
            items.push_back(std::move(item));
    }
    return items;
}

bool CreateCourseFromTemplate(const TProjectTemplateItem& item, const fs::path& file,
                              UserPrompt& prompt, const Clock& clock, Random& random,
                              Progress& progress, const std::function<void()>& beforeReplace) {
    const fs::path courseDir = TCoursePaths::ForProjectFile(file).CourseDir;
    if (courseDir.empty())
        throw std::invalid_argument("CreateCourseFromTemplate: no file name");
    std::error_code ec;
    if (fs::exists(file, ec)) {
        if (prompt.MessageDlg(LangText("MESSAGE_PROJECT_FILE_EXISTS"), DialogType::Confirmation,
                              kButtonsYesNo) != mrYes)
            return false;
        if (beforeReplace)
            beforeReplace();
        fs::remove(file, ec);
        if (fs::exists(courseDir, ec))
            DeleteFolderTree(courseDir);
    }

    TProject project(prompt);
    project.LoadFromFile(item.Folder / kTemplateProject);
    std::set<std::string> stamps;
    for (auto& projectItem : project.Items) {
        projectItem->Stamp =
            NewStamp(clock, random, [&](const std::string& s) { return stamps.count(s) > 0; });
        stamps.insert(projectItem->Stamp);
    }
    project.SaveToFile(file, true);
    ApplyFileAttributes(file, kAttrArchive);

    fs::create_directories(courseDir, ec);
    bool started = false;
    CopyFolder(item.Folder / kTemplateData, courseDir, true, kCountFiles, true, kAttrArchive,
               [&](int count, int total) {
                   if (!started) {
                       progress.SetMin(0);
                       progress.SetMax(total);
                       started = true;
                   }
                   progress.SetPosition(count);
               });
    progress.Close();
    return true;
}

} // namespace vlm
