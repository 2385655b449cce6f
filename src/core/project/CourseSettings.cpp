#include "project/CourseSettings.h"

#include "project/Project.h"

#include <algorithm>

namespace vlm {

namespace {

bool IsBlankText(const std::string& text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) <= ' '; });
}

} // namespace

TCourseSettings ReadCourseSettings(const TProject& project) {
    return {project.Title, project.CourseVersion, project.Description, project.Resolution};
}

std::optional<std::string> CourseSettingsProblem(const TCourseSettings& values) {
    if (IsBlankText(values.Title) || IsBlankText(values.CourseVersion))
        return std::string(kCourseSettingsEmptyKey);
    return std::nullopt;
}

void StoreCourseSettings(const TCourseSettings& values, TProject& project) {
    project.Title = values.Title;
    project.Description = values.Description;
    project.Resolution = values.Resolution;
    project.CourseVersion = values.CourseVersion;
}

} // namespace vlm
