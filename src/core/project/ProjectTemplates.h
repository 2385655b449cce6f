#pragma once
// Course templates: every folder of "templates_project/<language code>/"
// holding "info.xml" and "data.vlmproject"; its "data" folder becomes the
// new course folder.

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace vlm {

class Clock;
class Progress;
class Random;
class UserPrompt;

struct TProjectTemplateItem {
    std::filesystem::path Folder;
    std::string Caption; // "info" / "caption" of info.xml
};

// programDir / "templates_project" / languageCode.
std::filesystem::path ProjectTemplatesDir(const std::filesystem::path& programDir,
                                          const std::string& languageCode);

// The templates, by folder name. A folder lacking either file, or whose
// info.xml cannot be read or has no caption, is not listed.
std::vector<TProjectTemplateItem> ListProjectTemplates(const std::filesystem::path& programDir,
                                                       const std::string& languageCode);

// Writes a new course from the template as `file` and its course folder.
// An existing file is replaced only after Yes (its course folder is deleted
// first); false after No. Every item gets a new stamp, distinct within the
// course. A template whose project file is bad is reported and throws Abort;
// a file that cannot be written throws ETProjectError. `beforeReplace` runs
// after Yes, before anything is deleted.
bool CreateCourseFromTemplate(const TProjectTemplateItem& item, const std::filesystem::path& file,
                              UserPrompt& prompt, const Clock& clock, Random& random,
                              Progress& progress, const std::function<void()>& beforeReplace = {});

} // namespace vlm
