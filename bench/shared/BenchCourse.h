#pragma once
// The synthetic course the export benchmarks share: 500 pages of 20 elements
// of the shipped classes in 20 chapters, and about 300 MB of media (large
// videos, sounds and many pictures), with the program data loaded as the
// program loads it.

#include "app/IniLang.h"
#include "app/UserPrompt.h"
#include "app/VLMVars.h"
#include "app/VLMXConfig.h"
#include "common/FileWrite.h"
#include "page/ClassDefinitions.h"
#include "page/ComponentsManager.h"
#include "page/janXMLTree.h"
#include "project/CoursePaths.h"
#include "project/Project.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace vlm::bench {

inline constexpr int kPages = 500;
inline constexpr int kElementsPerPage = 20;

// Answers every question Yes and prints what it was asked.
class SilentPrompt : public UserPrompt {
public:
    int MessageBox(const std::string&, const std::string& text, DialogType, ButtonSet,
                   const std::string&, bool*) override {
        std::fprintf(stderr, "message: %s\n", text.c_str());
        return mrYes;
    }
    int MessageDlg(const std::string&, DialogType, ButtonSet, int) override { return mrYes; }
    void ShowMessage(const std::string&) override {}
};

// Random bytes, so that nothing compresses; a file of the right size is kept.
inline void WriteRandomFile(const std::filesystem::path& file, std::uintmax_t size,
                            std::mt19937_64& rng) {
    namespace fs = std::filesystem;
    if (fs::exists(file) && fs::file_size(file) == size)
        return;
    std::ofstream out(file, std::ios::binary);
    std::vector<std::uint64_t> block(8192);
    while (size > 0) {
        for (auto& v : block)
            v = rng();
        const auto n = std::min<std::uintmax_t>(size, block.size() * sizeof(std::uint64_t));
        out.write(reinterpret_cast<const char*>(block.data()), static_cast<std::streamsize>(n));
        size -= n;
    }
}

// Elements of the shipped classes, each with its own text and geometry.
inline std::string PageDocument(int page) {
    static const char* classes[] = {"text",      "button",      "image", "input", "checkbox",
                                    "rectangle", "radiobutton", "combo", "list",  "html"};
    std::string xml = "<document id=\"{D" + std::to_string(page) +
                      "}\">\r\n  <info />\r\n  <page name=\"page\" id=\"{P}\" type=\"Normal\" "
                      "masteryscore=\"10\" height=\"550\" />\r\n";
    for (int i = 0; i < kElementsPerPage; ++i) {
        const std::string cls = classes[i % std::size(classes)];
        const std::string n = std::to_string(i + 1);
        xml += "  <" + cls + " name=\"" + cls + n + "\" id=\"{E" + n + "}\" globalIndex=\"" + n +
               "\" x=\"" + std::to_string(10 + i * 7) + "\" y=\"" + std::to_string(20 + i * 11) +
               "\" width=\"200\" height=\"40\" visibility=\"visible\" text=\"Strona+" +
               std::to_string(page) + "%2C+element+" + n + ".+" + std::string(120, 'x') +
               "\" src=\"..\\resources\\media" + std::to_string(i % 40) + ".png\">\r\n" +
               "    <event name=\"onclick\">\r\n      <action object=\"{E1}\" name=\"show\" "
               "param=\"false\" />\r\n    </event>\r\n  </" +
               cls + ">\r\n";
    }
    return xml + "</document>\r\n";
}

inline double Seconds(const std::chrono::steady_clock::time_point& start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

inline double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// A path in single quotes for the shell (appended piece by piece: GCC 12
// warns falsely on "'" + text).
inline std::string Quoted(const std::filesystem::path& path) {
    std::string quoted(1, '\'');
    quoted += path.string();
    quoted += '\'';
    return quoted;
}

struct BenchCourse {
    std::filesystem::path root;
    TCoursePaths course;
    SilentPrompt prompt;
    TProject project{prompt};
    std::uintmax_t mediaBytes = 0;
    TProgramPaths program;
    std::unique_ptr<TComponentsCollection> library;
    std::unique_ptr<TjanXMLTree> definitions;
};

// Writes the course below `root` (media kept from an earlier run when the
// sizes match) and loads the program data of `programDir`.
inline void MakeBenchCourse(BenchCourse& b, const std::filesystem::path& root,
                            const std::filesystem::path& programDir,
                            const std::string& videoExtension) {
    namespace fs = std::filesystem;
    b.root = root;
    const fs::path projectFile = root / "course.vlmproject";
    b.course = TCoursePaths::ForProjectFile(projectFile);
    fs::create_directories(b.course.CourseResourcesDir);

    std::mt19937_64 rng(7);
    auto media = [&](const std::string& name, std::uintmax_t size) {
        WriteRandomFile(b.course.CourseResourcesDir / name, size, rng);
        b.mediaBytes += size;
    };
    for (int i = 0; i < 12; ++i)
        media("video" + std::to_string(i) + videoExtension, 16u << 20);
    for (int i = 0; i < 40; ++i)
        media("sound" + std::to_string(i) + ".mp3", 2u << 20);
    for (int i = 0; i < 400; ++i)
        media("media" + std::to_string(i) + ".png", 80u << 10);

    TProject& project = b.project;
    project.FileName = projectFile;
    project.Folder = root / "";
    project.Title = "Benchmark";
    TProjectItem& rootItem = project.AddItem();
    rootItem.Name = "Benchmark";
    rootItem.Position = 1;
    rootItem.Id = 1;
    rootItem.Stamp = "id_1_1";
    for (int i = 0; i < kPages; ++i) {
        TProjectItem& item = project.AddItem();
        item.Name = "Page " + std::to_string(i + 1);
        item.Position = i + 2;
        item.Id = i + 2;
        item.ParentPosition = i < 20 ? 1 : 2 + (i % 20); // 20 chapters under the root
        item.PageType = ptContent;
        item.Stamp = "id_" + std::to_string(item.Id) + "_1";
        fs::create_directories(b.course.PageDir(item.Id));
        WriteFileBytes(b.course.PageFile(item.Id), PageDocument(item.Id));
    }

    LoadConfiguration(AppConfig, programDir);
    CurrentLanguage().file = LoadLanguageFile(AppConfig.LanguageFile);
    b.program = InitProgramPaths(programDir, SystemEnvironment());
    b.library = std::make_unique<TComponentsCollection>(b.prompt);
    b.library->LoadLibrary(programDir);
    b.definitions = LoadDefinitionTree(programDir, *b.library, b.prompt, CurrentLanguage());
    if (b.definitions)
        b.library->SetDefinitions(DefinitionsDocument(*b.definitions));
}

} // namespace vlm::bench
