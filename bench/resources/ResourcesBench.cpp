// Opening a course hashes every file of its resources folder, so the digest's
// throughput is compared with `openssl dgst -rmd160` over the same files in
// the same run; Refresh is measured on a large register, unchanged and from
// scratch. VLM_BENCH_DIR names a folder to keep the generated files in.

#include "resources/FileDigest.h"
#include "resources/Resources.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <time.h>
#include <unistd.h>

namespace fs = std::filesystem;
using vlm::NullProgress;
using vlm::TProjectResources;

namespace {

struct Fixture {
    fs::path root;
    std::vector<fs::path> mediaFiles; // about 300 MB of mixed sizes
    std::uintmax_t mediaBytes = 0;
    fs::path registerFolder; // many small files
    bool ownsRoot = false;
};

void WriteRandomFile(const fs::path& file, std::uintmax_t size, std::mt19937_64& rng) {
    if (fs::exists(file) && fs::file_size(file) == size)
        return;
    std::ofstream out(file, std::ios::binary);
    std::vector<std::uint64_t> block(8192);
    while (size > 0) {
        for (auto& v : block)
            v = rng();
        auto n = std::min<std::uintmax_t>(size, block.size() * sizeof(std::uint64_t));
        out.write(reinterpret_cast<const char*>(block.data()), static_cast<std::streamsize>(n));
        size -= n;
    }
}

std::string NumberedName(const char* prefix, int number, const char* extension) {
    std::string name = prefix;
    name.append(std::to_string(number)).append(extension);
    return name;
}

Fixture& Data() {
    static Fixture f = [] {
        Fixture d;
        if (const char* dir = std::getenv("VLM_BENCH_DIR")) {
            d.root = dir;
        } else {
            d.root = fs::temp_directory_path() / NumberedName("vlm-bench-res-", ::getpid(), "");
            d.ownsRoot = true;
        }
        fs::create_directories(d.root / "media");
        std::mt19937_64 rng(42);
        // count x size: 2 x 64 MB, 8 x 16 MB, 32 x 1 MB, 200 x 100 KB, 400 x 10 KB, 500 x 1 KB.
        const std::pair<int, std::uintmax_t> mix[] = {{2, 64u << 20},   {8, 16u << 20},
                                                      {32, 1u << 20},   {200, 100u << 10},
                                                      {400, 10u << 10}, {500, 1u << 10}};
        int index = 0;
        for (auto [count, size] : mix)
            for (int i = 0; i < count; ++i) {
                auto file = d.root / "media" / NumberedName("m", index++, ".bin");
                WriteRandomFile(file, size, rng);
                d.mediaFiles.push_back(file);
                d.mediaBytes += size;
            }
        d.registerFolder = d.root / "register";
        fs::create_directories(d.registerFolder);
        for (int i = 0; i < 10000; ++i)
            WriteRandomFile(d.registerFolder / NumberedName("pic", i, ".png"), 512 + (i % 7) * 300,
                            rng);
        return d;
    }();
    return f;
}

struct Rates {
    double wall = 0, cpu = 0; // bytes per second of wall-clock and of CPU time
};
Rates g_digest, g_openssl; // the last run's figures

double Seconds(std::chrono::steady_clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

double ThreadCpuSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return ts.tv_sec + ts.tv_nsec / 1e9;
}

double ChildrenCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    auto s = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    return s(usage.ru_utime) + s(usage.ru_stime);
}

void DigestAll() {
    for (const auto& file : Data().mediaFiles) {
        std::string digest;
        if (!vlm::FileDigest(file, digest))
            std::abort();
        benchmark::DoNotOptimize(digest);
    }
}

// Both digests over the same files, alternating within each iteration so
// that both see the same load of the machine. CPU time is the steadier
// comparison on a busy machine; both are reported.
void BM_FileDigestVersusOpenssl(benchmark::State& state) {
    std::string command = "openssl dgst -rmd160";
    for (const auto& file : Data().mediaFiles)
        command += " '" + file.string() + "'";
    command += " > /dev/null";
    double oursWall = 0, oursCpu = 0, sslWall = 0, sslCpu = 0;
    for (auto _ : state) {
        const double childCpu = ChildrenCpuSeconds();
        auto t0 = std::chrono::steady_clock::now();
        if (std::system(command.c_str()) != 0)
            std::abort();
        auto t1 = std::chrono::steady_clock::now();
        sslWall += Seconds(t1 - t0);
        sslCpu += ChildrenCpuSeconds() - childCpu;

        const double cpu = ThreadCpuSeconds();
        t0 = std::chrono::steady_clock::now();
        DigestAll();
        t1 = std::chrono::steady_clock::now();
        oursWall += Seconds(t1 - t0);
        oursCpu += ThreadCpuSeconds() - cpu;
    }
    const double bytes = static_cast<double>(Data().mediaBytes) * state.iterations();
    g_digest = {bytes / oursWall, bytes / oursCpu};
    g_openssl = {bytes / sslWall, bytes / sslCpu};
    state.counters["ours_MBps_cpu"] = g_digest.cpu / 1e6;
    state.counters["openssl_MBps_cpu"] = g_openssl.cpu / 1e6;
    state.counters["ours_MBps_wall"] = g_digest.wall / 1e6;
    state.counters["openssl_MBps_wall"] = g_openssl.wall / 1e6;
}

void BM_FileDigestMixedFolder(benchmark::State& state) {
    for (auto _ : state)
        DigestAll();
    state.SetBytesProcessed(static_cast<std::int64_t>(Data().mediaBytes * state.iterations()));
}

// Nothing changed: one directory listing, no file content read.
void BM_RefreshUnchanged(benchmark::State& state) {
    TProjectResources reg;
    NullProgress progress;
    reg.Refresh(Data().registerFolder, progress);
    for (auto _ : state)
        reg.Refresh(Data().registerFolder, progress);
    state.counters["entries"] = reg.Count();
}

// The first Refresh after opening a course: every file is hashed.
void BM_RefreshFromEmpty(benchmark::State& state) {
    TProjectResources reg;
    NullProgress progress;
    for (auto _ : state) {
        reg.Clear();
        reg.Refresh(Data().registerFolder, progress);
    }
    state.counters["entries"] = reg.Count();
}

} // namespace

BENCHMARK(BM_FileDigestVersusOpenssl)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_FileDigestMixedFolder)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);
BENCHMARK(BM_RefreshUnchanged)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_RefreshFromEmpty)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (g_digest.cpu > 0 && g_openssl.cpu > 0)
        std::printf("Over %.1f MB: FileDigest %.1f MB/s of CPU time (%.1f MB/s wall), "
                    "openssl dgst -rmd160 %.1f MB/s of CPU time (%.1f MB/s wall): %.1f%% of "
                    "openssl by CPU time, %.1f%% by wall time (target at least 90%%)\n",
                    Data().mediaBytes / 1e6, g_digest.cpu / 1e6, g_digest.wall / 1e6,
                    g_openssl.cpu / 1e6, g_openssl.wall / 1e6, 100.0 * g_digest.cpu / g_openssl.cpu,
                    100.0 * g_digest.wall / g_openssl.wall);
    if (Data().ownsRoot)
        fs::remove_all(Data().root);
    return 0;
}
