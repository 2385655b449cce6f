// Feeds arbitrary bytes to the designer's clipboard record reader: the
// fields written again in comma-list notation must read back the same, and
// pasting the record onto a page must neither crash nor break the page.
#include "FuzzGuids.h"
#include "app/NullUserPrompt.h"
#include "designer/ClipboardRecord.h"
#include "designer/ElementPaste.h"
#include "page/xmp.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

using vlm::fuzz::CountingGuids;

const char* const kDefinitions = R"(<document>
  <class name="button"><property name="caption" defaultValue="OK" />
    <property name="buttonSrc" type="path" /><event name="onClick"><code>go();</code></event></class>
</document>)";

const char* const kPage =
    R"(<document id="{D}"><info /><page id="{P}" height="550" globalIndex="3" />
  <button name="button1" globalIndex="4" x="100" y="0" /></document>)";

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> fields = vlm::ParseCommaList(bytes);
    // A lone empty field is written as nothing, which reads as no field.
    const bool loneEmpty = fields.size() == 1 && fields[0].empty();
    if (!loneEmpty && vlm::ParseCommaList(vlm::CommaListText(fields)) != fields)
        std::abort();

    static vlm::TjanXMLTree definitions;
    if (definitions.Children().empty())
        definitions.LoadFromText(kDefinitions);
    vlm::NullUserPrompt prompt;
    CountingGuids guids;
    vlm::SystemClock clock;
    vlm::TXMPDocument doc(guids, prompt, clock);
    doc.SetDefinitions(&definitions);
    doc.LoadFromText(kPage);
    const std::size_t before = doc.DocumentNode()->ChildCount();
    const vlm::TjanXMLNode* pasted = vlm::PasteClipboardRecord(doc, nullptr, bytes, {});
    // Whatever was pasted is one new last element with a fresh index.
    if (pasted && (doc.DocumentNode()->ChildCount() != before + 1 ||
                   pasted->GetAttributeText("globalIndex") != std::to_string(doc.MaxGlobalIndex())))
        std::abort();
    if (!pasted && doc.DocumentNode()->ChildCount() != before)
        std::abort();
    (void)doc.AsText();
    return 0;
}
