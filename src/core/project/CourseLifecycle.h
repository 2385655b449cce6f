#pragma once
// The one open course: its project file, course paths, resource register
// and live tree, and the commands that create, open, save, save under a new
// name, close it and edit its settings. Every change of the tree reaches the
// file as the tree's commands ask (autosave is always on).

#include "project/CoursePaths.h"
#include "project/CourseSettings.h"
#include "project/CourseTree.h"
#include "project/Project.h"
#include "project/ProjectTemplates.h"
#include "resources/Resources.h"
#include "resources/ResourcesNewName.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vlm {

class Clock;
class Progress;
class Random;
class UserPrompt;

// Told when a cancelled Save As leaves the course unsaved.
inline constexpr const char* kCourseNotSavedKey = "MESSAGE_PROJECT_NOT_SAVED";

// What the lifecycle needs from the designer and the dialogs.
struct TCourseHooks {
    // Saves the designer's page when it holds unsaved changes.
    std::function<void()> savePendingPage;
    // Hides the designer with its page (closing the course).
    std::function<void()> closeDesigner;
    // A file-save dialog (filter ProjectFilter, extension "vlmproject"):
    // the preselected file and the title; nothing on cancel.
    std::function<std::optional<std::filesystem::path>(const std::filesystem::path& preselected,
                                                       const std::string& title)>
        askSaveFileName;
    // The course settings dialog; false on cancel.
    std::function<bool(TCourseSettings& values)> editSettings;
    // The course-template dialog; nothing on cancel.
    std::function<std::optional<TProjectTemplateItem>(
        const std::vector<TProjectTemplateItem>& templates)>
        chooseTemplate;
    std::function<void(const std::string& caption)> captionChanged;
};

// What opening a course does with the resource register. The designer and
// `open` bring it up to date with the folder, hashing new and changed files;
// exports and checks read no digest, so they take it as stored.
enum class TRegisterOnOpen { Refresh, AsStored };

class TCourseLifecycle : private TCourseTreeObserver {
public:
    static constexpr const char* kApplicationTitle = "Vellumar4";

    TCourseLifecycle(UserPrompt& prompt, const Clock& clock, Random& random, Progress& progress);
    ~TCourseLifecycle() override;
    TCourseLifecycle(const TCourseLifecycle&) = delete;
    TCourseLifecycle& operator=(const TCourseLifecycle&) = delete;

    TCourseHooks Hooks;
    TProject Project;
    TCoursePaths Paths;
    TProjectResources Resources;
    TCourseTree Tree;
    bool CourseOpen = false;
    bool CourseSaved = true;
    std::string Caption = kApplicationTitle;
    // The copy of the project file kept when the course, opened from a file
    // the tree had to repair (items it leaves out, no root, page numbers used
    // twice, a cut last item), was first written over that file; empty
    // while nothing was written or nothing needed repair.
    std::filesystem::path RepairBackup;
    // The files of the resources folder the last opening renamed because
    // cp1250 cannot hold their names (they would be registered under names
    // that name no file).
    std::vector<TRenamedResource> RenamedResources;

    // LangText("SFileFiltersProject") + "|*.vlmproject;*.prj".
    static std::string ProjectFilter();

    // Closes the open course, then opens the file. A missing or malformed
    // file is reported and throws Abort; no course is open then. A file the
    // tree must repair is copied to RepairBackup before the course is first
    // written over it.
    void OpenCourse(const std::filesystem::path& file,
                    TRegisterOnOpen resources = TRegisterOnOpen::Refresh);
    // Writes the course when force is set and the tree has nodes. A failed
    // write offers Save As, which asks for a new file first; true when the
    // course was written somewhere.
    bool SaveCourse(bool force);
    bool AutoSaveCourse();
    bool SaveCourseAs();
    void CloseCourse();
    // The new-course command: the template list, then the file name (cancel
    // returns to the list), then the course. False when the list was cancelled.
    bool NewCourse(const std::filesystem::path& programDir, const std::string& languageCode);
    // One template to one file; false when an existing file was to be kept.
    bool NewCourseFrom(const TProjectTemplateItem& item, const std::filesystem::path& file);
    // The settings dialog until its values can be stored or it is cancelled.
    bool EditCourseSettings();
    std::string CaptionText() const;
    void UpdateCaption();

private:
    void LeaveCourse();
    void WriteCurrentFile();
    bool RecoverFailedSave();
    void SaveAsTo(const std::filesystem::path& file);
    void OpenResources(TRegisterOnOpen mode);
    void KeepRepairBackup();
    bool repairPending_ = false; // opened from a file the tree repaired; no backup yet
    // Temporary files of saves that a kill stopped halfway.
    void RemoveKilledSaves(const std::filesystem::path& file) const;
    void CourseTreeChanged(const TCourseTreeChange& change) override;

    UserPrompt& prompt_;
    const Clock& clock_;
    Random& random_;
    Progress& progress_;
};

} // namespace vlm
