#include "ExportCommands.h"
#include "RenderCommand.h"

#include "CheckCommand.h"
#include "CliSession.h"
#include "CourseCommands.h"

#include "app/IniLang.h"
#include "app/VLMXConfig.h"
#include "common/Encoding.h"
#include "export/AiccCommand.h"
#include "export/ExportPipeline.h"
#include "export/ExportResources.h"
#include "export/PackageWizards.h"
#include "export/ReportProfiles.h"
#include "export/ScenarioWizard.h"
#include "export/VLMExplorerCommand.h"
#include "export/VLMProject.h"
#include "export/VLMScenarioCommand.h"
#include "export/VLMScorm11Command.h"
#include "export/VLMServerCommand.h"
#include "page/ClassDefinitions.h"
#include "page/ComponentsManager.h"
#include "project/CourseLifecycle.h"

namespace vlm::cli {

namespace fs = std::filesystem;

namespace {

// The open course and what every target is handed.
class TExportRun {
public:
    TExportRun(TCliSession& session, const TExportOptions& options)
        : session_(session),
          course_(session.prompt, session.clock, session.random, *session.progress),
          library_(session.prompt) {
        // Pages are built with the class defaults of what their elements lack.
        definitions_ =
            LoadComponentLibrary(library_, session.programDir, session.prompt, CurrentLanguage());
        if (!definitions_)
            throw Abort(); // told why; before the course is open, so nothing to close
        const fs::path file = fs::absolute(options.file);
        CheckFirst(file, options.strict);
        // No export reads a digest: hashing the media again would cost more
        // than the export itself.
        course_.OpenCourse(file, TRegisterOnOpen::AsStored);
        ReportOpening(session, course_);
        course_.Tree.SyncToProject(course_.Project);
    }
    ~TExportRun() { course_.CloseCourse(); }

    TExportEnvironment Env() {
        return {course_.Project, course_.Paths,   session_.paths,    AppConfig,
                &library_,       session_.prompt, *session_.progress};
    }
    const TCoursePaths& Paths() const { return course_.Paths; }
    const TProject& Project() const { return course_.Project; }
    const TjanXMLTree& Definitions() const { return *definitions_; }

private:
    // The course check of `check`, on the file as it is: its findings are
    // warnings here; with `strict` any of them ends the run before it writes.
    void CheckFirst(const fs::path& file, bool strict) {
        TProject project(session_.prompt);
        project.LoadFromFile(file);
        const std::vector<TFinding> findings =
            CheckProject(project, {library_, definitions_.get(), session_.guids, session_.clock});
        if (findings.empty())
            return;
        const std::string text = FindingsText(findings);
        if (!strict) {
            session_.output.Message(text);
            return;
        }
        session_.output.Important(text);
        throw std::runtime_error(CliText("CLI_EXPORT_STRICT",
                                         "The course check found problems (%s); nothing "
                                         "was exported.",
                                         std::to_string(findings.size())));
    }

    TCliSession& session_;
    TCourseLifecycle course_;
    std::unique_ptr<TjanXMLTree> definitions_; // outlives the library that points into it
    TComponentsCollection library_;
};

std::string Destination(const std::string& output) {
    return PathToCp1250(fs::absolute(output));
}

// A name the list does not hold is bad usage: the list is shown.
bool NameKnown(TCliSession& session, const std::vector<std::string>& names, const std::string& name,
               const std::string& key, const std::string& fallback) {
    for (const std::string& known : names)
        if (known == name)
            return true;
    std::string list;
    for (const std::string& known : names)
        list += "\n  " + known;
    session.output.Important(CliText(key, fallback, name) + list);
    return false;
}

bool DesignKnown(TCliSession& session, const std::vector<std::string>& designs,
                 const std::string& name) {
    return NameKnown(session, designs, name, "CLI_DESIGN_NOT_FOUND",
                     "No export design \"%s\". Designs:");
}

int ExitCodeOf(TCliSession& session, const TExportResult& result,
               const TExportPagesReport* pages = nullptr) {
    if (pages && !pages->skippedIds.empty()) {
        std::string ids;
        for (int id : pages->skippedIds)
            ids += (ids.empty() ? "" : ", ") + std::to_string(id);
        session.output.Important(
            CliText("CLI_EXPORT_PAGES_SKIPPED", "Pages not exported: %s", ids));
    }
    switch (result.status) {
    case TExportStatus::Done:
        return kExitDone;
    case TExportStatus::Cancelled:
        return kExitCancelled;
    case TExportStatus::Failed:
        break;
    }
    return kExitFailed;
}

} // namespace

int RunExportOffline(TCliSession& session, const TExportOptions& options) {
    TExportRun run(session, options);
    TVLMExplorerCommand command(run.Env());
    TExplorerWizard wizard =
        TExplorerWizard::Open(session.settings, DesignTemplateList(command.Project()),
                              AppConfig.DefaultTemplatesDesign, {});
    if (options.design) {
        const std::string design = Utf8ToCp1250(*options.design);
        if (!DesignKnown(session, wizard.designs, design))
            return kExitUsage;
        wizard.SelectDesign(design);
    }
    wizard.options.destination = Destination(options.output);
    const TExportResult result = command.Execute(wizard.Accept(session.settings));
    return ExitCodeOf(session, result, &command.PagesReport());
}

int RunExportAicc(TCliSession& session, const TExportOptions& options) {
    TExportRun run(session, options);
    TVLMAicc command(run.Env());
    TAiccWizard wizard = TAiccWizard::Open(
        session.settings, DesignTemplateList(command.Project()), AppConfig.DefaultTemplatesDesign,
        {}, {LangText("EXPORT_AICC_PROFILE_DEFAULT"), LangText("EXPORT_AICC_PROFILE_LEO")});
    if (options.design) {
        const std::string design = Utf8ToCp1250(*options.design);
        if (!DesignKnown(session, wizard.designs, design))
            return kExitUsage;
        wizard.SelectDesign(design);
    }
    if (!options.profile.empty())
        wizard.SetProfile(options.profile == "leo" ? apLeo : apDefault);
    if (options.multiSCO)
        wizard.SetMultiSCO(*options.multiSCO);
    if (options.url)
        wizard.options.url = CourseText(session.output, *options.url);
    wizard.options.destination = Destination(options.output);
    const TExportResult result = command.Execute(wizard.Accept(session.settings));
    return ExitCodeOf(session, result, &command.PagesReport());
}

int RunExportScorm(TCliSession& session, const TExportOptions& options) {
    TExportRun run(session, options);
    TScormWizard wizard = TScormWizard::Open(session.settings, {});
    wizard.options.destination = Destination(options.output);
    if (options.schemaLocation)
        wizard.options.schemaLocation = CourseText(session.output, *options.schemaLocation);
    if (options.urlPath)
        wizard.options.urlPath = CourseText(session.output, *options.urlPath);
    wizard.options.cmiAdapter = options.cmiAdapter;
    TVLMScorm11Command command(run.Env(), session.random);
    const TExportResult result = command.Execute(wizard.Accept(session.settings));
    return ExitCodeOf(session, result, &command.PagesReport());
}

int RunExportServer(TCliSession& session, const TExportOptions& options, bool exam) {
    TExportRun run(session, options);
    TServerWizard wizard = TServerWizard::Open(session.settings, {});
    wizard.options.destination = Destination(options.output);
    // No to replacing an existing package leaves the wizard open: here the run ends.
    if (!wizard.Finish(session.settings, session.prompt))
        return kExitCancelled;
    if (exam) {
        TVLMServerExamCommand command(run.Env(), session.random);
        const TExportResult result = command.Execute(wizard.options);
        return ExitCodeOf(session, result, &command.PagesReport());
    }
    TVLMServerCommand command(run.Env(), session.random);
    const TExportResult result = command.Execute(wizard.options);
    return ExitCodeOf(session, result, &command.PagesReport());
}

int RunExportScenario(TCliSession& session, const TExportOptions& options) {
    TExportRun run(session, options);
    TScenarioWizard wizard = TScenarioWizard::Open(
        session.settings, ListReportProfiles(session.programDir, AppConfig.LanguageCode),
        Destination(options.output), CourseLanguageCode(AppConfig));
    if (options.reportProfile) {
        const std::string name = Utf8ToCp1250(*options.reportProfile);
        std::vector<std::string> names;
        for (const TReportObj& profile : wizard.profiles)
            names.push_back(profile.Name);
        if (!NameKnown(session, names, name, "CLI_PROFILE_NOT_FOUND",
                       "No report profile \"%s\". Profiles:"))
            return kExitUsage;
        for (std::size_t i = 0; i < wizard.profiles.size(); ++i)
            if (wizard.profiles[i].Name == name) {
                wizard.profileIndex = static_cast<int>(i);
                wizard.options.profile = wizard.profiles[i];
            }
    }
    wizard.options.destination = Destination(options.output);
    if (!wizard.Accept(session.settings)) {
        session.output.Important(CliText("CLI_PROFILE_NONE", "There is no report profile."));
        return kExitFailed;
    }
    TVLMScenarioCommand command(run.Env(), SessionRenderer(session), &run.Definitions(),
                                session.clock);
    return ExitCodeOf(session, command.Execute(wizard.options));
}

int RunExportMedia(TCliSession& session, const TExportOptions& options) {
    TExportRun run(session, options);
    TExportResourcesWizard wizard = TExportResourcesWizard::Open(session.settings);
    wizard.options.destination = Destination(options.output);
    TExportResources command(run.Project(), run.Paths(), session.prompt);
    const TExportResult result = command.Execute(wizard.Accept(session.settings));
    const TMediaExportReport& report = command.Report();
    session.output.Message(
        CliText("CLI_MEDIA_COPIED", "Media files copied: %s", std::to_string(report.copied)));
    if (report.kept)
        session.output.Message(
            CliText("CLI_MEDIA_KEPT", "Existing files kept: %s", std::to_string(report.kept)));
    if (report.failed)
        session.output.Important(
            CliText("CLI_MEDIA_FAILED", "Files not copied: %s", std::to_string(report.failed)));
    return ExitCodeOf(session, result);
}

} // namespace vlm::cli
