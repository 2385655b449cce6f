#include "CourseCommands.h"

#include "CliSession.h"

#include "app/VLMXConfig.h"
#include "common/Encoding.h"
#include "project/CourseLifecycle.h"

#include <cctype>

namespace vlm::cli {

namespace {

std::string Lower(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

const TProjectTemplateItem* FindTemplate(const std::vector<TProjectTemplateItem>& templates,
                                         const std::string& name) {
    const std::string wanted = Lower(Trimmed(name));
    for (const TProjectTemplateItem& item : templates)
        if (Lower(PathToCp1250(item.Folder.filename())) == wanted)
            return &item;
    for (const TProjectTemplateItem& item : templates)
        if (Lower(Trimmed(item.Caption)) == wanted)
            return &item;
    return nullptr;
}

} // namespace

int RunNew(TCliSession& session, const TNewOptions& options) {
    const std::string language =
        options.language.empty() ? AppConfig.LanguageCode : options.language;
    const std::vector<TProjectTemplateItem> templates =
        ListProjectTemplates(session.programDir, language);
    const TProjectTemplateItem* chosen =
        FindTemplate(templates, Utf8ToCp1250(options.templateName));
    if (!chosen) {
        std::string list;
        for (const TProjectTemplateItem& item : templates)
            list += "\n  " + PathToCp1250(item.Folder.filename()) + " - " + Trimmed(item.Caption);
        session.output.Important(
            CliText("CLI_TEMPLATE_NOT_FOUND",
                    "No course template \"%s\". Templates:", Utf8ToCp1250(options.templateName)) +
            list);
        return kExitUsage;
    }

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
    course.Tree.Renumber();
    const bool saved = course.SaveCourse(true);
    course.CloseCourse();
    if (saved)
        return kExitDone;
    return session.prompt.LastDeclined() ? kExitCancelled : kExitFailed;
}

} // namespace vlm::cli
