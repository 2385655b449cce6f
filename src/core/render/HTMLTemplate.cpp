#include "render/HTMLTemplate.h"

#include "common/AsciiText.h"
#include "common/Encoding.h"
#include "common/FileWrite.h"
#include "common/StringRoutines.h"
#include "common/StringTools.h"
#include "page/ComponentsManager.h"
#include "page/janXMLTree.h"
#include "render/AnswerBlocks.h"
#include "render/PageAssembly.h"

#include <stdexcept>
#include <system_error>

namespace fs = std::filesystem;

namespace vlm {

namespace {

// Removes every span from the first `open` to the first `close` after it,
// with every other occurrence of the same span, until none is left: the
// rule, one rewrite of the page per span.
std::string RemoveSpansRepeatedly(std::string text, const std::string& open,
                                  const std::string& close) {
    for (;;) {
        const std::size_t start = text.find(open);
        if (start == std::string::npos)
            return text;
        const std::size_t end = text.find(close, start + open.size());
        if (end == std::string::npos)
            return text;
        text = ReplaceEvery(text, text.substr(start, end + close.size() - start), "");
    }
}

// Whether `token` occurs across position `at` of `text` (starting before it
// and ending after it).
bool TokenAcross(const std::string& text, std::size_t at, const std::string& token) {
    const std::size_t from = at >= token.size() - 1 ? at - (token.size() - 1) : 0;
    for (std::size_t p = text.find(token, from); p != std::string::npos && p < at;
         p = text.find(token, p + 1))
        if (p + token.size() > at)
            return true;
    return false;
}

} // namespace

std::string RemovePlaceholderSpans(std::string text, const std::string& open,
                                   const std::string& close) {
    // One copy, spans taken left to right. That is what the repeated rule
    // gives unless a span holds another `open` (then a removal elsewhere can
    // pair the tokens differently) or a removal joins the halves of a token;
    // those pages take the rule itself.
    std::string out;
    std::size_t from = 0;
    std::vector<std::size_t> joins;
    for (;;) {
        const std::size_t start = text.find(open, from);
        if (start == std::string::npos)
            break;
        const std::size_t end = text.find(close, start + open.size());
        if (end == std::string::npos)
            break;
        const std::size_t after = end + close.size();
        const std::size_t inner = text.find(open, start + 1);
        if (inner != std::string::npos && inner < after)
            return RemoveSpansRepeatedly(std::move(text), open, close);
        if (out.empty())
            out.reserve(text.size());
        out.append(text, from, start - from);
        joins.push_back(out.size());
        from = after;
    }
    if (joins.empty())
        return text;
    out.append(text, from);
    for (const std::size_t at : joins)
        if (TokenAcross(out, at, open) || TokenAcross(out, at, close))
            return RemoveSpansRepeatedly(std::move(text), open, close);
    return out;
}

namespace {

const std::string kHtmlBody = "<!-- html:body //-->";
const std::string kBodyScript = "<!-- jscript:body //-->";
const std::string kHeadScript = "<!-- jscript:head //-->";
const std::string kPageIndex = "<!-- program:pageIndex //-->";
const std::string kApiPath = "<!-- path:api //-->";
const std::string kCommonPath = "<!-- path:common //-->";
const std::string kOnLoad = "<!-- jscript:body.onload //-->";
const std::string kOnUnload = "<!-- jscript:body.onunload //-->";
const std::string kBegin = "<!-- jscript:body.begin //-->";
const std::string kEnd = "<!-- jscript:body.end //-->";
const std::string kAbsolute = "<!-- path:resources:absolute //-->";
const std::string kResources = "<!-- path:resources //-->";

// A lexicon key inside openLexicon('..','key') in a double-quoted attribute.
std::string LexiconKeyArgument(const std::string& key) {
    std::string out;
    for (const char c : key) {
        if (c == '\\' || c == '\'')
            out += '\\';
        if (c == '"')
            out += "&quot;";
        else if (c == '&')
            out += "&amp;";
        else
            out += c;
    }
    return out;
}

} // namespace

void ReplaceFirstNoCaseIn(std::string& text, const std::string& pattern,
                          const std::string& replacement) {
    const std::size_t at = FindTextAscii(text, pattern, 0);
    if (at != std::string::npos)
        text.replace(at, pattern.size(), replacement);
}

void ReplaceAllNoCaseIn(std::string& text, const std::string& pattern,
                        const std::string& replacement) {
    std::size_t at = FindTextAscii(text, pattern, 0);
    if (at == std::string::npos)
        return;
    std::string out;
    out.reserve(text.size());
    std::size_t from = 0;
    for (; at != std::string::npos; at = FindTextAscii(text, pattern, from)) {
        out.append(text, from, at - from);
        out += replacement;
        from = at + pattern.size();
    }
    out.append(text, from);
    text = std::move(out);
}

std::string ReplaceFirstNoCase(const std::string& text, const std::string& pattern,
                               const std::string& replacement) {
    std::string out = text;
    ReplaceFirstNoCaseIn(out, pattern, replacement);
    return out;
}

std::string ReplaceAllNoCase(const std::string& text, const std::string& pattern,
                             const std::string& replacement) {
    std::string out = text;
    ReplaceAllNoCaseIn(out, pattern, replacement);
    return out;
}

THTMLTemplate::THTMLTemplate(int mode, TComponentsCollection* components, TTemplateCourse course,
                             TSnippetCache* snippets)
    : mode_(mode), components_(components), course_(std::move(course)),
      snippets_(snippets ? snippets : &ownSnippets_), resourcesPath_(course_.resourcesPath) {}

void THTMLTemplate::SetResourcesFolder(const fs::path& folder) {
    resourcesPath_ = PathToCp1250(folder);
    if (!resourcesPath_.empty() && resourcesPath_.back() != '/' && resourcesPath_.back() != '\\')
        resourcesPath_ += '/';
}

void THTMLTemplate::LoadTemplate(const fs::path& file) {
    std::error_code ec;
    if (!fs::is_regular_file(file, ec))
        return;
    if (auto bytes = ReadFileBytes(file))
        content_ = std::move(*bytes);
}

void THTMLTemplate::Collect(const TjanXMLNode& element) {
    TComponentItem* item = components_ ? components_->FindByName(element.Name()) : nullptr;
    if (!item)
        return;
    const TSubstitutions subs{true, mode_ != tmNone && mode_ != tmDesigning, mode_ != tmExportExam};
    CollectElement(*item, element, subs, headScript_, bodyScript_, bodyHtml_, *snippets_);
}

void THTMLTemplate::BuildPage(const fs::path& pageFile) {
    bodyHtml_.clear();
    bodyScript_.clear();
    headScript_.clear();
    lexiconRead_ = false; // the lexicon is read once per build
    if (components_)
        components_->ResetIncluded();
    std::error_code ec;
    if (!fs::is_regular_file(pageFile, ec))
        throw std::runtime_error("No File Found");
    TjanXMLTree tree;
    tree.LoadFromFile(pageFile);
    if (TjanXMLNode* document = tree.FindDescendant("document")) {
        for (const auto& child : document->Children()) {
            std::string text;
            if (course_.exportLexicon == 1 && child->TryGetAttribute("text", text))
                child->SetAttribute("text", ApplyLexicon(text));
            Collect(*child);
        }
    }
    ReplaceFirstNoCaseIn(content_, kHtmlBody, bodyHtml_);
    ReplaceFirstNoCaseIn(content_, kBodyScript, bodyScript_);
    ReplaceFirstNoCaseIn(content_, kHeadScript, headScript_);
    ApplyModeReplacements();
}

void THTMLTemplate::BuildElement(const TjanXMLNode* element) {
    bodyHtml_.clear();
    bodyScript_.clear();
    headScript_.clear();
    if (components_)
        components_->ResetIncluded();
    if (!element)
        throw std::runtime_error("No Node Found");
    if (!components_ || !components_->FindByName(element->Name()))
        return;
    Collect(*element);
    ReplaceFirstNoCaseIn(content_, kBodyScript, bodyScript_);
    ReplaceFirstNoCaseIn(content_, kHeadScript, headScript_);
    ApplyModeReplacements();
}

void THTMLTemplate::ApplyModeReplacements() {
    if (mode_ < 0 || mode_ > tmExportExam)
        throw std::runtime_error("Dodefiniowac");
    std::string slashed = resourcesPath_;
    for (char& c : slashed)
        if (c == '\\')
            c = '/';
    struct Step {
        const std::string* placeholder;
        std::string value;
    };
    std::vector<Step> steps;
    switch (mode_) {
    case tmPreviewWindow:
        steps = {{&kOnLoad, "page.create(); launchStep(0);"},
                 {&kOnUnload, "page.free();"},
                 {&kBegin, "page.state=psView;\r"},
                 {&kAbsolute, "false"},
                 {&kResources, slashed}};
        break;
    case tmPreview:
        steps = {{&kOnLoad, "page.create();"},
                 {&kOnUnload, "page.free();"},
                 {&kResources, slashed},
                 {&kBegin, "page.state=psPreview;\r"},
                 {&kAbsolute, "false"}};
        break;
    case tmDesigning:
        steps = {{&kEnd, "page.create();"},
                 {&kOnUnload, "page.free(); page = null;"},
                 {&kAbsolute, "false"},
                 {&kBegin, "page.state=psDesigning;\r"},
                 {&kResources, slashed}};
        break;
    case tmExport:
    case tmExportExam:
        steps = {
            {&kOnLoad, "page.create(); launchStep(0);"},
            {&kOnUnload, "page.free(); page = null;"},
            {&kAbsolute, "true"},
            {&kBegin, mode_ == tmExport ? "page.state=psNormal;\r" : "page.setIsExam(true);\r"},
            {&kResources, "../resources/"}};
        break;
    default:
        break;
    }
    for (const auto& step : steps)
        // Only the resources folder is put in at every place.
        if (step.placeholder == &kResources)
            ReplaceAllNoCaseIn(content_, *step.placeholder, step.value);
        else
            ReplaceFirstNoCaseIn(content_, *step.placeholder, step.value);
    ReplaceAllNoCaseIn(content_, kPageIndex, std::to_string(pageIndex_));
}

void THTMLTemplate::SetApiPath(const std::string& path) {
    ReplaceAllNoCaseIn(content_, kApiPath, path);
}

void THTMLTemplate::SetCommonPath(const std::string& path) {
    ReplaceAllNoCaseIn(content_, kCommonPath, path);
}

void THTMLTemplate::CleanUp() {
    // The answer markers are placeholders too: the blocks go before the
    // markers would, or their answers would stay in the exam page.
    if (mode_ == tmExportExam)
        content_ = RemoveAnswerBlocks(content_);
    content_ = RemovePlaceholderSpans(std::move(content_), "<!--", "//-->");
    content_ = RemovePlaceholderSpans(std::move(content_), "*[", "]*");
}

bool THTMLTemplate::SaveToFile(const fs::path& file) const {
    std::error_code ec;
    if (file.has_parent_path())
        fs::create_directories(file.parent_path(), ec);
    return WriteFileAtomic(file, content_);
}

const TLexiconEntries* THTMLTemplate::Lexicon() {
    if (!lexiconRead_) {
        lexiconRead_ = true;
        std::error_code ec;
        lexicon_.reset();
        if (fs::is_regular_file(course_.lexiconFile, ec))
            lexicon_ = ReadLexiconEntries(course_.lexiconFile);
    }
    return lexicon_ ? &*lexicon_ : nullptr;
}

std::string THTMLTemplate::ApplyLexicon(const std::string& text) {
    const TLexiconEntries* entries = Lexicon();
    if (!entries)
        return text;
    const std::string folder = mode_ == tmPreviewWindow ? "lexicon/" : "../../lexicon/";
    // Each key decodes, links and encodes the text again. A key that does not
    // occur leaves the decoded text as it is, so when encoding that gives
    // back the same text the step can be skipped: same result, and a large
    // lexicon does not cost two codec runs per key and element.
    std::string encoded = text;
    std::string decoded = DecodeText(encoded);
    bool stable = EncodeText(decoded) == encoded;
    for (const auto& entry : *entries) {
        const std::string& key = entry.first;
        const bool occurs = !key.empty() && FindTextAscii(decoded, key, 0) != std::string::npos;
        if (!occurs && stable)
            continue;
        const std::string openTag = "<a href=\"#\" onClick=\"openLexicon('" + folder + "','" +
                                    LexiconKeyArgument(key) + "')\">";
        encoded = EncodeText(occurs ? InsertWordLinks(decoded, key, openTag) : decoded);
        decoded = DecodeText(encoded);
        stable = EncodeText(decoded) == encoded;
    }
    return encoded;
}

} // namespace vlm
