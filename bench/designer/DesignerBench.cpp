// The designer on a 200-element page: opening the session (load, complete,
// build the frames' list; no rendering), one step of a drag, and undoing a
// property change. Targets: open <= 20 ms, a drag step <= 50 us, undo <= 5 ms.

#include "app/NullUserPrompt.h"
#include "common/FileWrite.h"
#include "designer/DesignerSession.h"
#include "shared/BenchPage.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr int kElements = 200;

struct Fixture {
    fs::path page = fs::temp_directory_path() /
                    ("vlm_bench_designer_" + std::to_string(::getpid())) / "p00001" / "_page.xmp";
    vlm::bench::CountingGuids guids;
    vlm::NullUserPrompt prompt;
    vlm::SystemClock clock;
    vlm::TjanXMLTree definitions;
    std::unique_ptr<vlm::TDesignerSession> session;

    Fixture() {
        definitions.LoadFromText(vlm::bench::Definitions());
        fs::create_directories(page.parent_path());
        vlm::WriteFileBytes(page, vlm::bench::Page(kElements));
        session =
            std::make_unique<vlm::TDesignerSession>(prompt, guids, clock, definitions, nullptr);
    }
    ~Fixture() {
        std::error_code ec;
        fs::remove_all(page.parent_path().parent_path(), ec);
    }
    void Open() {
        session->SetModified(false); // nothing to save first
        if (!session->OpenPage(page, "bench"))
            throw std::runtime_error("the page did not open");
    }
};

void BM_OpenSession(benchmark::State& state) {
    Fixture f;
    for (auto _ : state)
        f.Open();
    benchmark::DoNotOptimize(f.session->Frames().Frames().size());
}
BENCHMARK(BM_OpenSession)->Unit(benchmark::kMillisecond);

void BM_DragStep(benchmark::State& state) {
    Fixture f;
    f.Open();
    const int frame = kElements / 2;
    f.session->FramePress(frame, vlm::TMouseButton::Left, 0, 2, 2);
    int x = 0;
    for (auto _ : state) {
        x = (x + 7) % 50;
        f.session->FrameMove(frame, 2 + x, 2);
    }
    f.session->FrameRelease(frame);
}
BENCHMARK(BM_DragStep)->Unit(benchmark::kMicrosecond);

void BM_UndoPropertyChange(benchmark::State& state) {
    Fixture f;
    f.Open();
    vlm::TjanXMLNode* element = f.session->Frames().Frames()[kElements / 2].record;
    int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        f.session->Change([&] { element->SetAttribute("p1", "changed" + std::to_string(++n)); });
        state.ResumeTiming();
        f.session->Undo();
        state.PauseTiming();
        element = f.session->Frames().Frames()[kElements / 2].record; // the undo rebuilt it
        state.ResumeTiming();
    }
}
BENCHMARK(BM_UndoPropertyChange)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
