#pragma once
// What the manifests and metadata files read from a page document: the page
// element's type, score, groups and links, and the elements' correct answers.

#include "app/UserPrompt.h"

#include <filesystem>
#include <string>
#include <vector>

namespace vlm {

// One entry of the page's link list.
struct TPageLink {
    std::string Name, Description, Target, Type;
};

struct TPageFacts {
    bool Exists = false;   // the page document file is there
    bool Readable = false; // and it could be read as a page document
    std::string Type;
    std::string MasteryScore;
    std::string Groups;
    std::string Answers; // decoded correct answers, each followed by "#|#"
    std::vector<TPageLink> Links;
};

// A missing file gives empty facts silently. A file that exists but cannot be
// read or decoded is reported through the prompt (caption "ERROR_CAPTION",
// text "ERROR_PROJECT_FILE_002" followed by the path) and gives empty facts.
TPageFacts ReadPageFacts(const std::filesystem::path& file, UserPrompt& prompt);

// The "links" attribute value: entities decoded, entries split at "#|#", the
// fields of each entry at "||" (empty fields kept, missing ones empty).
// Throws ConvertError for a malformed entity.
std::vector<TPageLink> ParsePageLinks(const std::string& value);

} // namespace vlm
