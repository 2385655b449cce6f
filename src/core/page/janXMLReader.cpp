// TjanXMLTree: reading and writing whole documents.

#include "common/AsciiText.h"
#include "common/Encoding.h"
#include "common/FileWrite.h"
#include "common/StringRoutines.h"
#include "page/janXMLTree.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace vlm {

namespace {

// Every CR LF and every TAB becomes one space.
std::string FoldBreaks(const std::string& s) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n') {
            out += ' ';
            ++i;
        } else if (s[i] == '\t') {
            out += ' ';
        } else {
            out += s[i];
        }
    }
    return out;
}

// CDATA keeps its line breaks and tabs as visible markers on one line.
std::string MarkBreaks(const std::string& s) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n') {
            out += "\\n ";
            ++i;
        } else if (s[i] == '\t') {
            out += "\\t ";
        } else {
            out += s[i];
        }
    }
    return out;
}

bool StartsCData(const std::string& text, std::size_t lt) {
    static constexpr std::string_view kMarker = "<![CDATA[";
    return SameTextAscii(std::string_view(text).substr(lt, kMarker.size()), kMarker);
}

std::string JoinLines(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& l : lines)
        out += l + "\r\n";
    return out;
}

// Name and attributes of a tag whose content is already folded and trimmed.
void ParseTag(const std::string& content, TjanXMLNode& node) {
    const std::size_t space = content.find(' ');
    if (space == std::string::npos) {
        node.SetName(content);
        return;
    }
    node.SetName(content.substr(0, space));
    std::size_t pos = space;
    for (;;) {
        const std::size_t eq = content.find('=', pos);
        if (eq == std::string::npos)
            return;
        const std::size_t open = content.find('"', eq + 1);
        if (open == std::string::npos)
            return;
        const std::size_t close = content.find('"', open + 1);
        if (close == std::string::npos)
            return;
        node.AddAttribute(TrimText(content.substr(pos, eq - pos)),
                          content.substr(open + 1, close - open - 1));
        pos = close + 1;
    }
}

std::string SystemReason(int err) {
    return err ? std::strerror(err) : "Unknown error";
}

} // namespace

void TjanXMLTree::Parse(const std::string& text) {
    ClearContent();
    SetText({});
    SetCData(false);
    SetName("root");
    startTagCount_ = 0;
    TjanXMLNode* current = this;
    // The next ">" is remembered: once none is left, none ever is, and the
    // scan stays linear even for text full of "<".
    std::size_t gt = 0;
    bool gtKnown = false;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t lt = text.find('<', pos);
        const std::string before =
            TrimText(text.substr(pos, (lt == std::string::npos ? text.size() : lt) - pos));
        if (!before.empty()) {
            current->SetText(TrimText(FoldBreaks(before)));
            current->SetCData(false);
        }
        if (lt == std::string::npos)
            break;
        if (StartsCData(text, lt)) {
            const std::size_t end = text.find("]]>", lt + 9);
            const std::size_t stop = end == std::string::npos ? text.size() : end;
            current->SetText(MarkBreaks(text.substr(lt + 9, stop - lt - 9)));
            current->SetCData(true);
            pos = end == std::string::npos ? text.size() : end + 3;
            continue;
        }
        if (!gtKnown || (gt != std::string::npos && gt <= lt)) {
            gt = text.find('>', lt + 1);
            gtKnown = true;
        }
        if (gt == std::string::npos) {
            pos = lt + 1;
            continue;
        }
        std::string content = text.substr(lt + 1, gt - lt - 1);
        pos = gt + 1;
        if (!content.empty() && content.front() == '/') {
            if (current != this)
                current = current->Parent();
            continue;
        }
        const bool empty = !content.empty() && content.back() == '/';
        TjanXMLNode* node = current->AddChild({});
        ParseTag(TrimText(FoldBreaks(content)), *node);
        if (!empty) {
            ++startTagCount_;
            current = node;
        }
    }
}

void TjanXMLTree::LoadFromFile(const std::filesystem::path& fileName) {
    auto fail = [&fileName](int err) {
        return EFOpenError("Cannot open file \"" + PathToCp1250(fileName) + "\". " +
                           SystemReason(err));
    };
    ClearContent();
    errno = 0;
    const auto bytes = ReadFileBytes(fileName);
    if (!bytes)
        throw fail(errno);
    LoadFromText(*bytes);
}

void TjanXMLTree::LoadFromText(const std::string& text) {
    lines_ = SplitLines(text);
    Parse(JoinLines(lines_));
}

std::string TjanXMLTree::AsText() const {
    std::string out;
    for (const auto& c : Children())
        out += c->ToXml(0);
    return out;
}

void TjanXMLTree::SaveToFile(const std::filesystem::path& fileName) {
    lines_ = SplitLines(AsText());
    errno = 0;
    if (!WriteFileAtomic(fileName, JoinLines(lines_))) {
        const int err = errno;
        throw EFCreateError("Cannot create file \"" + PathToCp1250(fileName) + "\". " +
                            SystemReason(err));
    }
}

} // namespace vlm
