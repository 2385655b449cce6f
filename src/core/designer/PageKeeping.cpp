#include "designer/PageKeeping.h"

namespace vlm {

bool PageSurvivesSaving(const TjanXMLTree& tree) {
    const std::string text = tree.AsText();
    TjanXMLTree reread;
    try {
        reread.LoadFromText(text);
    } catch (const std::exception&) {
        return false;
    }
    return reread.AsText() == text;
}

} // namespace vlm
