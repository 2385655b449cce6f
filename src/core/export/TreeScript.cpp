#include "export/TreeScript.h"
#include "common/AsciiText.h"
#include "common/StringRoutines.h"

#include "common/FileWrite.h"
#include "common/StringTools.h"
#include "export/CourseWalk.h"
#include "export/ItemUrl.h"
#include "project/Project.h"

#include <system_error>

namespace fs = std::filesystem;

namespace vlm {

namespace {

std::string ChapterAddress(const TProjectItem& item) {
    const std::string request = std::string(kLmsRequestPage) + "?src=";
    switch (item.PageType) {
    case ptContent:
        return TrimText(PageUrl(item));
    case ptURLLink:
        return request + UrlEncode(item.Address);
    default:
        return request + UrlEncode("../" + TrimText(PageUrl(item)));
    }
}

// Titles and addresses stand in double-quoted strings of the page's script
// block: a backslash, "</script>" or a line break must not end either.
std::string Line(const TProjectItem& item, bool chapter, int level, int sequence) {
    std::string title = ScriptStringInHtml(item.Name);
    if (!chapter)
        title = TrimText(title);
    const std::string address =
        ScriptStringInHtml(chapter ? ChapterAddress(item) : ItemUrl(item));
    return std::string("addTreePage(") + (chapter ? "true," : "false,") + '"' + title + "\",\"" +
           address + "\"," + std::to_string(level) + ", \"\", " + std::to_string(item.Id) +
           ", 0, " + std::to_string(sequence) + ");";
}

} // namespace

std::vector<std::string> TreeScriptLines(const TProject& project) {
    std::vector<std::string> lines;
    const TCourseWalk walk(project);
    const TWalkNode* root = walk.Root();
    if (!root)
        return lines;
    if (root->children.empty()) {
        lines.push_back(Line(*root->item, false, 0, 0));
        return lines;
    }
    int sequence = 0;
    for (const TWalkNode* node : walk.PreOrder()) {
        if (node == root)
            continue;
        const bool chapter = !node->children.empty();
        lines.push_back(Line(*node->item, chapter, node->depth - 1, sequence));
        if (!chapter)
            ++sequence;
    }
    return lines;
}

bool WriteTreeScriptFile(const fs::path& file, const std::vector<std::string>& lines) {
    std::error_code ec;
    if (!fs::exists(file, ec))
        return true;
    const auto text = ReadFileBytes(file);
    if (!text)
        return false;
    std::string script;
    for (const auto& line : lines)
        script += line + "\r\n";
    return WriteFileBytes(file, ReplaceEvery(*text, "*[tree]*", script));
}

} // namespace vlm
