// The offline export of a large synthetic course (500 pages of 20 elements,
// about 300 MB of media) timed against `cp -r` of the same resources folder
// in the same run. The export may take at most 1.3 times as long; the exit
// code says whether it did. The course is generated below VLM_BENCH_DIR, or
// the system's temporary folder, and removed afterwards (unless VLM_BENCH_DIR
// names a folder to keep it in).

#include "app/IniLang.h"
#include "app/VLMVars.h"
#include "app/VLMXConfig.h"
#include "common/FileWrite.h"
#include "export/VLMExplorerCommand.h"
#include "page/ClassDefinitions.h"
#include "page/ComponentsManager.h"
#include "project/Project.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include <unistd.h>

namespace fs = std::filesystem;
using namespace vlm;

namespace {

constexpr int kPages = 500;
constexpr int kElementsPerPage = 20;
constexpr double kTargetRatio = 1.3;
constexpr int kRuns = 3;

class SilentPrompt : public UserPrompt {
public:
    int MessageBox(const std::string&, const std::string&, DialogType, ButtonSet,
                   const std::string&, bool*) override {
        return mrYes;
    }
    int MessageDlg(const std::string&, DialogType, ButtonSet, int) override { return mrYes; }
    void ShowMessage(const std::string&) override {}
};

void WriteRandomFile(const fs::path& file, std::uintmax_t size, std::mt19937_64& rng) {
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
std::string PageDocument(int page) {
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

double Seconds(const std::chrono::steady_clock::time_point& start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Appended piece by piece: GCC 12 warns falsely (-Wrestrict) on "'" + text.
std::string Quoted(const fs::path& path) {
    std::string quoted(1, '\'');
    quoted += path.string();
    quoted += '\'';
    return quoted;
}

} // namespace

int main(int argc, char** argv) {
    const fs::path programDir =
        FindProgramDir(ExecutablePath(argc > 0 ? argv[0] : ""), SystemEnvironment());
    const char* keep = std::getenv("VLM_BENCH_DIR");
    const fs::path root = keep ? fs::path(keep) : fs::temp_directory_path() / "vlm_bench_export";
    const fs::path projectFile = root / "course.vlmproject";
    const TCoursePaths course = TCoursePaths::ForProjectFile(projectFile);
    fs::create_directories(course.CourseResourcesDir);

    // About 300 MB: a few large videos, sounds and many pictures.
    std::mt19937_64 rng(7);
    std::uintmax_t mediaBytes = 0;
    auto media = [&](const std::string& name, std::uintmax_t size) {
        WriteRandomFile(course.CourseResourcesDir / name, size, rng);
        mediaBytes += size;
    };
    for (int i = 0; i < 12; ++i)
        media("video" + std::to_string(i) + ".avi", 16u << 20);
    for (int i = 0; i < 40; ++i)
        media("sound" + std::to_string(i) + ".mp3", 2u << 20);
    for (int i = 0; i < 400; ++i)
        media("media" + std::to_string(i) + ".png", 80u << 10);

    SilentPrompt prompt;
    TProject project(prompt);
    project.FileName = projectFile;
    project.Folder = root / "";
    project.Title = "Benchmark";
    TProjectItem& rootItem = project.AddItem();
    rootItem.Name = "Benchmark";
    rootItem.Position = 1;
    rootItem.Id = 1;
    for (int i = 0; i < kPages; ++i) {
        TProjectItem& item = project.AddItem();
        item.Name = "Page " + std::to_string(i + 1);
        item.Position = i + 2;
        item.Id = i + 2;
        item.ParentPosition = i < 20 ? 1 : 2 + (i % 20); // 20 chapters under the root
        item.PageType = ptContent;
        fs::create_directories(course.PageDir(item.Id));
        WriteFileBytes(course.PageFile(item.Id), PageDocument(item.Id));
    }

    LoadConfiguration(AppConfig, programDir);
    CurrentLanguage().file = LoadLanguageFile(AppConfig.LanguageFile);
    const TProgramPaths program = InitProgramPaths(programDir, SystemEnvironment());
    TComponentsCollection library(prompt);
    library.LoadLibrary(programDir);
    const auto definitions = LoadDefinitionTree(programDir, library, prompt, CurrentLanguage());
    if (definitions)
        library.SetDefinitions(DefinitionsDocument(*definitions));

    // Every run writes into a folder of its own and nothing is deleted until
    // the end: ext4 makes inodes slow to allocate for a while after many
    // deletions, which would time the clean-up of the previous run instead of
    // the export a user runs into a new folder.
    const fs::path runs = root / ("runs" + std::to_string(::getpid()));
    fs::create_directories(runs);
    auto copyTo = [&](const fs::path& target) {
        const std::string cp = "cp -r " + Quoted(course.CourseResourcesDir) + " " + Quoted(target);
        return std::system(cp.c_str()) == 0;
    };
    // One copy first, so that both sides read the media from the page cache.
    copyTo(runs / "warm");
    std::vector<double> copyTimes, exportTimes;
    int pagesWritten = 0;
    for (int run = 0; run < kRuns; ++run) {
        // Each side starts with no dirty pages of the other waiting to be written.
        ::sync();
        auto start = std::chrono::steady_clock::now();
        if (!copyTo(runs / ("copy" + std::to_string(run)))) {
            std::fprintf(stderr, "cp -r failed\n");
            return 2;
        }
        copyTimes.push_back(Seconds(start));

        NullProgress progress;
        TExportEnvironment env{project, course, program, AppConfig, &library, prompt, progress};
        TVLMExplorerCommand command(env);
        const fs::path target = runs / ("offline" + std::to_string(run));
        ::sync();
        start = std::chrono::steady_clock::now();
        const TExportResult result = command.Execute({target.string(), "Orvanta - standard"});
        exportTimes.push_back(Seconds(start));
        if (!result.Ok()) {
            std::fprintf(stderr, "export failed: %s\n", result.message.c_str());
            return 2;
        }
        pagesWritten = command.PagesReport().pagesWritten;
    }
    // The same export without the media, to show what the pages cost alone.
    TCoursePaths noMedia = course;
    noMedia.CourseResourcesDir = runs / "empty";
    fs::create_directories(noMedia.CourseResourcesDir);
    ::sync();
    NullProgress progress;
    TExportEnvironment env{project, noMedia, program, AppConfig, &library, prompt, progress};
    TVLMExplorerCommand pagesOnly(env);
    auto start = std::chrono::steady_clock::now();
    pagesOnly.Execute({(runs / "pages-only").string(), "Orvanta - standard"});
    const double pagesTime = Seconds(start);
    fs::remove_all(runs);
    const double copy = Median(copyTimes), exported = Median(exportTimes);
    const double ratio = exported / copy;
    std::printf("course: %d pages of %d elements, %.0f MB of media in %s\n", kPages,
                kElementsPerPage, double(mediaBytes) / (1 << 20), root.c_str());
    for (int run = 0; run < kRuns; ++run)
        std::printf("run %d: cp -r %.3f s, export %.3f s\n", run + 1, copyTimes[run],
                    exportTimes[run]);
    std::printf("cp -r of resources/: %.3f s (median of %d)\n", copy, kRuns);
    std::printf("offline export:      %.3f s (median of %d), %d pages written\n", exported, kRuns,
                pagesWritten);
    std::printf("export without media: %.3f s\n", pagesTime);
    std::printf("ratio: %.2f (target <= %.1f): %s\n", ratio, kTargetRatio,
                ratio <= kTargetRatio ? "met" : "NOT met");
    if (!keep)
        fs::remove_all(root);
    return ratio <= kTargetRatio && pagesWritten == kPages ? 0 : 1;
}
