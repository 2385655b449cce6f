#include "export/ReportProfiles.h"
#include "common/AsciiText.h"

#include "common/Encoding.h"
#include "common/FilesTools.h"
#include "common/StringTools.h"
#include "page/janXMLTree.h"

#include <algorithm>
#include <optional>
#include <system_error>

namespace vlm {

namespace {

bool IsFile(const std::filesystem::path& file) {
    std::error_code ec;
    return std::filesystem::is_regular_file(file, ec);
}

std::optional<TReportObj> ReadProfile(const std::filesystem::path& folder,
                                      const std::string& code) {
    TjanXMLTree tree;
    try {
        tree.LoadFromFile(folder / "info.xml");
    } catch (const std::exception&) {
        return std::nullopt;
    }
    const TjanXMLNode* info = tree.Name() == "info" ? &tree : tree.FindDescendant("info");
    if (!info || info->ChildCount() == 0)
        return std::nullopt;
    std::optional<std::string> name;
    for (const auto& child : info->Children()) {
        std::string lang;
        if (child->Name() == "caption" && child->TryGetAttribute("lang", lang) &&
            SameTextAscii(lang, code)) {
            name = child->Text();
            break;
        }
    }
    const TjanXMLNode& last = *info->Children().back();
    if (!name && last.FindAttribute("lang"))
        name = last.Text();
    if (!name)
        return std::nullopt;
    return TReportObj{TrimText(*name), folder / "report.ini", folder / "report.rtf",
                      info->GetAttributeText("default") == "true",
                      UpperCaseAscii(TrimText(info->GetAttributeText("language")))};
}

void Scan(const std::filesystem::path& folder, const std::string& code,
          std::vector<TReportObj>& out) {
    if (IsFile(folder / "info.xml") && IsFile(folder / "report.ini") &&
        IsFile(folder / "report.rtf"))
        if (auto profile = ReadProfile(folder, code))
            out.push_back(std::move(*profile));
    for (const std::string& name : ListFolder(folder, kCountFolders)) {
        const std::filesystem::path sub = folder / PathFromCp1250(name);
        if (IsRealFolder(sub))
            Scan(sub, code, out);
    }
}

} // namespace

std::vector<TReportObj> ListReportProfiles(const std::filesystem::path& programDir,
                                           const std::string& languageCode) {
    std::vector<TReportObj> out;
    for (const auto& base : {programDir / "exports" / "Scenario",
                             programDir / "user_defined" / "exports" / "Scenario"})
        if (IsRealFolder(base))
            Scan(base, languageCode, out);
    return out;
}

int SelectReportProfile(const std::vector<TReportObj>& profiles, const std::string& lastName,
                        const std::string& languageCode) {
    if (profiles.empty())
        return -1;
    for (std::size_t i = 0; i < profiles.size(); ++i)
        if (profiles[i].Name == lastName)
            return static_cast<int>(i);
    const std::string language = UpperCaseAscii(TrimText(languageCode));
    for (std::size_t i = profiles.size(); !language.empty() && i-- > 0;)
        if (profiles[i].Default && profiles[i].Language == language)
            return static_cast<int>(i);
    for (std::size_t i = profiles.size(); i-- > 0;)
        if (profiles[i].Default)
            return static_cast<int>(i);
    return 0;
}

} // namespace vlm
