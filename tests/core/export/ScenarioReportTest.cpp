// The scenario report: profiles, blocks and macros, screenshots through the
// renderer port, and reports that an RTF reader opens.

#include "Export2Support.h"

#include "app/IniLang.h"
#include "app/VLMVars.h"
#include "app/VLMXConfig.h"
#include "export/CourseTemplate.h"
#include "export/ReportProfiles.h"
#include "export/ScenarioWizard.h"
#include "export/VLMScenarioCommand.h"
#include "export/WizardSettings.h"
#include "page/ClassDefinitions.h"
#include "page/ComponentsManager.h"

#include <algorithm>

namespace vlm::test {
namespace {

namespace fs = std::filesystem;

const fs::path kSmall = Export2Fixtures() / "scenario" / "small";

// A fixed 800 x 600 picture, or nothing when told so.
TRgbBitmap FixedBitmap() {
    TRgbBitmap b{800, 600, std::vector<std::uint8_t>(800 * 600 * 3)};
    for (std::size_t i = 0; i < b.Pixels.size(); ++i)
        b.Pixels[i] = static_cast<std::uint8_t>((i / 3) % 800 < 400 ? 200 : 30);
    return b;
}

std::string Joined(const StringList& lines) {
    std::string text;
    for (const auto& line : lines)
        text += line + "\n";
    return text;
}

struct Report {
    FixtureCourse course;
    FixedClock clock;
    RecordingProgress progress;
    std::vector<fs::path> shotPages;

    StringList Build(const fs::path& folder, bool pictures = true) {
        TCourseTemplate report(course.project, course.paths, nullptr, course.prompt, progress,
                               clock);
        report.LoadTemplates(kSmall / "report.rtf", kSmall / "report.ini");
        return report.Build(folder, [&](const fs::path& page) -> std::optional<TRgbBitmap> {
            shotPages.push_back(page);
            if (!pictures)
                return std::nullopt;
            return FixedBitmap();
        });
    }
};

TEST(ScenarioReportTest, BlocksMacrosAndNumbering) {
    Report r;
    r.course.project.Folder = "/kursy/bhp/";
    ScratchFolder out;
    const std::string text = Joined(r.Build(out.path()));
    const std::string expected =
        "{\\rtf1\\ansi\n"
        "Kurs BHP & ochrona \x96 biuro 17.05.2024 *[DATE]*\n"
        "\\\\kursy\\\\bhp\\\\\n"
        // The undefined root: a block with its (empty) link, no picture.
        "{\\pard 1 Kurs BHP & ochrona | Kurs BHP & ochrona \n\n\\par}\n"
        "{\\pard 2 Wst\xEAp | Kurs BHP & ochrona/Wst\xEAp " +
        ScreenshotField(1, FileBytes(out / "images" / "1.jpg")) +
        "\n"
        // The lists run together on the marker's line; input1 has an empty
        // answer, so its element block is printed without properties.
        "[input]<><correctAnswer=ala ma&kota>[page]<links=Kodeks||Ustawa & akty||"
        "http://example.org/?a=1&b=2||1#|#Regulamin||wewn\xEAtrzny||regulamin.pdf||2>\n"
        "\\par}\n"
        "{\\pard 3 Rozdzia\xB3 <1> | Kurs BHP & ochrona/Rozdzia\xB3 <1> " +
        ScreenshotField(2, FileBytes(out / "images" / "2.jpg")) +
        "\n[text]<text=Rozdzia\xB3>[page]<>\n\\par}\n"
        "{\\pard 4 Strona \"A\" i B | Kurs BHP & ochrona/Rozdzia\xB3 <1>/Strona \"A\" i B " +
        ScreenshotField(3, FileBytes(out / "images" / "3.jpg")) +
        "\n[text]<text=Tre\xB6\xE6>[page]<>\n\\par}\n"
        "{\\pard 5 Kodeks pracy | Kurs BHP & ochrona/Rozdzia\xB3 <1>/Kodeks pracy \n"
        "http://www.example.org/kodeks pracy\n\\par}\n"
        "{\\pard 6 Regulamin | Kurs BHP & ochrona/Regulamin \nregulamin_2024.pdf\n\\par}\n"
        "{\\pard 7 Pusta | Kurs BHP & ochrona/Pusta \n\n\\par}\n"
        // p00008 has no document: no block. p00009 cannot be read: name and chapter only.
        "{\\pard 8 Zepsuta | Kurs BHP & ochrona/Zepsuta " +
        ScreenshotField(7, FileBytes(out / "images" / "7.jpg")) + "\n*[ELEMENTS]*\n\\par}\n}\n";
    EXPECT_EQ(text, expected);
    // The pictures of the pages with a document, numbered from 0 by block.
    for (const char* name : {"1.jpg", "2.jpg", "3.jpg", "7.jpg"}) {
        const std::string jpeg = FileBytes(out.path() / "images" / name);
        ASSERT_GE(jpeg.size(), 4u) << name;
        EXPECT_EQ(jpeg.substr(0, 3), "\xFF\xD8\xFF") << name;
        EXPECT_EQ(jpeg.substr(jpeg.size() - 2), "\xFF\xD9") << name;
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(out.path() / "images"), {}), 4);
    ASSERT_EQ(r.course.prompt.calls.size(), 1u);
    EXPECT_EQ(r.course.prompt.calls[0].type, DialogType::Error);
    EXPECT_NE(
        r.course.prompt.calls[0].text.find("\"" + PathToCp1250(r.course.paths.PageFile(9)) + "\""),
        std::string::npos);
    EXPECT_EQ(r.progress.max, 9);
    EXPECT_TRUE(r.progress.closed);
}

TEST(ScenarioReportTest, PropertiesLeftAtTheirClassDefaultsAreListed) {
    Report r;
    TComponentsCollection library(r.course.prompt);
    library.LoadLibrary(VLM_DATA_DIR);
    const auto definitions =
        LoadDefinitionTree(VLM_DATA_DIR, library, r.course.prompt, CurrentLanguage());
    ASSERT_TRUE(definitions);
    WriteFileBytes(r.course.paths.PageFile(3),
                   "<document id=\"{D}\">\r\n  <page name=\"page\" />\r\n"
                   "  <text name=\"text1\" id=\"{T}\" globalIndex=\"1\" "
                   "/>\r\n</document>\r\n");
    ScratchFolder dir;
    WriteFileBytes(dir / "report.ini", "[text]\r\nresizable=1\r\n");
    TCourseTemplate report(r.course.project, r.course.paths, definitions.get(), r.course.prompt,
                           r.progress, r.clock);
    report.LoadTemplates(kSmall / "report.rtf", dir / "report.ini");
    EXPECT_NE(Joined(report.Build(dir.path(), {})).find("[text]<resizable=true>"),
              std::string::npos);
    TCourseTemplate bare(r.course.project, r.course.paths, nullptr, r.course.prompt, r.progress,
                         r.clock);
    bare.LoadTemplates(kSmall / "report.rtf", dir / "report.ini");
    EXPECT_EQ(Joined(bare.Build(dir.path(), {})).find("resizable=true"), std::string::npos);
}

TEST(ScenarioReportTest, RendererWithoutPictureLeavesTheFieldOut) {
    Report r;
    ScratchFolder out;
    const std::string text = Joined(r.Build(out.path(), false));
    EXPECT_EQ(text.find("INCLUDEPICTURE"), std::string::npos);
    EXPECT_NE(text.find("{\\pard 2 Wst\xEAp | Kurs BHP & ochrona/Wst\xEAp \n"), std::string::npos);
    EXPECT_FALSE(fs::exists(out.path() / "images"));
    EXPECT_EQ(r.shotPages.size(), 4u);
}

TEST(ScenarioReportTest, MissingTemplatesLeaveTheirPartsEmpty) {
    Report r;
    TCourseTemplate report(r.course.project, r.course.paths, nullptr, r.course.prompt, r.progress,
                           r.clock);
    report.LoadTemplates(kSmall / "missing.rtf", kSmall / "report.ini");
    EXPECT_TRUE(report.Build(r.course.scratch.path(), {}).empty());
    report.LoadTemplates(kSmall / "report.rtf", kSmall / "missing.ini");
    const std::string text = Joined(report.Build(r.course.scratch.path(), {}));
    EXPECT_NE(text.find("{\\pard 2 Wst\xEAp | Kurs BHP & ochrona/Wst\xEAp \n\n\\par}"),
              std::string::npos);
}

// Names and texts in the RTF document: entities decoded, RTF's own
// characters escaped, what cp1250 cannot hold as a Unicode escape.
TEST(ScenarioReportTest, TextsAreEscapedForRtf) {
    const struct {
        std::string in, out;
    } cases[] = {
        {"plain", "plain"},
        {"a{b}c\\d", "a\\{b\\}c\\\\d"},
        {"unbalanced {", "unbalanced \\{"},
        {"Cours &#224; la carte", "Cours \\u224? la carte"},
        {"&#xE0;&#XE0;", "\\u224?\\u224?"},
        {"caf&#233;", "caf\xE9"}, // in cp1250: the byte itself
        {"R&amp;D &lt;x&gt; &quot;q&quot;", "R&D <x> \"q\""},
        {"&#123;&#125;&#92;", "\\{\\}\\\\"},        // decoded, then escaped
        {"&#26085;&#26412;", "\\u26085?\\u26412?"}, // Japanese
        {"&#40960;", "\\u-24576?"},                 // above 32767: signed
        {"&#128512;", "\\u-10179?\\u-8704?"},       // outside the basic plane
        {"a & b; &unknown; &#;", "a & b; &unknown; &#;"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RtfText(c.in), c.out) << c.in;
}

TEST(ScenarioReportTest, PathsAndPictureField) {
    EXPECT_EQ(RtfPath("C:\\Kursy\\"), "C:\\\\Kursy\\\\");
    EXPECT_EQ(RtfPath("C:\\{a}"), "C:\\\\\\{a\\}");
    EXPECT_EQ(RtfPath("/a/b"), "\\\\a\\\\b");
    EXPECT_EQ(ScreenshotField(0), "\\par }{\\field{\\*\\fldinst {\\f1  INCLUDEPICTURE "
                                  "\"images/0.jpg\" \\\\* MERGEFORMAT \\\\d }}{\\fldrslt {\\f1 }}}"
                                  "{\\f1 ");
    // With the picture's bytes, they are the field's result, for readers
    // that do not update linked pictures.
    EXPECT_EQ(ScreenshotField(2, "\x01\xAB"),
              "\\par }{\\field{\\*\\fldinst {\\f1  INCLUDEPICTURE "
              "\"images/2.jpg\" \\\\* MERGEFORMAT \\\\d }}{\\fldrslt "
              "{\\pict\\jpegblip\\picw800\\pich600\\picwgoal8000"
              "\\pichgoal6000\r\n01ab\r\n}}}{\\f1 ");
}

// A program folder with profiles in both places.
struct ProgramWithProfiles {
    ScratchFolder dir;
    ProgramWithProfiles() {
        const fs::path scenario = dir / "exports" / "Scenario";
        fs::create_directories(scenario);
        fs::copy(Export2Fixtures() / "scenario", scenario, fs::copy_options::recursive);
        fs::create_directories(scenario / ".hidden");
        fs::copy(kSmall, scenario / ".hidden");
        fs::create_directories(dir / "user_defined" / "exports" / "Scenario" / "mine");
        fs::copy(kSmall, dir / "user_defined" / "exports" / "Scenario" / "mine");
        fs::remove(scenario / "nested" / "deeper" / "one" / "report.ini");
        fs::copy(kSmall / "report.ini", scenario / "nested" / "deeper" / "one" / "report.ini");
    }
};

TEST(ScenarioReportTest, ProfilesFromBothFoldersWithTheirNames) {
    ProgramWithProfiles program;
    const auto names = [](const std::vector<TReportObj>& list) {
        std::vector<std::string> out;
        for (const auto& p : list)
            out.push_back(p.Name + (p.Default ? "*" : ""));
        return out;
    };
    // English: "small" by its caption, the nested one by its last caption,
    // "nolang" has no usable caption and is left out; the hidden folder is skipped.
    EXPECT_EQ(names(ListReportProfiles(program.dir.path(), "EN")),
              (std::vector<std::string>{"Nur Deutsch", "Small test*", "Small test*"}));
    EXPECT_EQ(names(ListReportProfiles(program.dir.path(), "pl")),
              (std::vector<std::string>{"Nur Deutsch", "Maly test*", "Maly test*"}));
    const auto list = ListReportProfiles(program.dir.path(), "EN");
    EXPECT_EQ(list[2].RtfFile,
              program.dir / "user_defined" / "exports" / "Scenario" / "mine" / "report.rtf");
    EXPECT_EQ(SelectReportProfile(list, "Nur Deutsch"), 0);
    EXPECT_EQ(SelectReportProfile(list, "gone"), 2);
    EXPECT_EQ(SelectReportProfile({list[0]}, "gone"), 0);
    EXPECT_EQ(SelectReportProfile({}, "gone"), -1);
}

TEST(ScenarioReportTest, ShippedProfilesAreListedInEveryLanguage) {
    for (const char* code : {"PL", "EN", "DE", "FR"}) {
        const auto list = ListReportProfiles(VLM_DATA_DIR, code);
        EXPECT_GE(list.size(), 8u) << code;
        for (const auto& p : list)
            EXPECT_FALSE(p.Name.empty()) << code;
    }
}

TEST(ScenarioReportTest, WizardRemembersDestinationAndProfile) {
    ProgramWithProfiles program;
    MemorySettingsStore store;
    auto w = TScenarioWizard::Open(store, ListReportProfiles(program.dir.path(), "EN"),
                                   ScenarioPresetDestination("/k/", "Kurs"));
    EXPECT_EQ(w.options.destination, "/k/Kurs.rtf");
    EXPECT_EQ(w.profileIndex, 2);
    w.profileIndex = 0;
    w.options.destination = "  /out/r.rtf ";
    ASSERT_TRUE(w.Accept(store));
    TWizardSettings settings(store, kExplorerSettingsKey);
    EXPECT_EQ(settings.Read("ScenarioLastProfile"), "Nur Deutsch");
    EXPECT_EQ(settings.ReadHistory("ScenarioExportPaths"), std::vector<std::string>{"/out/r.rtf"});
    auto again = TScenarioWizard::Open(store, ListReportProfiles(program.dir.path(), "EN"), "x");
    EXPECT_EQ(again.profileIndex, 0);
    auto none = TScenarioWizard::Open(store, {}, "x");
    EXPECT_FALSE(none.Accept(store));
}

// Counts braces outside escapes; every group closed, none closed early.
bool BalancedRtf(const std::string& text) {
    int depth = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\') {
            ++i;
            continue;
        }
        if (text[i] == '{')
            ++depth;
        if (text[i] == '}' && --depth < 0)
            return false;
    }
    return depth == 0 && text.rfind("{\\rtf1", 0) == 0;
}

struct FixedRenderer : PageRenderer {
    int calls = 0;
    std::optional<TRgbBitmap> RenderHtml(const fs::path& html, int width, int height) override {
        ++calls;
        EXPECT_TRUE(fs::exists(html));
        EXPECT_EQ(width, 800);
        EXPECT_EQ(height, 600);
        return FixedBitmap();
    }
};

TEST(ScenarioReportTest, ShippedProfilesGiveReportsAnRtfReaderOpens) {
    FixtureCourse course;
    const TProgramPaths program = InitProgramPaths(
        VLM_DATA_DIR, [](const std::string&) { return std::optional<std::string>(); });
    TVLMXConfig config;
    RecordingProgress progress;
    FixedClock clock;
    TExportEnvironment env{course.project, course.paths,  program, config,
                           nullptr,        course.prompt, progress};
    FixedRenderer renderer;
    TVLMScenarioCommand command(env, &renderer, nullptr, clock);
    ScratchFolder out;
    int index = 0;
    for (const TReportObj& profile : ListReportProfiles(VLM_DATA_DIR, "EN")) {
        const fs::path file = out / ("r" + std::to_string(index++)) / "report.rtf";
        ASSERT_TRUE(command.Execute({PathToCp1250(file), profile}).Ok()) << profile.Name;
        const std::string text = FileBytes(file);
        EXPECT_TRUE(BalancedRtf(text)) << profile.Name;
        EXPECT_EQ(text.find("*["), std::string::npos) << profile.Name;
        const bool pictures =
            FileBytes(profile.RtfFile).find("*[SCREENSHOT]*") != std::string::npos;
        EXPECT_EQ(text.find("INCLUDEPICTURE \"images/1.jpg\"") != std::string::npos, pictures);
        // Every page is shot, whether or not the profile shows the picture.
        EXPECT_TRUE(fs::exists(file.parent_path() / "images" / "1.jpg"));
    }
    EXPECT_GT(renderer.calls, 0);
    if (!HasProgram("libreoffice"))
        GTEST_SKIP() << "libreoffice is not installed; the structure check ran";
    const fs::path first = out / "r0" / "report.rtf";
    ASSERT_EQ(RunCommand("cd '" + first.parent_path().string() + "' && HOME='" +
                         out.path().string() +
                         "' timeout 180 libreoffice --headless --convert-to pdf report.rtf "
                         ">/dev/null 2>&1"),
              0);
    const std::string pdf = FileBytes(out / "r0" / "report.pdf");
    EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
}

TEST(ScenarioReportTest, ExistingReportIsConfirmed) {
    FixtureCourse course;
    const TProgramPaths program = InitProgramPaths(
        VLM_DATA_DIR, [](const std::string&) { return std::optional<std::string>(); });
    TVLMXConfig config;
    NullProgress progress;
    FixedClock clock;
    TExportEnvironment env{course.project, course.paths,  program, config,
                           nullptr,        course.prompt, progress};
    TVLMScenarioCommand command(env, nullptr, nullptr, clock);
    const TReportObj profile{"small", kSmall / "report.ini", kSmall / "report.rtf", false, ""};
    const fs::path file = course.scratch / "out" / "deep" / "r.rtf";
    ASSERT_TRUE(command.Execute({PathToCp1250(file), profile}).Ok());
    const std::string first = FileBytes(file);
    EXPECT_NE(first.find("Zepsuta"), std::string::npos);
    EXPECT_EQ(first.find("INCLUDEPICTURE"), std::string::npos); // no renderer, no pictures
    course.prompt.calls.clear();
    course.prompt.answers = {mrCancel};
    WriteFileBytes(file, "old");
    EXPECT_EQ(command.Execute({PathToCp1250(file), profile}).status, TExportStatus::Cancelled);
    EXPECT_EQ(FileBytes(file), "old");
    ASSERT_FALSE(course.prompt.calls.empty());
    EXPECT_EQ(course.prompt.calls[0].buttons, kButtonsYesNoCancel);
    course.prompt.answers = {mrNo};
    EXPECT_TRUE(command.Execute({PathToCp1250(file), profile}).Ok());
    EXPECT_EQ(FileBytes(file), first);
}

} // namespace
} // namespace vlm::test
