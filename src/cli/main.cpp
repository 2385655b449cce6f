// vellumar-cli: course creation, inspection, checks and exports without
// windows. Every rule and format belongs to the core; this file only maps
// the command line onto it.

#include "CheckCommand.h"
#include "CliSession.h"
#include "CourseCommands.h"
#include "ExportCommands.h"
#include "InfoCommand.h"
#include "PageCommands.h"
#include "PageTemplateCommands.h"
#include "RenderCommand.h"
#include "ListCommand.h"

#include "CliLanguage.h"
#include "app/VLMVars.h"

#include <CLI/CLI.hpp>

using namespace vlm::cli;

int main(int argc, char** argv) {
    CLI::App app{"Vellumar 4 command line: create, inspect, check and export courses",
                 "vellumar-cli"};
    app.require_subcommand(1);
    app.fallthrough();

    TCommonOptions common;
    // The run's language, read before the rest of the command line so that
    // its help speaks it too.
    ScanLanguageOptions(argc, argv, common.programDir, common.language);
    const std::filesystem::path programDir = SelectRunLanguage(
        common.programDir, common.language, argc > 0 ? argv[0] : "", vlm::SystemEnvironment());
    app.set_version_flag("--version", "vellumar-cli " VLM_PROJECT_VERSION, "Show the version");
    app.add_option("--program-dir", common.programDir, "The program's data folder");
    app.add_option("--lang", common.language,
                   "Language of messages and of new courses and exports (default: the "
                   "environment's, else the configured one)")
        ->transform(CLI::IsMember({"PL", "EN", "DE", "FR"}, CLI::ignore_case));
    CLI::Option* yes = app.add_flag("--yes,-y", common.yes, "Answer Yes to every confirmation");
    CLI::Option* no = app.add_flag("--no,-n", common.no, "Answer No to every confirmation");
    yes->excludes(no);
    app.add_flag("--quiet,-q", common.quiet, "Only failures and unanswered questions on stderr");
    app.add_flag("--log", common.log, "Write the diagnostic log");

    std::string file;
    bool json = false;

    CLI::App* newCmd = app.add_subcommand("new", "Create a course from a course template");
    TNewOptions newOptions;
    newCmd->add_option("--template", newOptions.templateName, "Template folder name or caption")
        ->required();
    newCmd->add_option("--title", newOptions.title, "Course name");
    newCmd->add_option("FILE", newOptions.file, "The new .vlmproject file")->required();

    CLI::App* infoCmd = app.add_subcommand("info", "Course settings and course tree");
    infoCmd->add_flag("--json", json, "One JSON object");
    infoCmd->add_option("FILE", file, "The .vlmproject file")->required();

    CLI::App* openCmd =
        app.add_subcommand("open", "Open as the program does, renumber the tree and save");
    openCmd->add_option("FILE", file, "The .vlmproject file")->required();

    CLI::App* checkCmd =
        app.add_subcommand("check", "Find problems in a course (exit code 1 when one is an error)");
    checkCmd->add_flag("--json", json, "A JSON array of findings");
    checkCmd->add_option("FILE", file, "The .vlmproject file")->required();

    CLI::App* exportCmd = app.add_subcommand(
        "export", "Export the course (the course check runs first; its findings are warnings)");
    exportCmd->require_subcommand(1);
    TExportOptions exportOptions;
    const auto target = [&](const std::string& name, const std::string& help,
                            const std::string& output) {
        CLI::App* sub = exportCmd->add_subcommand(name, help);
        sub->add_option("FILE", exportOptions.file, "The .vlmproject file")->required();
        sub->add_option("-o,--output", exportOptions.output, output)->required();
        return sub;
    };
    exportCmd->add_flag("--strict", exportOptions.strict,
                        "Fail when the course check finds anything (else only warnings)");
    const auto designs = [&programDir] { return DesignsFooter(programDir); };
    CLI::App* offlineCmd = target("offline", "Folder for the offline course browser", "FOLDER");
    offlineCmd->add_option("--design", exportOptions.design, "Export design");
    offlineCmd->footer(designs);
    CLI::App* aiccCmd = target("aicc", "Folder with the AICC course structure files", "FOLDER");
    aiccCmd->add_option("--profile", exportOptions.profile, "default or leo")
        ->check(CLI::IsMember({"default", "leo"}));
    bool multiSCO = false, singleSCO = false;
    aiccCmd->add_flag("--multi-sco", multiSCO, "Every page its own unit")
        ->excludes(aiccCmd->add_flag("--single-sco", singleSCO, "One unit for the whole course"));
    aiccCmd->add_option("--url", exportOptions.url, "Base address of the course");
    aiccCmd->add_option("--design", exportOptions.design, "Export design");
    aiccCmd->footer(designs);
    CLI::App* scormCmd = target("scorm", "SCORM 1.2 package", "PACKAGE.zip");
    scormCmd->add_option("--schema-location", exportOptions.schemaLocation,
                         "Schema location written into the manifest");
    scormCmd->add_option("--url-path", exportOptions.urlPath, "Address of the course on the LMS");
    scormCmd->add_flag("--cmi-adapter", exportOptions.cmiAdapter, "Include the CMI adapter");
    CLI::App* serverCmd = target("server", "Package for the course server", "PACKAGE.zip");
    CLI::App* examCmd = target("exam", "Exam package for the course server", "PACKAGE.zip");
    CLI::App* scenarioCmd = target("scenario", "RTF scenario report", "REPORT.rtf");
    scenarioCmd->add_option("--profile", exportOptions.reportProfile, "Report profile");
    scenarioCmd->footer([&programDir] { return ProfilesFooter(programDir); });
    CLI::App* mediaCmd = target("media", "Copy of the course's sound and video files", "FOLDER");

    CLI::App* renderCmd =
        app.add_subcommand("render", "Draw a page, or one of its elements, to a PNG picture");
    TRenderOptions renderOptions;
    renderCmd->add_option("FILE", renderOptions.file, "The .vlmproject file")->required();
    renderCmd->add_option("--item", renderOptions.item, "The page's position in the course tree")
        ->required();
    renderCmd->add_option("-o,--output", renderOptions.output, "PICTURE.png")->required();
    renderCmd->add_option("--element", renderOptions.element, "Only this element, by name");
    renderCmd->add_option("--size", renderOptions.size, "W,H (default: the page or element)");
    // "page" is made by the page commands; the template commands join it.
    const TPageCommands pageCommands(app);
    TPageTemplateCommands pageTemplates;
    AddPageTemplateCommands(app, pageTemplates);
    CLI::App* listCmd = app.add_subcommand("list", "The export designs or the report profiles");
    std::string listWhat;
    listCmd->add_option("WHAT", listWhat, "designs or profiles")
        ->required()
        ->check(CLI::IsMember({"designs", "profiles"}));
    TranslateHelp(app);

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        const int code = app.exit(e);
        return code == 0 ? kExitDone : kExitUsage;
    }

    if (multiSCO || singleSCO)
        exportOptions.multiSCO = multiSCO;

    // Page pictures start the web engine.
    if (*renderCmd || *scenarioCmd)
        RestartForRenderer(argv);

    TCliSession session(common, argc > 0 ? argv[0] : "vellumar-cli");
    if (!session.Start(programDir))
        return kExitFailed;
    return session.Run([&]() -> int {
        if (const std::optional<int> code = RunPageTemplateCommands(session, pageTemplates))
            return *code;
        if (*newCmd)
            return RunNew(session, newOptions);
        if (*infoCmd)
            return RunInfo(session, file, json);
        if (*openCmd)
            return RunOpen(session, file);
        if (*checkCmd)
            return RunCheck(session, file, json);
        if (*offlineCmd)
            return RunExportOffline(session, exportOptions);
        if (*aiccCmd)
            return RunExportAicc(session, exportOptions);
        if (*scormCmd)
            return RunExportScorm(session, exportOptions);
        if (*serverCmd)
            return RunExportServer(session, exportOptions, false);
        if (*examCmd)
            return RunExportServer(session, exportOptions, true);
        if (*scenarioCmd)
            return RunExportScenario(session, exportOptions);
        if (*mediaCmd)
            return RunExportMedia(session, exportOptions);
        if (*renderCmd)
            return RunRender(session, renderOptions);
        if (pageCommands.Selected())
            return pageCommands.Run(session);
        if (*listCmd)
            return RunList(session, listWhat);
        return kExitUsage;
    });
}
