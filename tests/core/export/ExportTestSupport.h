#pragma once
// A course in a temporary folder with the fixture program folder, and the
// fakes an export run needs.

#include "app/IniLang.h"
#include "app/VLMVars.h"
#include "app/VLMXConfig.h"
#include "common/FileWrite.h"
#include "export/ExportEnvironment.h"
#include "fakes/Fakes.h"
#include "project/CoursePaths.h"
#include "project/Project.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <string>

namespace vlm::test {

namespace fs = std::filesystem;

inline fs::path ExportFixtures() {
    return fs::path(VLM_FIXTURES_DIR) / "export";
}

inline std::string ReadText(const fs::path& file) {
    return ReadFileBytes(file).value_or("<missing " + file.string() + ">");
}

struct ExportCourse {
    explicit ExportCourse(const std::string& name,
                          const fs::path& programDir = ExportFixtures() / "program")
        : dir(fs::temp_directory_path() /
              ("vlm_export_" + name + "_" + std::to_string(::getpid()))),
          savedLanguage(CurrentLanguage()), project(prompt) {
        fs::remove_all(dir);
        fs::create_directories(dir);
        project.FileName = dir / "course.vlmproject";
        project.Folder = dir / "";
        project.Title = "Course One";
        project.CourseVersion = "1.2";
        course = TCoursePaths::ForProjectFile(project.FileName);
        fs::create_directories(course.CourseResourcesDir);
        // The messages in English, from a small language file of our own.
        CurrentLanguage().file = LoadLanguageFile(ExportFixtures() / "lang.lang");
        CurrentLanguage().languageIndex = 1;
        program = InitProgramPaths(programDir,
                                   [](const std::string&) { return std::optional<std::string>(); });
    }
    ~ExportCourse() {
        fs::remove_all(dir);
        CurrentLanguage() = savedLanguage; // other suites of this program set their own
    }

    TProjectItem& Add(const std::string& name, int position, int id, int parent, int type,
                      const std::string& address = {}) {
        TProjectItem& item = project.AddItem();
        item.Name = name;
        item.Position = position;
        item.Id = id;
        item.ParentPosition = parent;
        item.PageType = type;
        item.Address = address;
        item.Stamp = "id_" + std::to_string(id) + "_0";
        return item;
    }

    // A page document with the page element's attributes.
    void WritePage(int id, const std::string& pageAttributes = {}, const std::string& body = {}) {
        const std::string text = "<document id=\"{D" + std::to_string(id) +
                                 "}\">\r\n  <info />\r\n  <page id=\"{P}\"" + pageAttributes +
                                 " />\r\n" + body + "</document>\r\n";
        fs::create_directories(course.PageDir(id));
        ASSERT_TRUE(WriteFileBytes(course.PageFile(id), text));
    }

    TExportEnvironment Env() {
        return {project, course, program, config, nullptr, prompt, progress};
    }

    fs::path dir;
    TLanguage savedLanguage;
    FakeUserPrompt prompt;
    RecordingProgress progress;
    TProject project;
    TCoursePaths course;
    TProgramPaths program;
    TVLMXConfig config;
};

// Every file below a folder as "relative path" (sorted), for comparing trees.
inline std::vector<std::string> FilesBelow(const fs::path& root) {
    std::vector<std::string> names;
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(root, ec);
         !ec && it != fs::recursive_directory_iterator(); it.increment(ec))
        if (it->is_regular_file())
            names.push_back(fs::relative(it->path(), root).generic_string());
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace vlm::test
