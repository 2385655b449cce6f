// Reading, binding and writing page documents. The headline number is pages
// per second for a 200-element page bound against class definitions; the
// scaling runs check that the reader and the writer stay linear in the size
// of the text.

#include "app/NullUserPrompt.h"
#include "page/janXMLTree.h"
#include "page/xmp.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

class CountingGuids : public vlm::GuidSource {
public:
    std::string NewGuid() override {
        return "{00000000-0000-0000-0000-" + std::to_string(++n_) + "}";
    }

private:
    unsigned long n_ = 0;
};

const char* const kClasses[] = {"text", "image", "button", "input", "checkbox"};

std::string Definitions() {
    std::string d = "<document>\r\n";
    for (const char* cls : kClasses) {
        d += std::string("  <class name=\"") + cls + "\" type=\"api\" extends=\"component\">\r\n";
        for (int p = 0; p < 12; ++p)
            d += "    <property name=\"p" + std::to_string(p) + "\" defaultValue=\"v" +
                 std::to_string(p) + "\" type=\"" + (p == 3 ? "path" : "text") + "\" />\r\n";
        d += "    <events>\r\n      <event name=\"onClick\">\r\n        <code>\r\n"
             "          <![CDATA[// click\r\nrun();]]>\r\n        </code>\r\n      </event>\r\n"
             "      <event name=\"onShow\" />\r\n    </events>\r\n  </class>\r\n";
    }
    return d + "</document>\r\n";
}

// A page as the program writes it, with `elements` complete elements.
std::string Page(int elements) {
    vlm::TjanXMLTree tree;
    vlm::TjanXMLNode* doc = tree.AddChild("document");
    doc->AddAttribute("id", "{0F1E2D3C-4B5A-6978-8796-A5B4C3D2E1F0}");
    vlm::TjanXMLNode* info = doc->AddChild("info");
    for (const char* item : {"caption", "author", "version", "description", "group", "date"})
        info->AddChild(item, std::string("the ") + item);
    doc->AddChild("page")->AddAttribute("id", "{00000000-0000-0000-0000-000000000001}");
    for (int i = 1; i <= elements; ++i) {
        const std::string cls = kClasses[i % 5];
        vlm::TjanXMLNode* e = doc->AddChild(cls);
        e->AddAttribute("name", cls + std::to_string(i));
        e->AddAttribute("id", "{00000000-0000-0000-0000-" + std::to_string(100000 + i) + "}");
        e->AddAttribute("globalIndex", std::to_string(i));
        for (const char* geo : {"x", "y", "width", "height"})
            e->AddAttribute(geo, std::to_string(i * 7 % 500));
        for (int p = 0; p < 12; ++p)
            e->AddAttribute(std::string("p").append(std::to_string(p)),
                            std::string("Some%20value%20").append(std::to_string(p)));
        vlm::TjanXMLNode* ev = e->AddChild("event", "// click\\n run();");
        ev->AddAttribute("name", "onClick");
        ev->SetCData(true);
        vlm::TjanXMLNode* action = ev->AddChild("action", "parameter text");
        action->AddAttribute("object", "{00000000-0000-0000-0000-100001}");
        action->AddAttribute("name", "show");
        e->AddChild("event")->AddAttribute("name", "onShow");
    }
    return tree.AsText();
}

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
