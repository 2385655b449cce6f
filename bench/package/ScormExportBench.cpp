// The SCORM export of a large synthetic course (500 pages of 20 elements,
// about 300 MB of media, the same course as the offline export benchmark)
// timed against `zip -r -q` of the export's own output tree in the same run.
// The export, packing included, may take at most half as long; the exit code
// says whether it did. The course is generated below VLM_BENCH_DIR, or the
// system's temporary folder.

#include "app/IniLang.h"
#include "app/VLMVars.h"
#include "app/VLMXConfig.h"
#include "common/FileWrite.h"
#include "common/SystemPorts.h"
#include "export/VLMScorm11Command.h"
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
constexpr double kTargetRatio = 0.5;
constexpr int kRuns = 3;

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

std::string Quoted(const fs::path& path) {
    return "'" + path.string() + "'";
}

} // namespace

int main(int argc, char** argv) {
    const fs::path programDir =
        FindProgramDir(ExecutablePath(argc > 0 ? argv[0] : ""), SystemEnvironment());
    const char* keep = std::getenv("VLM_BENCH_DIR");
    const fs::path root = keep ? fs::path(keep) : fs::temp_directory_path() / "vlm_bench_scorm";
    const fs::path projectFile = root / "course.vlmproject";
    const TCoursePaths course = TCoursePaths::ForProjectFile(projectFile);
    fs::create_directories(course.CourseResourcesDir);

    std::mt19937_64 rng(7);
    std::uintmax_t mediaBytes = 0;
    auto media = [&](const std::string& name, std::uintmax_t size) {
        WriteRandomFile(course.CourseResourcesDir / name, size, rng);
        mediaBytes += size;
    };
    for (int i = 0; i < 12; ++i)
        media("video" + std::to_string(i) + ".mp4", 16u << 20);
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
    rootItem.Stamp = "id_1_1";
    for (int i = 0; i < kPages; ++i) {
        TProjectItem& item = project.AddItem();
        item.Name = "Page " + std::to_string(i + 1);
        item.Position = i + 2;
        item.Id = i + 2;
        item.ParentPosition = i < 20 ? 1 : 2 + (i % 20); // 20 chapters under the root
        item.PageType = ptContent;
        item.Stamp = "id_" + std::to_string(item.Id) + "_1";
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

    const fs::path runs = root / ("runs" + std::to_string(::getpid()));
    fs::create_directories(runs);
    SystemRandom random;
    std::vector<double> zipTimes, exportTimes;
    int pagesWritten = 0;
    std::uintmax_t packageBytes = 0, zipBytes = 0;
    for (int run = -1; run < kRuns; ++run) { // run -1 warms the page cache
        NullProgress progress;
        TExportEnvironment env{project, course, program, AppConfig, &library, prompt, progress};
        TVLMScorm11Command command(env, random);
        const fs::path package = runs / ("scorm" + std::to_string(run + 1) + ".zip");
        auto start = std::chrono::steady_clock::now();
        const TExportResult result = command.Execute(
            {package.string(), "http://www.imsproject.org/xsd/imscp_rootv1p1p2", "", false});
        const double exportTime = Seconds(start);
        if (!result.Ok()) {
            std::fprintf(stderr, "export failed: %s\n", result.message.c_str());
            return 2;
        }
        pagesWritten = command.PagesReport().pagesWritten;
        packageBytes = fs::file_size(package);

        // The export's own output tree, unpacked, then zipped the usual way.
        const fs::path tree = runs / ("tree" + std::to_string(run + 1));
        fs::create_directories(tree);
        if (std::system(("cd " + Quoted(tree) + " && unzip -q " + Quoted(package)).c_str()) != 0) {
            std::fprintf(stderr, "unzip failed\n");
            return 2;
        }
        const fs::path zipped = runs / ("zip" + std::to_string(run + 1) + ".zip");
        start = std::chrono::steady_clock::now();
        if (std::system(
                ("cd " + Quoted(tree) + " && zip -r -q " + Quoted(zipped) + " .").c_str()) != 0) {
            std::fprintf(stderr, "zip -r failed\n");
            return 2;
        }
        const double zipTime = Seconds(start);
        zipBytes = fs::file_size(zipped);
        if (run >= 0) {
            exportTimes.push_back(exportTime);
            zipTimes.push_back(zipTime);
        }
        fs::remove_all(tree);
        fs::remove(zipped);
        fs::remove(package);
    }
    fs::remove_all(runs);
    const double zip = Median(zipTimes), exported = Median(exportTimes);
    const double ratio = exported / zip;
    std::printf("course: %d pages of %d elements, %.0f MB of media in %s\n", kPages,
                kElementsPerPage, double(mediaBytes) / (1 << 20), root.c_str());
    std::printf("zip -r -q of the output tree: %.3f s (median of %d), %.0f MB\n", zip, kRuns,
                double(zipBytes) / (1 << 20));
    std::printf("SCORM export with packing:    %.3f s (median of %d), %.0f MB, %d pages\n",
                exported, kRuns, double(packageBytes) / (1 << 20), pagesWritten);
    std::printf("ratio: %.2f (target <= %.1f): %s\n", ratio, kTargetRatio,
                ratio <= kTargetRatio ? "met" : "NOT met");
    if (!keep)
        fs::remove_all(root);
    return ratio <= kTargetRatio && pagesWritten == kPages ? 0 : 1;
}
