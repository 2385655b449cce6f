#include "common/StringRoutines.h"

#include "common/FileWrite.h"
#include "common/charConverter.h"

#include <algorithm>
#include <cstdio>

namespace vlm {

int FindFrom(std::string_view pattern, std::string_view text, int start) {
    if (pattern.empty() || start < 1 || static_cast<std::size_t>(start) > text.size())
        return 0;
    const std::size_t pos = text.find(pattern, static_cast<std::size_t>(start - 1));
    return pos == std::string_view::npos ? 0 : static_cast<int>(pos) + 1;
}

std::string AppendCharIfMissing(std::string_view text, char ch) {
    std::string out(text);
    if (!out.empty() && out.back() != ch)
        out += ch;
    return out;
}

std::string RemoveExtension(std::string_view text) {
    const std::size_t dot = text.rfind('.');
    return std::string(dot == std::string_view::npos ? text : text.substr(0, dot));
}

std::string ExtractNameAnySeparator(std::string_view path) {
    const std::size_t sep = path.find_last_of("\\/");
    return std::string(sep == std::string_view::npos ? path : path.substr(sep + 1));
}

std::string ExtractDottedExtension(std::string_view path) {
    const std::string name = ExtractNameAnySeparator(path);
    const std::size_t dot = name.find('.');
    return dot == std::string::npos ? std::string() : name.substr(dot + 1);
}

std::string PadIndex5(std::string_view text) {
    if (text.size() >= 5)
        return std::string(text);
    return std::string(5 - text.size(), '0') + std::string(text);
}

std::string StripLeadingSlash(std::string_view path) {
    if (!path.empty() && path.front() == '\\')
        path.remove_prefix(1);
    if (!path.empty() && path.front() == '/')
        path.remove_prefix(1);
    return std::string(path);
}

std::string JoinStrings(const StringList& list, std::string_view separator, bool encode) {
    std::string out;
    for (const std::string& item : list) {
        out += encode ? TextToEntities(item) : item;
        out += separator;
    }
    if (!list.empty())
        out.erase(out.size() - separator.size());
    return out;
}

StringList SplitText(std::string_view text, char separator, bool decode) {
    StringList list;
    std::size_t pos = 0;
    auto add = [&](std::string_view piece) {
        list.push_back(decode ? EntitiesToText(piece) : std::string(piece));
    };
    for (std::size_t sep; (sep = text.find(separator, pos)) != std::string_view::npos;
         pos = sep + 1)
        add(text.substr(pos, sep - pos));
    if (pos < text.size())
        add(text.substr(pos));
    return list;
}

StringList SplitByString(std::string_view text, std::string_view separator) {
    StringList list;
    if (text.empty() || separator.empty())
        return list;
    std::size_t pos = text.starts_with(separator) ? separator.size() : 0;
    for (std::size_t sep; (sep = text.find(separator, pos)) != std::string_view::npos;
         pos = sep + separator.size())
        list.emplace_back(text.substr(pos, sep - pos));
    if (pos < text.size())
        list.emplace_back(text.substr(pos));
    return list;
}

std::string MiddleSegment(std::string_view text) {
    const std::size_t first = text.find('_');
    if (first == std::string_view::npos)
        return std::string(text);
    const std::size_t second = text.find('_', first + 1);
    if (second == std::string_view::npos)
        return std::string(text);
    return std::string(text.substr(first + 1, second - first - 1));
}

std::string StepName(int number) {
    std::string digits = std::to_string(number);
    if (digits.size() == 1)
        digits = "00" + digits;
    else if (digits.size() == 2)
        digits = "0" + digits;
    return "Step" + digits;
}

std::string ColorToHtml(unsigned colour) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%02X%02X%02X", colour & 0xFF, (colour >> 8) & 0xFF,
                  (colour >> 16) & 0xFF);
    return buf;
}

std::string TextBetween(std::string_view text, std::string_view open, std::string_view close) {
    const std::size_t start = text.find(open);
    if (start == std::string_view::npos)
        return {};
    const std::size_t from = start + open.size();
    const std::size_t end = text.find(close, from);
    if (end == std::string_view::npos)
        return {};
    return std::string(text.substr(from, end - from));
}

std::string ReplaceFirst(std::string_view text, std::string_view pattern,
                         std::string_view replacement) {
    std::string out(text);
    if (pattern.empty())
        return out;
    const std::size_t pos = out.find(pattern);
    if (pos != std::string::npos)
        out.replace(pos, pattern.size(), replacement);
    return out;
}

std::string ReplaceEvery(std::string_view text, std::string_view pattern,
                         std::string_view replacement) {
    if (pattern.empty())
        return std::string(text);
    std::string out;
    out.reserve(text.size());
    std::size_t from = 0;
    for (std::size_t at = text.find(pattern); at != std::string_view::npos;
         at = text.find(pattern, from)) {
        out.append(text.substr(from, at - from));
        out.append(replacement);
        from = at + pattern.size();
    }
    out.append(text.substr(from));
    return out;
}

std::string ReplaceSpan(std::string_view text, std::string_view open, std::string_view close,
                        std::string_view replacement) {
    std::string out(text);
    if (open.empty() || close.empty())
        return out;
    const std::size_t start = out.find(open);
    const std::size_t end = out.find(close);
    if (start == std::string::npos || end == std::string::npos || start >= end)
        return out;
    const std::size_t stop = std::min(end + close.size() + 1, out.size());
    out.replace(start, stop - start, replacement);
    return out;
}

std::string HtmlEscape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char ch : text) {
        switch (ch) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += ch;
        }
    }
    return out;
}

std::string ScriptStringInHtml(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        switch (c) {
        case '\\':
        case '"':
            out += '\\';
            out += c;
            break;
        case '\r':
            out += "\\r";
            break;
        case '\n':
            out += "\\n";
            break;
        case '<':
            out += c;
            if (text.substr(i + 1, 1) == "/" || text.substr(i + 1, 3) == "!--")
                out += '\\';
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string HtmlUnescape(std::string_view text) {
    static constexpr std::pair<std::string_view, char> kEntities[] = {
        {"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}};
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        bool replaced = false;
        if (text[i] == '&')
            for (const auto& [entity, ch] : kEntities)
                if (text.substr(i, entity.size()) == entity) {
                    out += ch;
                    i += entity.size();
                    replaced = true;
                    break;
                }
        if (!replaced)
            out += text[i++];
    }
    return out;
}

bool ListContains(const StringList& list, std::string_view text) {
    for (const std::string& item : list)
        if (item == text)
            return true;
    return false;
}

StringList SplitLines(std::string_view text) {
    StringList lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t brk = text.find_first_of("\r\n", pos);
        if (brk == std::string_view::npos) {
            lines.emplace_back(text.substr(pos));
            break;
        }
        lines.emplace_back(text.substr(pos, brk - pos));
        pos = brk + ((text[brk] == '\r' && brk + 1 < text.size() && text[brk + 1] == '\n') ? 2 : 1);
    }
    return lines;
}

StringList ReadLines(const std::filesystem::path& file) {
    const auto bytes = ReadFileBytes(file);
    return bytes ? SplitLines(*bytes) : StringList();
}

std::optional<StringList> ExtractLinesBetween(const StringList& list, std::string_view start,
                                              std::string_view end) {
    if (list.empty())
        return std::nullopt;
    auto holds = [&](std::size_t i, std::string_view marker) {
        return list[i].find(marker) != std::string::npos;
    };
    std::size_t first = 0; // index of the first line taken
    std::size_t startLine = 0;
    if (!start.empty()) {
        while (startLine < list.size() && !holds(startLine, start))
            ++startLine;
        if (startLine == list.size())
            return StringList{};
        first = startLine + 1;
    }
    std::size_t last = list.size(); // one past the last line taken
    if (!end.empty()) {
        std::size_t endLine = startLine;
        while (endLine < list.size() && !holds(endLine, end))
            ++endLine;
        if (endLine == list.size() || (!start.empty() && endLine == startLine))
            return StringList{};
        last = endLine;
    }
    if (first >= last)
        return StringList{};
    return StringList(list.begin() + static_cast<std::ptrdiff_t>(first),
                      list.begin() + static_cast<std::ptrdiff_t>(last));
}

void ReplaceMarkerWithLines(StringList& list, std::string_view marker, const StringList& lines) {
    std::string joined;
    for (const std::string& line : lines)
        joined += line;
    ReplaceFirstInLines(list, marker, joined);
}

void ReplaceFirstInLines(StringList& list, std::string_view marker, std::string_view replacement) {
    if (marker.empty())
        return;
    for (std::string& line : list)
        if (line.find(marker) != std::string::npos)
            line = ReplaceFirst(line, marker, replacement);
}

} // namespace vlm
