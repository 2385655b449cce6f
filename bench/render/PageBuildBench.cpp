// Building the HTML of a 20-element page, as the export and the previews do.
// Reports pages per second (items_per_second).

#include "app/NullUserPrompt.h"
#include "common/FileWrite.h"
#include "page/ClassDefinitions.h"
#include "page/ComponentsManager.h"
#include "render/HTMLTemplate.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

namespace fs = std::filesystem;
using namespace vlm;

namespace {

struct Fixture {
    fs::path root = fs::temp_directory_path() / "vlm_bench_page_build";
    fs::path page = root / "course" / "p00001" / "_page.xmp";
    fs::path lexicon = root / "course" / "lexicon.ini";
    std::string pageTemplate;

    Fixture() {
        fs::remove_all(root);
        const char* classes[] = {"text", "button", "image", "input"};
        for (const char* cls : classes) {
            const fs::path dir = root / "components" / cls;
            fs::create_directories(dir);
            std::string props, defs;
            for (int i = 0; i < 12; ++i) {
                const std::string p = "prop" + std::to_string(i);
                props += "  " + p + ": \"<!-- property:" + p + " //-->\",\r\n";
                defs += "    <property name=\"" + p + "\" defaultValue=\"d" + std::to_string(i) +
                        "\" />\r\n";
            }
            WriteFileBytes(dir / "definition.xml", std::string("<document>\r\n  <class name=\"") +
                                                       cls + "\" type=\"api\">\r\n" + defs +
                                                       "  </class>\r\n  <component />\r\n"
                                                       "</document>\r\n");
            WriteFileBytes(dir / "head.js", std::string(2000, 'h') + "\r\n");
            WriteFileBytes(dir / "body.js",
                           std::string("VLMObject.create(\"") + cls +
                               "\", {\r\n  name: \"<!-- property:name //-->\",\r\n  text: "
                               "\"<!-- property:text //-->\",\r\n" +
                               props +
                               "}, {onclick: function () {\r\n<!-- event:onclick //-->\r\n}, "
                               "onchange: function () {\r\n<!-- event:onchange //-->\r\n}});\r\n");
            WriteFileBytes(dir / "body.html",
                           std::string("<div class=\"vlm-slot\" data-vlm-class=\"") + cls +
                               "\"></div>\r\n");
        }
        std::string xml = "<document id=\"{D}\">\r\n  <info />\r\n  <page id=\"{P}\" />\r\n";
        for (int i = 0; i < 20; ++i) {
            const std::string cls = classes[i % 4];
            const std::string n = std::to_string(i + 1);
            xml += "  <" + cls + " name=\"" + cls + n + "\" id=\"{E" + n +
                   "}\" x=\"10\" y=\"20\" text=\"Ala+ma+kota+i+psa%2C+kot+jest+czarny.+" +
                   std::string(200, 'x') + "\">\r\n    <event name=\"onclick\">\r\n" +
                   "      <action object=\"{E1}\" name=\"show\" param=\"false\" />\r\n" +
                   "      <action object=\"{E" + n +
                   "}\" name=\"setCaption\" param=\"true\" paramType=\"text\">\r\n" +
                   "        Hello\\nWorld\r\n      </action>\r\n    </event>\r\n" +
                   "    <event name=\"onchange\" />\r\n  </" + cls + ">\r\n";
        }
        xml += "</document>\r\n";
        fs::create_directories(page.parent_path());
        WriteFileBytes(page, xml);
        std::string ini = "[LEXICON]\r\n";
        for (int i = 0; i < 30; ++i)
            ini += "slowo" + std::to_string(i) + "=definicja\r\n";
        ini += "kot=zwierz\r\n\r\n";
        WriteFileBytes(lexicon, ini);
        pageTemplate = "<html><head><script src=\"<!-- path:api //-->vlm-core.js\"></script>\r\n"
                       "<!-- jscript:LMSManager //-->\r\n<script>\r\n"
                       "VLM.resourcesPath = \"<!-- path:resources //-->\";\r\n"
                       "<!-- jscript:body.begin //-->\r\n</script>\r\n<script>\r\n"
                       "<!-- jscript:head //-->\r\n</script></head>\r\n"
                       "<body onload=\"<!-- jscript:body.onload //-->\">\r\n"
                       "<!-- html:body //-->\r\n<script>\r\n<!-- jscript:body //-->\r\n"
                       "</script></body></html>\r\n" +
                       std::string(4000, ' ');
    }
    ~Fixture() { fs::remove_all(root); }
};

Fixture& Data() {
    static Fixture f;
    return f;
}

void BuildPages(benchmark::State& state, bool sharedSnippets, int exportLexicon) {
    Fixture& f = Data();
    NullUserPrompt prompt;
    TComponentsCollection library{prompt};
    library.ScanFolder(f.root / "components");
    TjanXMLTree definitions;
    definitions.LoadFromText("<document>\r\n</document>\r\n");
    library.MergeDefinitions(definitions);
    library.SetDefinitions(DefinitionsDocument(definitions));
    TSnippetCache shared;
    std::size_t bytes = 0;
    for (auto _ : state) {
        THTMLTemplate t(tmExport, &library, {"", f.lexicon, exportLexicon},
                        sharedSnippets ? &shared : nullptr);
        t.SetContent(f.pageTemplate);
        t.BuildPage(f.page);
        t.SetApiPath("../api/");
        t.SetCommonPath("../../js/");
        t.CleanUp();
        bytes = t.GetContent().size();
        benchmark::DoNotOptimize(bytes);
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["page_bytes"] = double(bytes);
}

void BM_BuildPage(benchmark::State& state) {
    BuildPages(state, false, 0);
}
void BM_BuildPage_SnippetsKeptForTheRun(benchmark::State& state) {
    BuildPages(state, true, 0);
}
void BM_BuildPage_WithLexicon(benchmark::State& state) {
    BuildPages(state, false, 1);
}

} // namespace

BENCHMARK(BM_BuildPage)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BuildPage_SnippetsKeptForTheRun)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BuildPage_WithLexicon)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
