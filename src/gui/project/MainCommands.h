#pragma once
// The main window's commands as QActions, made once from the core's command
// list (names and shortcuts), and the menus, toolbars and pop-up menus
// built from lists of their names. "|" in a list is a separator.

#include <QString>

#include <map>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;
class QToolBar;
class QWidget;

namespace vlm {

struct TCommandList {
    const char* name; // the menu's, toolbar's or pop-up menu's object name
    std::vector<const char*> items;
};

// The menu bar; the Debug menu is last.
const std::vector<TCommandList>& MainMenus();
// Commands holding a submenu, by the command's name.
const std::vector<TCommandList>& CommandSubmenus();
const TCommandList& MainToolbar();
const TCommandList& TreeToolbar();
const std::vector<TCommandList>& PopupMenus();

using TActionMap = std::map<QString, QAction*>;

// Every command of the core's list as a child action of `owner`, with its
// object name and shortcut; captions come from translating the window.
TActionMap CreateCommands(QWidget& owner);

void FillMenu(QMenu& menu, const std::vector<const char*>& items, const TActionMap& actions);
void FillToolbar(QToolBar& bar, const std::vector<const char*>& items, const TActionMap& actions);
// The menus of the list on the bar (the Debug menu only when asked for).
void FillMenuBar(QMenuBar& bar, const TActionMap& actions, bool debug);

} // namespace vlm
