#include "render/SnippetProcessor.h"

#include "common/AsciiText.h"
#include "common/StringRoutines.h"
#include "common/StringTools.h"
#include "page/janXMLTree.h"
#include "render/AnswerBlocks.h"

#include <algorithm>
#include <map>
#include <utility>

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

std::string PropertyValue(const TjanXMLNode& element, std::string_view name,
                          const PropertyDefault& classDefault, bool answers) {
    std::string value;
    const auto& attributes = element.Attributes();
    const auto found = std::find_if(attributes.begin(), attributes.end(),
                                    [&](const auto& a) { return a->Name == name; });
    if (found != attributes.end())
        value = (*found)->Value;
    else if (classDefault)
        value = classDefault(name);
    const std::string decoded = UrlDecode(value);
    return ScriptStringValue(answers ? decoded : RemoveAnswerBlocks(decoded));
}

bool Blank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

enum class Kind { None, Property, Event };

// The kind of the placeholder text that starts with a non-blank at `pos`:
// "property" or "event" in any case, blanks, then ":" before `end`. On a
// match `pos` moves past the colon. Reads no further than the kind word and
// its blanks, which no other placeholder shares.
Kind ReadKind(std::string_view text, std::size_t& pos, std::size_t end) {
    for (const auto& [word, kind] : {std::pair<std::string_view, Kind>{"property", Kind::Property},
                                     std::pair<std::string_view, Kind>{"event", Kind::Event}}) {
        if (end - pos < word.size())
            continue;
        std::size_t i = 0;
        while (i < word.size() && AsciiLower(text[pos + i]) == word[i])
            ++i;
        if (i < word.size())
            continue;
        std::size_t p = pos + i;
        while (p < end && Blank(text[p]))
            ++p;
        if (p < end && text[p] == ':') {
            pos = p + 1;
            return kind;
        }
        return Kind::None;
    }
    return Kind::None;
}

} // namespace

std::string ScriptStringValue(std::string_view value) {
    return EscapeScriptString(value, false);
}

std::string EventScript(const TjanXMLNode& element, std::string_view eventName) {
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
    // the detour through "<!-#" leads. Several "<!--" before one "//-->"
    // share it: the close found for the first serves the others, and their
    // texts, which overlap, are read in place and never copied, so the work
    // stays linear in the snippet.
    std::map<std::string, std::string, std::less<>> replacements;
    std::string out;
    std::size_t cursor = 0;
    std::size_t close = 0;   // the last "//-->" found
    std::size_t textEnd = 0; // where the blanks before it begin
    bool searched = false;
    for (;;) {
        const std::size_t open = snippet.find(kOpen, cursor);
        if (open == std::string_view::npos)
            break;
        const std::size_t from = open + kOpen.size();
        if (!searched || close < from) {
            searched = true;
            close = snippet.find(kClose, from);
            if (close == std::string_view::npos)
                break;
            textEnd = close;
            while (textEnd > from && Blank(snippet[textEnd - 1]))
                --textEnd;
        }
        std::size_t pos = from;
        while (pos < close && Blank(snippet[pos]))
            ++pos;
        if (pos == close)
            break; // nothing but blanks between the markers
        const std::string_view inner = snippet.substr(from, close - from);
        // Only a placeholder without another "<!--" inside is remembered:
        // those never overlap, so what is kept stays within the snippet's size.
        const bool single = inner.find(kOpen) == std::string_view::npos;
        auto it = single ? replacements.find(inner) : replacements.end();
        std::string computed;
        if (it == replacements.end()) {
            const Kind kind = ReadKind(snippet, pos, textEnd);
            if (kind != Kind::None) {
                while (pos < textEnd && Blank(snippet[pos]))
                    ++pos;
                const std::string_view name = snippet.substr(pos, textEnd - pos);
                if (kind == Kind::Property && substitutions.properties)
                    computed = PropertyValue(element, name, classDefault, substitutions.answers);
                else if (kind == Kind::Event && substitutions.events)
                    computed = EventScript(element, name);
            }
            if (single)
                it = replacements.emplace(std::string(inner), std::move(computed)).first;
        }
        const std::string& replacement = single ? it->second : computed;
        out += snippet.substr(cursor, open - cursor);
        if (replacement.empty()) {
            out += kOpen;
            cursor = from;
        } else {
            out += replacement;
            cursor = close + kClose.size();
        }
    }
    out += snippet.substr(cursor);
    return out;
}

} // namespace vlm
