// Feeds arbitrary bytes to the XML reader, then binds them as a page document
// against fixed class definitions, pastes them as a clipboard element and
// resolves every class they define (inheritance cycles included). A tree
// whose names the writer can express is written, read and written again: the
// two texts must be equal.
#include "FuzzGuids.h"
#include "app/NullUserPrompt.h"
#include "page/ClassDefinitions.h"
#include "page/janXMLTree.h"
#include "page/xmp.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

using vlm::fuzz::CountingGuids;

const char* const kDefinitions =
    "<document><class name=\"text\" extends=\"component\"><property name=\"text\" "
    "defaultValue=\"RESOURCE_PATH\\a\"><defaultValue lang=\"PL\">t</defaultValue></property>"
    "<events><event name=\"onClick\"><code><![CDATA[x\r\ny]]></code></event></events></class>"
    "<class name=\"component\"><property name=\"x\" defaultValue=\"0\" /></class></document>";

// Names the fixed layout cannot carry: they read back as end tags, empty
// tags, CDATA sections or shorter names.
bool WritableNames(const vlm::TjanXMLNode& root) {
    std::vector<const vlm::TjanXMLNode*> pending;
    for (const auto& c : root.Children())
        pending.push_back(c.get());
    while (!pending.empty()) {
        const vlm::TjanXMLNode* n = pending.back();
        pending.pop_back();
        const std::string& name = n->Name();
        if (name.empty() || name.front() == '/')
            return false;
        // Control characters at the end of a name are trimmed when ">" follows it.
        if (static_cast<unsigned char>(name.back()) <= ' ')
            return false;
        if (name.back() == '/' && (!n->Children().empty() || !n->Text().empty()))
            return false;
        std::string head = name.substr(0, 8);
        for (char& ch : head)
            if (ch >= 'a' && ch <= 'z')
                ch = static_cast<char>(ch - 'a' + 'A');
        if (head == "![CDATA[")
            return false;
        for (const auto& c : n->Children())
            pending.push_back(c.get());
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);

    vlm::TjanXMLTree tree;
    tree.LoadFromText(text);
    const std::string written = tree.AsText();
    if (WritableNames(tree)) {
        vlm::TjanXMLTree again;
        again.LoadFromText(written);
        if (again.AsText() != written)
            __builtin_trap();
    }
    auto copy = tree.Clone();
    if (copy->ToXml(0) != tree.ToXml(0))
        __builtin_trap();
    (void)tree.FindDescendant("document");
    vlm::TjanXMLNodeList found;
    tree.SelectAll("//class", found);

    static vlm::TjanXMLTree definitions;
    if (definitions.Children().empty())
        definitions.LoadFromText(kDefinitions);
    vlm::NullUserPrompt prompt;
    CountingGuids guids;
    vlm::SystemClock clock;
    vlm::TXMPDocument doc(guids, prompt, clock);
    doc.SetDefinitions(&definitions);
    doc.LoadFromText(text);
    (void)doc.MaxGlobalIndex();
    (void)doc.UniqueName("text");
    std::vector<std::string> paths;
    doc.CollectPathValues(paths);
    doc.LoadFromText("<document><page /></document>");
    doc.PasteElement(text);

    // The input as definitions: every class resolved, including cycles.
    for (const vlm::TjanXMLNode* cls : found) {
        auto element = vlm::ResolveClass(tree, *cls);
        (void)vlm::LookupPropertyAttribute(vlm::DefinitionsDocument(tree),
                                           cls->GetAttributeText("name"), "type", "x");
    }
    return 0;
}
