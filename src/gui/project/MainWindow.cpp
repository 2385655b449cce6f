#include "project/MainWindow.h"

#include "app/AppStartup.h"
#include "app/GuiSession.h"
#include "app/IniLang.h"
#include "app/UserPrompt.h"
#include "app/VLMXConfig.h"
#include "common/ProgressForm.h"
#include "common/QtText.h"
#include "common/WindowTranslation.h"
#include "designer/ClipboardRecord.h"
#include "project/CourseActions.h"
#include "project/CourseLifecycle.h"
#include "project/CourseTreeView.h"
#include "project/HelpActions.h"
#include "project/ProgramActions.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QProgressBar>
#include <QSplitter>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <filesystem>

namespace vlm {

TfrmMain::TfrmMain(TGuiSession& session, QWidget* parent)
    : QMainWindow(parent), session_(session),
      progress_(new TProgressForm(session.Language(), this)),
      lifecycle_(std::make_unique<TCourseLifecycle>(session.Prompt(), session.clock, session.random,
                                                    *progress_)) {
    setObjectName("frmMain");
    EnsureMainRegKey(session_.Settings());
    actions_ = CreateCommands(*this);
    BuildLayout();
    course_ = std::make_unique<TCourseActions>(*this, session_, *lifecycle_, *tree_);
    ConnectProgramActions(*this, session_);
    ConnectHelpActions(*this, session_);
    for (const auto& [name, action] : actions_)
        connect(action, &QAction::triggered, this, [this] { CommandsChanged(); });
    connect(tree_, &TCourseTreeView::Changed, this, [this] { CommandsChanged(); });
    connect(qApp, &QApplication::focusChanged, this, [this] { CommandsChanged(); });
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this,
            [this] { CommandsChanged(); });
    resize(1024, 700);
    Retranslate();
    CourseShown();
    UpdateCommands();
}

TfrmMain::~TfrmMain() {
    // The tree view observes the lifecycle's tree: it goes first.
    delete tree_;
    tree_ = nullptr;
}

QAction* TfrmMain::Action(const QString& name) const {
    const auto it = actions_.find(name);
    return it == actions_.end() ? nullptr : it->second;
}

void TfrmMain::BuildLayout() {
    auto* toolbar = addToolBar(QString());
    toolbar->setObjectName(MainToolbar().name);
    toolbar->setMovable(false);
    FillToolbar(*toolbar, MainToolbar().items, actions_);
    FillMenuBar(*menuBar(), actions_, session_.Options().debug);
    auto* treeEdit = new QAction(this);
    treeEdit->setObjectName("miProjectTreeEdit");
    actions_[treeEdit->objectName()] = treeEdit;
    for (const TCommandList& list : PopupMenus()) {
        auto* menu = new QMenu(this);
        menu->setObjectName(list.name);
        FillMenu(*menu, list.items, actions_);
    }

    left_ = new QWidget;
    left_->setObjectName("pnlLeft");
    auto* treeBar = new QToolBar(left_);
    treeBar->setObjectName(TreeToolbar().name);
    treeBar->setIconSize(QSize(16, 16));
    FillToolbar(*treeBar, TreeToolbar().items, actions_);
    tree_ = new TCourseTreeView(lifecycle_->Tree, left_);
    tree_->setContextMenuPolicy(Qt::CustomContextMenu);
    auto* treeMenu = findChild<QMenu*>("popProjectTree");
    connect(tree_, &QWidget::customContextMenuRequested, this, [this, treeMenu](const QPoint& at) {
        treeMenu->popup(tree_->viewport()->mapToGlobal(at));
    });
    connect(treeMenu, &QMenu::aboutToShow, this, [this, treeEdit] {
        const TCourseNode* node = tree_->CurrentNode();
        QAction* bound =
            Action(node && node->IsRoot() ? "actCourseProperties" : "actProjectItemRename");
        treeEdit->setText(bound->text());
        treeEdit->setEnabled(bound->isEnabled());
        treeEdit->setData(bound->objectName());
    });
    connect(treeEdit, &QAction::triggered, this, [this, treeEdit] {
        if (QAction* bound = Action(treeEdit->data().toString()); bound && bound->isEnabled())
            bound->trigger();
    });
    // The create-page box offers the page kinds of a newly chosen page.
    connect(tree_, &QTreeWidget::currentItemChanged, this, [this] {
        const TCourseNode* node = tree_->CurrentNode();
        createPage_->setVisible(node && !node->IsRoot());
    });
    auto* leftLayout = new QVBoxLayout(left_);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->setSpacing(0);
    leftLayout->addWidget(treeBar);
    leftLayout->addWidget(tree_);

    dock_ = new QWidget;
    dock_->setObjectName("pnlDock");
    createPage_ = new QGroupBox(dock_);
    createPage_->setObjectName("gbCreateNewPage");
    auto* boxLayout = new QVBoxLayout(createPage_);
    for (const char* name :
         {"actEditContent", "actEditURLLink", "actEditOutsideDocument", "actImportPage"}) {
        auto* button = new QToolButton(createPage_);
        button->setDefaultAction(Action(name));
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        boxLayout->addWidget(button);
    }
    auto* dockLayout = new QVBoxLayout(dock_);
    dockLayout->addWidget(createPage_, 0, Qt::AlignCenter);

    splitter_ = new QSplitter(this);
    splitter_->setObjectName("Splitter1");
    splitter_->addWidget(left_);
    splitter_->addWidget(dock_);
    splitter_->setStretchFactor(1, 1);
    splitter_->setSizes({260, 764});
    setCentralWidget(splitter_);
    BuildStatusBar();
}

void TfrmMain::BuildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName("StatusBar1");
    for (int i = 0; i < 6; ++i) {
        auto* panel = new QLabel(bar);
        panel->setObjectName(QStringLiteral("pnlStatus%1").arg(i));
        panel->setMinimumWidth(i == 4 ? 300 : 60);
        if (i == 4)
            panel->setMaximumWidth(300);
        bar->addWidget(panel, i == 5 ? 1 : 0);
    }
    // Long operations show their progress here; placed over the panels.
    statusProgress_ = new QProgressBar(bar);
    statusProgress_->setObjectName("pbStatus");
    statusProgress_->setGeometry(500, 3, 250, 14);
    statusProgress_->setTextVisible(false);
    statusProgress_->hide();
}

void TfrmMain::On(const char* name, std::function<void()> handler) {
    QAction* action = Action(name);
    if (!action)
        return;
    handled_.insert(action->objectName());
    if (handler)
        connect(action, &QAction::triggered, this,
                [this, handler = std::move(handler)] { RunCommand(handler); });
}

void TfrmMain::RunCommand(const std::function<void()>& command) {
    try {
        command();
    } catch (const Abort&) {
    } catch (const std::exception& e) {
        session_.Prompt().MessageDlg(e.what(), DialogType::Error, kButtonsOK);
    }
    CommandsChanged();
}

void TfrmMain::CommandsChanged() {
    if (updatePending_)
        return;
    updatePending_ = true;
    QTimer::singleShot(0, this, [this] {
        updatePending_ = false;
        UpdateCommands();
    });
}

TCommandSnapshot TfrmMain::Snapshot() const {
    TCommandSnapshot s;
    s.courseOpen = lifecycle_->CourseOpen;
    if (const TCourseNode* node = tree_->CurrentNode()) {
        s.nodeSelected = true;
        s.pageSelected = !node->IsRoot();
        s.pageKind = node->Item().PageType;
    }
    s.treeFocused = tree_->hasFocus();
    if (const QMimeData* data = QApplication::clipboard()->mimeData())
        s.clipboardHasElement = data->hasFormat(kClipboardFormat);
    s.helpFile = session_.AppliedLanguage().helpVisible;
    s.faqFile = session_.AppliedLanguage().faqVisible;
    const std::string shortcuts = LangText("SKeyboardShortcutsFile");
    std::error_code ec;
    s.shortcutsFile = !shortcuts.empty() &&
                      std::filesystem::is_regular_file(session_.ProgramDir() / shortcuts, ec);
    s.projectPanelVisible = !left_->isHidden();
    s.debug = session_.Options().debug;
    return s;
}

void TfrmMain::UpdateCommands() {
    for (const TCommandState& state : CommandStates(Snapshot())) {
        QAction* action = Action(QString::fromStdString(state.name));
        if (!action)
            continue;
        action->setEnabled(state.enabled && handled_.contains(action->objectName()));
        if (action->isCheckable())
            action->setChecked(state.checked);
        action->setVisible(state.visible);
    }
}

void TfrmMain::CourseShown() {
    ShowLeftPanel(lifecycle_->CourseOpen);
    createPage_->hide();
    setWindowTitle(ToQt(lifecycle_->CaptionText()));
    CommandsChanged();
}

void TfrmMain::ShowLeftPanel(bool visible) {
    left_->setVisible(visible);
    CommandsChanged();
}

void TfrmMain::Retranslate() {
    TranslateWindow(*this, session_.Language());
    setWindowTitle(ToQt(lifecycle_->CaptionText()));
    tree_->RefreshTexts();
    CommandsChanged();
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    // Closing ends the course as its own command does: a changed course is saved.
    RunCommand([this] { lifecycle_->CloseCourse(); });
    CourseShown();
    WriteLanguageValue(session_.Settings(), AppConfig);
    event->accept();
}

} // namespace vlm
