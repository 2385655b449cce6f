#pragma once
// A synthetic page as the program writes it and the class definitions its
// elements use, for the benchmarks of page documents and the designer.

#include "common/SystemPorts.h"
#include "page/janXMLTree.h"

#include <string>

namespace vlm::bench {

class CountingGuids : public GuidSource {
public:
    std::string NewGuid() override {
        return "{00000000-0000-0000-0000-" + std::to_string(++n_) + "}";
    }

private:
    unsigned long n_ = 0;
};

inline const char* const kClasses[] = {"text", "image", "button", "input", "checkbox"};

inline std::string Definitions() {
    std::string d = "<document>\r\n";
    for (const char* cls : kClasses) {
        d += std::string("  <class name=\"") + cls + "\" type=\"api\" extends=\"component\">\r\n";
        for (int p = 0; p < 12; ++p)
            d += "    <property name=\"p" + std::to_string(p) + "\" defaultValue=\"v" +
                 std::to_string(p) + "\" type=\"" + (p == 3 ? "path" : "text") + "\" />\r\n";
        d += "    <events>\r\n      <event name=\"onClick\">\r\n        <code>\r\n"
             "          <![CDATA[// click\r\nrun();]]>\r\n        </code>\r\n      </event>\r\n"
             "      <event name=\"onShow\" />\r\n    </events>\r\n  </class>\r\n";
    }
    return d + "</document>\r\n";
}

// A page as the program writes it, with `elements` complete elements.
inline std::string Page(int elements) {
    TjanXMLTree tree;
    TjanXMLNode* doc = tree.AddChild("document");
    doc->AddAttribute("id", "{0F1E2D3C-4B5A-6978-8796-A5B4C3D2E1F0}");
    TjanXMLNode* info = doc->AddChild("info");
    for (const char* item : {"caption", "author", "version", "description", "group", "date"})
        info->AddChild(item, std::string("the ") + item);
    doc->AddChild("page")->AddAttribute("id", "{00000000-0000-0000-0000-000000000001}");
    for (int i = 1; i <= elements; ++i) {
        const std::string cls = kClasses[i % 5];
        TjanXMLNode* e = doc->AddChild(cls);
        e->AddAttribute("name", cls + std::to_string(i));
        e->AddAttribute("id", "{00000000-0000-0000-0000-" + std::to_string(100000 + i) + "}");
        e->AddAttribute("globalIndex", std::to_string(i));
        for (const char* geo : {"x", "y", "width", "height"})
            e->AddAttribute(geo, std::to_string(i * 7 % 500));
        for (int p = 0; p < 12; ++p)
            e->AddAttribute(std::string("p").append(std::to_string(p)),
                            std::string("Some%20value%20").append(std::to_string(p)));
        TjanXMLNode* ev = e->AddChild("event", "// click\\n run();");
        ev->AddAttribute("name", "onClick");
        ev->SetCData(true);
        TjanXMLNode* action = ev->AddChild("action", "parameter text");
        action->AddAttribute("object", "{00000000-0000-0000-0000-100001}");
        action->AddAttribute("name", "show");
        e->AddChild("event")->AddAttribute("name", "onShow");
    }
    return tree.AsText();
}

} // namespace vlm::bench
