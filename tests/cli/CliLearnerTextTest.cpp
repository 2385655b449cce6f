// What learners and LMSs meet in an exported course, made and exported with
// the real command line: the SCORM files in UTF-8, every text of the frame,
// tree and lexicon in the course's language, titles that cannot break the
// tree script, and a report that stays a valid RTF document.

#include "CliTestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>

namespace vlm::test {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using ::testing::Not;

void WriteText(const fs::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    if (at != std::string::npos)
        text.replace(at, from.size(), to);
    return text;
}

// A course from the short template in `language`, exporting a lexicon of one keyword.
fs::path CourseWithLexicon(const CliSandbox& box, const std::string& language) {
    const CliRun made =
        box.Run({"new", "--template", "02_short", "--lang", language, "c.vlmproject"});
    EXPECT_EQ(made.code, 0) << made.err;
    const fs::path file = box.work / "c.vlmproject";
    WriteText(file, Replaced(ReadAll(file), "[EXPORT_LEXICON]\r\n0", "[EXPORT_LEXICON]\r\n1"));
    WriteText(box.work / "c" / "lexicon.ini", "[LEXICON]\r\nWord=Meaning\r\n\r\n");
    return file;
}

// Words of the Polish layouts (cp1250 and as the layouts wrote them).
const char* const kPolishWords[] = {
    "Wstecz", "Dalej",    "Spis tre",   "Leksykon", "Szukaj",    "Zamknij", "Zako",
    "Tre\x9C", "Tre&#347;", "Poprzednia", "Nast",     "Has\xB3", "Has&#322;", "Definicja",
    "Wybierz", "Otw",      "Nie mo",     "*[text:"};

void ExpectNoPolish(const std::string& text, const std::string& where) {
    for (const char* word : kPolishWords)
        EXPECT_THAT(text, Not(HasSubstr(word))) << where;
}

struct LanguageCase {
    std::string code;
    std::string next, contents, lexicon, lang, report;
};

class CliCourseLanguage : public ::testing::TestWithParam<LanguageCase> {};

// Frame set, tree, request page and lexicon of the offline folder speak the
// course's language; no Polish word is left in them.
TEST_P(CliCourseLanguage, OfflineFrameTreeAndLexicon) {
    const LanguageCase& c = GetParam();
    CliSandbox box(c.code);
    const fs::path file = CourseWithLexicon(box, c.code);
    const CliRun run = box.Run({"export", "offline", file.string(), "-o", "offline"});
    ASSERT_EQ(run.code, 0) << run.err;
    const fs::path out = box.work / "offline";
    const std::string index = ReadAll(out / "index.html");
    EXPECT_THAT(index, HasSubstr(">" + c.next + "<"));
    EXPECT_THAT(index, HasSubstr("title=\"" + c.contents + "\""));
    EXPECT_THAT(index, HasSubstr("<html lang=\"" + c.lang + "\">"));
    EXPECT_THAT(ReadAll(out / "ds_tree.html"), HasSubstr("<title>" + c.contents + "</title>"));
    EXPECT_THAT(ReadAll(out / "lexicon" / "lexicon_tree.html"),
                HasSubstr("<h1>" + c.lexicon + "</h1>"));
    int checked = 0;
    for (const auto& entry : fs::recursive_directory_iterator(out)) {
        const fs::path relative = entry.path().lexically_relative(out);
        const std::string ext = entry.path().extension().string();
        if (!entry.is_regular_file() || (ext != ".html" && ext != ".js") ||
            (relative.string().starts_with("pages/") &&
             !relative.string().starts_with("pages/lmsrequest/")))
            continue;
        ExpectNoPolish(ReadAll(entry.path()), relative.string());
        ++checked;
    }
    EXPECT_GE(checked, 10);
}

// The SCORM package's frame, lexicon and metadata speak the course's language too.
TEST_P(CliCourseLanguage, ScormFrameLexiconAndMetadata) {
    const LanguageCase& c = GetParam();
    CliSandbox box(c.code);
    const fs::path file = CourseWithLexicon(box, c.code);
    const CliRun run = box.Run({"export", "scorm", file.string(), "-o", "c.zip"});
    ASSERT_EQ(run.code, 0) << run.err;
    const auto entries = ReadZip(box.work / "c.zip");
    ASSERT_TRUE(entries.contains("index.html"));
    EXPECT_THAT(entries.at("index.html"), HasSubstr(">" + c.next + "<"));
    for (const auto& [name, bytes] : entries)
        if ((name.ends_with(".html") || name.ends_with(".js")) &&
            (!name.starts_with("pages/") || name.starts_with("pages/lmsrequest/")))
            ExpectNoPolish(bytes, name);
    const std::string lom = entries.at("lom.xml");
    EXPECT_THAT(lom, HasSubstr("<language>" + c.lang + "</language>"));
    EXPECT_THAT(lom, HasSubstr("xml:lang=\"" + c.lang + "\""));
    EXPECT_THAT(lom, Not(HasSubstr("\"pl\"")));
}

// Without a named profile the report is the default one of the course's language.
TEST_P(CliCourseLanguage, ScenarioReportHeadings) {
    const LanguageCase& c = GetParam();
    CliSandbox box(c.code);
    ASSERT_EQ(box.Run({"new", "--template", "02_short", "--lang", c.code, "c.vlmproject"}).code, 0);
    const CliRun run = box.Run({"export", "scenario", "c.vlmproject", "-o", "report.rtf"});
    ASSERT_EQ(run.code, 0) << run.err;
    const std::string report = ReadAll(box.work / "report.rtf");
    EXPECT_THAT(report, HasSubstr(c.report));
    EXPECT_THAT(report, Not(HasSubstr("Scenariusz kursu")));
}

INSTANTIATE_TEST_SUITE_P(
    Languages, CliCourseLanguage,
    ::testing::Values(LanguageCase{"EN", "Next", "Contents", "Lexicon", "en", "Course storyboard"},
                      LanguageCase{"DE", "Weiter", "Inhalt", "Lexikon", "de", "Kursdrehbuch"},
                      LanguageCase{"FR", "Suivant", "Table des mati&#232;res", "Lexique", "fr",
                                   "Sc\\'e9nario du cours"}),
    [](const auto& info) { return info.param.code; });

// The Polish course keeps its Polish layout.
TEST(CliCourseLanguagePolish, OfflineFrameIsPolish) {
    CliSandbox box("PL");
    ASSERT_EQ(box.Run({"new", "--template", "02_short", "--lang", "PL", "c.vlmproject"}).code, 0);
    ASSERT_EQ(box.Run({"export", "offline", "c.vlmproject", "-o", "offline"}).code, 0);
    const std::string index = ReadAll(box.work / "offline" / "index.html");
    EXPECT_THAT(index, HasSubstr(">Dalej<"));
    EXPECT_THAT(index, HasSubstr("<html lang=\"pl\">"));
}

// The SCORM manifest as an LMS reads it: UTF-8 with its declaration, no
// byte-order mark, the course's title on the organization, titles with
// "&" and "<" escaped as entities and nothing else.
TEST(CliScormManifest, Utf8WithTheOrganizationTitle) {
    CliSandbox box;
    ASSERT_EQ(box.Run({"new", "--template", "02_short", "--lang", "EN", "--title",
                       "Fish & Chips <Ltd> \"best\" \xE2\x80\xA6", "c.vlmproject"})
                  .code,
              0);
    const CliRun run = box.Run({"export", "scorm", "c.vlmproject", "-o", "c.zip"});
    ASSERT_EQ(run.code, 0) << run.err;
    const auto entries = ReadZip(box.work / "c.zip");
    const std::string manifest = entries.at("imsmanifest.xml");
    EXPECT_TRUE(manifest.starts_with("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n")) << manifest;
    EXPECT_THAT(manifest, HasSubstr("<organization identifier=\"t001\">\r\n\t\t\t<title>Fish &amp; "
                                    "Chips &lt;Ltd> \"best\" \xE2\x80\xA6</title>"));
    EXPECT_TRUE(entries.at("lom.xml").starts_with("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"));
    // The server package keeps its UTF-16 manifest.
    ASSERT_EQ(box.Run({"export", "server", "c.vlmproject", "-o", "s.zip"}).code, 0);
    EXPECT_TRUE(ReadZip(box.work / "s.zip").at("imsmanifest.xml").starts_with("\xFF\xFE"));
}

// Page titles that end in a backslash or hold "</script>" stay inside the
// tree script's strings.
TEST(CliTreeScript, TitlesCannotBreakTheScript) {
    CliSandbox box;
    ASSERT_EQ(box.Run({"new", "--template", "02_short", "--lang", "EN", "c.vlmproject"}).code, 0);
    const fs::path file = box.work / "c.vlmproject";
    std::string project = ReadAll(file);
    project = Replaced(project, "\r\nIntroduction\r\n", "\r\nEnds with \\\r\n");
    project = Replaced(project, "\r\nKey points\r\n", "\r\nx</script><b>bold</b>\r\n");
    WriteText(file, project);
    ASSERT_EQ(box.Run({"export", "offline", "c.vlmproject", "-o", "offline"}).code, 0);
    const std::string tree = ReadAll(box.work / "offline" / "ds_tree.html");
    EXPECT_THAT(tree, HasSubstr("addTreePage(false,\"Ends with \\\\\","));
    EXPECT_THAT(tree, HasSubstr("addTreePage(false,\"x<\\/script><b>bold<\\/b>\","));
    // One "</script>" for each of the page's two script blocks, none from a title.
    std::size_t closings = 0;
    for (std::size_t at = 0; (at = tree.find("</script>", at)) != std::string::npos; ++at)
        ++closings;
    EXPECT_EQ(closings, 3u); // the runtime's, the tree's and the start call's
}

// Braces and backslashes in names and texts are escaped, entities of
// French texts decoded: the report's braces stay balanced.
TEST(CliScenarioReport, NamesAndTextsAreEscapedForRtf) {
    CliSandbox box("FR");
    ASSERT_EQ(box.Run({"new", "--template", "02_short", "--lang", "FR", "--title",
                       "Cours {brouillon} \\ v2", "c.vlmproject"})
                  .code,
              0);
    const CliRun run = box.Run({"export", "scenario", "c.vlmproject", "-o", "report.rtf"});
    ASSERT_EQ(run.code, 0) << run.err;
    const std::string report = ReadAll(box.work / "report.rtf");
    EXPECT_THAT(report, HasSubstr("Cours \\{brouillon\\} \\\\ v2"));
    EXPECT_THAT(report, Not(HasSubstr("&#2")));  // &#224; &#232; ... decoded
    EXPECT_THAT(report, HasSubstr("\\u224?")); // "à", which cp1250 has not
    int depth = 0;
    bool negative = false;
    for (std::size_t i = 0; i < report.size(); ++i) {
        if (report[i] == '\\') {
            ++i; // an escaped character or the start of a control word
            continue;
        }
        depth += report[i] == '{' ? 1 : report[i] == '}' ? -1 : 0;
        negative = negative || depth < 0;
    }
    EXPECT_EQ(depth, 0);
    EXPECT_FALSE(negative);
}

} // namespace
} // namespace vlm::test
