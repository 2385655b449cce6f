#pragma once
// The program's main window (frmMain): the main toolbar, the left panel with
// its toolbar and the course tree, the client panel with the designer's
// place and the create-page box, and the status bar. It lays out and keeps
// the commands' states; what the commands do lives in the *Actions files.

#include "designer/CommandEnabling.h"
#include "project/MainCommands.h"

#include <QMainWindow>

#include <functional>
#include <memory>
#include <set>

class QGroupBox;
class QLabel;
class QProgressBar;
class QSplitter;

namespace vlm {

class TCourseActions;
class TCourseLifecycle;
class TCourseTreeView;
class TGuiSession;
class TProgressForm;

class TfrmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TfrmMain(TGuiSession& session, QWidget* parent = nullptr);
    ~TfrmMain() override;

    QAction* Action(const QString& name) const;
    TCourseLifecycle& Lifecycle() { return *lifecycle_; }
    TCourseTreeView& Tree() { return *tree_; }
    TCourseActions& Course() { return *course_; }
    QWidget& LeftPanel() { return *left_; }
    QGroupBox& CreatePageBox() { return *createPage_; }

    // Something the commands' states depend on changed: they are computed
    // again once, when the event loop next goes idle.
    void CommandsChanged();
    // A user-level failure has been told already (Abort); any other failure
    // is told here. Nothing escapes into the event loop.
    void RunCommand(const std::function<void()>& command);
    // The command's work; a command without any stays disabled.
    void On(const char* name, std::function<void()> handler);

    // After a course was opened or closed.
    void CourseShown();
    void ShowLeftPanel(bool visible);
    // The window's texts again, from the language now loaded.
    void Retranslate();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildLayout();
    void BuildStatusBar();
    TCommandSnapshot Snapshot() const;
    void UpdateCommands();

    TGuiSession& session_;
    TActionMap actions_;
    std::set<QString> handled_;
    TProgressForm* progress_;
    std::unique_ptr<TCourseLifecycle> lifecycle_;
    QWidget* left_ = nullptr;
    TCourseTreeView* tree_ = nullptr;
    QSplitter* splitter_ = nullptr;
    QWidget* dock_ = nullptr;
    QGroupBox* createPage_ = nullptr;
    QProgressBar* statusProgress_ = nullptr;
    std::unique_ptr<TCourseActions> course_;
    bool updatePending_ = false;
};

} // namespace vlm
