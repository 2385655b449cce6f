#include "render/SnippetProcessor.h"

#include "common/AsciiText.h"
#include "common/StringRoutines.h"
#include "common/StringTools.h"
#include "page/janXMLTree.h"
#include "render/AnswerBlocks.h"

#include <map>

namespace vlm {

namespace {

constexpr std::string_view kOpen = "<!--";
constexpr std::string_view kClose = "//-->";

// The inside of a double-quoted script string. Besides the string's own
// delimiters, "</" could close the script element, "<!--" could switch the
// HTML parser's script state, and "<!--" or "*[" would let the template's
// clean-up cut across values; each gets a backslash that the script drops.
std::string EscapeScriptString(std::string_view text, bool keepLineBreaks) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const std::string_view rest = text.substr(i + 1);
        if (c == '\r' || c == '\n') {
            if (keepLineBreaks)
                out += c == '\r' ? "\\r" : "\\n";
            continue;
        }
        if (c == '\\' || c == '"')
            out += '\\';
        out += c;
        if ((c == '<' && (rest.starts_with("/") || rest.starts_with("!--"))) ||
            (c == '*' && rest.starts_with("[")))
            out += '\\';
    }
    return out;
}

// A text parameter as a script string literal: the stored "\n" pairs are
// line breaks, which the literal carries as escapes so the script stays valid.
std::string TextParameter(const std::string& stored) {
    std::string literal(1, '"');
    literal += EscapeScriptString(ReplaceEvery(stored, "\\n", "\r\n"), true);
    literal += '"';
    return literal;
}

std::string PropertyValue(const TjanXMLNode& element, const std::string& name,
                          const PropertyDefault& classDefault, bool answers) {
    std::string value;
    if (!element.TryGetAttribute(name, value) && classDefault)
        value = classDefault(name);
    const std::string decoded = UrlDecode(value);
    return ScriptStringValue(answers ? decoded : RemoveAnswerBlocks(decoded));
}

} // namespace

std::string ScriptStringValue(std::string_view value) {
    return EscapeScriptString(value, false);
}

std::string EventScript(const TjanXMLNode& element, const std::string& eventName) {
    const TjanXMLNode* event = element.FindChildByAttribute("name", eventName);
    if (!event)
        return {};
    const std::string ownId = element.GetAttributeText("id");
    const TjanXMLNode* document = element.Parent();
    TjanXMLNodeList actions;
    event->CollectDescendants("action", actions);
    std::string script;
    for (const TjanXMLNode* action : actions) {
        const std::string object = action->GetAttributeText("object");
        const TjanXMLNode* target =
            document ? document->FindChildByAttribute("id", object) : nullptr;
        std::string targetId;
        if (!target && !document && element.TryGetAttribute("id", targetId) && targetId == object)
            target = &element;
        if (!target)
            continue;
        if (target->GetAttributeText("id") != ownId)
            script +=
                "VLMObject.all[\"" + ScriptStringValue(target->GetAttributeText("name")) + "\"].";
        else
            script += "this.";
        script += action->GetAttributeText("name") + "(";
        if (SameTextAscii(action->GetAttributeText("param"), "true")) {
            if (SameTextAscii(action->GetAttributeText("paramType"), "text"))
                script += TextParameter(action->Text());
            else
                script += action->Text();
        }
        script += ");\r\n";
    }
    return script;
}

std::string ProcessSnippetText(std::string_view snippet, const TjanXMLNode& element,
                               TSubstitutions substitutions, const PropertyDefault& classDefault) {
    // One pass from left to right. A placeholder whose replacement is empty
    // stays, and the search goes on just after its "<!--", which is where
    // the detour through "<!-#" leads.
    std::map<std::string, std::string> replacements;
    std::string out;
    std::size_t cursor = 0;
    for (;;) {
        const std::size_t open = snippet.find(kOpen, cursor);
        if (open == std::string_view::npos)
            break;
        const std::size_t close = snippet.find(kClose, open + kOpen.size());
        if (close == std::string_view::npos)
            break;
        const std::string inner(snippet.substr(open + kOpen.size(), close - open - kOpen.size()));
        if (TrimText(inner).empty())
            break;
        auto it = replacements.find(inner);
        if (it == replacements.end()) {
            const std::size_t colon = inner.find(':');
            const std::string kind =
                colon == std::string::npos ? std::string() : TrimText(inner.substr(0, colon));
            const std::string name =
                colon == std::string::npos ? TrimText(inner) : TrimText(inner.substr(colon + 1));
            std::string replacement;
            if (SameTextAscii(kind, "property") && substitutions.properties)
                replacement = PropertyValue(element, name, classDefault, substitutions.answers);
            else if (SameTextAscii(kind, "event") && substitutions.events)
                replacement = EventScript(element, name);
            it = replacements.emplace(inner, std::move(replacement)).first;
        }
        out += snippet.substr(cursor, open - cursor);
        if (it->second.empty()) {
            out += kOpen;
            cursor = open + kOpen.size();
        } else {
            out += it->second;
            cursor = close + kClose.size();
        }
    }
    out += snippet.substr(cursor);
    return out;
}

} // namespace vlm
