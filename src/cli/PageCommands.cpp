#include "PageCommands.h"

#include "CliSession.h"
#include "Json.h"

#include "common/Encoding.h"
#include "common/StringTools.h"
#include "designer/DesignerSession.h"
#include "designer/ElementRecords.h"
#include "designer/SurfaceGeometry.h"
#include "page/ClassDefinitions.h"
#include "project/CourseMessages.h"
#include "project/CoursePaths.h"
#include "project/Project.h"

#include <optional>

namespace vlm::cli {

namespace {

// A bad argument: told, and the command ends with exit code 1.
struct TBadInput {
    std::string key, argument;
};

std::pair<int, int> ParsePair(const std::string& text) {
    const std::size_t comma = text.find(',');
    int a = 0, b = 0;
    if (comma == std::string::npos || !ParseWholeNumber(text.substr(0, comma), a) ||
        !ParseWholeNumber(text.substr(comma + 1), b))
        throw TBadInput{"CLI_BAD_POINT", Utf8ToCp1250(text)};
    return {a, b};
}

bool IsGeometry(const std::string& name) {
    return name == "x" || name == "y" || name == "width" || name == "height";
}

// The value as the property editors store it: the standard grid keeps typed
// kinds (numbers, colours, flags, paths) as typed, the HTML editors store
// free text URL-encoded.
std::string StoredValue(const TjanXMLNode* definitions, const TjanXMLNode& element,
                        const std::string& name, const std::string& value) {
    if (IsGeometry(name) || name == "name")
        return value;
    const std::string type = LookupPropertyAttribute(definitions, element.Name(), "type", name);
    return type.empty() ? UrlEncode(value) : value;
}

// The value survives writing and reading the page file unchanged.
bool FileKeeps(const std::string& name, const std::string& value) {
    TjanXMLNode probe("probe");
    probe.AddAttribute(name, value);
    TjanXMLTree tree;
    tree.LoadFromText(probe.ToXml(0));
    const TjanXMLNode* read = tree.FirstChild();
    return read && read->Attributes().size() == 1 && read->Attributes()[0]->Name == name &&
           read->Attributes()[0]->Value == value;
}

// Checks every NAME=VALUE before anything changes; the stored values.
std::vector<std::pair<std::string, std::string>> Assignments(const std::vector<std::string>& texts,
                                                             const TXMPDocument& document,
                                                             const TjanXMLNode& element) {
    const TjanXMLNode* definitions = document.DefinitionsDocument();
    std::vector<std::pair<std::string, std::string>> out;
    for (const std::string& utf8 : texts) {
        const std::string text = Utf8ToCp1250(utf8);
        const std::size_t eq = text.find('=');
        if (eq == std::string::npos || eq == 0)
            throw TBadInput{"CLI_BAD_ASSIGNMENT", text};
        const std::string name = text.substr(0, eq), value = text.substr(eq + 1);
        if (name == "id" || name == "globalIndex")
            throw TBadInput{"CLI_PROPERTY_FIXED", name};
        const bool known =
            element.FindAttribute(name) || IsGeometry(name) ||
            !LookupPropertyAttribute(definitions, element.Name(), "name", name).empty();
        if (!known)
            throw TBadInput{"CLI_UNKNOWN_PROPERTY", name};
        int number = 0;
        const TjanXMLNode* other = document.DocumentNode()->FindChildByAttribute("name", value);
        if ((IsGeometry(name) && !ParseWholeNumber(value, number)) ||
            (name == "name" && (!IsValidIdentifier(value) || (other && other != &element))))
            throw TBadInput{"CLI_VALUE_NOT_KEPT", name};
        const std::string stored = StoredValue(definitions, element, name, value);
        if (!FileKeeps(name, stored))
            throw TBadInput{"CLI_VALUE_NOT_KEPT", name};
        out.emplace_back(name, stored);
    }
    return out;
}

std::string EventsJson(const TjanXMLNode& element) {
    std::string out = "[";
    bool first = true;
    for (const auto& ev : element.Children()) {
        if (ev->Name() != "event")
            continue;
        out += std::string(first ? "" : ", ") +
               "{\"name\": " + JsonString(ev->GetAttributeText("name")) +
               ", \"code\": " + JsonString(ev->Text()) + ", \"actions\": [";
        bool firstAction = true;
        for (const auto& action : ev->Children()) {
            out += std::string(firstAction ? "" : ", ") +
                   "{\"object\": " + JsonString(action->GetAttributeText("object")) +
                   ", \"name\": " + JsonString(action->GetAttributeText("name")) +
                   ", \"param\": " + JsonString(action->Text()) + "}";
            firstAction = false;
        }
        out += "]}";
        first = false;
    }
    return out + "]";
}

bool IsElement(const TjanXMLNode& node) {
    return node.Name() != "page" && node.Name() != "info" && node.FindAttribute("name");
}

std::string ShowJson(const TjanXMLNode& document) {
    std::string out = "[";
    bool first = true;
    for (const auto& e : document.Children()) {
        if (!IsElement(*e))
            continue;
        out += std::string(first ? "\n  " : ",\n  ") + "{\"class\": " + JsonString(e->Name()) +
               ", \"name\": " + JsonString(e->GetAttributeText("name")) +
               ", \"globalIndex\": " + JsonString(e->GetAttributeText("globalIndex"));
        for (const char* g : {"x", "y", "width", "height"})
            out += ", \"" + std::string(g) + "\": " + JsonString(GetAttributeOr(e.get(), g, "10"));
        out += ", \"properties\": {";
        bool firstProperty = true;
        for (const auto& a : e->Attributes()) {
            out += std::string(firstProperty ? "" : ", ") + JsonString(a->Name) + ": " +
                   JsonString(UrlDecode(a->Value));
            firstProperty = false;
        }
        out += "}, \"events\": " + EventsJson(*e) + "}";
        first = false;
    }
    return out + (first ? "]\n" : "\n]\n");
}

std::string ShowText(const TjanXMLNode& document) {
    std::string out;
    for (const auto& e : document.Children()) {
        if (!IsElement(*e))
            continue;
        out += e->GetAttributeText("name") + "  [" + e->Name() + ", " +
               e->GetAttributeText("globalIndex") + "]  " + GetAttributeOr(e.get(), "x", "10") +
               "," + GetAttributeOr(e.get(), "y", "10") + " " +
               GetAttributeOr(e.get(), "width", "10") + "x" +
               GetAttributeOr(e.get(), "height", "10") + "\n";
        for (const auto& a : e->Attributes())
            if (a->Name != "name" && !IsGeometry(a->Name))
                out += "    " + a->Name + " = " + UrlDecode(a->Value) + "\n";
        for (const auto& ev : e->Children())
            if (ev->Name() == "event")
                out += "    on " + ev->GetAttributeText("name") + ": " +
                       std::to_string(ev->ChildCount()) + " action(s)\n";
    }
    return out;
}

} // namespace

TPageCommands::TPageCommands(CLI::App& app) {
    const auto fileAndItem = [this](CLI::App* sub) {
        sub->add_option("FILE", file_, "The .vlmproject file")->required();
        sub->add_option("--item", item_, "Position of the item in the course tree")->required();
    };
    page_ = app.add_subcommand("page", "Pages of a course");
    page_->require_subcommand(1);
    show_ = page_->add_subcommand("show", "Elements of a page in drawing order");
    fileAndItem(show_);
    show_->add_flag("--json", json_, "One JSON array");

    element_ = app.add_subcommand("element", "Elements of a page");
    element_->require_subcommand(1);
    add_ = element_->add_subcommand("add", "Add an element of a component class");
    fileAndItem(add_);
    add_->add_option("CLASS", className_, "Component class")->required();
    add_->add_option("--at", at_, "Position X,Y")->required();
    add_->add_option("--size", size_, "Size W,H");
    add_->add_option("--set", assignments_, "NAME=VALUE");
    set_ = element_->add_subcommand("set", "Set properties of an element");
    fileAndItem(set_);
    set_->add_option("ELEMENT", element_name_, "Element name")->required();
    set_->add_option("ASSIGNMENTS", assignments_, "NAME=VALUE ...")->required();
    delete_ = element_->add_subcommand("delete", "Delete an element (--yes answers the question)");
    fileAndItem(delete_);
    delete_->add_option("ELEMENT", element_name_, "Element name")->required();
    order_ = element_->add_subcommand("order", "Bring an element to the front or send it back");
    fileAndItem(order_);
    order_->add_option("ELEMENT", element_name_, "Element name")->required();
    CLI::Option_group* side = order_->add_option_group("side", "Where the element goes");
    side->add_flag("--front", front_, "On top of every other element");
    side->add_flag("--back", back_, "Below every other element");
    side->require_option(1);
}

bool TPageCommands::Selected() const {
    return *page_ || *element_;
}

int TPageCommands::Run(TCliSession& session) const {
    TProject project(session.prompt);
    project.LoadFromFile(file_);
    const TProjectItem* item = project.FindByPosition(item_);
    const TCoursePaths paths = TCoursePaths::ForProjectFile(file_);
    try {
        if (!item)
            throw TBadInput{"CLI_ITEM_NOT_FOUND", std::to_string(item_)};
        const std::filesystem::path pageFile = paths.PageFile(item->Id);
        if (!std::filesystem::is_regular_file(pageFile))
            throw TBadInput{"CLI_ITEM_NO_PAGE", std::to_string(item_)};

        TComponentsCollection library(session.prompt);
        const std::unique_ptr<TjanXMLTree> definitions =
            LoadComponentLibrary(library, session.programDir, session.prompt, CurrentLanguage());
        if (!definitions)
            return kExitFailed;
        TDesignerSession designer(session.prompt, session.guids, session.clock, *definitions,
                                  &library);
        designer.SetCoursePaths(paths);
        if (!designer.OpenPage(pageFile, item->Name))
            return kExitFailed;
        TjanXMLNode* doc = designer.Document().DocumentNode();
        if (*show_) {
            if (json_)
                session.output.Result(ShowJson(*doc), true);
            else
                session.output.Result(ShowText(*doc));
            return kExitDone;
        }
        TjanXMLNode* element = nullptr;
        if (!*add_) {
            element = doc->FindChildByAttribute("name", Utf8ToCp1250(element_name_));
            if (!element || !IsElement(*element))
                throw TBadInput{"CLI_ELEMENT_NOT_FOUND", Utf8ToCp1250(element_name_)};
        }
        if (*add_) {
            const std::string cls = Utf8ToCp1250(className_);
            const TjanXMLNode* definition =
                designer.Document().DefinitionsDocument()->FindChildByAttribute("name", cls);
            if (!definition || definition->Name() != "class")
                throw TBadInput{"CLI_CLASS_NOT_FOUND", cls};
            const auto [x, y] = ParsePair(at_);
            const std::optional<std::pair<int, int>> size =
                size_.empty() ? std::nullopt : std::optional(ParsePair(size_));
            // Checked on a detached element of the class before the page changes.
            const std::unique_ptr<TjanXMLNode> probe = ResolveClass(*definitions, *definition);
            const auto values = Assignments(assignments_, designer.Document(), *probe);
            element = designer.CreateElement(cls, x, y);
            if (!element)
                return kExitFailed;
            if (size) {
                const auto [width, height] = size.value();
                element->SetAttribute("width", std::to_string(width));
                element->SetAttribute("height", std::to_string(height));
            }
            for (const auto& [name, value] : values)
                element->SetAttribute(name, value);
        } else if (*set_) {
            const auto values = Assignments(assignments_, designer.Document(), *element);
            designer.Change([&] {
                for (const auto& [name, value] : values)
                    element->SetAttribute(name, value);
            });
        } else if (*delete_) {
            designer.PressSelect(designer.Frames().IndexOf(element));
            const TDeleteResult result = designer.CurrentRecord() == element
                                             ? designer.DeleteCommand()
                                             : TDeleteResult::NotAllowed;
            if (result == TDeleteResult::NotAllowed)
                throw TBadInput{"CLI_ELEMENT_NOT_DELETABLE", element->GetAttributeText("name")};
            if (result != TDeleteResult::Deleted)
                return kExitCancelled;
        } else if (*order_) {
            if (designer.Frames().IndexOf(element) < 0)
                throw TBadInput{"CLI_ELEMENT_NOT_DRAWN", element->GetAttributeText("name")};
            designer.SelectElement(element);
            if (front_)
                designer.BringToFront();
            else
                designer.SendToBack();
        }
        return designer.SavePage() ? kExitDone : kExitFailed;
    } catch (const TBadInput& bad) {
        session.output.Important(LangTextWith(bad.key, bad.argument));
        return kExitFailed;
    }
}

} // namespace vlm::cli
