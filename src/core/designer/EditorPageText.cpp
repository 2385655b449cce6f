#include "designer/EditorPageText.h"

#include "app/IniLang.h"
#include "app/VLMVars.h"
#include "common/AsciiText.h"
#include "common/Encoding.h"
#include "common/FileWrite.h"
#include "common/StringRoutines.h"
#include "page/janXMLTree.h"

#include <cerrno>
#include <charconv>
#include <cstring>
#include <stdexcept>

namespace vlm {

namespace {

constexpr std::string_view kOpenMarker = "*[";
constexpr std::string_view kCloseMarker = "]*";

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f';
}

// The attributes of the tag starting at `at` (just after its name), up to ">".
std::optional<std::string> TagAttribute(const std::string& html, std::size_t at,
                                        const std::string& wanted) {
    std::size_t i = at;
    while (i < html.size() && html[i] != '>') {
        while (i < html.size() && (IsSpace(html[i]) || html[i] == '/'))
            ++i;
        const std::size_t nameStart = i;
        while (i < html.size() && !IsSpace(html[i]) && html[i] != '=' && html[i] != '>' &&
               html[i] != '/')
            ++i;
        const std::string name = html.substr(nameStart, i - nameStart);
        while (i < html.size() && IsSpace(html[i]))
            ++i;
        std::string value;
        if (i < html.size() && html[i] == '=') {
            ++i;
            while (i < html.size() && IsSpace(html[i]))
                ++i;
            if (i < html.size() && (html[i] == '"' || html[i] == '\'')) {
                const char quote = html[i++];
                const std::size_t end = html.find(quote, i);
                const std::size_t stop = end == std::string::npos ? html.size() : end;
                value = html.substr(i, stop - i);
                i = end == std::string::npos ? stop : stop + 1;
            } else {
                const std::size_t start = i;
                while (i < html.size() && !IsSpace(html[i]) && html[i] != '>')
                    ++i;
                value = html.substr(start, i - start);
            }
        }
        if (!name.empty() && SameTextAscii(name, wanted))
            return value;
        if (name.empty() && i < html.size() && html[i] != '>')
            ++i; // a stray character such as a lone quote
    }
    return std::nullopt;
}

// Where the first body tag's attributes start, skipping comments.
std::optional<std::size_t> BodyTagAttributes(const std::string& html) {
    const std::string lower = LowerCaseAscii(html);
    std::size_t i = 0;
    while ((i = lower.find('<', i)) != std::string::npos) {
        if (lower.compare(i, 4, "<!--") == 0) {
            const std::size_t end = lower.find("-->", i + 4);
            if (end == std::string::npos)
                return std::nullopt;
            i = end + 3;
            continue;
        }
        if (lower.compare(i, 5, "<body") == 0 && (i + 5 == lower.size() || IsSpace(lower[i + 5]) ||
                                                  lower[i + 5] == '>' || lower[i + 5] == '/'))
            return i + 5;
        ++i;
    }
    return std::nullopt;
}

std::optional<int> PositiveNumber(const std::optional<std::string>& text) {
    if (!text)
        return std::nullopt;
    const std::string trimmed = TrimText(*text);
    int value = 0;
    const char* end = trimmed.data() + trimmed.size();
    const auto [ptr, ec] = std::from_chars(trimmed.data(), end, value);
    if (ec != std::errc() || ptr != end || value <= 0)
        return std::nullopt;
    return value;
}

} // namespace

std::string ReplaceLanguageMarkers(const std::string& text) {
    std::string out = text;
    std::size_t from = 0;
    for (;;) {
        const std::size_t open = out.find(kOpenMarker, from);
        if (open == std::string::npos)
            return out;
        const std::size_t close = out.find(kCloseMarker, open + kOpenMarker.size());
        if (close == std::string::npos)
            return out;
        const std::size_t keyStart = open + kOpenMarker.size();
        const std::string replacement = LangText(out.substr(keyStart, close - keyStart));
        out.replace(open, close + kCloseMarker.size() - open, replacement);
        from = open + replacement.size();
    }
}

std::string ApplyLanguageBlock(const std::string& text, const std::string& languageCode) {
    const std::size_t open = text.find("<language>");
    if (open == std::string::npos)
        return text;
    const std::size_t close = text.find("</language>", open);
    if (close == std::string::npos)
        return text;
    TjanXMLTree block;
    try {
        block.LoadFromText(text.substr(open, close + std::strlen("</language>") - open));
    } catch (const std::exception&) {
        return text; // a block the reader refuses translates nothing
    }
    const TjanXMLNode* language = block.FindDescendant("language");
    if (!language)
        return text;
    std::string out = text;
    for (const auto& entry : language->Children()) {
        if (entry->Name() != "string")
            continue;
        const TjanXMLNode* original = entry->FindChild("original");
        const TjanXMLNode* variant = entry->FindChildByAttribute("lang", languageCode);
        if (original && variant && !original->Text().empty())
            out = ReplaceEvery(out, original->Text(), variant->Text());
    }
    return out;
}

std::string PreparePageText(const std::string& text, const std::filesystem::path& pageFolder,
                            const std::string& languageCode) {
    const std::string translated = ApplyLanguageBlock(ReplaceLanguageMarkers(text), languageCode);
    return "<base href=\"" + FolderFileUrl(pageFolder) + "\"/>" + translated;
}

TDialogSize ReadDialogSize(const std::string& html) {
    TDialogSize size;
    const std::optional<std::size_t> at = BodyTagAttributes(html);
    if (!at)
        return size;
    size.width = PositiveNumber(TagAttribute(html, *at, "dialogWidth"));
    size.height = PositiveNumber(TagAttribute(html, *at, "dialogHeight"));
    return size;
}

TPreparedPage PrepareEditorPage(const std::filesystem::path& pageFile,
                                const std::filesystem::path& runTempDir,
                                const std::string& languageCode) {
    const std::optional<std::string> text = ReadFileBytes(pageFile);
    if (!text)
        throw std::runtime_error(PathToCp1250(pageFile) + ": " + std::strerror(errno));
    TPreparedPage page;
    page.size = ReadDialogSize(*text);
    page.file = runTempDir / pageFile.filename();
    std::error_code ignored;
    std::filesystem::create_directories(runTempDir, ignored);
    if (!WriteFileBytes(page.file, PreparePageText(*text, pageFile.parent_path(), languageCode)))
        throw std::runtime_error(PathToCp1250(page.file) + ": " + std::strerror(errno));
    return page;
}

} // namespace vlm
