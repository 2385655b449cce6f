#pragma once
// Which main-window commands are enabled, checked and shown, as a pure
// function of the program's state. The main window recomputes it when the
// event loop goes idle after a change.

#include <string>
#include <vector>

namespace vlm {

struct TCommandSnapshot {
    bool courseOpen = false;
    bool designerVisible = false;
    bool elementSelected = false;
    bool elementCanDelete = false;       // the selected element's "canDelete" is "true"
    bool advancedPropertiesFile = false; // its class's advanced-properties file exists
    bool nodeSelected = false;           // any course-tree node
    bool pageSelected = false;           // a node other than the root
    int pageKind = -1;                   // the selected page's PageType
    bool clipboardHasElement = false;    // the clipboard holds "VLMX4 Element"
    bool treeFocused = false;
    bool helpFile = false, faqFile = false, shortcutsFile = false;
    bool projectPanelVisible = false;
    bool gridShown = false, snapping = false, elementFrame = false;
    bool showFeedbacks = false, showPopups = false, paintElements = true;
    bool canUndo = false, canRedo = false;
    bool debug = false; // started with "DEBUG"
};

struct TCommandState {
    std::string name;
    std::string shortcut; // empty when none, or when an earlier command holds it
    bool enabled = false;
    bool checked = false;
    bool visible = true;
};

// Every command, in the command list's order.
std::vector<TCommandState> CommandStates(const TCommandSnapshot& s);

// The state of one command; a default state for an unknown name.
TCommandState CommandState(const std::vector<TCommandState>& states, const std::string& name);

} // namespace vlm
