#include "export/AnswerStrip.h"

#include "common/FileWrite.h"
#include "common/StringRoutines.h"
#include "page/janXMLTree.h"

#include <cstring>
#include <system_error>

namespace vlm {

std::string StripAnswerBlock(const std::string& text) {
    const std::size_t open = text.find(kAnswerOpen);
    const std::size_t close = text.find(kAnswerClose);
    if (open == std::string::npos || close == std::string::npos || close < open)
        return text;
    std::size_t end = close + std::strlen(kAnswerClose);
    if (text.compare(end, 2, "\r\n") == 0)
        end += 2;
    else if (end < text.size() && (text[end] == '\n' || text[end] == '\r'))
        end += 1;
    return text.substr(0, open) + text.substr(end);
}

void StripAnswersInPage(const std::filesystem::path& page) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(page, ec))
        return;
    std::string joined;
    const StringList lines = ReadLines(page);
    for (std::size_t i = 0; i < lines.size(); ++i)
        joined += (i ? "\r\n" : "") + lines[i];
    std::string stripped = StripAnswerBlock(joined);
    if (!stripped.empty())
        stripped += "\r\n";
    if (!WriteFileBytes(page, stripped))
        throw EFCreateError("Cannot create file \"" + page.string() + "\".");
}

} // namespace vlm
