#include "designer/CommandEnabling.h"

#include <set>

namespace vlm {

namespace {

struct TCommandDef {
    const char* name;
    const char* shortcut;
};

// The command list: a shortcut given to several commands goes to the first.
const TCommandDef kCommands[] = {
    {"actNewProject", "Ctrl+N"},
    {"actLoadProject", "Ctrl+O"},
    {"actCloseCourse", "Ctrl+Shift+Q"},
    {"actSaveCourse", "Ctrl+S"},
    {"actSaveCourseAs", "Ctrl+Shift+S"},
    {"actSaveToXMT", "Ctrl+T"},
    {"actExport", ""},
    {"actExportOfflineExplorer", ""},
    {"actExportVLMServer", ""},
    {"actExportVLMServerExam", ""},
    {"actExportScenario", ""},
    {"actExportAICC", ""},
    {"actExportScorm", ""},
    {"actExportResources", ""},
    {"actExit", "Ctrl+Q"},
    {"actOptions", "Ctrl+Shift+Alt+K"},
    {"actCourseProperties", "Ctrl+Shift+Alt+K"},
    {"actResourcesForm", "Ctrl+R"},
    {"actLexicon", "Ctrl+L"},
    {"actProjectItemAdd", "Shift+Ins"},
    {"actProjectItemRename", "F2"},
    {"actProjectItemDelete", "Shift+Del"},
    {"actProjectItemUp", "Shift+Up"},
    {"actProjectItemDown", "Shift+Down"},
    {"actProjectItemLeft", "Shift+Left"},
    {"actProjectItemRight", "Shift+Right"},
    {"actEditContent", ""},
    {"actEditURLLink", ""},
    {"actEditOutsideDocument", ""},
    {"actImportPage", ""},
    {"actEditPage", ""},
    {"actCreateNewPage", ""},
    {"actCut", "Ctrl+X"},
    {"actCopy", "Ctrl+C"},
    {"actPaste", "Ctrl+V"},
    {"actUndo", "Ctrl+Z"},
    {"actRedo", "Ctrl+Y"},
    {"actBringToFront", "Ctrl+PgUp"},
    {"actSendToBack", "Ctrl+PgDn"},
    {"actDeleteElement", ""},
    {"actProperties", "Ctrl+Shift+W"},
    {"actEditStyle", "Ctrl+Shift+Z"},
    {"actActions", "Ctrl+Shift+A"},
    {"actPageActions", "Ctrl+Shift+Alt+U"},
    {"actPageProperties", "Ctrl+Shift+Alt+I"},
    {"actElementAuthorDesc", "Ctrl+Shift+D"},
    {"actPageAuthorDesc", "Ctrl+Shift+Alt+D"},
    {"actPagePreview", "F5"},
    {"actViewProjectPanel", "F9"},
    {"actGrid", "Ctrl+Alt+G"},
    {"actSnapToGrid", "Ctrl+Shift+G"},
    {"actElementFrame", "Ctrl+Alt+F"},
    {"actShowFeedback", ""},
    {"actShowPopups", ""},
    {"actGridProperties", "Ctrl+Shift+Alt+G"},
    {"actHelp", "F1"},
    {"actFAQ", ""},
    {"actKeyboardShortcuts", ""},
    {"actAbout", "F12"},
    {"actHomePage", ""},
    {"actProductHomePage", ""},
    {"actCheckNewVersion", ""},
    {"actNewVersionCheck", ""},
    {"actPageInfo", "Ctrl+I"},
    {"actProgramInspector", ""},
    {"actChoiseLanguage", ""},
    {"actLoadLangPL", ""},
    {"actLoadLangEN", ""},
    {"actElementPaint", ""},
};

void Rules(const TCommandSnapshot& s, const std::string& n, TCommandState& c) {
    const bool designer = s.designerVisible;
    const bool element = s.elementSelected;
    const bool kindFree = s.pageSelected && s.pageKind == -1;
    auto kind = [&](int k) { return s.pageSelected && (s.pageKind == k || s.pageKind == -1); };
    c.enabled = true;
    if (n == "actCloseCourse" || n == "actSaveCourse" || n == "actSaveCourseAs" ||
        n.rfind("actExport", 0) == 0 || n == "actCourseProperties" || n == "actLexicon")
        c.enabled = s.courseOpen;
    else if (n == "actSaveToXMT" || n == "actResourcesForm" || n == "actPagePreview" ||
             n == "actGrid" || n == "actSnapToGrid" || n == "actElementFrame" ||
             n == "actShowFeedback" || n == "actShowPopups")
        c.enabled = designer;
    else if (n == "actProjectItemAdd" || n == "actProjectItemRename")
        c.enabled = s.nodeSelected;
    else if (n == "actProjectItemDelete" || n == "actEditPage")
        c.enabled = s.pageSelected;
    else if (n == "actEditContent")
        c.enabled = kind(0);
    else if (n == "actEditURLLink")
        c.enabled = kind(1);
    else if (n == "actEditOutsideDocument")
        c.enabled = kind(2);
    else if (n == "actImportPage" || n == "actCreateNewPage")
        c.enabled = kindFree;
    else if (n == "actCut" || n == "actCopy" || n == "actBringToFront" || n == "actSendToBack")
        c.enabled = designer && element;
    else if (n == "actPaste")
        c.enabled = designer && s.clipboardHasElement;
    else if (n == "actUndo")
        c.enabled = designer && s.canUndo;
    else if (n == "actRedo")
        c.enabled = designer && s.canRedo;
    else if (n == "actDeleteElement")
        c.enabled = element && s.elementCanDelete;
    else if (n == "actProperties" || n == "actActions" || n == "actElementAuthorDesc")
        c.enabled = element;
    else if (n == "actEditStyle")
        c.enabled = element && s.advancedPropertiesFile;
    else if (n == "actViewProjectPanel")
        c.enabled = s.courseOpen;
    else if (n == "actKeyboardShortcuts")
        c.enabled = s.shortcutsFile;

    if (n == "actViewProjectPanel")
        c.checked = s.projectPanelVisible;
    else if (n == "actGrid")
        c.checked = s.gridShown;
    else if (n == "actSnapToGrid")
        c.checked = s.snapping;
    else if (n == "actElementFrame")
        c.checked = s.elementFrame;
    else if (n == "actShowFeedback")
        c.checked = s.showFeedbacks;
    else if (n == "actShowPopups")
        c.checked = s.showPopups;
    else if (n == "actElementPaint")
        c.checked = s.paintElements;

    if (n == "actHelp")
        c.visible = s.helpFile;
    else if (n == "actFAQ")
        c.visible = s.faqFile;
    else if (n == "actPageInfo" || n == "actNewVersionCheck")
        c.visible = false;
    else if (n == "actProgramInspector" || n == "actChoiseLanguage" || n == "actLoadLangPL" ||
             n == "actLoadLangEN" || n == "actElementPaint")
        c.visible = s.debug;
}

} // namespace

std::vector<TCommandState> CommandStates(const TCommandSnapshot& s) {
    std::vector<TCommandState> out;
    std::set<std::string> taken;
    for (const TCommandDef& def : kCommands) {
        TCommandState c;
        c.name = def.name;
        if (*def.shortcut && taken.insert(def.shortcut).second)
            c.shortcut = def.shortcut;
        Rules(s, c.name, c);
        out.push_back(std::move(c));
    }
    return out;
}

TCommandState CommandState(const std::vector<TCommandState>& states, const std::string& name) {
    for (const TCommandState& c : states)
        if (c.name == name)
            return c;
    return {};
}

} // namespace vlm
