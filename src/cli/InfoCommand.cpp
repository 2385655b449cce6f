#include "InfoCommand.h"

#include "CliSession.h"
#include "Json.h"

#include "app/IniLang.h"
#include "project/CourseSettings.h"
#include "project/Project.h"

#include <algorithm>
#include <optional>
#include <unordered_map>
#include <vector>

namespace vlm::cli {

namespace {

std::string Bool(bool value) {
    return value ? "true" : "false";
}

std::string Label(const std::string& control, const std::string& fallback) {
    const std::string text = CurrentLanguage().SectionText(
        "courseSettingsForm", "courseSettingsForm." + control + ".Caption");
    return text.empty() ? fallback : text;
}

std::string ResolutionText(int resolution) {
    if (resolution >= 0 && resolution < static_cast<int>(kCourseResolutions.size()))
        return kCourseResolutions[static_cast<std::size_t>(resolution)];
    return std::to_string(resolution);
}

// Each item's number of ancestors, in one pass: every chain is walked once,
// up to an item already known; a chain that loops counts from the loop.
std::vector<int> ItemDepths(const TProject& project) {
    std::unordered_map<int, std::size_t> byPosition;
    for (std::size_t i = 0; i < project.Items.size(); ++i)
        byPosition.emplace(project.Items[i]->Position, i);
    const auto parentOf = [&](std::size_t i) -> std::optional<std::size_t> {
        const auto found = byPosition.find(project.Items[i]->ParentPosition);
        if (found == byPosition.end())
            return std::nullopt;
        return found->second;
    };
    constexpr int kUnknown = -1, kOnChain = -2;
    std::vector<int> depths(project.Items.size(), kUnknown);
    std::vector<std::size_t> chain;
    for (std::size_t start = 0; start < depths.size(); ++start) {
        std::optional<std::size_t> at = start;
        while (at && depths[*at] == kUnknown) {
            depths[*at] = kOnChain;
            chain.push_back(*at);
            at = parentOf(*at);
        }
        int depth = at && depths[*at] >= 0 ? depths[*at] + 1 : 0;
        for (auto it = chain.rbegin(); it != chain.rend(); ++it)
            depths[*it] = depth++;
        chain.clear();
    }
    return depths;
}

} // namespace

std::string ProjectInfoJson(const TProject& project) {
    std::string out = "{\n";
    out += "  \"title\": " + JsonString(project.Title) + ",\n";
    out += "  \"courseVersion\": " + JsonString(project.CourseVersion) + ",\n";
    out += "  \"version\": " + JsonString(project.Version) + ",\n";
    out += "  \"resolution\": " + std::to_string(project.Resolution) + ",\n";
    out += "  \"exportLexicon\": " + std::to_string(project.ExportLexicon) + ",\n";
    out += "  \"description\": " + JsonString(project.Description) + ",\n";
    out += "  \"items\": [";
    for (std::size_t i = 0; i < project.Items.size(); ++i) {
        const TProjectItem& item = *project.Items[i];
        out += i ? ",\n    " : "\n    ";
        out += "{\"name\": " + JsonString(item.Name) +
               ", \"position\": " + std::to_string(item.Position) +
               ", \"id\": " + std::to_string(item.Id) +
               ", \"parentPosition\": " + std::to_string(item.ParentPosition) +
               ", \"isLeaf\": " + Bool(item.IsLeaf) + ", \"address\": " + JsonString(item.Address) +
               ", \"stamp\": " + JsonString(item.Stamp) +
               ", \"pageType\": " + std::to_string(item.PageType) + "}";
    }
    out += project.Items.empty() ? "]\n}" : "\n  ]\n}";
    return out;
}

std::string ProjectInfoText(const TProject& project) {
    std::string out;
    out += Label("lbCourseName", "Course name:") + " " + project.Title + "\n";
    out += Label("lbVersion", "Course version:") + " " + project.CourseVersion + "\n";
    out += Label("lbResolution", "Resolution:") + " " + ResolutionText(project.Resolution) + "\n";
    out += Label("lbDescription", "Course description:") + " " + project.Description + "\n";
    const std::vector<int> depths = ItemDepths(project);
    for (std::size_t i = 0; i < project.Items.size(); ++i) {
        const auto& item = project.Items[i];
        // Indentation past 64 levels would only make a deep tree's listing
        // grow with the square of its depth.
        const int depth = std::min(depths[i], 64);
        out += std::string(static_cast<std::size_t>(depth) * 2, ' ') +
               std::to_string(item->Position) + ". " + item->Name + "  [" +
               std::to_string(item->Id) + ", " + std::to_string(item->PageType) + "]\n";
    }
    return out;
}

int RunInfo(TCliSession& session, const std::string& file, bool json) {
    TProject project(session.prompt);
    project.LoadFromFile(file);
    if (json)
        session.output.Result(ProjectInfoJson(project), true);
    else
        session.output.Result(ProjectInfoText(project));
    return kExitDone;
}

} // namespace vlm::cli
