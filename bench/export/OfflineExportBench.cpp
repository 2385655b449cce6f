// The offline export of a large synthetic course (500 pages of 20 elements,
// about 300 MB of media) timed against `cp -r` of the same resources folder
// in the same run. The export may take at most 1.3 times as long; the exit
// code says whether it did. The course is generated below VLM_BENCH_DIR, or
// the system's temporary folder, and removed afterwards (unless VLM_BENCH_DIR
// names a folder to keep it in).

#include "export/VLMExplorerCommand.h"
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

constexpr double kTargetRatio = 1.3;
constexpr int kRuns = 3;

} // namespace

int main(int argc, char** argv) {
    const fs::path programDir =
        FindProgramDir(ExecutablePath(argc > 0 ? argv[0] : ""), SystemEnvironment());
    const char* keep = std::getenv("VLM_BENCH_DIR");
    const fs::path root = keep ? fs::path(keep) : fs::temp_directory_path() / "vlm_bench_export";
    BenchCourse bench;
    MakeBenchCourse(bench, root, programDir, ".avi");
    TProject& project = bench.project;
    TCoursePaths& course = bench.course;
    TProgramPaths& program = bench.program;
    UserPrompt& prompt = bench.prompt;
    const std::uintmax_t mediaBytes = bench.mediaBytes;

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
        TExportEnvironment env{project, course,  program, AppConfig, bench.library.get(),
                               prompt,  progress};
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
    TExportEnvironment env{project, noMedia, program, AppConfig, bench.library.get(),
                           prompt,  progress};
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
