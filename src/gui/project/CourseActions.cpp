#include "project/CourseActions.h"

#include "app/GuiSession.h"
#include "app/IniLang.h"
#include "common/DialogFilter.h"
#include "common/QtText.h"
#include "project/CourseLifecycle.h"
#include "project/CourseSettingsForm.h"
#include "project/CourseTreeView.h"
#include "project/MainWindow.h"
#include "project/ProjectTemplatesForm.h"

#include <QFileDialog>

namespace vlm {

namespace fs = std::filesystem;

std::optional<fs::path> AskFileWithDialog(const TFileQuestion& question, QWidget* parent) {
    QFileDialog dialog(parent, ToQt(question.title));
    dialog.setObjectName(question.save ? "dlgSave" : "dlgOpen");
    dialog.setAcceptMode(question.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(question.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilter(ToQt(ToolkitFileFilter(question.filter)));
    if (!question.defaultSuffix.empty())
        dialog.setDefaultSuffix(ToQt(question.defaultSuffix));
    if (!question.preselected.empty())
        dialog.selectFile(QString::fromStdString(question.preselected.string()));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return fs::path(dialog.selectedFiles().constFirst().toStdString());
}

TCourseActions::TCourseActions(TfrmMain& window, TGuiSession& session, TCourseLifecycle& lifecycle,
                               TCourseTreeView& tree)
    : window_(window), session_(session), lifecycle_(lifecycle), tree_(tree) {
    AskFile = [this](const TFileQuestion& question) {
        return AskFileWithDialog(question, &window_);
    };
    ChooseTemplate = [this](const std::vector<TProjectTemplateItem>& templates) {
        return TfrmProjectTemplates::Choose(templates, session_.Language(), &window_);
    };

    TCourseHooks& hooks = lifecycle_.Hooks;
    hooks.askSaveFileName = [this](const fs::path& preselected, const std::string& title) {
        return AskFile({true, title, TCourseLifecycle::ProjectFilter(), "vlmproject", preselected});
    };
    hooks.chooseTemplate = [this](const std::vector<TProjectTemplateItem>& templates) {
        return ChooseTemplate(templates);
    };
    hooks.editSettings = [this](TCourseSettings& values) {
        return TcourseSettingsForm::Edit(values, session_.Language(), &window_);
    };
    hooks.captionChanged = [this](const std::string& caption) {
        window_.setWindowTitle(ToQt(caption));
    };

    window_.On("actNewProject", [this] { NewCourse(); });
    window_.On("actLoadProject", [this] { OpenCourse(); });
    window_.On("actSaveCourse", [this] { lifecycle_.SaveCourse(true); });
    window_.On("actSaveCourseAs", [this] { lifecycle_.SaveCourseAs(); });
    window_.On("actCloseCourse", [this] {
        lifecycle_.CloseCourse();
        window_.CourseShown();
    });
    window_.On("actCourseProperties", [this] { lifecycle_.EditCourseSettings(); });
    window_.On("actProjectItemAdd", [this] { lifecycle_.Tree.Add(tree_.CurrentNode()); });
    window_.On("actProjectItemRename", [this] { tree_.StartRename(); });
    window_.On("actProjectItemDelete", [this] {
        TCourseNode* node = tree_.CurrentNode();
        if (node && !node->IsRoot())
            lifecycle_.Tree.Delete(node);
    });
    window_.On("actProjectItemUp", [this] { Move(&TCourseTree::MoveUp); });
    window_.On("actProjectItemDown", [this] { Move(&TCourseTree::MoveDown); });
    window_.On("actProjectItemLeft", [this] { Move(&TCourseTree::MoveLeft); });
    window_.On("actProjectItemRight", [this] { Move(&TCourseTree::MoveRight); });
}

void TCourseActions::NewCourse() {
    // Whatever happens, the window shows the course that is open afterwards.
    struct Shown {
        TfrmMain& window;
        ~Shown() { window.CourseShown(); }
    } shown{window_};
    if (lifecycle_.NewCourse(session_.ProgramDir(), ContentLanguage()))
        tree_.Select(lifecycle_.Tree.Root());
}

void TCourseActions::OpenCourse() {
    const std::optional<fs::path> file = AskFile({false,
                                                  LangText("DIALOG_OPEN_TITLE_OPEN_PROJECT"),
                                                  TCourseLifecycle::ProjectFilter(),
                                                  {},
                                                  {}});
    if (!file)
        return;
    struct Shown {
        TfrmMain& window;
        ~Shown() { window.CourseShown(); }
    } shown{window_};
    lifecycle_.OpenCourse(*file);
    tree_.Select(lifecycle_.Tree.Root());
}

void TCourseActions::Move(bool (TCourseTree::*move)(TCourseNode*)) {
    TCourseNode* node = tree_.CurrentNode();
    if (!node || !tree_.hasFocus())
        return;
    (lifecycle_.Tree.*move)(node);
    tree_.Select(node);
}

} // namespace vlm
