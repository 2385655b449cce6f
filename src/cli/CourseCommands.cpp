#include "CourseCommands.h"
#include "common/AsciiText.h"

#include "CliSession.h"

#include "app/VLMXConfig.h"
#include "common/Encoding.h"
#include "project/CourseLifecycle.h"

#include <cctype>

namespace vlm::cli {

namespace fs = std::filesystem;

namespace {

const TProjectTemplateItem* FindTemplate(const std::vector<TProjectTemplateItem>& templates,
                                         const std::string& name) {
    const std::string wanted = LowerCaseAscii(TrimText(name));
    for (const TProjectTemplateItem& item : templates)
        if (LowerCaseAscii(PathToCp1250(item.Folder.filename())) == wanted)
            return &item;
    for (const TProjectTemplateItem& item : templates)
        if (LowerCaseAscii(TrimText(item.Caption)) == wanted)
            return &item;
    return nullptr;
}

} // namespace

int RunNew(TCliSession& session, const TNewOptions& options) {
    const std::vector<TProjectTemplateItem> templates =
        ListProjectTemplates(session.programDir, AppConfig.LanguageCode);
    const TProjectTemplateItem* chosen =
        FindTemplate(templates, Utf8ToCp1250(options.templateName));
    if (!chosen) {
        std::string list;
        for (const TProjectTemplateItem& item : templates)
            list += "\n  " + PathToCp1250(item.Folder.filename()) + " - " + TrimText(item.Caption);
        session.output.Important(
            CliText("CLI_TEMPLATE_NOT_FOUND",
                    "No course template \"%s\". Templates:", Utf8ToCp1250(options.templateName)) +
            list);
        return kExitUsage;
    }

    // The folder of the new file is made, as a save dialog would offer it.
    std::error_code ec;
    fs::create_directories(fs::absolute(options.file).parent_path(), ec);
    TCourseLifecycle course(session.prompt, session.clock, session.random, *session.progress);
    const std::optional<std::string> title =
        options.title ? std::optional(Utf8ToCp1250(*options.title)) : std::nullopt;
    course.Hooks.editSettings = [&title](TCourseSettings& values) {
        if (!title)
            return false;
        values.Title = *title;
        return true;
    };
    if (!course.NewCourseFrom(*chosen, options.file))
        return kExitCancelled; // the existing course was kept
    // A title the settings refuse was told about; the course keeps the template's.
    const bool titled = !title || course.Project.Title == *title;
    course.CloseCourse();
    return titled ? kExitDone : kExitFailed;
}

int RunOpen(TCliSession& session, const std::string& file) {
    TCourseLifecycle course(session.prompt, session.clock, session.random, *session.progress);
    course.OpenCourse(file);
    if (!course.RepairBackup.empty())
        session.output.Important(CliText("CLI_OPEN_REPAIRED",
                                         "The project file had to be repaired; it was kept as %s",
                                         PathToCp1250(fs::absolute(course.RepairBackup))));
    course.Tree.Renumber();
    const bool saved = course.SaveCourse(true);
    course.CloseCourse();
    if (saved)
        return kExitDone;
    return session.prompt.LastDeclined() ? kExitCancelled : kExitFailed;
}

} // namespace vlm::cli
