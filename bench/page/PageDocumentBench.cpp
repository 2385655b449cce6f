// Reading, binding and writing page documents. The headline number is pages
// per second for a 200-element page bound against class definitions; the
// scaling runs check that the reader and the writer stay linear in the size
// of the text.

#include "app/NullUserPrompt.h"
#include "page/janXMLTree.h"
#include "page/xmp.h"
#include "shared/BenchPage.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using vlm::bench::CountingGuids;
using vlm::bench::Definitions;
using vlm::bench::Page;

void BM_ReadBindWritePage(benchmark::State& state) {
    CountingGuids guids;
    vlm::NullUserPrompt prompt;
    vlm::SystemClock clock;
    vlm::TjanXMLTree definitions;
    definitions.LoadFromText(Definitions());
    const std::string page = Page(static_cast<int>(state.range(0)));
    vlm::TXMPDocument doc(guids, prompt, clock);
    doc.SetDefinitions(&definitions);
    for (auto _ : state) {
        doc.LoadFromText(page);
        std::string out = doc.AsText();
        benchmark::DoNotOptimize(out);
    }
    state.SetItemsProcessed(state.iterations()); // pages
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(page.size()));
}
BENCHMARK(BM_ReadBindWritePage)->Arg(200)->Unit(benchmark::kMicrosecond);

void BM_Read(benchmark::State& state) {
    const std::string page = Page(static_cast<int>(state.range(0)));
    vlm::TjanXMLTree tree;
    for (auto _ : state)
        tree.LoadFromText(page);
    state.SetComplexityN(static_cast<int64_t>(page.size()));
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(page.size()));
}
BENCHMARK(BM_Read)->RangeMultiplier(4)->Range(50, 12800)->Complexity(benchmark::oN);

void BM_Write(benchmark::State& state) {
    const std::string page = Page(static_cast<int>(state.range(0)));
    vlm::TjanXMLTree tree;
    tree.LoadFromText(page);
    for (auto _ : state) {
        std::string out = tree.AsText();
        benchmark::DoNotOptimize(out);
    }
    state.SetComplexityN(static_cast<int64_t>(page.size()));
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(page.size()));
}
BENCHMARK(BM_Write)->RangeMultiplier(4)->Range(50, 12800)->Complexity(benchmark::oN);

} // namespace

BENCHMARK_MAIN();
