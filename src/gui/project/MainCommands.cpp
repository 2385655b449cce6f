#include "project/MainCommands.h"

#include "common/CommandIcons.h"
#include "designer/CommandEnabling.h"

#include <QAction>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>
#include <QWidget>

#include <set>
#include <string>

namespace vlm {

const std::vector<TCommandList>& MainMenus() {
    static const std::vector<TCommandList> menus = {
        {"mnuFile",
         {"actNewProject", "actLoadProject", "actCloseCourse", "|", "actSaveCourse",
          "actSaveCourseAs", "actSaveToXMT", "|", "actExport", "|", "actExit"}},
        {"mnuEdit",
         {"actCut", "actCopy", "actPaste", "|", "actBringToFront", "actSendToBack", "|",
          "actProperties"}},
        {"mnuView",
         {"actPagePreview", "|", "actViewProjectPanel", "|", "actSnapToGrid", "actGrid",
          "actElementFrame", "|", "actShowFeedback", "actShowPopups", "|", "actGridProperties"}},
        {"mnuProject", {"actResourcesForm"}},
        {"mnuTools", {"actLexicon", "|", "actCourseProperties", "actOptions"}},
        {"mnuHelp",
         {"actHelp", "actKeyboardShortcuts", "actFAQ", "|", "actHomePage", "actProductHomePage",
          "actCheckNewVersion", "|", "actAbout"}},
        {"mnuDebug", {"actProgramInspector", "|", "actChoiseLanguage", "actElementPaint"}},
    };
    return menus;
}

const std::vector<TCommandList>& CommandSubmenus() {
    static const std::vector<TCommandList> submenus = {
        {"actExport",
         {"actExportOfflineExplorer", "actExportVLMServer", "actExportVLMServerExam",
          "actExportResources", "actExportScenario", "actExportScorm", "actExportAICC"}},
        {"actChoiseLanguage", {"actLoadLangPL", "actLoadLangEN"}},
    };
    return submenus;
}

const TCommandList& MainToolbar() {
    static const TCommandList bar = {
        "tbrMain",
        {"actNewProject", "actLoadProject", "|", "actPaste", "actCut", "actCopy", "|",
         "actPagePreview", "|", "actViewProjectPanel", "|", "actGrid", "actSnapToGrid",
         "actShowPopups", "actShowFeedback", "|", "actProperties", "actEditStyle", "actActions"}};
    return bar;
}

const TCommandList& TreeToolbar() {
    static const TCommandList bar = {"ToolBar1",
                                     {"actProjectItemLeft", "actProjectItemRight",
                                      "actProjectItemUp", "actProjectItemDown", "|",
                                      "actProjectItemAdd", "actProjectItemDelete"}};
    return bar;
}

// popProjectTree's edit entry (miProjectTreeEdit) stands for the course
// settings on the course and for renaming on a page.
const std::vector<TCommandList>& PopupMenus() {
    static const std::vector<TCommandList> menus = {
        {"popProjectTree",
         {"actProjectItemAdd", "|", "miProjectTreeEdit", "actImportPage", "|",
          "actProjectItemDelete", "actProjectItemRename"}},
        {"popElement",
         {"actCut", "actCopy", "actPaste", "|", "actBringToFront", "actSendToBack", "|",
          "actDeleteElement", "|", "actElementAuthorDesc", "|", "actProperties", "actEditStyle",
          "actActions"}},
        {"popPage",
         {"actPaste", "|", "actPageAuthorDesc", "|", "actPageProperties", "actPageActions"}},
    };
    return menus;
}

namespace {

// Commands with a check mark.
const std::set<std::string> kCheckCommands = {
    "actViewProjectPanel", "actGrid",       "actSnapToGrid",  "actElementFrame",
    "actShowFeedback",     "actShowPopups", "actElementPaint"};

// Toolbar pictures where the style has a fitting one; the others show text.
QStyle::StandardPixmap Picture(const std::string& name, bool& found) {
    static const std::map<std::string, QStyle::StandardPixmap> pictures = {
        {"actNewProject", QStyle::SP_FileIcon},
        {"actLoadProject", QStyle::SP_DirOpenIcon},
        {"actSaveCourse", QStyle::SP_DialogSaveButton},
        {"actProjectItemLeft", QStyle::SP_ArrowLeft},
        {"actProjectItemRight", QStyle::SP_ArrowRight},
        {"actProjectItemUp", QStyle::SP_ArrowUp},
        {"actProjectItemDown", QStyle::SP_ArrowDown},
        {"actProjectItemAdd", QStyle::SP_FileDialogNewFolder},
        {"actProjectItemDelete", QStyle::SP_TrashIcon},
    };
    const auto it = pictures.find(name);
    found = it != pictures.end();
    return found ? it->second : QStyle::SP_CustomBase;
}

QAction* Find(const TActionMap& actions, const char* name) {
    const auto it = actions.find(QString::fromLatin1(name));
    return it == actions.end() ? nullptr : it->second;
}

} // namespace

TActionMap CreateCommands(QWidget& owner) {
    TActionMap actions;
    for (const TCommandState& command : CommandStates(TCommandSnapshot{})) {
        auto* action = new QAction(&owner);
        const QString name = QString::fromStdString(command.name);
        action->setObjectName(name);
        if (!command.shortcut.empty())
            action->setShortcut(QKeySequence(QString::fromStdString(command.shortcut)));
        action->setCheckable(kCheckCommands.contains(command.name));
        bool found = false;
        const QStyle::StandardPixmap picture = Picture(command.name, found);
        if (found)
            action->setIcon(owner.style()->standardIcon(picture));
        else if (QIcon drawn = DrawnCommandIcon(command.name); !drawn.isNull())
            action->setIcon(drawn);
        // Shortcuts work while the action sits in no visible menu too.
        owner.addAction(action);
        actions[name] = action;
    }
    for (const TCommandList& submenu : CommandSubmenus()) {
        QAction* holder = Find(actions, submenu.name);
        auto* menu = new QMenu(&owner);
        FillMenu(*menu, submenu.items, actions);
        holder->setMenu(menu);
    }
    return actions;
}

void FillMenu(QMenu& menu, const std::vector<const char*>& items, const TActionMap& actions) {
    for (const char* item : items) {
        if (std::string(item) == "|")
            menu.addSeparator();
        else if (QAction* action = Find(actions, item))
            menu.addAction(action);
    }
}

void FillToolbar(QToolBar& bar, const std::vector<const char*>& items, const TActionMap& actions) {
    for (const char* item : items) {
        if (std::string(item) == "|")
            bar.addSeparator();
        else if (QAction* action = Find(actions, item))
            bar.addAction(action);
    }
}

void FillMenuBar(QMenuBar& bar, const TActionMap& actions, bool debug) {
    for (const TCommandList& list : MainMenus()) {
        if (!debug && std::string(list.name) == "mnuDebug")
            continue;
        auto* menu = new QMenu(&bar);
        menu->setObjectName(QString::fromLatin1(list.name));
        menu->menuAction()->setObjectName(QString::fromLatin1(list.name));
        FillMenu(*menu, list.items, actions);
        bar.addMenu(menu);
    }
}

} // namespace vlm
