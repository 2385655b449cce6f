#pragma once
// The values of the course settings dialog and the rule that keeps the
// project file readable.

#include <array>
#include <optional>
#include <string>

namespace vlm {

class TProject;

// The resolution list; the index is the project's Resolution.
inline constexpr std::array<const char*, 3> kCourseResolutions = {"800x600", "1024x768",
                                                                  "1280x1024"};

// Refusal of an empty course name or course version: the reader rejects a
// project file without them.
inline constexpr const char* kCourseSettingsEmptyKey = "ERROR_MESSAGE_COURSE_TITLE_VERSION_EMPTY";

struct TCourseSettings {
    std::string Title;
    std::string CourseVersion;
    std::string Description;
    int Resolution = 0;
    bool operator==(const TCourseSettings&) const = default;
};

TCourseSettings ReadCourseSettings(const TProject& project);

// The language key of the message refusing the values, or nothing when they
// can be stored. A text of blanks only counts as empty.
std::optional<std::string> CourseSettingsProblem(const TCourseSettings& values);

// Stores the values in the order the dialog does: title, description,
// resolution, course version.
void StoreCourseSettings(const TCourseSettings& values, TProject& project);

} // namespace vlm
