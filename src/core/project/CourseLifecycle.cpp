#include "project/CourseLifecycle.h"

#include "common/FileWrite.h"

#include "app/IniLang.h"
#include "app/UserPrompt.h"
#include "app/VLMXConfig.h"
#include "common/CopyDirUnit.h"
#include "common/Encoding.h"
#include "common/FilesTools.h"
#include "common/Progress.h"
#include "project/CourseStructure.h"

#include <set>
#include <stdexcept>

namespace vlm {

namespace fs = std::filesystem;

namespace {

constexpr const char* kResourcesFile = "resources.xml";

bool SameFolder(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    if (fs::equivalent(a, b, ec))
        return true;
    return fs::weakly_canonical(a, ec) == fs::weakly_canonical(b, ec);
}

} // namespace

TCourseLifecycle::TCourseLifecycle(UserPrompt& prompt, const Clock& clock, Random& random,
                                   Progress& progress)
    : Project(prompt), Tree(prompt, clock, random), prompt_(prompt), clock_(clock), random_(random),
      progress_(progress) {
    Tree.AddObserver(this);
}

TCourseLifecycle::~TCourseLifecycle() {
    Tree.RemoveObserver(this);
}

std::string TCourseLifecycle::ProjectFilter() {
    return LangText("SFileFiltersProject") + "|*.vlmproject;*.prj";
}

void TCourseLifecycle::CourseTreeChanged(const TCourseTreeChange& change) {
    if (!CourseOpen)
        return;
    if (change.flags & (tcUnsaved | tcSaveNow))
        CourseSaved = false;
    if (change.flags & tcSaveNow)
        AutoSaveCourse();
}

void TCourseLifecycle::OpenResources(TRegisterOnOpen mode) {
    // The register is rebuilt from the folder's files on every opening, so a
    // damaged register file loses nothing and a course on read-only media
    // still opens.
    try {
        Resources.Load(Paths.CourseDir / kResourcesFile);
    } catch (const std::exception&) {
        Resources.Clear();
    }
    RenamedResources = RenameFilesCp1250CannotName(Paths.CourseResourcesDir);
    if (mode == TRegisterOnOpen::AsStored)
        return;
    Resources.Refresh(Paths.CourseResourcesDir, progress_);
    try {
        Resources.Save(Paths.CourseDir / kResourcesFile);
    } catch (const std::exception&) {
    }
}

void TCourseLifecycle::RemoveKilledSaves(const fs::path& file) const {
    // A save killed halfway leaves its temporary file; a minute's age tells
    // it from a save of another instance going on right now.
    constexpr std::chrono::seconds kAge(60);
    const std::string own = file.filename().string();
    RemoveStaleTemporaries(file.parent_path(), kAge,
                           [&own](const std::string& name) { return name == own; });
    RemoveStaleTemporaries(Paths.CourseDir, kAge);
    for (const auto& item : Project.Items)
        RemoveStaleTemporaries(Paths.PageDir(item->Id), kAge);
}

void TCourseLifecycle::KeepRepairBackup() {
    if (!repairPending_)
        return;
    repairPending_ = false;
    const fs::path file = Project.FileName;
    // "x.vlmproject.bak", or ".bak2", ".bak3"...: an older backup stays.
    std::error_code ec;
    for (int n = 1; n < 1000; ++n) {
        fs::path backup = file;
        backup += n == 1 ? ".bak" : ".bak" + std::to_string(n);
        if (fs::exists(backup, ec))
            continue;
        if (!CopyFileWhole(file, backup, false))
            RepairBackup = backup;
        return;
    }
}

void TCourseLifecycle::OpenCourse(const fs::path& file, TRegisterOnOpen resources) {
    if (CourseOpen)
        CloseCourse();
    Paths = TCoursePaths::ForProjectFile(file);
    Tree.Paths = Paths;
    try {
        Project.LoadFromFile(file);
        RepairBackup.clear();
        repairPending_ = !FindStructureProblems(Project).empty() || HasCutLastItem(file);
        RemoveKilledSaves(file);
        OpenResources(resources);
        Tree.IdCounter = Project.MaxItemId();
        Tree.ResetDuplicateQuestion();
        Tree.BuildTree(Project);
    } catch (...) {
        // A partial tree must not be written over the file by a later save.
        Tree.Clear();
        Paths = {};
        Tree.Paths = {};
        throw;
    }
    UpdateCaption();
    CourseOpen = true;
    CourseSaved = true;
}

void TCourseLifecycle::WriteCurrentFile() {
    if (Hooks.savePendingPage)
        Hooks.savePendingPage();
    Tree.SyncToProject(Project);
    KeepRepairBackup();
    Project.SaveToFile(Project.FileName, false);
    CourseSaved = true;
}

bool TCourseLifecycle::SaveCourse(bool force) {
    if (!force || Tree.Empty())
        return false;
    try {
        WriteCurrentFile();
        return true;
    } catch (const Abort&) {
    } catch (const std::exception&) {
    }
    return RecoverFailedSave();
}

bool TCourseLifecycle::AutoSaveCourse() {
    return SaveCourse(AppConfig.AutoSave);
}

bool TCourseLifecycle::RecoverFailedSave() {
    // Each round asks for a new file before writing anything, so a file
    // that cannot be written is never tried again by itself.
    std::set<fs::path> failed{Project.FileName};
    while (true) {
        if (prompt_.MessageBox(LangText("MESSAGE_SAVE_CURRENT_PROJECT_CAPTION"),
                               LangText("ERROR_PROJECT_IS_READ_ONLY"), DialogType::Error,
                               kButtonsOKCancel) != mrOK) {
            CourseSaved = false;
            return false;
        }
        std::optional<fs::path> file;
        if (Hooks.askSaveFileName)
            file = Hooks.askSaveFileName(Project.FileName,
                                         LangText("DIALOG_SAVE_TITLE_SAVE_PROJECT_AS"));
        // The same failed file again would only fail again.
        if (!file || file->empty() || failed.count(*file)) {
            CourseSaved = false;
            prompt_.ShowMessage(LangText(kCourseNotSavedKey));
            return false;
        }
        try {
            SaveAsTo(*file);
            return true;
        } catch (const Abort&) {
        } catch (const std::exception&) {
        }
        failed.insert(*file);
    }
}

void TCourseLifecycle::SaveAsTo(const fs::path& file) {
    Tree.SyncToProject(Project);
    Project.SaveToFile(file, true);
    const TCoursePaths target = TCoursePaths::ForProjectFile(file);
    std::error_code ec;
    if (!Paths.CourseDir.empty() && fs::exists(Paths.CourseDir, ec) &&
        !SameFolder(Paths.CourseDir, target.CourseDir)) {
        // A copy with missing pages is not the course: the old one stays open
        // and the caller asks for another name.
        TDirCopy copy(progress_);
        if (!copy.CopyTree(Paths.CourseDir, target.CourseDir))
            throw std::runtime_error("The course folder could not be copied to " +
                                     PathToCp1250(target.CourseDir));
    }
    Project.LoadFromFile(file);
    Paths = target;
    Tree.Paths = Paths;
    Tree.BuildTree(Project, false);
    // The copy is another course: its pages get identifiers of their own,
    // written at once so that closing cannot lose them.
    for (TCourseNode* node : Tree.Nodes())
        node->Item().Stamp = Tree.NewStamp();
    UpdateCaption();
    WriteCurrentFile();
}

bool TCourseLifecycle::SaveCourseAs() {
    if (!CourseOpen || Tree.Empty())
        return false;
    try {
        WriteCurrentFile();
    } catch (const Abort&) {
        return RecoverFailedSave();
    } catch (const std::exception&) {
        return RecoverFailedSave();
    }
    std::optional<fs::path> file;
    if (Hooks.askSaveFileName)
        file =
            Hooks.askSaveFileName(Project.FileName, LangText("DIALOG_SAVE_TITLE_SAVE_PROJECT_AS"));
    if (!file || file->empty())
        return false;
    try {
        SaveAsTo(*file);
        return true;
    } catch (const Abort&) {
    } catch (const std::exception&) {
    }
    return RecoverFailedSave();
}

void TCourseLifecycle::LeaveCourse() {
    if (CourseOpen && !CourseSaved)
        AutoSaveCourse();
}

void TCourseLifecycle::CloseCourse() {
    LeaveCourse();
    if (Hooks.closeDesigner)
        Hooks.closeDesigner();
    CourseOpen = false;
    Tree.Clear();
}

bool TCourseLifecycle::NewCourseFrom(const TProjectTemplateItem& item, const fs::path& file) {
    LeaveCourse();
    // Replacing the open course's own file: close it before its folder goes.
    const auto closeIfOwn = [&] {
        std::error_code ec;
        if (CourseOpen && fs::equivalent(file, Project.FileName, ec))
            CloseCourse();
    };
    if (!CreateCourseFromTemplate(item, file, prompt_, clock_, random_, progress_, closeIfOwn))
        return false;
    OpenCourse(file);
    EditCourseSettings();
    return true;
}

bool TCourseLifecycle::NewCourse(const fs::path& programDir, const std::string& languageCode) {
    LeaveCourse();
    const std::vector<TProjectTemplateItem> templates =
        ListProjectTemplates(programDir, languageCode);
    while (Hooks.chooseTemplate) {
        const std::optional<TProjectTemplateItem> chosen = Hooks.chooseTemplate(templates);
        if (!chosen)
            return false;
        std::optional<fs::path> file;
        if (Hooks.askSaveFileName)
            file = Hooks.askSaveFileName({}, LangText("DIALOG_SAVE_TITLE_SAVE_PROJECT_AS"));
        if (!file || file->empty())
            continue; // back to the list
        if (NewCourseFrom(*chosen, *file))
            return true;
    }
    return false;
}

bool TCourseLifecycle::EditCourseSettings() {
    if (Project.FileName.empty() || !Hooks.editSettings || Tree.Empty())
        return false;
    TCourseSettings values = ReadCourseSettings(Project);
    std::optional<TCourseSettings> refused;
    while (true) {
        if (!Hooks.editSettings(values))
            return false;
        const std::optional<std::string> problem = CourseSettingsProblem(values);
        if (!problem)
            break;
        // The same values refused twice: the dialog cannot get further.
        if (refused == values)
            return false;
        refused = values;
        prompt_.MessageBox({}, LangText(*problem), DialogType::Warning, kButtonsOK);
    }
    StoreCourseSettings(values, Project);
    UpdateCaption();
    AutoSaveCourse();
    CourseSaved = false;
    // The root's new name reaches the file with the next write.
    Tree.Root()->Item().Name = Project.Title;
    Tree.Notify(tcText | tcUnsaved, Tree.Root());
    return true;
}

std::string TCourseLifecycle::CaptionText() const {
    std::string caption = kApplicationTitle;
    if (!Project.Title.empty())
        caption += " - " + Project.Title;
    if (!Project.FileName.empty())
        caption += " [" + PathToCp1250(Project.FileName) + "]";
    return caption;
}

void TCourseLifecycle::UpdateCaption() {
    Caption = CaptionText();
    if (Hooks.captionChanged)
        Hooks.captionChanged(Caption);
}

} // namespace vlm
