#include "PageTemplateCommands.h"

#include "CliSession.h"
#include "Json.h"

#include "app/IniLang.h"
#include "common/AsciiText.h"
#include "common/Encoding.h"
#include "common/StringTools.h"
#include "designer/Actions.h"
#include "designer/NewPage.h"
#include "designer/PageKeeping.h"
#include "page/ClassDefinitions.h"
#include "page/ComponentsManager.h"
#include "page/xmp.h"
#include "project/CoursePaths.h"
#include "project/Project.h"

#include <charconv>

namespace vlm::cli {

namespace fs = std::filesystem;

namespace {

CLI::App* SubcommandOf(CLI::App& app, const std::string& name, const std::string& help) {
    for (CLI::App* sub : app.get_subcommands([](CLI::App*) { return true; }))
        if (sub->get_name() == name)
            return sub;
    CLI::App* made = app.add_subcommand(name, help);
    made->require_subcommand(1);
    return made;
}

// A user-level failure of a command: told, then exit code 1.
struct TCommandFailure {
    std::string message;
};

[[noreturn]] void Fail(const std::string& key, const std::string& fallback,
                       const std::string& argument, const std::string& more = {}) {
    throw TCommandFailure{CliText(key, fallback, argument) + more};
}

// The course, the page at a tree position and its document's file.
struct TCoursePage {
    explicit TCoursePage(TCliSession& session, const std::string& file, int position)
        : project(session.prompt) {
        project.LoadFromFile(file);
        paths = TCoursePaths::ForProjectFile(project.FileName);
        for (const auto& candidate : project.Items)
            if (candidate->Position == position && candidate->ParentPosition != 0)
                item = candidate.get();
        if (!item)
            Fail("CLI_ITEM_NOT_FOUND", "The course has no item at position %s.",
                 std::to_string(position));
        if (item->PageType != ptContent && item->PageType != ptNone)
            Fail("CLI_PAGE_NOT_DESIGNED", "The page at position %s is not a designed page.",
                 std::to_string(position));
        pageFile = paths.PageFile(item->Id);
    }

    TProject project;
    TCoursePaths paths;
    TProjectItem* item = nullptr;
    fs::path pageFile;
};

// The library and merged definitions, as the designer has them.
struct TLibrary {
    explicit TLibrary(TCliSession& session) : library(session.prompt) {
        tree = LoadComponentLibrary(library, session.programDir, session.prompt, CurrentLanguage());
        if (!tree)
            throw Abort();
    }
    const TjanXMLNode* Definitions() const { return DefinitionsDocument(*tree); }

    TComponentsCollection library;
    std::unique_ptr<TjanXMLTree> tree;
};

std::vector<TVLMNewPageItem> Templates(TCliSession& session, const fs::path& courseDir) {
    return ListPageTemplates({session.programDir, courseDir, session.paths.UserDataDir},
                             ContentLanguage());
}

std::string TemplateList(const std::vector<TVLMNewPageItem>& items) {
    std::string out;
    for (const std::string& tab : TemplateTabs(items)) {
        const auto listed = TemplatesOfTab(items, tab);
        if (listed.empty())
            continue;
        out += tab + "\n";
        for (const TVLMNewPageItem* item : listed)
            out += "  " + item->Caption + "  (" + PathToCp1250(item->FileName.stem()) + ")\n";
    }
    return out;
}

std::string TemplateJson(const std::vector<TVLMNewPageItem>& items) {
    std::string out = "[";
    for (const std::string& tab : TemplateTabs(items)) {
        const auto listed = TemplatesOfTab(items, tab);
        if (listed.empty())
            continue;
        out += std::string(out.size() > 1 ? "," : "") + "\n  {\"tab\": " + JsonString(tab) +
               ", \"templates\": [";
        for (std::size_t i = 0; i < listed.size(); ++i) {
            const TVLMNewPageItem& t = *listed[i];
            out += std::string(i ? ", " : "") + "{\"caption\": " + JsonString(t.Caption) +
                   ", \"file\": " + JsonString(PathToCp1250(t.FileName)) +
                   ", \"description\": " + JsonString(t.Description) +
                   ", \"author\": " + JsonString(t.Author) +
                   ", \"version\": " + JsonString(t.Version) +
                   ", \"project\": " + (t.Project ? "true" : "false") + "}";
        }
        out += "]}";
    }
    return out + "\n]\n";
}

// By caption, then by file name without extension, then by full path; the
// first template listed wins. Without a name: the dialog's first template.
const TVLMNewPageItem* FindTemplate(const std::vector<TVLMNewPageItem>& items,
                                    const std::string& name) {
    if (name.empty()) {
        for (const std::string& tab : TemplateTabs(items))
            if (const auto listed = TemplatesOfTab(items, tab); !listed.empty())
                return listed.front();
        return nullptr;
    }
    for (const TVLMNewPageItem& item : items)
        if (SameTextAscii(TrimText(item.Caption), TrimText(name)))
            return &item;
    for (const TVLMNewPageItem& item : items)
        if (SameTextAscii(PathToCp1250(item.FileName.stem()), name))
            return &item;
    for (const TVLMNewPageItem& item : items)
        if (item.FileName == PathFromCp1250(name))
            return &item;
    return nullptr;
}

int RunNewPage(TCliSession& session, const TPageTemplateCommands& c) {
    TCoursePage course(session, c.file, c.item);
    std::error_code ec;
    if (fs::exists(course.pageFile, ec))
        Fail("CLI_PAGE_EXISTS", "The page already has a document: %s",
             PathToCp1250(course.pageFile));
    const std::vector<TVLMNewPageItem> items = Templates(session, course.paths.CourseDir);
    const std::string name = Utf8ToCp1250(c.templateName);
    const TVLMNewPageItem* chosen = FindTemplate(items, name);
    if (!chosen && items.empty())
        Fail("CLI_PAGE_TEMPLATE_NONE", "There is no page template.", "");
    if (!chosen)
        Fail("CLI_PAGE_TEMPLATE_NOT_FOUND", "No page template \"%s\". Templates:", name,
             "\n" + TemplateList(items));
    TLibrary library(session);
    const TNewPageContext context{library.Definitions(), ContentLanguage(), session.guids,
                                  session.prompt, session.clock};
    if (!CreatePageFromTemplate(chosen->FileName, course.pageFile, course.paths.CourseResourcesDir,
                                context))
        return kExitFailed; // the document told why
    if (course.item->PageType != ptContent) {
        course.item->PageType = ptContent;
        course.project.SaveToFile(course.project.FileName, false);
    }
    session.output.Message(PathToCp1250(course.pageFile));
    return kExitDone;
}

const TActionChoice* FindChoice(const std::vector<TActionChoice>& choices,
                                const std::string& word) {
    for (const TActionChoice& choice : choices)
        if (SameTextAscii(choice.definition->GetAttributeText("name"), word) ||
            SameTextAscii(TrimText(choice.caption), TrimText(word)))
            return &choice;
    return nullptr;
}

std::string ChoiceList(const std::vector<TActionChoice>& choices) {
    std::string out;
    for (const TActionChoice& choice : choices)
        out += "\n  " + choice.definition->GetAttributeText("name") + " - " + choice.caption;
    return out;
}

// The parameter as the parameter pages store it: form-encoded text, the
// page number of a page jump (given as the page's position), else as typed.
std::string StoredParameter(const TjanXMLNode& action, const std::string& typed,
                            const TProject& project) {
    if (ActionJumpsToPage(action)) {
        int position = 0;
        const auto [ptr, ec] = std::from_chars(typed.data(), typed.data() + typed.size(), position);
        if (ec == std::errc() && ptr == typed.data() + typed.size())
            for (const auto& item : project.Items)
                if (item->Position == position && item->ParentPosition != 0)
                    return std::to_string(item->Id);
        Fail("CLI_ACTION_PARAM_PAGE",
             "A page jump takes the position of a page of the course, not \"%s\".", typed);
    }
    if (action.GetAttributeText("paramType") == "text")
        return UrlEncode(typed);
    return typed;
}

int RunActionAdd(TCliSession& session, const TPageTemplateCommands& c) {
    const std::size_t wanted = c.page ? 3 : 4;
    if (c.words.size() != wanted) {
        session.output.Important(c.actionAdd->help());
        return kExitUsage;
    }
    std::vector<std::string> words;
    for (const std::string& word : c.words)
        words.push_back(Utf8ToCp1250(word));
    TCoursePage course(session, c.file, c.item);
    if (!fs::is_regular_file(course.pageFile))
        Fail("ERROR_FILE_NOT_FOUND", "File not found: %s", PathToCp1250(course.pageFile));
    TLibrary library(session);
    TXMPDocument page(session.guids, session.prompt, session.clock);
    page.SetDefinitions(library.Definitions());
    page.LoadFromFile(course.pageFile);
    if (!page.DocumentNode())
        return kExitFailed; // the document told why

    std::optional<std::string> key;
    if (!c.page) {
        const TjanXMLNode* element = page.DocumentNode()->FindChildByAttribute("name", words[0]);
        if (!element || !element->FindAttribute("globalIndex"))
            Fail("CLI_ACTION_ELEMENT_NOT_FOUND", "The page has no element \"%s\".", words[0]);
        key = element->GetAttributeText("globalIndex");
    }
    const std::size_t at = c.page ? 0 : 1;
    TActionsEditor editor(*page.DocumentNode(), *library.tree, library.library, key,
                          ContentLanguage());
    if (!editor.Subject())
        Fail("CLI_ACTION_ELEMENT_NOT_FOUND", "The page has no element \"%s\".", "page");
    const TActionChoice* event = FindChoice(editor.Events(), words[at]);
    if (!event)
        Fail("CLI_ACTION_EVENT_NOT_FOUND", "There is no event \"%s\". Events:", words[at],
             ChoiceList(editor.Events()));
    const TjanXMLNode* target = nullptr;
    for (const TjanXMLNode* candidate : editor.Targets())
        if (candidate->GetAttributeText("name") == words[at + 1])
            target = candidate;
    if (!target)
        Fail("CLI_ACTION_ELEMENT_NOT_FOUND", "The page has no element \"%s\".", words[at + 1]);
    const std::vector<TActionChoice> actions = editor.ActionsOf(*target);
    const TActionChoice* action = FindChoice(actions, words[at + 2]);
    if (!action)
        Fail("CLI_ACTION_NOT_FOUND", "The target has no action \"%s\". Actions:", words[at + 2],
             ChoiceList(actions));
    const std::string actionName = action->definition->GetAttributeText("name");
    const bool takes = ActionTakesParameter(*action->definition);
    if (takes && !c.param)
        Fail("CLI_ACTION_PARAM_REQUIRED", "The action \"%s\" takes a parameter (--param).",
             actionName);
    if (!takes && c.param)
        Fail("CLI_ACTION_PARAM_NOT_TAKEN", "The action \"%s\" takes no parameter.", actionName);
    const std::string typed = c.param ? Utf8ToCp1250(*c.param) : std::string();
    const std::string parameter =
        takes ? StoredParameter(*action->definition, typed, course.project) : std::string();
    if (!editor.Add({event->definition, target, action->definition, parameter}))
        Fail("CLI_ACTION_ELEMENT_NOT_FOUND", "The page has no element \"%s\".", words[at + 1]);
    editor.Confirm(*page.DocumentNode());
    if (!PageSurvivesSaving(page.Tree()))
        Fail("CLI_PARAM_NOT_KEPT",
             "The page file could not keep the value \"%s\"; nothing was saved.", typed);
    page.SaveToFile(course.pageFile);
    return kExitDone;
}

} // namespace

void AddPageTemplateCommands(CLI::App& app, TPageTemplateCommands& c) {
    CLI::App* page = SubcommandOf(app, "page", "Page documents of a course");
    c.templates =
        page->add_subcommand("templates", "The page templates the designer offers, by tab");
    c.templates->add_flag("--json", c.json, "One JSON array of tabs");

    c.newPage = page->add_subcommand("new", "Make a page's document from a page template");
    c.newPage->add_option("FILE", c.file, "The .vlmproject file")->required();
    c.newPage->add_option("--item", c.item, "The page's position in the course tree")->required();
    c.newPage->add_option("--template", c.templateName,
                          "Caption or file name of the template (default: the first one)");

    CLI::App* action = SubcommandOf(app, "action", "Event actions of page elements");
    c.actionAdd = action->add_subcommand(
        "add", "Connect an event of an element (or of the page) to an action of a target");
    c.actionAdd->add_option("FILE", c.file, "The .vlmproject file")->required();
    c.actionAdd->add_option("--item", c.item, "The page's position in the course tree")->required();
    c.actionAdd->add_flag("--page", c.page, "The page itself is the subject (no ELEMENT)");
    c.actionAdd->add_option("--param", c.param,
                            "The action's parameter; for a page jump the page's position");
    c.actionAdd->add_option("WORDS", c.words, "[ELEMENT] EVENT TARGET ACTION")->required();
}

std::optional<int> RunPageTemplateCommands(TCliSession& session, const TPageTemplateCommands& c) {
    if (!*c.templates && !*c.newPage && !*c.actionAdd)
        return std::nullopt;
    try {
        if (*c.templates) {
            const std::vector<TVLMNewPageItem> items = Templates(session, {});
            session.output.Result(c.json ? TemplateJson(items) : TemplateList(items), c.json);
            return kExitDone;
        }
        if (*c.newPage)
            return RunNewPage(session, c);
        return RunActionAdd(session, c);
    } catch (const TCommandFailure& failure) {
        session.output.Important(failure.message);
        return kExitFailed;
    }
}

} // namespace vlm::cli
