#include "export/CourseGuard.h"

#include "common/Encoding.h"
#include "common/FilesTools.h"
#include "export/ExportPipeline.h"
#include "project/CoursePaths.h"
#include "project/Project.h"
#include "resources/ResourceFolder.h"

#include <system_error>

namespace fs = std::filesystem;

namespace vlm {

std::optional<fs::path> FirstPathOutOfCourse(const TProject& project, const TCoursePaths& course) {
    const TFolderBounds bounds(course.CourseDir);
    std::vector<fs::path> places = {course.CourseResourcesDir, course.CourseDir / "lexicon.ini"};
    for (const auto& item : project.Items) {
        places.push_back(course.PageDir(item->Id));
        places.push_back(course.PageFile(item->Id));
        if (item->PageType == ptOutsideDocument && IsPlainFileName(item->Address))
            places.push_back(course.PageDir(item->Id) / PathFromCp1250(item->Address));
    }
    for (fs::path& place : places)
        if (!bounds.Holds(place))
            return std::move(place);
    return std::nullopt;
}

bool IsCourseDestination(const fs::path& destination, const fs::path& projectFile,
                         const fs::path& courseDir) {
    std::error_code ec;
    if (!projectFile.empty() && fs::equivalent(destination, projectFile, ec) && !ec)
        return true;
    return !courseDir.empty() && IsInsideFolder(destination, courseDir);
}

TExportResult GuardExport(const TProject& project, const TCoursePaths& course,
                          const fs::path& destination, UserPrompt& prompt) {
    if (IsCourseDestination(destination, project.FileName, course.CourseDir))
        return ReportFailure(
            prompt, FormatExportMessage("ERROR_EXPORT_INTO_COURSE", PathToCp1250(destination)));
    if (auto place = FirstPathOutOfCourse(project, course))
        return ReportFailure(
            prompt, FormatExportMessage("ERROR_EXPORT_LINK_OUT_OF_COURSE", PathToCp1250(*place)));
    return TExportResult::Done();
}

} // namespace vlm
