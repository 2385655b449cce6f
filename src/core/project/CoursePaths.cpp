#include "project/CoursePaths.h"

#include "common/StringRoutines.h"

namespace vlm {

std::string PageFolderName(int id) {
    std::string name = "p";
    name += PadIndex5(std::to_string(id)); // appended: GCC 12 warns falsely on "p" + temporary
    return name;
}

TCoursePaths TCoursePaths::ForProjectFile(const std::filesystem::path& projectFile) {
    TCoursePaths paths;
    if (projectFile.empty() || !projectFile.has_filename())
        return paths;
    paths.CourseDir = projectFile.parent_path() / projectFile.stem() / "";
    paths.CourseTempDir = paths.CourseDir / "temp" / "";
    paths.CourseResourcesDir = paths.CourseDir / "resources" / "";
    return paths;
}

std::filesystem::path TCoursePaths::PageDir(int id) const {
    return CourseDir / PageFolderName(id) / "";
}

std::filesystem::path TCoursePaths::PageFile(int id) const {
    return CourseDir / PageFolderName(id) / kPageFileName;
}

} // namespace vlm
