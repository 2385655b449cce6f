#pragma once
// What keeps a page's elements from being understood with a screen reader and
// that the author can fix in the element's properties: a picture without
// alternative text, a picture button without a name, a question without a label,
// a video without captions, a frame without a label.

#include <string>
#include <vector>

namespace vlm {

class TjanXMLNode;

struct TAccessibilityFinding {
    std::string messageKey; // a key of the language file, its text holds one %s
    std::string element;    // the element's name
};

// document: a page's <document> node, its element records completed from the class
// definitions. Options of a question group are reported once, by their first member.
std::vector<TAccessibilityFinding> AccessibilityFindings(const TjanXMLNode& document);

} // namespace vlm
