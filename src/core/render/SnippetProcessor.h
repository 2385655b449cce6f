#pragma once
// Filling one component snippet ("body.html", "body.js") for one element:
// "<!--property:name//-->" takes the element's value, "<!--event:name//-->"
// the script generated from the actions of the element's event.

#include <functional>
#include <string>
#include <string_view>

namespace vlm {

class TjanXMLNode;

// Which placeholder kinds a rendering mode fills.
struct TSubstitutions {
    bool properties = true;
    bool events = false;
    // False for exam pages: the answer blocks inside property values are cut
    // out before the escaping hides their markers from the template.
    bool answers = true;
};

// The class default of a property, for elements that lack the attribute.
using PropertyDefault = std::function<std::string(std::string_view name)>;

// A decoded value as the inside of a double-quoted script string: backslash,
// double quote, "</", "<!--" and "*[" escaped, CR and LF removed.
std::string ScriptStringValue(std::string_view value);

// The calls generated for the actions of the element's event `eventName`;
// empty when the element has no such event or no action reaches a target.
std::string EventScript(const TjanXMLNode& element, std::string_view eventName);

// The snippet with its placeholders filled. Values are put in once: a value
// that itself looks like a placeholder is not filled again. Throws
// ConvertError when a stored value's URL encoding is broken.
std::string ProcessSnippetText(std::string_view snippet, const TjanXMLNode& element,
                               TSubstitutions substitutions,
                               const PropertyDefault& classDefault = {});

} // namespace vlm
