#include "designer/CommandEnabling.h"

#include <gtest/gtest.h>

using namespace vlm;

namespace {

std::vector<std::string> Enabled(const TCommandSnapshot& s, const std::vector<std::string>& of) {
    const std::vector<TCommandState> states = CommandStates(s);
    std::vector<std::string> out;
    for (const std::string& name : of)
        if (CommandState(states, name).enabled)
            out.push_back(name);
    return out;
}

const std::vector<std::string> kFileMenu = {"actNewProject", "actLoadProject",  "actCloseCourse",
                                            "actSaveCourse", "actSaveCourseAs", "actSaveToXMT",
                                            "actExport",     "actExit"};
const std::vector<std::string> kElementMenu = {
    "actCut",           "actCopy",       "actPaste",     "actBringToFront", "actSendToBack",
    "actDeleteElement", "actProperties", "actEditStyle", "actActions",      "actElementAuthorDesc",
    "actUndo",          "actRedo"};
const std::vector<std::string> kPageKinds = {
    "actEditContent", "actEditURLLink", "actEditOutsideDocument",
    "actImportPage",  "actEditPage",    "actCreateNewPage"};

} // namespace

TEST(CommandEnabling, WithoutACourseTheFileMenuOffersNewOpenAndExit) {
    EXPECT_EQ(Enabled({}, kFileMenu),
              (std::vector<std::string>{"actNewProject", "actLoadProject", "actExit"}));
    TCommandSnapshot open;
    open.courseOpen = true;
    EXPECT_EQ(Enabled(open, kFileMenu).size(), 7u); // not the page template: no designer
    open.designerVisible = true;
    EXPECT_EQ(Enabled(open, kFileMenu), kFileMenu);
}

TEST(CommandEnabling, ElementCommandsFollowTheSelectionTheClipboardAndTheHistory) {
    struct Row {
        bool designer, selected, canDelete, advanced, clipboard, undo, redo;
        std::vector<std::string> enabled;
    };
    const std::vector<Row> rows = {
        {false, false, false, false, false, false, false, {}},
        {false,
         true,
         true,
         false,
         true,
         true,
         true,
         {"actDeleteElement", "actProperties", "actActions", "actElementAuthorDesc"}},
        {true, false, false, false, true, true, false, {"actPaste", "actUndo"}},
        {true,
         true,
         false,
         false,
         false,
         false,
         true,
         {"actCut", "actCopy", "actBringToFront", "actSendToBack", "actProperties", "actActions",
          "actElementAuthorDesc", "actRedo"}},
        {true,
         true,
         true,
         true,
         false,
         false,
         false,
         {"actCut", "actCopy", "actBringToFront", "actSendToBack", "actDeleteElement",
          "actProperties", "actEditStyle", "actActions", "actElementAuthorDesc"}},
    };
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const Row& r = rows[i];
        TCommandSnapshot s;
        s.designerVisible = r.designer;
        s.elementSelected = r.selected;
        s.elementCanDelete = r.canDelete;
        s.advancedPropertiesFile = r.advanced;
        s.clipboardHasElement = r.clipboard;
        s.canUndo = r.undo;
        s.canRedo = r.redo;
        EXPECT_EQ(Enabled(s, kElementMenu), r.enabled) << "row " << i;
    }
}

TEST(CommandEnabling, PageKindCommandsFollowTheSelectedPagesKind) {
    struct Row {
        bool page;
        int kind;
        std::vector<std::string> enabled;
    };
    const std::vector<Row> rows = {
        {false, -1, {}},
        {true, -1, kPageKinds},
        {true, 0, {"actEditContent", "actEditPage"}},
        {true, 1, {"actEditURLLink", "actEditPage"}},
        {true, 2, {"actEditOutsideDocument", "actEditPage"}},
    };
    for (const Row& r : rows) {
        TCommandSnapshot s;
        s.nodeSelected = s.pageSelected = r.page;
        s.pageKind = r.kind;
        EXPECT_EQ(Enabled(s, kPageKinds), r.enabled) << r.kind;
    }
}

TEST(CommandEnabling, ASharedShortcutGoesToTheFirstCommand) {
    const std::vector<TCommandState> states = CommandStates({});
    EXPECT_EQ(CommandState(states, "actOptions").shortcut, "Ctrl+Shift+Alt+K");
    EXPECT_EQ(CommandState(states, "actCourseProperties").shortcut, "");
    EXPECT_EQ(CommandState(states, "actUndo").shortcut, "Ctrl+Z");
    for (const TCommandState& c : states) {
        if (c.name != "actOptions") {
            EXPECT_NE(c.shortcut, "Ctrl+Shift+Alt+K") << c.name;
        }
    }
}

TEST(CommandEnabling, CheckMarksAndTheDebugMenu) {
    TCommandSnapshot s;
    s.designerVisible = s.gridShown = s.showPopups = true;
    std::vector<TCommandState> states = CommandStates(s);
    EXPECT_TRUE(CommandState(states, "actGrid").checked);
    EXPECT_FALSE(CommandState(states, "actSnapToGrid").checked);
    EXPECT_TRUE(CommandState(states, "actShowPopups").checked);
    EXPECT_FALSE(CommandState(states, "actProgramInspector").visible);
    EXPECT_FALSE(CommandState(states, "actHelp").visible);
    s.debug = s.helpFile = true;
    states = CommandStates(s);
    EXPECT_TRUE(CommandState(states, "actProgramInspector").visible);
    EXPECT_TRUE(CommandState(states, "actHelp").visible);
}
