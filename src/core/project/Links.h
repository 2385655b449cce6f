#pragma once
// Links of a page to pages with further information: the "links" attribute
// of the "page" element, the grid of the page properties dialog and the
// link dialog (`TfrmLinks`).

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vlm {

class TPagePicker;
class UserPrompt;

struct TPageLink {
    std::string ShortName;
    std::string Description;
    std::string Target;   // a stamp's creation part, or an internet address
    std::string KindText; // LangText of "PAGE_TYPE_SCO_PAGE" or "PAGE_TYPE_URL_ADDRESS"
    bool operator==(const TPageLink&) const = default;
};

// Each link's four texts character-reference encoded, joined by "||", each
// link followed by "#|#".
std::string LinksToText(const std::vector<TPageLink>& links);
// The whole text decoded first (kept as it is when it holds a malformed
// reference), then split at "#|#" and "||": texts that held either separator
// come back split in the wrong places, as stored files have always read.
std::vector<TPageLink> LinksFromText(std::string_view text);

// The rows of the links grid (the header row is the view's).
class TLinksGrid {
public:
    std::vector<TPageLink> Rows;

    // Rows whose first cell is empty do not count and are removed.
    void Compact();
    void Append(const TPageLink& link);
    // Empties the row and compacts; false for a row that does not exist.
    bool RemoveRow(int index);
    // The four column captions.
    static std::vector<std::string> HeaderCaptions();
};

enum class TLinkKind { CoursePage, InternetAddress };

// The link dialog.
class TLinkDialog {
public:
    explicit TLinkDialog(TLinkKind kind = TLinkKind::InternetAddress) : Kind(kind) {}

    TLinkKind Kind;
    std::string Target;      // addressEdit
    std::string ShortName;   // pageNameEdit
    std::string Description; // pageDescMemo

    // Only an internet link's target is typed.
    bool TargetEditable() const { return Kind == TLinkKind::InternetAddress; }
    // LangText of the kind's key + ": ".
    std::string TargetLabel() const;
    std::string KindText() const;
    // OK: every field must be filled (else "ERROR_FIELDS_NOT_FILLED" and the
    // dialog stays open); an internet address without a scheme gets "http://".
    bool Confirm(UserPrompt& prompt);
    TPageLink Link() const;
};

// The link dialog preset from the page picked in the picker; nothing when the
// picked page has no target. An address starting with "http://" makes an
// internet link; any other target is the picked page's stamp, reduced to its
// creation part.
std::optional<TLinkDialog> CoursePageLinkDialog(const TPagePicker& picker);

struct TLinkSteps {
    // A file-open dialog for a project file (the filter); nothing when none was chosen.
    std::function<std::optional<std::filesystem::path>(const std::string& filter)> askProjectFile;
    // Shows the picker, already set up; true on OK.
    std::function<bool(TPagePicker& picker)> showPicker;
    // Shows the link dialog; true once Confirm accepted it, false on cancel.
    std::function<bool(TLinkDialog& dialog)> showLinkDialog;
};

// "Dodaj &strone kursu": the other course, the page, the link dialog; a row
// appended on OK. `idCounter` is the open course's page-number counter.
bool AddCoursePageLink(TLinksGrid& grid, TPagePicker& picker, int& idCounter,
                       const TLinkSteps& steps);
// "Dodaj &adres internetowy": the empty link dialog; a row appended on OK.
bool AddInternetLink(TLinksGrid& grid, const TLinkSteps& steps);

} // namespace vlm
