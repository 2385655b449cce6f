#pragma once
// The course folder beside a project file and the places inside it that
// every subsystem reads and writes.

#include <filesystem>
#include <string>

namespace vlm {

// The page document inside a page folder.
inline constexpr const char* kPageFileName = "_page.xmp";

// Set by the course lifecycle whenever a course is opened, created or saved
// under a new name.
struct TCoursePaths {
    std::filesystem::path CourseDir;          // the course folder, with trailing separator
    std::filesystem::path CourseTempDir;      // CourseDir + "temp/"
    std::filesystem::path CourseResourcesDir; // CourseDir + "resources/"

    // For D/N.vlmproject the course folder is D/N/; no paths for an empty name.
    static TCoursePaths ForProjectFile(const std::filesystem::path& projectFile);

    // CourseDir + "p" + the id padded to five digits, with trailing separator.
    std::filesystem::path PageDir(int id) const;
    // The page document of the item with this id.
    std::filesystem::path PageFile(int id) const;
};

// "p" + the id padded with zeros to five digits ("p00012"); longer numbers stay whole.
std::string PageFolderName(int id);

} // namespace vlm
