#pragma once
// The page template: "page.html" with comment placeholders, filled with the
// markup and scripts of a page's elements and with the replacements of one
// rendering mode, then cleaned of every placeholder left.

#include "lexicon/LexiconFile.h"
#include "render/SnippetCache.h"

#include <filesystem>
#include <optional>
#include <string>

namespace vlm {

class TComponentsCollection;
class TjanXMLNode;

// Rendering modes: the page state the page script receives.
enum TemplateMode : int {
    tmNone = 0,
    tmPreviewWindow = 1, // page preview window
    tmPreview = 2,       // designer preview, thumbnails
    tmDesigning = 3,     // one element on the design surface
    tmExport = 4,        // exported page
    tmExportExam = 5,    // exported exam page
};

// What the template needs to know of the open course.
struct TTemplateCourse {
    std::string resourcesPath;         // CourseResourcesDir, with its trailing separator
    std::filesystem::path lexiconFile; // the course's "lexicon.ini"
    int exportLexicon = 0;             // the course's ExportLexicon flag
};

class THTMLTemplate {
public:
    // `components` may be null (no element has a class then); `snippets`
    // may be shared to keep the snippet files for the run.
    THTMLTemplate(int mode, TComponentsCollection* components, TTemplateCourse course = {},
                  TSnippetCache* snippets = nullptr);
    THTMLTemplate(const THTMLTemplate&) = delete;
    THTMLTemplate& operator=(const THTMLTemplate&) = delete;

    int Mode() const { return mode_; }
    const std::string& ResourcesPath() const { return resourcesPath_; }
    void SetResourcesPath(std::string path) { resourcesPath_ = std::move(path); }
    // A folder on disk as the path text, with its trailing separator.
    void SetResourcesFolder(const std::filesystem::path& folder);
    int PageIndex() const { return pageIndex_; }
    void SetPageIndex(int index) { pageIndex_ = index; }

    // Content := the file's bytes when it exists; unchanged otherwise.
    void LoadTemplate(const std::filesystem::path& file);
    // Throws std::runtime_error "No File Found" for a missing page file and
    // "Dodefiniowac" for a mode above 5.
    void BuildPage(const std::filesystem::path& pageFile);
    // One element without its markup; throws "No Node Found" for null.
    void BuildElement(const TjanXMLNode* element);
    void SetApiPath(const std::string& path);
    void SetCommonPath(const std::string& path);
    // Removes every "<!--" .. "//-->" span, then every "*[" .. "]*" span; an
    // exam page loses its answer blocks first.
    void CleanUp();
    // Creates the folders and writes Content; false (and nothing written)
    // when the file cannot be created.
    bool SaveToFile(const std::filesystem::path& file) const;

    const std::string& GetContent() const { return content_; }
    void SetContent(std::string text) { content_ = std::move(text); }

    // Links the lexicon's keywords in an encoded element text.
    std::string ApplyLexicon(const std::string& text);

    const std::string& BodyHtml() const { return bodyHtml_; }
    const std::string& BodyScript() const { return bodyScript_; }
    const std::string& HeadScript() const { return headScript_; }

private:
    void Collect(const TjanXMLNode& element);
    void ApplyModeReplacements();
    const TLexiconEntries* Lexicon();

    int mode_;
    TComponentsCollection* components_;
    TTemplateCourse course_;
    TSnippetCache ownSnippets_;
    TSnippetCache* snippets_;
    std::string resourcesPath_;
    int pageIndex_ = -1;
    std::string content_;
    std::string bodyHtml_, bodyScript_, headScript_;
    bool lexiconRead_ = false;
    std::optional<TLexiconEntries> lexicon_;
};

// Case-insensitive (ASCII) replacement of the first or of every occurrence;
// replaced text is not searched again.
std::string ReplaceFirstNoCase(const std::string& text, const std::string& pattern,
                               const std::string& replacement);
std::string ReplaceAllNoCase(const std::string& text, const std::string& pattern,
                             const std::string& replacement);
// The same on the text itself: no copy when the pattern does not occur.
void ReplaceFirstNoCaseIn(std::string& text, const std::string& pattern,
                          const std::string& replacement);
void ReplaceAllNoCaseIn(std::string& text, const std::string& pattern,
                        const std::string& replacement);

// Removes every span from the first `open` to the first `close` after it,
// with every other occurrence of the same span, until none is left.
std::string RemovePlaceholderSpans(std::string text, const std::string& open,
                                   const std::string& close);

} // namespace vlm
