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

void ReportOpening(TCliSession& session, const TCourseLifecycle& course) {
    if (!course.RepairBackup.empty())
        session.output.Important(CliText("CLI_OPEN_REPAIRED",
                                         "The project file had to be repaired; it was kept as %s",
                                         PathToCp1250(fs::absolute(course.RepairBackup))));
    for (const TRenamedResource& file : course.RenamedResources) {
        // The old name is one cp1250 cannot hold: it is named in UTF-8.
        std::string message = Cp1250ToUtf8(
            CliText("CLI_RESOURCE_RENAMED",
                    "The course keeps file names in the Windows-1250 code page: the resource "
                    "%s was renamed %s.",
                    "\x01"));
        // Quoted by appending: GCC 12 warns falsely on "literal" + string.
        const auto quoted = [](const std::string& text) {
            std::string out(1, '"');
            out += text;
            out += '"';
            return out;
        };
        if (const std::size_t at = message.find('\x01'); at != std::string::npos)
            message.replace(at, 1, quoted(file.from.filename().string()));
        if (const std::size_t at = message.find("%s"); at != std::string::npos)
            message.replace(at, 2, quoted(Cp1250ToUtf8(file.to)));
        session.output.Warning(message);
    }
}

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
        options.title ? std::optional(CourseText(session.output, *options.title)) : std::nullopt;
    course.Hooks.editSettings = [&title](TCourseSettings& values) {
        if (!title)
            return false;
        values.Title = *title;
        return true;
    };
    if (!course.NewCourseFrom(*chosen, options.file))
        return kExitCancelled; // the existing course was kept
    ReportOpening(session, course);
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
    ReportOpening(session, course);
    course.CloseCourse();
    if (saved)
        return kExitDone;
    return session.prompt.LastDeclined() ? kExitCancelled : kExitFailed;
}

} // namespace vlm::cli
