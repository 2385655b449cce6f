#include "CheckCommand.h"
#include "common/AsciiText.h"

#include "CliSession.h"
#include "Json.h"

#include "app/IniLang.h"
#include "common/Encoding.h"
#include "common/StringRoutines.h"
#include "common/StringTools.h"
#include "page/AccessibilityFindings.h"
#include "page/ClassDefinitions.h"
#include "page/ComponentsManager.h"
#include "page/xmp.h"
#include "project/CoursePaths.h"
#include "project/Links.h"
#include "project/CourseStructure.h"
#include "project/Project.h"

#include <charconv>
#include <set>

namespace vlm::cli {

namespace fs = std::filesystem;

namespace {

constexpr const char* kPagePicker = "projectListItems.html";

// Loading a page for the check must not talk to the user: what the document
// would say becomes the finding's message.
class TQuietPrompt : public UserPrompt {
public:
    std::string said;
    int MessageBox(const std::string&, const std::string& text, DialogType, ButtonSet,
                   const std::string&, bool*) override {
        said = text;
        return mrCancel;
    }
    int MessageDlg(const std::string& text, DialogType, ButtonSet, int) override {
        said = text;
        return mrCancel;
    }
    void ShowMessage(const std::string& text) override { said = text; }
};

bool IsAddress(const std::string& value) {
    return value.find("://") != std::string::npos || value.starts_with("mailto:") ||
           value.starts_with("javascript:") || value.starts_with("#");
}

bool TryParseInt(const std::string& text, int& value) {
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end && !text.empty();
}

// The actions whose parameter is a page number: those edited in the page picker.
std::set<std::string> PageJumpActions(const TjanXMLNode* definitions) {
    std::set<std::string> names;
    const TjanXMLNode* document = definitions ? DefinitionsDocument(*definitions) : nullptr;
    if (!document)
        return names;
    for (const auto& node : document->Children())
        if (node->GetAttributeText("type") == "action" &&
            node->GetAttributeText("editorName") == kPagePicker)
            names.insert(node->GetAttributeText("name"));
    return names;
}

class TPageCheck {
public:
    TPageCheck(const TProject& project, const TCheckContext& context,
               std::vector<TFinding>& findings)
        : context_(context), findings_(findings), jumps_(PageJumpActions(context.definitions)) {
        for (const auto& item : project.Items) {
            ids_.insert(item->Id);
            stamps_.insert(MiddleSegment(item->Stamp));
        }
    }

    void Item(const TProjectItem& item, const TCoursePaths& paths) {
        item_ = &item;
        if (item.PageType == ptOutsideDocument) {
            const fs::path document = paths.PageDir(item.Id) / PathFromCp1250(item.Address);
            if (item.Address.empty() || !fs::is_regular_file(document))
                Add("error", "missing-document",
                    CliText("ERROR_FILE_NOT_FOUND", "File not found: %s", PathToCp1250(document)));
            return;
        }
        if (item.PageType != ptContent)
            return;
        const fs::path file = paths.PageFile(item.Id);
        if (!fs::is_regular_file(file)) {
            Add("error", "missing-page",
                CliText("ERROR_FILE_NOT_FOUND", "File not found: %s", PathToCp1250(file)));
            return;
        }
        Page(file);
    }

private:
    void Add(const char* severity, const char* code, const std::string& message) {
        findings_.push_back({severity, item_->Position, code, message});
    }

    void Page(const fs::path& file) {
        TQuietPrompt quiet;
        TXMPDocument document(context_.guids, quiet, context_.clock);
        document.SetDefinitions(context_.definitions);
        try {
            document.LoadFromFile(file);
        } catch (const std::exception& e) {
            quiet.said = e.what();
        }
        TjanXMLNode* root = document.DocumentNode();
        if (!root) {
            Add("error", "bad-page",
                CliText("ERROR_MESSAGE_NOT_CORRECT_VELLUMAR_FILE", "The file %s is not valid.",
                        PathToCp1250(file)) +
                    (quiet.said.empty() ? "" : " " + quiet.said));
            return;
        }
        int elements = 0;
        std::set<std::string> unknown;
        for (const auto& node : root->Children()) {
            if (node->Name() == "info")
                continue;
            Actions(*node);
            if (node->Name() == "page") {
                Links(*node);
                continue;
            }
            ++elements;
            if (!context_.library.FindByName(node->Name()) && unknown.insert(node->Name()).second)
                Add("error", "unknown-class",
                    CliText("ERROR_COMPONENT_LOST", "Missing component: %s", node->Name()));
        }
        if (elements == 0)
            Add("warning", "empty-page", CliText("CLI_CHECK_EMPTY_PAGE", "The page is empty."));
        Media(document, file.parent_path());
        Accessibility(*root);
    }

    void Accessibility(const TjanXMLNode& root) {
        for (const TAccessibilityFinding& f : AccessibilityFindings(root))
            Add("warning", "accessibility", CliText(f.messageKey, f.messageKey + " %s", f.element));
    }

    void Media(const TXMPDocument& document, const fs::path& pageDir) {
        std::vector<std::string> values;
        document.CollectPathValues(values);
        for (const std::string& value : values) {
            if (IsAddress(value))
                continue;
            const fs::path stored = PathFromStoredText(value);
            const fs::path file = stored.is_absolute() ? stored : pageDir / stored;
            const fs::path decoded = pageDir / PathFromStoredText(UrlDecode(value));
            if (!fs::exists(file) && !fs::exists(decoded))
                Add("error", "missing-media",
                    CliText("ERROR_FILE_NOT_FOUND", "File not found: %s", value));
        }
    }

    void Actions(const TjanXMLNode& subject) {
        for (const auto& event : subject.Children()) {
            if (event->Name() != "event")
                continue;
            for (const auto& action : event->Children()) {
                if (action->Name() != "action" || !jumps_.count(action->GetAttributeText("name")))
                    continue;
                const std::string target = TrimText(action->Text());
                int id = 0;
                if (!TryParseInt(target, id) || !ids_.count(id))
                    Add("error", "broken-jump",
                        CliText("CLI_CHECK_BROKEN_JUMP",
                                "A page jump leads to page %s, which the course does not have.",
                                target));
            }
        }
    }

    void Links(const TjanXMLNode& page) {
        for (const TPageLink& link : LinksFromText(page.GetAttributeText("links"))) {
            if (IsAddress(link.Target))
                continue;
            if (link.Target.empty() || !stamps_.count(link.Target))
                Add("warning", "broken-link",
                    CliText("CLI_CHECK_BROKEN_LINK",
                            "The link \"%s\" leads to no page of this course.", link.ShortName));
        }
    }

    const TCheckContext& context_;
    std::vector<TFinding>& findings_;
    std::set<std::string> jumps_;
    std::set<int> ids_;
    std::set<std::string> stamps_;
    const TProjectItem* item_ = nullptr;
};

// What opening the course would repair, each an error: the check tells it
// before anything is dropped.
void StructureFindings(const TProject& project, std::vector<TFinding>& findings) {
    struct Text {
        const char* code;
        const char* key;
        const char* fallback;
    };
    const auto text = [](TStructureProblemKind kind) -> Text {
        switch (kind) {
        case TStructureProblemKind::NoRoot:
            return {"no-root", "CLI_CHECK_NO_ROOT", "No item is the course's root."};
        case TStructureProblemKind::SecondRoot:
            return {"second-root", "CLI_CHECK_SECOND_ROOT",
                    "A second root: opening leaves \"%s\" out."};
        case TStructureProblemKind::ParentIsSelf:
            return {"parent-is-self", "CLI_CHECK_PARENT_SELF",
                    "\"%s\" is its own parent: opening leaves it out."};
        case TStructureProblemKind::ParentMissing:
            return {"parent-missing", "CLI_CHECK_PARENT_MISSING",
                    "The parent of \"%s\" is missing: opening leaves it out."};
        case TStructureProblemKind::ParentCycle:
            return {"parent-cycle", "CLI_CHECK_PARENT_CYCLE",
                    "\"%s\" hangs in a circle of parents: opening leaves it out."};
        case TStructureProblemKind::DuplicateId:
            break;
        }
        return {"duplicate-id", "CLI_CHECK_DUPLICATE_ID",
                "\"%s\" has the page number of another page."};
    };
    for (const TStructureProblem& problem : FindStructureProblems(project)) {
        const Text t = text(problem.kind);
        findings.push_back(
            {"error", problem.position, t.code, CliText(t.key, t.fallback, problem.name)});
    }
    if (HasCutLastItem(project.FileName))
        findings.push_back({"error", 0, "cut-item",
                            CliText("CLI_CHECK_CUT_ITEM",
                                    "The file ends in the middle of an item: opening leaves it out.")});
}

} // namespace

std::vector<TFinding> CheckProject(const TProject& project, const TCheckContext& context) {
    std::vector<TFinding> findings;
    StructureFindings(project, findings);
    const TCoursePaths paths = TCoursePaths::ForProjectFile(project.FileName);
    TPageCheck check(project, context, findings);
    for (const auto& item : project.Items)
        check.Item(*item, paths);
    return findings;
}

std::string FindingsJson(const std::vector<TFinding>& findings) {
    std::string out = "[";
    for (std::size_t i = 0; i < findings.size(); ++i) {
        const TFinding& f = findings[i];
        out += i ? ",\n  " : "\n  ";
        out += "{\"severity\": " + JsonString(f.severity) +
               ", \"item\": " + std::to_string(f.item) + ", \"code\": " + JsonString(f.code) +
               ", \"message\": " + JsonString(f.message) + "}";
    }
    return out + (findings.empty() ? "]" : "\n]");
}

std::string FindingsText(const std::vector<TFinding>& findings) {
    std::string out;
    for (const TFinding& f : findings)
        out += f.severity + " " + std::to_string(f.item) + " " + f.code + ": " + f.message + "\n";
    return out;
}

int RunCheck(TCliSession& session, const std::string& file, bool json) {
    TProject project(session.prompt);
    project.LoadFromFile(file);
    TComponentsCollection library(session.prompt);
    const std::unique_ptr<TjanXMLTree> definitions =
        LoadComponentLibrary(library, session.programDir, session.prompt, CurrentLanguage());
    if (!definitions)
        return kExitFailed;
    const std::vector<TFinding> findings =
        CheckProject(project, {library, definitions.get(), session.guids, session.clock});
    if (json)
        session.output.Result(FindingsJson(findings), true);
    else if (!findings.empty())
        session.output.Result(FindingsText(findings));
    else
        session.output.Result(CliText("CLI_CHECK_OK", "No problems found: %s",
                                      PathToCp1250(std::filesystem::absolute(file))));
    for (const TFinding& f : findings)
        if (f.severity == "error")
            return kExitFailed;
    return kExitDone;
}

} // namespace vlm::cli
