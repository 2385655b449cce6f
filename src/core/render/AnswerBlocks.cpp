#include "render/AnswerBlocks.h"

namespace vlm {

std::string RemoveAnswerBlocks(std::string_view text) {
    const std::string_view open = kAnswerOpen;
    const std::string_view close = kAnswerClose;
    std::string out;
    std::size_t from = 0;
    for (;;) {
        const std::size_t start = text.find(open, from);
        if (start == std::string_view::npos)
            break;
        const std::size_t stop = text.find(close, start + open.size());
        if (stop == std::string_view::npos)
            break;
        out.append(text, from, start - from);
        from = stop + close.size();
        if (text.substr(from).starts_with("\r\n"))
            from += 2;
        else if (from < text.size() && (text[from] == '\n' || text[from] == '\r'))
            from += 1;
    }
    out.append(text, from);
    return out;
}

} // namespace vlm
