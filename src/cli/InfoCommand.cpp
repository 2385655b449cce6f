#include "InfoCommand.h"

#include "CliSession.h"
#include "Json.h"

#include "app/IniLang.h"
#include "project/CourseSettings.h"
#include "project/Project.h"

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
    for (const auto& item : project.Items) {
        // Depth from the parent chain; a chain that loops stops at the item count.
        int depth = 0;
        for (const TProjectItem* parent = project.FindByPosition(item->ParentPosition);
             parent && depth < project.ItemCount();
             parent = project.FindByPosition(parent->ParentPosition))
            ++depth;
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
