#pragma once
// The scenario report: a report profile's RTF blocks filled by plain macro
// substitution with the course, its pages, their screenshots and the
// element properties the profile's report.ini lists.

#include "app/UserPrompt.h"
#include "common/IniFile.h"
#include "common/Progress.h"
#include "common/StringRoutines.h"
#include "common/SystemPorts.h"
#include "project/CoursePaths.h"
#include "project/Project.h"
#include "render/PageRenderer.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace vlm {

class TjanXMLNode;

// The screenshot of one page document (800 x 600), or nothing.
using TPageShot = std::function<std::optional<TRgbBitmap>(const std::filesystem::path& pageFile)>;

// The picture field that shows "images/<n>.jpg"; with the JPEG's bytes the
// picture is also the field's result.
std::string ScreenshotField(int number, std::string_view jpeg = {});

// "a/b" and "a\b" both as "a\\b": the RTF form of a path (braces escaped too).
std::string RtfPath(const std::string& path);

// A name or text of the course in the RTF document: character entities
// ("&#224;", "&#xE0;", "&amp;", "&nbsp;" ...) decoded first; "\", "{" and "}"
// escaped; a character cp1250 cannot hold written as "\uN?".
std::string RtfText(std::string_view text);

class TCourseTemplate {
public:
    struct Blocks {
        StringList Header, Footer, Page, ElementType, Element, Property;
    };

    // `definitions`: the merged class definitions (may be null: elements are
    // then listed with their own attributes only).
    TCourseTemplate(const TProject& project, const TCoursePaths& course,
                    const TjanXMLNode* definitions, UserPrompt& prompt, Progress& progress,
                    const Clock& clock);

    // Missing files leave their parts empty.
    void LoadTemplates(const std::filesystem::path& rtfFile, const std::filesystem::path& iniFile);
    const Blocks& TemplateBlocks() const { return blocks_; }

    // The report's lines; screenshots go to reportFolder/images/<n>.jpg.
    StringList Build(const std::filesystem::path& reportFolder, const TPageShot& shot);

    // "R/C/P": the names from the root down to the item; past 32 levels
    // only the nearest 32, after ".../".
    std::string ChapterPath(const TProjectItem& item) const;

private:
    StringList PageBlock(const TProjectItem& item, const std::filesystem::path& pageFile);
    StringList ElementTypeBlock(const std::string& section, const TjanXMLNode& document,
                                const std::string& pageFolder);
    std::string Screenshot(const std::filesystem::path& pageFile, int number,
                           const std::filesystem::path& reportFolder, const TPageShot& shot);

    const TProject& project_;
    TCoursePaths course_;
    const TjanXMLNode* definitions_;
    UserPrompt& prompt_;
    Progress& progress_;
    const Clock& clock_;
    Blocks blocks_;
    std::optional<TIniFile> ini_;
    // The items by position, made once: a lookup per step of a walk up a
    // deep tree would make the report cubic in the depth.
    std::unordered_map<int, const TProjectItem*> byPosition_;
};

} // namespace vlm
