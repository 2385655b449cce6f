// The SCORM export of a large synthetic course (500 pages of 20 elements,
// about 300 MB of media, the same course as the offline export benchmark)
// timed against `zip -r -q` of the export's own output tree in the same run.
// The export, packing included, may take at most half as long; the exit code
// says whether it did. The course is generated below VLM_BENCH_DIR, or the
// system's temporary folder.

#include "common/SystemPorts.h"
#include "export/VLMScorm11Command.h"
#include "shared/BenchCourse.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

namespace fs = std::filesystem;
using namespace vlm;

using namespace vlm::bench;

namespace {

constexpr double kTargetRatio = 0.5;
constexpr int kRuns = 3;

} // namespace

int main(int argc, char** argv) {
    const fs::path programDir =
        FindProgramDir(ExecutablePath(argc > 0 ? argv[0] : ""), SystemEnvironment());
    const char* keep = std::getenv("VLM_BENCH_DIR");
    const fs::path root = keep ? fs::path(keep) : fs::temp_directory_path() / "vlm_bench_scorm";
    BenchCourse bench;
    MakeBenchCourse(bench, root, programDir, ".mp4");
    TProject& project = bench.project;
    TCoursePaths& course = bench.course;
    TProgramPaths& program = bench.program;
    UserPrompt& prompt = bench.prompt;
    const std::uintmax_t mediaBytes = bench.mediaBytes;

    const fs::path runs = root / ("runs" + std::to_string(::getpid()));
    fs::create_directories(runs);
    SystemRandom random;
    std::vector<double> zipTimes, exportTimes;
    int pagesWritten = 0;
    std::uintmax_t packageBytes = 0, zipBytes = 0;
    for (int run = -1; run < kRuns; ++run) { // run -1 warms the page cache
        NullProgress progress;
        TExportEnvironment env{project, course,  program, AppConfig, bench.library.get(),
                               prompt,  progress};
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
