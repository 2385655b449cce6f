// Checks the shipped language file: every key the program asks for has a text
// in each of the four languages, with the format arguments its callers pass.
#include "app/IniLang.h"
#include "common/IniFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

namespace fs = std::filesystem;
using vlm::SelectLanguageVariant;
using vlm::TIniFile;

namespace {

const fs::path kDataDir = VLM_DATA_DIR;
constexpr int kLanguages = 4; // PL, EN, DE, FR

std::string ReadAll(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

const TIniFile& LangFile() {
    static const TIniFile ini = [] {
        auto loaded = TIniFile::Load(kDataDir / "configuration" / "lang" / "lang.lang");
        return loaded ? *loaded : TIniFile();
    }();
    return ini;
}

std::string Variant(const std::string& key, int index) {
    return SelectLanguageVariant(LangFile().ReadString("Misc", key), index);
}

size_t Count(const std::string& text, const std::string& what) {
    size_t n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

// Keys the program asks for, with the number of "%s" arguments their callers pass.
const std::pair<const char*, int> kRequired[] = {
    {"MESSAGE_CANT_CREATE_TEMP_DIR", 0},
    {"ButtonCaptions", 0},
    {"LANG_CODE", 0},
    {"SFileFiltersProject", 0},
    {"TREE_TEXT_PROJECT", 0},
    {"MSGAPPDLG_Warning", 0},
    {"MSGAPPDLG_Error", 0},
    {"MSGAPPDLG_Information", 0},
    {"MSGAPPDLG_Confirm", 0},
    {"MSGAPPDLG_Yes", 0},
    {"MSGAPPDLG_No", 0},
    {"MSGAPPDLG_OK", 0},
    {"MSGAPPDLG_Cancel", 0},
    {"MSGAPPDLG_Abort", 0},
    {"MSGAPPDLG_Retry", 0},
    {"MSGAPPDLG_Ignore", 0},
    {"MSGAPPDLG_All", 0},
    {"MSGAPPDLG_NoToAll", 0},
    {"MSGAPPDLG_YesToAll", 0},
    {"MSGAPPDLG_Help", 0},
    {"MSGAPPDLG_HelpNone", 0},
    {"MSGAPPDLG_HelpHelp", 0},
    {"ERROR_FILE_NOT_FOUND", 1},
    {"ERROR_MESSAGE_NOT_CORRECT_VELLUMAR_FILE", 1},
    {"ERROR_MESSAGE_FILE_NOT_EXISTS", 1},
    {"DEFAULT_ELEMENT_NAME", 0},
    {"MESSAGE_DELETE_CURRENT_PAGE_CAPTION", 0},
    {"MESSAGE_DELETE_CURRENT_PAGE", 0},
    {"MESSAGE_DELETE_ALL_PAGES", 0},
    {"ERROR_MESSAGE_REPLICATED_ITEMS", 0},
    {"MESSAGE_SAVE_CURRENT_PROJECT", 0},
    {"MESSAGE_SAVE_CURRENT_PROJECT_CAPTION", 0},
    {"DIALOG_OPEN_TITLE_OPEN_PROJECT", 0},
    {"DIALOG_SAVE_TITLE_SAVE_PROJECT_AS", 0},
    {"MESSAGE_PROJECT_FILE_EXISTS", 0},
    {"ERROR_PROJECT_IS_READ_ONLY", 0},
    {"PAGE_TYPE_SCO_PAGE", 0},
    {"PAGE_TYPE_URL_ADDRESS", 0},
    {"ERROR_FIELDS_NOT_FILLED", 0},
    {"EDT_ELEMENT_MSG_NAME_EXISTS", 0},
    {"EDT_ELEMENT_MSG_NAME_EXISTS_CAPTION", 0},
    {"LINK_LINK_NAME_CAPTION", 0},
    {"LINK_LONG_NAME_CAPTION", 0},
    {"LINK_SHORT_NAME_CAPTION", 0},
    {"LINK_TYPE_NAME_CAPTION", 0},
    {"FROM_COURSE_CAPTION", 0},
    {"MESSAGE_REPLACE_CURRENT_PAGE", 0},
    {"MESSAGE_REPLACE_CURRENT_PAGE_CAPTION", 0},
    {"DIALOG_OPEN_TITLE_OPEN_IMPORT_PROJECT", 0},
    {"QUEST_DELETE_ELEMENT", 0},
    {"SKeyboardShortcuts", 0},
    {"SKeyboardShortcutsFile", 0},
    {"ERROR_PROJECT_FILE_002", 0},
    {"ERROR_CONFIG_FILE_NOT_FOUND", 0},
    {"PROGRAM_NAME", 0},
    {"MESSAGE_NO_HELP_FOUND", 0},
    {"MESSAGE_NO_HELP_FOUND_CAPTION", 0},
    {"ERROR_FILE_NOT_SAVED", 0},
    {"ERROR_COMPONENT_LOST", 1},
    {"ERROR_ELEMENT_PROPERTIES_HTC_INITIATION", 0},
    {"ACTIONS_SELF", 0},
    {"ACTIONS_EMPTY", 0},
    {"CAPTION_STEP_MASK", 0},
    {"NEW_PAGE_DEFAULT_GROUP", 0},
    {"NEW_PAGE_DEFAULT_PROJECT_GROUP", 0},
    {"NEW_PAGE_INFO", 3},
    {"MESSAGE_SAVE_PAGE_AS_TEMPLATE", 0},
    {"MESSAGE_SAVE_PAGE_AS_TEMPLATE_CAPTION", 0},
    {"MESSAGE_TEMPLATE_NAME_PROMPT", 0},
    {"MESSAGE_TEMPLATE_NAME_CAPTION", 0},
    {"MESSAGE_TEMPLATE_ERROR", 0},
    {"MESSAGE_FILE_EXISTS", 1},
    {"RESFORM_RESOURCES", 0},
    {"RESFORM_PICTURE", 0},
    {"RESFORM_AUDIO", 0},
    {"RESFORM_VIDEO", 0},
    {"RESFORM_FLASH", 0},
    {"RESFORM_HTMLDOC", 0},
    {"RESFORM_CAPTIONS", 0},
    {"CLI_CHECK_A11Y_IMAGE_ALT", 1},
    {"CLI_CHECK_A11Y_BUTTON_NAME", 1},
    {"CLI_CHECK_A11Y_QUESTION_LABEL", 1},
    {"CLI_CHECK_A11Y_VIDEO_CAPTIONS", 1},
    {"CLI_CHECK_A11Y_FRAME_TITLE", 1},
    {"ERROR_CAPTION", 0},
    {"ERROR_SOURCE_DIR_NOT_EXISTS", 0},
    {"SDefaultCurseName", 0},
    {"DIALOG_SAVE_TITLE_SAVE_AS", 0},
    {"frmServerWizardSaveDialogFilter", 0},
    {"frmScenarioSaveDialogFilter", 0},
    {"SFileExists", 1},
    {"EXPORT_AICC_PROFILE_DEFAULT", 0},
    {"EXPORT_AICC_PROFILE_LEO", 0},
    {"MESSAGE_FOLDER_EXISTS_PROC", 1},
    {"MESSAGE_CANT_SAVE_ITS_PROJECT_PATH", 0},
    {"LEXICON_CAPTION", 0},
    {"LEXICON_ADD_QUESTION", 0},
    {"LEXICON_REMOVE_QUESTION", 0},
    {"LEXICON_KEYWORD_EXISTS", 0},
    {"ABOUT_CAPTION", 0},
    {"ABOUT_CLOSE", 0},
    {"AUTHOR_WWW_ADRESS", 0},
    {"ERROR_CANT_CONNECT_TO_SERVER", 0},
    {"NEW_VERSION_FOUND_TXT", 0},
    {"MESSAGE_NEW_VERSION_FOUND_TITLE", 0},
};

// Every key passed as a literal to LangText or GetLangText in the program's
// sources and in the component pages, and every "*[key]*" marker of the
// editor and action parameter pages (the editor replaces them by language texts).
std::set<std::string> KeysUsedByTheProgram() {
    static const std::regex call(R"re((?:LangText|GetLangText)\s*\(\s*["']([A-Za-z0-9_]+)["'])re");
    static const std::regex marker(R"re(\*\[([A-Za-z0-9_]+)\]\*)re");
    std::set<std::string> keys;
    for (const fs::path& root : {kDataDir.parent_path() / "src", kDataDir / "components"}) {
        if (!fs::exists(root))
            continue;
        for (const auto& entry : fs::recursive_directory_iterator(root)) {
            const fs::path& file = entry.path();
            const auto ext = file.extension();
            if (!entry.is_regular_file() ||
                (ext != ".cpp" && ext != ".h" && ext != ".html" && ext != ".js"))
                continue;
            const std::string text = ReadAll(file);
            for (std::sregex_iterator m(text.begin(), text.end(), call), end; m != end; ++m)
                keys.insert((*m)[1]);
            const bool editorPage = file.filename() == "editor.html" ||
                                    file.filename() == "style.html" ||
                                    file.parent_path().filename() == "actions";
            if (editorPage)
                for (std::sregex_iterator m(text.begin(), text.end(), marker), end; m != end; ++m)
                    keys.insert((*m)[1]);
        }
    }
    return keys;
}

} // namespace

TEST(LangFileData, IsCp1250TextWithCrLfLineEnds) {
    const std::string bytes = ReadAll(kDataDir / "configuration" / "lang" / "lang.lang");
    ASSERT_FALSE(bytes.empty());
    EXPECT_EQ(Count(bytes, "\n"), Count(bytes, "\r\n"));
    // Polish letters as cp1250 bytes ("ź" 0x9F, "ę" 0xEA), not as UTF-8.
    EXPECT_EQ(Variant("RESFORM_AUDIO", 0), "D\x9F"
                                           "wi\xEA"
                                           "ki");
    EXPECT_EQ(bytes.find("\xC5\xBA"), std::string::npos); // "ź" in UTF-8
}

TEST(LangFileData, EveryRequiredKeyHasFourTextsWithTheirArguments) {
    for (const auto& [key, arguments] : kRequired) {
        const std::string raw = LangFile().ReadString("Misc", key);
        EXPECT_EQ(Count(raw, "#|#"), size_t(kLanguages - 1)) << key;
        for (int i = 0; i < kLanguages; ++i) {
            const std::string text = Variant(key, i);
            EXPECT_FALSE(text.empty()) << key << " language " << i;
            EXPECT_EQ(Count(text, "%s"), size_t(arguments)) << key << " language " << i;
        }
    }
}

TEST(LangFileData, EveryKeyTheProgramAsksForIsThere) {
    for (const std::string& key : KeysUsedByTheProgram())
        for (int i = 0; i < kLanguages; ++i)
            EXPECT_FALSE(Variant(key, i).empty()) << key << " language " << i;
}

TEST(LangFileData, ButtonCaptionsHoldElevenEntriesInEveryLanguage) {
    for (int i = 0; i < kLanguages; ++i) {
        const std::string text = Variant("ButtonCaptions", i);
        EXPECT_EQ(Count(text, ","), 10u) << text;
        EXPECT_EQ(text.find(",,"), std::string::npos) << text;
    }
}

TEST(LangFileData, LanguageCodesAndFormatsPerLanguage) {
    const char* codes[] = {"PL", "EN", "DE", "FR"};
    for (int i = 0; i < kLanguages; ++i) {
        EXPECT_EQ(Variant("LANG_CODE", i), codes[i]);
        EXPECT_EQ(Count(Variant("CAPTION_STEP_MASK", i), "%d"), 2u);
        // The keyboard-shortcut list named by the language file ships with the program.
        std::string file = Variant("SKeyboardShortcutsFile", i);
        for (char& c : file)
            if (c == '\\')
                c = '/';
        EXPECT_TRUE(fs::exists(kDataDir / file)) << file;
        // Save dialog filters are "description|mask".
        EXPECT_EQ(Count(Variant("frmServerWizardSaveDialogFilter", i), "|*.zip"), 1u);
        EXPECT_EQ(Count(Variant("frmScenarioSaveDialogFilter", i), "|*.rtf"), 1u);
    }
}

// Sections of texts that are not windows: the export layouts' and the command line's help.
const std::set<std::string> kTextSections = {"ExportLayout", "vellumar-cli"};

TEST(LangFileData, WindowSectionsTranslateEveryLanguage) {
    for (const std::string& section : LangFile().Sections()) {
        if (section == "Misc" || kTextSections.count(section))
            continue;
        for (const auto& [key, value] : LangFile().SectionValues(section)) {
            EXPECT_EQ(key.rfind(section + ".", 0), 0u) << key;
            for (int i = 0; i < kLanguages; ++i)
                EXPECT_FALSE(SelectLanguageVariant(value, i).empty()) << key << " " << i;
        }
    }
    EXPECT_TRUE(LangFile().ValueExists("frmMain", "frmMain.actExportScorm.Caption"));
}

// Every text a layout of the exports asks for ("*[text:KEY]*") is there in
// every language, and every text of the section is asked for.
TEST(LangFileData, ExportLayoutTextsAreThereInEveryLanguage) {
    std::set<std::string> asked;
    const std::regex macro(R"(\*\[text:([A-Z_]+)\]\*)");
    for (const auto& entry : fs::recursive_directory_iterator(kDataDir / "exports")) {
        const std::string ext = entry.path().extension().string();
        if (!entry.is_regular_file() || (ext != ".html" && ext != ".js"))
            continue;
        const std::string text = ReadAll(entry.path());
        for (auto it = std::sregex_iterator(text.begin(), text.end(), macro);
             it != std::sregex_iterator(); ++it)
            asked.insert((*it)[1]);
    }
    EXPECT_GE(asked.size(), 15u);
    std::set<std::string> given;
    for (const auto& [key, value] : LangFile().SectionValues("ExportLayout")) {
        given.insert(key);
        for (int i = 0; i < kLanguages; ++i) {
            const std::string text = SelectLanguageVariant(value, i);
            EXPECT_FALSE(text.empty()) << key << " " << i;
            // HTML text: no markup, no quote that would end an attribute.
            EXPECT_EQ(text.find_first_of("<>\""), std::string::npos) << key << " " << i;
        }
    }
    EXPECT_EQ(asked, given);
}

// The command line's help has a text in every language for every key.
TEST(LangFileData, CommandLineHelpInEveryLanguage) {
    int keys = 0;
    for (const auto& [key, value] : LangFile().SectionValues("vellumar-cli")) {
        ++keys;
        for (int i = 0; i < kLanguages; ++i)
            EXPECT_FALSE(SelectLanguageVariant(value, i).empty()) << key << " " << i;
    }
    EXPECT_GE(keys, 40);
}
