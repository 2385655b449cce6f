#pragma once
// The template's callers' sequences for the pages drawn or shown while
// designing: the preview window's page, the designer preview (also the
// thumbnail) and one element on the design surface.

#include "render/HTMLTemplate.h"

#include <filesystem>
#include <optional>

namespace vlm {

class Progress;
class TjanXMLNode;
struct TProgramPaths;

struct TPageOutputContext {
    const TProgramPaths& paths;
    TComponentsCollection* components = nullptr;
    TTemplateCourse course;
    std::filesystem::path courseTempDir; // where the pages are written
    TSnippetCache* snippets = nullptr;   // kept for the run when given
};

// Mode 1: courseTempDir/"preview.html", with the lexicon pages beside it
// when the course exports its lexicon. Returns the page file. Throws what
// the build throws ("No File Found", a broken value's ConvertError, a
// lexicon template that cannot be read, a page file that cannot be written).
std::filesystem::path WritePreviewWindowPage(const TPageOutputContext& context,
                                             const std::filesystem::path& pageFile,
                                             Progress& progress);

// Mode 2: courseTempDir/"preview.html" without the common scripts and the
// lexicon; `resourcesFolder` replaces the course's (the new-page wizard).
std::filesystem::path
WriteDesignerPreviewPage(const TPageOutputContext& context, const std::filesystem::path& pageFile,
                         const std::optional<std::filesystem::path>& resourcesFolder = {});

// Mode 3: courseTempDir/"element.html" for a copy of the element placed at
// 0,0 and visible. Each throws when its page file cannot be written.
std::filesystem::path WriteElementPage(const TPageOutputContext& context,
                                       const TjanXMLNode& element);

// True when the file can be read and holds a "document" element.
bool PageHasDocument(const std::filesystem::path& pageFile);

} // namespace vlm
