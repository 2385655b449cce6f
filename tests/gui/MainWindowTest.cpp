// The main window driven through its commands, as a user would, with the
// core's questions answered by a script.

#include "project/MainWindow.h"
#include "app/GuiSession.h"
#include "app/QtSettingsStore.h"
#include "app/SettingsStore.h"
#include "app/VLMXConfig.h"
#include "common/Encoding.h"
#include "common/QtText.h"
#include "common/Shell.h"
#include "project/CourseActions.h"
#include "project/CourseLifecycle.h"
#include "project/CourseTreeView.h"

#include "fakes/Fakes.h"
#include "fakes/TempFolder.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <fstream>

using namespace vlm;
namespace fs = std::filesystem;

namespace {

void Shot(QWidget& window, const char* name) {
    const QByteArray folder = qgetenv("VLM_SCREENSHOTS");
    if (!folder.isEmpty())
        window.grab().save(QString::fromUtf8(folder) + "/" + name + ".png");
}

// Does `act` on the modal dialog of this name once it is shown.
void OnDialog(const QString& name, std::function<void(QWidget&)> act) {
    QTimer::singleShot(50, [name, act = std::move(act)] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (dialog && dialog->objectName() == name)
            act(*dialog);
        else
            OnDialog(name, act);
    });
}

// One run of the program on the data folder, in English.
class MainWindowTest : public ::testing::Test {
protected:
    void Start(std::vector<std::string> args = {}) {
        ::setenv("VELLUMAR_HOME", VLM_DATA_DIR, 1);
        fs::create_directories(courseFile.parent_path());
        session = std::make_unique<TGuiSession>(
            "/nonexistent/vellumar", ParseGuiArguments(args),
            std::make_unique<QtSettingsStore>(QString::fromStdString((dir / "s.conf").string())),
            &prompt);
        ASSERT_TRUE(session->Start());
        ASSERT_TRUE(session->SwitchLanguage("EN"));
        window = std::make_unique<TfrmMain>(*session);
        window->Course().AskFile = [this](const TFileQuestion& question) {
            asked.push_back(question);
            return std::optional<fs::path>(courseFile);
        };
        Idle();
    }
    void TearDown() override {
        window.reset();
        session.reset();
        ::unsetenv("VELLUMAR_HOME");
    }

    static void Idle() { QApplication::processEvents(); }

    QAction& Act(const char* name) {
        QAction* action = window->Action(QString::fromLatin1(name));
        EXPECT_TRUE(action) << name;
        return *action;
    }
    // Runs an enabled command, then lets the window settle.
    void Trigger(const char* name) {
        QAction& action = Act(name);
        ASSERT_TRUE(action.isEnabled()) << name;
        action.trigger();
        Idle();
    }

    // The tree as shown: one line per item, indented by level.
    std::vector<std::string> ShownTree() const {
        std::vector<std::string> lines;
        std::function<void(QTreeWidgetItem*, int)> walk = [&](QTreeWidgetItem* item, int level) {
            lines.push_back(std::string(static_cast<std::size_t>(level), ' ') +
                            item->text(0).toStdString());
            for (int i = 0; i < item->childCount(); ++i)
                walk(item->child(i), level + 1);
        };
        QTreeWidget& tree = window->Tree();
        for (int i = 0; i < tree.topLevelItemCount(); ++i)
            walk(tree.topLevelItem(i), 0);
        return lines;
    }

    // A new course from the short template, through the templates window.
    void NewCourse() {
        OnDialog("frmProjectTemplates", [](QWidget& dialog) {
            EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Course templates"));
            auto* list = dialog.findChild<QListWidget*>("lvTemplates");
            ASSERT_TRUE(list);
            ASSERT_EQ(list->count(), 3);
            list->setCurrentRow(1);
            Shot(dialog, "course-templates-en");
            QTest::mouseClick(dialog.findChild<QPushButton*>("btnOk"), Qt::LeftButton);
        });
        // The new course's settings come next.
        OnDialog("courseSettingsForm", [](QWidget& dialog) {
            auto* name = dialog.findChild<QLineEdit*>("edCourseName");
            ASSERT_TRUE(name);
            EXPECT_FALSE(name->text().isEmpty());
            name->setText(QStringLiteral("Safety at work"));
            Shot(dialog, "course-settings-en");
            QTest::mouseClick(dialog.findChild<QPushButton*>("btnOk"), Qt::LeftButton);
        });
        Trigger("actNewProject");
        for (const auto& call : prompt.calls)
            ADD_FAILURE() << "told: " << call.text;
        ASSERT_TRUE(window->Lifecycle().CourseOpen);
    }

    test::TempFolder dir;
    fs::path courseFile = dir / "course" / "My course.vlmproject";
    test::FakeUserPrompt prompt;
    std::vector<TFileQuestion> asked;
    std::unique_ptr<TGuiSession> session;
    std::unique_ptr<TfrmMain> window;
};

std::vector<QString> EnabledItems(QMenu& menu) {
    std::vector<QString> names;
    for (QAction* action : menu.actions())
        if (!action->isSeparator() && action->isEnabled())
            names.push_back(action->objectName());
    return names;
}

TEST_F(MainWindowTest, WithoutACourseFileOffersOnlyNewOpenAndExit) {
    Start();
    auto* file = window->findChild<QMenu*>("mnuFile");
    ASSERT_TRUE(file);
    EXPECT_EQ(EnabledItems(*file),
              (std::vector<QString>{"actNewProject", "actLoadProject", "actExit"}));
    EXPECT_TRUE(window->LeftPanel().isHidden());
    EXPECT_FALSE(Act("actViewProjectPanel").isEnabled());
    EXPECT_EQ(file->title(), QStringLiteral("&File"));
    EXPECT_EQ(Act("actSaveCourse").shortcut(), QKeySequence("Ctrl+S"));
    // The shortcut both commands carry belongs to the first of the list.
    EXPECT_EQ(Act("actOptions").shortcut(), QKeySequence("Ctrl+Shift+Alt+K"));
    EXPECT_TRUE(Act("actCourseProperties").shortcut().isEmpty());
}

TEST_F(MainWindowTest, TheDebugMenuComesOnlyWithTheDebugSwitch) {
    Start();
    EXPECT_FALSE(window->findChild<QMenu*>("mnuDebug"));
    QStringList titles;
    for (QAction* menu : window->menuBar()->actions())
        titles << menu->text();
    EXPECT_EQ(titles, (QStringList{"&File", "&Edit", "&View", "&Project", "&Tools", "&Help"}));
    window.reset();
    session.reset();
    Start({"Debug"});
    auto* debug = window->findChild<QMenu*>("mnuDebug");
    ASSERT_TRUE(debug);
    EXPECT_EQ(debug->title(), QStringLiteral("&Debug"));
    EXPECT_TRUE(Act("actChoiseLanguage").menu());
}

TEST_F(MainWindowTest, ALanguageSwitchTranslatesTheMenusAgain) {
    Start({"DEBUG"});
    NewCourse();
    Trigger("actLoadLangPL");
    EXPECT_EQ(window->findChild<QMenu*>("mnuFile")->title(), QStringLiteral("&Plik"));
    EXPECT_EQ(Act("actSaveCourse").text(), QStringLiteral("Zapisz &kurs"));
    EXPECT_EQ(window->CreatePageBox().title(), QStringLiteral("Co ma zawierać ta strona?"));
    EXPECT_TRUE(ShownTree().front().starts_with("Kurs: "));
    Shot(*window, "main-pl");
    for (const char* menu : {"mnuFile", "mnuView", "mnuHelp"}) {
        auto* shown = window->findChild<QMenu*>(menu);
        shown->adjustSize();
        Shot(*shown, (std::string(menu) + "-pl").c_str());
    }
    Trigger("actLoadLangEN");
    EXPECT_EQ(window->findChild<QMenu*>("mnuFile")->title(), QStringLiteral("&File"));
    EXPECT_EQ(Act("actExportScorm").text(), QStringLiteral("SCORM 1.2 package ..."));
    EXPECT_TRUE(ShownTree().front().starts_with("Course: "));
}

TEST_F(MainWindowTest, ACourseMadeEditedSavedAndOpenedAgainKeepsItsTree) {
    Start();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    NewCourse();
    TCourseLifecycle& course = window->Lifecycle();
    ASSERT_TRUE(course.CourseOpen);
    ASSERT_TRUE(fs::exists(courseFile));
    EXPECT_FALSE(window->LeftPanel().isHidden());
    EXPECT_TRUE(Act("actSaveCourse").isEnabled());
    EXPECT_TRUE(Act("actViewProjectPanel").isChecked());
    const std::vector<std::string> made = ShownTree();
    ASSERT_EQ(made.size(), static_cast<std::size_t>(course.Tree.NodeCount()));
    ASSERT_GE(made.size(), 3u);
    EXPECT_EQ(made.front(), "Course: Safety at work");
    EXPECT_TRUE(window->windowTitle().contains("Safety at work"));

    // Add a page under the root: it is selected, shows and is written at once.
    TCourseTreeView& tree = window->Tree();
    tree.Select(course.Tree.Root());
    Idle();
    EXPECT_FALSE(Act("actProjectItemDelete").isEnabled()); // the root is no page
    EXPECT_FALSE(window->CreatePageBox().isVisible());
    Trigger("actProjectItemAdd");
    TCourseNode* added = tree.CurrentNode();
    ASSERT_TRUE(added);
    EXPECT_EQ(added->Parent(), course.Tree.Root());
    EXPECT_EQ(tree.currentItem()->text(0), QStringLiteral("New page"));
    EXPECT_TRUE(Act("actProjectItemDelete").isEnabled());
    // A newly chosen page shows the create-page box; the course itself does not.
    EXPECT_TRUE(window->CreatePageBox().isVisible());

    // Rename it in place.
    Trigger("actProjectItemRename");
    auto* editor = tree.findChild<QLineEdit*>();
    ASSERT_TRUE(editor);
    editor->setText("  Closing words  ");
    QTest::keyClick(editor, Qt::Key_Return);
    Idle();
    EXPECT_EQ(added->Item().Name, "Closing words");
    EXPECT_EQ(tree.ItemOf(added)->text(0), QStringLiteral("Closing words"));

    // A move acts only while the tree has the focus.
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    tree.Select(added);
    window->menuBar()->setFocus();
    Idle();
    const int index = added->Index();
    Trigger("actProjectItemUp");
    EXPECT_EQ(added->Index(), index);
    tree.setFocus();
    Idle();
    Trigger("actProjectItemUp");
    EXPECT_EQ(added->Index(), index - 1);

    // Delete the first page after Yes.
    TCourseNode* first = course.Tree.Root()->Child(0);
    const std::string firstName = first->Item().Name;
    tree.Select(first);
    Idle();
    prompt.answers.push_back(mrYes);
    Trigger("actProjectItemDelete");
    ASSERT_EQ(prompt.calls.size(), 1u);
    EXPECT_EQ(prompt.calls[0].buttons, kButtonsYesNoCancel);
    for (int i = 0; i < course.Tree.Root()->ChildCount(); ++i)
        EXPECT_NE(course.Tree.Root()->Child(i)->Item().Name, firstName);

    Shot(*window, "main-en");
    EXPECT_FALSE(course.CourseSaved);
    Trigger("actSaveCourse");
    EXPECT_TRUE(course.CourseSaved);
    const std::vector<std::string> saved = ShownTree();
    EXPECT_EQ(saved.size(), made.size());

    Trigger("actCloseCourse");
    EXPECT_FALSE(course.CourseOpen);
    EXPECT_TRUE(window->LeftPanel().isHidden());
    EXPECT_TRUE(ShownTree().empty());
    EXPECT_FALSE(Act("actSaveCourse").isEnabled());

    Trigger("actLoadProject");
    ASSERT_FALSE(asked.empty());
    EXPECT_FALSE(asked.back().save);
    EXPECT_EQ(asked.back().title, "Open course");
    EXPECT_TRUE(course.CourseOpen);
    EXPECT_EQ(ShownTree(), saved);
    EXPECT_EQ(prompt.calls.size(), 1u) << prompt.calls.back().text;
}

// The tree's pop-up menu edits the course's settings on the course and
// renames a page.
TEST_F(MainWindowTest, TheTreeMenusEditEntryFollowsTheNode) {
    Start();
    NewCourse();
    auto* menu = window->findChild<QMenu*>("popProjectTree");
    ASSERT_TRUE(menu);
    QAction& edit = Act("miProjectTreeEdit");
    window->Tree().Select(window->Lifecycle().Tree.Root());
    Idle();
    emit menu->aboutToShow();
    EXPECT_EQ(edit.text(), QStringLiteral("Course &settings"));
    bool asked = false;
    OnDialog("courseSettingsForm", [&asked](QWidget& dialog) {
        asked = true;
        QTest::mouseClick(dialog.findChild<QPushButton*>("btnCancel"), Qt::LeftButton);
    });
    edit.trigger();
    EXPECT_TRUE(asked);
    window->Tree().Select(window->Lifecycle().Tree.Root()->Child(0));
    Idle();
    emit menu->aboutToShow();
    EXPECT_EQ(edit.text(), QStringLiteral("Rename"));
    EXPECT_TRUE(edit.isEnabled());
}

// Closing the window ends the course as its command does: what changed is
// written, and the language in use is remembered.
TEST_F(MainWindowTest, ClosingTheWindowSavesTheCourse) {
    Start();
    NewCourse();
    TCourseLifecycle& course = window->Lifecycle();
    TCourseNode* first = course.Tree.Root()->Child(0);
    const std::string firstName = first->Item().Name;
    window->Tree().Select(first);
    Idle();
    prompt.answers.push_back(mrYes);
    Trigger("actProjectItemDelete");
    ASSERT_FALSE(course.CourseSaved);
    const std::vector<std::string> changed = ShownTree();
    EXPECT_TRUE(window->close());
    EXPECT_FALSE(course.CourseOpen);
    EXPECT_EQ(session->Settings().Read(kMainRegKey, "Language"),
              SettingValue(PathToCp1250(AppConfig.LanguageFile)));

    window.reset();
    window = std::make_unique<TfrmMain>(*session);
    window->Course().AskFile = [this](const TFileQuestion&) {
        return std::optional<fs::path>(courseFile);
    };
    Idle();
    Trigger("actLoadProject");
    EXPECT_EQ(ShownTree(), changed);
}

// A course whose file cannot be read is reported and leaves no course open.
TEST_F(MainWindowTest, ABadCourseFileIsToldAndNothingOpens) {
    Start();
    std::ofstream(courseFile) << "not a course";
    Trigger("actLoadProject");
    EXPECT_FALSE(window->Lifecycle().CourseOpen);
    EXPECT_TRUE(window->LeftPanel().isHidden());
    ASSERT_EQ(prompt.calls.size(), 1u);
    EXPECT_NE(prompt.calls[0].text.find("My course.vlmproject"), std::string::npos)
        << prompt.calls[0].text;
}

} // namespace

namespace {

class RecordingShell : public Shell {
public:
    std::vector<fs::path>& opened;
    explicit RecordingShell(std::vector<fs::path>& into) : opened(into) {}
    bool Open(const fs::path& path) override {
        opened.push_back(path);
        return true;
    }
};

TEST_F(MainWindowTest, HelpAndQuestionsOpenTheLanguagesPagesInTheBrowser) {
    Start();
    std::vector<fs::path> opened;
    session->SetDesktop(std::make_unique<RecordingShell>(opened));
    ASSERT_TRUE(Act("actHelp").isVisible());
    Trigger("actHelp");
    Trigger("actFAQ");
    const fs::path help = fs::path(VLM_DATA_DIR) / "help" / "EN";
    EXPECT_EQ(opened,
              (std::vector<fs::path>{help / "help" / "index.html", help / "faq" / "index.html"}));
    EXPECT_TRUE(prompt.calls.empty());
}

} // namespace
