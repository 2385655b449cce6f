#include "project/Links.h"

#include "app/IniLang.h"
#include "app/UserPrompt.h"
#include "common/ConvertError.h"
#include "common/StringRoutines.h"
#include "common/charConverter.h"
#include "project/CourseLifecycle.h"
#include "project/PagePicker.h"

#include <algorithm>

namespace vlm {

namespace {

constexpr std::string_view kLinkSeparator = "#|#";
constexpr std::string_view kFieldSeparator = "||";
constexpr std::string_view kHttp = "http://";

// Every piece between separators, empty ones included.
std::vector<std::string> SplitAll(std::string_view text, std::string_view separator) {
    std::vector<std::string> pieces;
    std::size_t from = 0;
    while (true) {
        const std::size_t at = text.find(separator, from);
        if (at == std::string_view::npos) {
            pieces.emplace_back(text.substr(from));
            return pieces;
        }
        pieces.emplace_back(text.substr(from, at - from));
        from = at + separator.size();
    }
}

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

} // namespace

std::string LinksToText(const std::vector<TPageLink>& links) {
    std::string out;
    for (const TPageLink& link : links) {
        out += TextToEntities(link.ShortName);
        out += kFieldSeparator;
        out += TextToEntities(link.Description);
        out += kFieldSeparator;
        out += TextToEntities(link.Target);
        out += kFieldSeparator;
        out += TextToEntities(link.KindText);
        out += kLinkSeparator;
    }
    return out;
}

std::vector<TPageLink> LinksFromText(std::string_view text) {
    std::string decoded;
    try {
        decoded = EntitiesToText(text);
    } catch (const ConvertError&) {
        decoded = std::string(text);
    }
    std::vector<std::string> entries = SplitAll(decoded, kLinkSeparator);
    if (!entries.empty() && entries.back().empty())
        entries.pop_back(); // after the last link's separator
    std::vector<TPageLink> links;
    for (const std::string& entry : entries) {
        const std::vector<std::string> f = SplitAll(entry, kFieldSeparator);
        auto field = [&f](std::size_t i) { return i < f.size() ? f[i] : std::string(); };
        links.push_back({field(0), field(1), field(2), field(3)});
    }
    return links;
}

void TLinksGrid::Compact() {
    Rows.erase(std::remove_if(Rows.begin(), Rows.end(),
                              [](const TPageLink& row) { return row.ShortName.empty(); }),
               Rows.end());
}

void TLinksGrid::Append(const TPageLink& link) {
    Rows.push_back(link);
    Compact();
}

bool TLinksGrid::RemoveRow(int index) {
    if (index < 0 || index >= static_cast<int>(Rows.size()))
        return false;
    Rows[static_cast<std::size_t>(index)] = {};
    Compact();
    return true;
}

std::vector<std::string> TLinksGrid::HeaderCaptions() {
    return {LangText("LINK_SHORT_NAME_CAPTION"), LangText("LINK_LONG_NAME_CAPTION"),
            LangText("LINK_LINK_NAME_CAPTION"), LangText("LINK_TYPE_NAME_CAPTION")};
}

std::string TLinkDialog::KindText() const {
    return LangText(Kind == TLinkKind::CoursePage ? "PAGE_TYPE_SCO_PAGE" : "PAGE_TYPE_URL_ADDRESS");
}

std::string TLinkDialog::TargetLabel() const {
    return KindText() + ": ";
}

bool TLinkDialog::Confirm(UserPrompt& prompt) {
    if (Target.empty() || ShortName.empty() || Description.empty()) {
        prompt.ShowMessage(LangText("ERROR_FIELDS_NOT_FILLED"));
        return false;
    }
    // Only an address without any scheme gets one: "https://..." must stay whole.
    if (Kind == TLinkKind::InternetAddress && Target.find("://") == std::string::npos)
        Target = std::string(kHttp) + Target;
    return true;
}

TPageLink TLinkDialog::Link() const {
    return {ShortName, Description, Target, KindText()};
}

std::optional<TLinkDialog> CoursePageLinkDialog(const TPagePicker& picker) {
    const TImportChoice& choice = picker.Result();
    if (choice.ChosenTarget.empty())
        return std::nullopt;
    TLinkDialog dialog(TLinkKind::CoursePage);
    if (choice.ChosenKind == ptURLLink && StartsWith(choice.ChosenTarget, kHttp)) {
        dialog.Kind = TLinkKind::InternetAddress;
        dialog.Target = choice.ChosenTarget;
    } else {
        dialog.Target = MiddleSegment(choice.ChosenStamp);
    }
    dialog.ShortName = choice.ChosenName;
    dialog.Description = choice.ChosenDescription;
    return dialog;
}

bool AddCoursePageLink(TLinksGrid& grid, TPagePicker& picker, int& idCounter,
                       const TLinkSteps& steps) {
    if (!steps.askProjectFile || !steps.showPicker || !steps.showLinkDialog)
        return false;
    const std::optional<std::filesystem::path> file =
        steps.askProjectFile(TCourseLifecycle::ProjectFilter());
    if (!file)
        return false;
    if (!PickPage(picker, *file, idCounter, steps.showPicker))
        return false;
    std::optional<TLinkDialog> dialog = CoursePageLinkDialog(picker);
    if (!dialog || !steps.showLinkDialog(*dialog))
        return false;
    grid.Append(dialog->Link());
    return true;
}

bool AddInternetLink(TLinksGrid& grid, const TLinkSteps& steps) {
    if (!steps.showLinkDialog)
        return false;
    TLinkDialog dialog(TLinkKind::InternetAddress);
    if (!steps.showLinkDialog(dialog))
        return false;
    grid.Append(dialog.Link());
    return true;
}

} // namespace vlm
