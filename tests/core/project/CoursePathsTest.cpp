// Where a course keeps its files, given its project file.
#include "project/CoursePaths.h"

#include <gtest/gtest.h>

namespace vlm {
namespace {

TEST(CoursePathsTest, CourseFolderIsTheFileNameWithoutExtension) {
    const TCoursePaths p = TCoursePaths::ForProjectFile("/home/ala/Kursy/BHP 2024.v1.vlmproject");
    EXPECT_EQ(p.CourseDir.string(), "/home/ala/Kursy/BHP 2024.v1/");
    EXPECT_EQ(p.CourseTempDir.string(), "/home/ala/Kursy/BHP 2024.v1/temp/");
    EXPECT_EQ(p.CourseResourcesDir.string(), "/home/ala/Kursy/BHP 2024.v1/resources/");
}

TEST(CoursePathsTest, NoProjectFileGivesNoPaths) {
    for (const char* file : {"", "/home/ala/Kursy/"}) {
        const TCoursePaths p = TCoursePaths::ForProjectFile(file);
        EXPECT_TRUE(p.CourseDir.empty());
        EXPECT_TRUE(p.CourseTempDir.empty());
        EXPECT_TRUE(p.CourseResourcesDir.empty());
    }
}

TEST(CoursePathsTest, PageFoldersArePaddedToFiveDigits) {
    const TCoursePaths p = TCoursePaths::ForProjectFile("/k/kurs.vlmproject");
    for (const auto& [id, name] : std::vector<std::pair<int, std::string>>{
             {1, "p00001"}, {12, "p00012"}, {99999, "p99999"}, {123456, "p123456"}}) {
        EXPECT_EQ(PageFolderName(id), name);
        EXPECT_EQ(p.PageDir(id).string(), "/k/kurs/" + name + "/");
        EXPECT_EQ(p.PageFile(id).string(), "/k/kurs/" + name + "/_page.xmp");
    }
}

} // namespace
} // namespace vlm
