// The manifests, lom.xml, the per-page metadata and imstype.xml of a
// fixture course, byte for byte, and the rules behind their lines.

#include "Export2Support.h"

#include "app/IniLang.h"
#include "export/AnswerStrip.h"
#include "export/ImsManifest.h"
#include "export/ManifestText.h"
#include "export/UnicodeText.h"
#include "page/janXMLTree.h"

#include <cstdlib>
#include <regex>

namespace vlm::test {
namespace {

namespace fs = std::filesystem;

// Writes every generated file of the three variants below one folder each.
struct GeneratedFiles {
    FixtureCourse course;
    ScratchFolder out;

    void Generate(const std::string& language = "pl") {
        TImsManifest manifest(course.project, course.paths.CourseDir, course.prompt, language);
        for (const char* variant : {"server", "exam", "scorm"}) {
            const fs::path root = out / variant;
            fs::create_directories(root / "pages" / "p00002");
            WriteFileBytes(root / "pages" / "p00002" / "_page.html",
                           "<html>\r\n<!-- element:answer //-->\r\nsecret\r\n"
                           "<!-- /element:answer //-->\r\n</html>\r\n");
            if (std::string(variant) == "scorm")
                manifest.WriteScormLom(root, root / "lom.xml");
            else
                manifest.WriteLom(root, root / "lom.xml");
            if (std::string(variant) == "server")
                manifest.WriteServerManifest(root, root / "imsmanifest.xml");
            else if (std::string(variant) == "exam") {
                manifest.WriteExamManifest(root, root / "imsmanifest.xml");
                manifest.WriteExamTypeFile(root, "imstype.xml");
            } else
                manifest.WriteScormManifest(root, root / "imsmanifest.xml",
                                            std::string(kNsImsCp) +
                                                " ims_cp_rootv1p1.xsd ila_mdextensions "
                                                "ila_mdextensions.xsd",
                                            "www.example.org/kurs");
        }
    }
};

// Compares with tests/fixtures/export2/expected/<name>; VLM_REGEN_GOLDEN=1 rewrites it.
void ExpectGolden(const fs::path& actual, const std::string& name) {
    const fs::path expected = Export2Fixtures() / "expected" / name;
    if (std::getenv("VLM_REGEN_GOLDEN")) {
        fs::create_directories(expected.parent_path());
        fs::copy_file(actual, expected, fs::copy_options::overwrite_existing);
    }
    const std::string bytes = FileBytes(actual);
    ASSERT_FALSE(bytes.empty()) << actual;
    const bool utf16 = bytes.starts_with("\xFF\xFE");
    EXPECT_TRUE(bytes == FileBytes(expected))
        << name << " differs from the expected file; actual text:\n"
        << (utf16 ? Utf16ToCp1250(bytes) : bytes);
}

TEST(UnicodeTextTest, ByteOrderMarkUtf16AndFinalEmptyLine) {
    // "ł" is 0xB3 in cp1250 and U+0142; the euro sign 0x80 is U+20AC.
    const std::string bytes = UnicodeTextBytes({"a", "\xB3\x80"});
    const std::string expected("\xFF\xFE"
                               "a\0\r\0\n\0"
                               "\x42\x01\xAC\x20\r\0\n\0"
                               "\r\0\n\0",
                               20);
    EXPECT_EQ(bytes, expected);
    EXPECT_EQ(UnicodeTextBytes({}), std::string("\xFF\xFE\r\0\n\0", 6));
}

TEST(UnicodeTextTest, UnwritableFileRaisesTheFileError) {
    ScratchFolder dir;
    EXPECT_THROW(WriteUnicodeText(dir / "missing" / "lom.xml", {"x"}), EFCreateError);
}

TEST(ManifestTextTest, SchemaLocationAndEscaping) {
    EXPECT_EQ(DefaultSchemaLocation().size(), 194u);
    EXPECT_EQ(HtmlEscape("a&b<c>\"d'"), "a&amp;b&lt;c&gt;&quot;d'");
}

TEST(ImsManifestTest, FixtureCourseFilesAreExact) {
    GeneratedFiles files;
    files.Generate();
    ExpectGolden(files.out / "server" / "lom.xml", "lom.xml");
    ExpectGolden(files.out / "server" / "imsmanifest.xml", "imsmanifest_server.xml");
    ExpectGolden(files.out / "exam" / "imsmanifest.xml", "imsmanifest_exam.xml");
    ExpectGolden(files.out / "scorm" / "imsmanifest.xml", "imsmanifest_scorm.xml");
    ExpectGolden(files.out / "scorm" / "lom.xml", "lom_scorm.xml");
    ExpectGolden(files.out / "exam" / "imstype.xml", "imstype.xml");
    ExpectGolden(files.out / "server" / "pages" / "p00002" / "_page.xml", "p00002_page.xml");
    ExpectGolden(files.out / "server" / "pages" / "p00004" / "_page.xml", "p00004_page.xml");
    ExpectGolden(files.out / "server" / "pages" / "p00008" / "_page.xml", "p00008_page.xml");
    // The same files for both packages; none for SCORM, none for non-page items.
    EXPECT_EQ(FileBytes(files.out / "exam" / "pages" / "p00004" / "_page.xml"),
              FileBytes(files.out / "server" / "pages" / "p00004" / "_page.xml"));
    EXPECT_FALSE(fs::exists(files.out / "scorm" / "pages" / "p00002" / "_page.xml"));
    EXPECT_FALSE(fs::exists(files.out / "server" / "pages" / "p00005"));
    EXPECT_FALSE(fs::exists(files.out / "server" / "imstype.xml"));
}

TEST(ImsManifestTest, ExamPagesLoseTheirAnswerBlockServerPagesKeepIt) {
    GeneratedFiles files;
    files.Generate();
    EXPECT_EQ(FileBytes(files.out / "exam" / "pages" / "p00002" / "_page.html"),
              "<html>\r\n</html>\r\n");
    EXPECT_NE(FileBytes(files.out / "server" / "pages" / "p00002" / "_page.html").find("secret"),
              std::string::npos);
}

TEST(ImsManifestTest, UnreadablePageIsReportedOncePerRunAndTheRunGoesOn) {
    CurrentLanguage().file =
        LoadLanguageFile(fs::path(VLM_DATA_DIR) / "configuration" / "lang" / "lang.lang");
    GeneratedFiles files;
    files.Generate();
    CurrentLanguage().file.reset();
    // One writer serves the three runs here: p00009 is read (and reported)
    // once; the SCORM manifest reads no page at all.
    const auto& calls = files.course.prompt.calls;
    ASSERT_EQ(calls.size(), 1u);
    const fs::path page = files.course.paths.PageFile(9);
    for (const auto& call : calls) {
        EXPECT_EQ(call.kind, "MessageBox");
        EXPECT_EQ(call.buttons, kButtonsOK);
        EXPECT_EQ(call.text, calls[0].text);
    }
    TLanguage lang;
    lang.file = LoadLanguageFile(fs::path(VLM_DATA_DIR) / "configuration" / "lang" / "lang.lang");
    EXPECT_EQ(calls[0].caption, lang.LangText("ERROR_CAPTION"));
    EXPECT_EQ(calls[0].text, lang.LangText("ERROR_PROJECT_FILE_002") + PathToCp1250(page));
    // Its item is still listed, with empty score lines.
    const std::string manifest = Utf16ToCp1250(FileBytes(files.out / "server" / "imsmanifest.xml"));
    EXPECT_NE(manifest.find("<title>Zepsuta</title>\r\n\t\t\t\t\r\n\t\t\t\t<groups></groups>"),
              std::string::npos);
}

// The published schemas, imported by one wrapper so xmllint checks all three namespaces.
fs::path WriteWrapperSchema(const ScratchFolder& dir) {
    const fs::path xsd = fs::path(VLM_DATA_DIR) / "exports" / "Oracle" / "xsd";
    std::string text = "<xsd:schema xmlns:xsd=\"http://www.w3.org/2001/XMLSchema\" "
                       "targetNamespace=\"urn:vellumar:all\" elementFormDefault=\"qualified\">\n";
    for (const auto& [ns, file] :
         {std::pair{kNsImsCp, "imscp_rootv1p1p2.xsd"}, std::pair{kNsAdlCp, "adlcp_rootv1p2.xsd"},
          std::pair{kNsImsMd, "imsmd_rootv1p2p1.xsd"}})
        text += std::string("  <xsd:import namespace=\"") + ns + "\" schemaLocation=\"file://" +
                (xsd / file).string() + "\"/>\n";
    text += "</xsd:schema>\n";
    WriteFileBytes(dir / "wrapper.xsd", text);
    return dir / "wrapper.xsd";
}

TEST(ImsManifestTest, ScormManifestsValidateAndEveryFileIsWellFormed) {
    if (!HasProgram("xmllint"))
        GTEST_SKIP() << "xmllint is not installed";
    GeneratedFiles files;
    files.Generate();
    ScratchFolder check;
    const fs::path schema = WriteWrapperSchema(check);
    const auto validates = [&](const fs::path& xml) {
        return RunCommand("xmllint --nonet --noout --schema '" + schema.string() + "' '" +
                          xml.string() + "' >/dev/null 2>&1") == 0;
    };
    EXPECT_TRUE(validates(files.out / "scorm" / "imsmanifest.xml"));
    // With the default schema location too, and for a course of one undefined item.
    TImsManifest manifest(files.course.project, files.course.paths.CourseDir, files.course.prompt,
                          "en");
    manifest.WriteScormManifest(check.path(), check / "b.xml", DefaultSchemaLocation(), "");
    EXPECT_TRUE(validates(check / "b.xml"));
    FakeUserPrompt prompt;
    TProject single(prompt);
    single.Title = "Only & <one> \"quoted\" \x85";
    TProjectItem& only = single.AddItem();
    only = {"Only", 1, 1, 0, true, "", "id_1_1", ptNone};
    TImsManifest(single, check.path(), prompt, "en")
        .WriteScormManifest(check.path(), check / "c.xml", DefaultSchemaLocation(), "");
    EXPECT_TRUE(validates(check / "c.xml"));
    // The check itself rejects a manifest broken on purpose.
    WriteFileBytes(check / "bad.xml", "<manifest xmlns=\"" + std::string(kNsImsCp) + "\"/>");
    EXPECT_FALSE(validates(check / "bad.xml"));
    // Every file, as written in UTF-16 or UTF-8, parses.
    for (const char* file :
         {"server/imsmanifest.xml", "exam/imsmanifest.xml", "exam/imstype.xml", "server/lom.xml",
          "server/pages/p00002/_page.xml", "exam/pages/p00004/_page.xml", "scorm/imsmanifest.xml",
          "scorm/lom.xml"})
        EXPECT_EQ(RunCommand("xmllint --nonet --noout '" + (files.out / file).string() +
                             "' >/dev/null 2>&1"),
                  0)
            << file;
}

TEST(ManifestTextTest, LmsTextEscapesOnlyWhatXmlNeeds) {
    const struct {
        std::string in, out;
    } cases[] = {
        {"Fish & Chips", "Fish &amp; Chips"},
        {"a < b > c", "a &lt; b > c"},
        {"\"quoted\" 'single'", "\"quoted\" 'single'"},
        {"Dots\x85", "Dots\x85"}, // the ellipsis stays a character
        {"x]]>y", "x]]&gt;y"},
        {"tab\tbell\x07", "tab\tbell "},
        {"R&amp;D", "R&amp;amp;D"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(XmlText(c.in), c.out) << c.in;
    EXPECT_EQ(XmlAttribute("a\"<&\x01"), "a&quot;&lt;&amp; ");
    EXPECT_EQ(MetadataLanguage("EN"), "en");
    EXPECT_EQ(MetadataLanguage(""), "pl");
}

// The SCORM package's files are UTF-8 without a byte-order mark and say so;
// the server and exam packages keep UTF-16; the organization has the course's title.
TEST(ImsManifestTest, ScormFilesAreUtf8OthersUtf16) {
    GeneratedFiles files;
    files.Generate();
    const std::string manifest = FileBytes(files.out / "scorm" / "imsmanifest.xml");
    EXPECT_TRUE(manifest.starts_with("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n")) << manifest;
    EXPECT_NE(manifest.find("<organization identifier=\"t001\">\r\n\t\t\t<title>" +
                            Cp1250ToUtf8(XmlText(files.course.project.Title)) +
                            "</title>\r\n\t\t\t<item "),
              std::string::npos)
        << manifest.substr(0, 800);
    const std::string lom = FileBytes(files.out / "scorm" / "lom.xml");
    EXPECT_TRUE(lom.starts_with("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<lom>")) << lom;
    for (const char* file : {"server/imsmanifest.xml", "server/lom.xml", "exam/imsmanifest.xml",
                             "exam/imstype.xml", "server/pages/p00002/_page.xml"})
        EXPECT_TRUE(FileBytes(files.out / file).starts_with("\xFF\xFE")) << file;
}

// Every "xml:lang" and "<language>" of the metadata is the course's language.
TEST(ImsManifestTest, MetadataSpeaksTheContentLanguage) {
    GeneratedFiles files;
    files.Generate("en");
    for (const char* file : {"scorm/lom.xml", "server/lom.xml", "exam/imstype.xml",
                             "server/pages/p00002/_page.xml", "exam/pages/p00004/_page.xml"}) {
        std::string text = FileBytes(files.out / file);
        if (text.starts_with("\xFF\xFE"))
            text = Utf16ToCp1250(text);
        EXPECT_EQ(text.find("\"pl\""), std::string::npos) << file << "\n" << text;
        EXPECT_EQ(text.find(">pl<"), std::string::npos) << file;
        EXPECT_NE(text.find("<language>en</language>"), std::string::npos) << file;
    }
    EXPECT_NE(FileBytes(files.out / "scorm" / "lom.xml").find("xml:lang=\"en\""),
              std::string::npos);
}

// The text of an XPath expression over a file, as xmllint prints it (UTF-8).
std::string XPathText(const fs::path& file, const std::string& expression,
                      const ScratchFolder& dir) {
    const fs::path out = dir / "xpath.txt";
    RunCommand("xmllint --nonet --xpath \"" + expression + "\" '" + file.string() + "' > '" +
               out.string() + "' 2>/dev/null");
    std::string text = FileBytes(out);
    if (text.ends_with('\n'))
        text.pop_back();
    return text;
}

// Moodle's SCORM upload turns every "&" that does not start a named entity
// into "&amp;" before it parses the manifest. The titles and the launch
// addresses of the UTF-8 manifest come through that unchanged.
TEST(ImsManifestTest, TitlesAndAddressesSurviveMoodlesAmpersandRewrite) {
    if (!HasProgram("xmllint"))
        GTEST_SKIP() << "xmllint is not installed";
    ScratchFolder dir;
    FakeUserPrompt prompt;
    TProject project(prompt);
    project.Title = "Fish & Chips <Ltd> \"best\" \x85";
    const std::vector<std::string> names = {
        "Q&A",      "x < y > z", "\"Quoted\" 'single'", "Dots\x85", "R&amp;D", "\xA3\xF3" "d\x9F",
        "a]]>b",    "Link"};
    int position = 1;
    TProjectItem& root = project.AddItem();
    root = {project.Title, 1, 1, 0, false, "", "id_1_1", ptNone};
    for (const std::string& name : names) {
        ++position;
        TProjectItem& item = project.AddItem();
        const bool link = name == "Link";
        item = {name,
                position,
                position,
                1,
                true,
                link ? "http://example.org/a?b=1&c=2" : "",
                "id_" + std::to_string(position) + "_1",
                link ? ptURLLink : ptNone};
    }
    TImsManifest(project, dir.path(), prompt, "en")
        .WriteScormManifest(dir.path(), dir / "imsmanifest.xml", DefaultSchemaLocation(), "");
    std::string text = FileBytes(dir / "imsmanifest.xml");
    text = std::regex_replace(text, std::regex("&(?!\\w{2,6};)"), "&amp;");
    WriteFileBytes(dir / "moodle.xml", text);

    const std::string title = "*[local-name()='title']";
    EXPECT_EQ(XPathText(dir / "moodle.xml", "string(//*[local-name()='organization']/" + title + ")",
                        dir),
              Cp1250ToUtf8(project.Title));
    for (std::size_t i = 0; i < names.size(); ++i)
        EXPECT_EQ(XPathText(dir / "moodle.xml",
                            "string(//*[local-name()='item'][@identifier='id_" +
                                std::to_string(i + 2) + "_1']/" + title + ")",
                            dir),
                  Cp1250ToUtf8(names[i]))
            << names[i];
    EXPECT_EQ(XPathText(dir / "moodle.xml",
                        "string(//*[local-name()='resource'][last()]/@href)", dir),
              "pages/lmsrequest/lmsrequest.html?type=http&src=http%3A%2F%2Fexample.org%2Fa%3Fb%3D1%"
              "26c%3D2");
}

// A small course built in memory: root, then the given items.
struct MemoryCourse {
    ScratchFolder dir;
    FakeUserPrompt prompt;
    TProject project{prompt};

    TProjectItem& Add(const std::string& name, int position, int parent, int type,
                      const std::string& address = {}) {
        TProjectItem& item = project.AddItem();
        item.Name = name;
        item.Position = position;
        item.Id = position;
        item.ParentPosition = parent;
        item.PageType = type;
        item.Address = address;
        item.Stamp = "id_" + std::to_string(position) + "_1";
        return item;
    }
    void Page(int id, const std::string& pageAttributes, const std::string& elements = {}) {
        const fs::path folder = dir / PageFolderName(id);
        fs::create_directories(folder);
        WriteFileBytes(folder / "_page.xmp", "<document id=\"{D}\">\r\n  <page name=\"page\" " +
                                                 pageAttributes + " />\r\n" + elements +
                                                 "</document>\r\n");
    }
    std::string Manifest(TManifestVariant variant) {
        TImsManifest manifest(project, dir.path(), prompt, "pl");
        std::string text;
        for (const std::string& line : manifest.ManifestLines(variant, "LOC"))
            text += line + "\n";
        return text;
    }
};

TEST(ImsManifestTest, RootChapterWithPageIsReferencedAsR01) {
    MemoryCourse c;
    c.Add("Root", 1, 0, ptContent);
    c.Add("Leaf", 2, 1, ptContent);
    const std::string without = c.Manifest(TManifestVariant::Scorm);
    EXPECT_NE(without.find("\t\t\t<item identifier=\"id_1_1\">\n\t\t\t<title>Root</title>\n"),
              std::string::npos);
    EXPECT_EQ(without.find("\"r01\""), std::string::npos);
    c.Page(1, "type=\"Information\"");
    const std::string with = c.Manifest(TManifestVariant::Scorm);
    EXPECT_NE(with.find("<item identifier=\"id_1_1\" identifierref=\"r01\">"), std::string::npos);
    EXPECT_NE(with.find("\t\t<resource identifier=\"r01\" type=\"webcontent\" "
                        "adlcp:scormtype=\"sco\" href=\"pages/p00001/_page.html\">\n"
                        "\t\t\t<file href=\"pages/p00001/_page.html\" />\n\t\t</resource>\n"),
              std::string::npos);
}

TEST(ImsManifestTest, RootLeafTitleStandsOneTabDeeper) {
    MemoryCourse c;
    c.Add("Only", 1, 0, ptNone);
    EXPECT_NE(c.Manifest(TManifestVariant::Scorm)
                  .find("\t\t\t<item identifier=\"id_1_1\" identifierref=\"r01\">\n"
                        "\t\t\t\t<title>Only</title>\n\t\t\t</item>\n"),
              std::string::npos);
    EXPECT_NE(c.Manifest(TManifestVariant::Scorm)
                  .find("adlcp:scormtype=\"asset\" "
                        "href=\"pages/lmsrequest/lmsrequest.html?type=file&amp;src=blank.html\">"),
              std::string::npos);
}

TEST(ImsManifestTest, ResourceReferencesStayUniqueWhenTheJoinedNumbersCollide) {
    MemoryCourse c;
    c.Add("Root", 1, 0, ptNone);
    for (int position = 2; position <= 213; ++position)
        c.Add("P" + std::to_string(position), position, position == 13 ? 12 : 1, ptNone);
    TImsManifest manifest(c.project, c.dir.path(), c.prompt, "pl");
    EXPECT_EQ(manifest.Ref(*c.project.FindByPosition(1)), "r01");
    EXPECT_EQ(manifest.Ref(*c.project.FindByPosition(13)), "r1213");
    EXPECT_EQ(manifest.Ref(*c.project.FindByPosition(213)), "r1_213");
    EXPECT_EQ(manifest.Ref(*c.project.FindByPosition(21)), "r121");
}

TEST(ImsManifestTest, ScoreLinesHoldMasteryScoreLfCrAndAnswers) {
    MemoryCourse c;
    c.Add("Root", 1, 0, ptNone);
    c.Add("Quiz", 2, 1, ptContent);
    c.Add("Info", 3, 1, ptContent);
    c.Page(2, "type=\"Exercise\" masteryscore=\"80\" groups=\"a&b\"",
           "  <input name=\"i1\" correctAnswer=\"ja+i+ty\" />\r\n"
           "  <input name=\"i2\" correctAnswer=\"\" />\r\n"
           "  <check name=\"c1\" correctAnswer=\"true\" />\r\n");
    c.Page(3, "type=\"Information\" masteryscore=\"80\" groups=\"g\"");
    const std::string text = c.Manifest(TManifestVariant::Server);
    EXPECT_NE(text.find("\t\t\t\t<title>Quiz</title>\n\t\t\t\t<adlcp:masteryscore>80"
                        "</adlcp:masteryscore>\n\r<adlcp:datafromlms>ja i ty#|#true#|#"
                        "</adlcp:datafromlms>\n\t\t\t\t<groups>a&amp;b</groups>\n"),
              std::string::npos);
    EXPECT_NE(text.find("<title>Info</title>\n\t\t\t\t\n\t\t\t\t<groups></groups>\n"),
              std::string::npos);
    EXPECT_EQ(c.Manifest(TManifestVariant::Scorm).find("groups"), std::string::npos);
}

TEST(ImsManifestTest, UrlPathIsNormalised) {
    EXPECT_EQ(TImsManifest::NormalizeUrlPath("www.x.org/k"), "http://www.x.org/k/");
    EXPECT_EQ(TImsManifest::NormalizeUrlPath("http://x/"), "http://x/");
    EXPECT_EQ(TImsManifest::NormalizeUrlPath(""), "http:///");
}

TEST(AnswerStripTest, OnlyTheFirstBlockAfterItsOpeningMarker) {
    const std::string open = kAnswerOpen, close = kAnswerClose;
    struct Case {
        std::string in, out;
    } cases[] = {
        {"a\r\n" + open + "x\r\n" + close + "\r\nb", "a\r\nb"},
        {"a" + open + "x" + close + "b", "ab"},
        {open + "1" + close + "\r\n" + open + "2" + close + "\r\n", open + "2" + close + "\r\n"},
        {close + "a" + open + "b" + close, close + "a" + open + "b" + close},
        {"a" + open + "b", "a" + open + "b"},
        {"plain", "plain"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(StripAnswerBlock(c.in), c.out) << c.in;
}

// Values from the project file are escaped wherever they stand in the
// manifest, so a crafted stamp or schema location cannot break it.
TEST(ImsManifestTest, CraftedValuesLeaveEveryManifestWellFormed) {
    if (!HasProgram("xmllint"))
        GTEST_SKIP() << "xmllint is not installed";
    MemoryCourse c;
    c.Add("Root & <co>", 1, 0, ptContent).Stamp = "id_\"><x a='";
    c.Add("Leaf", 2, 1, ptNone).Stamp = "id_&amp;<";
    c.Page(1, "type=\"Exercise\" masteryScore=\"1\"");
    for (TManifestVariant variant :
         {TManifestVariant::Scorm, TManifestVariant::Server, TManifestVariant::Exam}) {
        TImsManifest manifest(c.project, c.dir.path(), c.prompt, "pl");
        std::string text;
        for (const std::string& line : manifest.ManifestLines(variant, "a\" b='<c>'"))
            text += line + "\n";
        // The declaration names the encoding of the file it is written to.
        text = text.substr(text.find('\n') + 1);
        WriteFileBytes(c.dir / "m.xml", text);
        EXPECT_EQ(RunCommand("xmllint --nonet --noout '" + (c.dir / "m.xml").string() +
                             "' >/dev/null 2>&1"),
                  0)
            << text;
        EXPECT_NE(text.find("identifier=\"id_&quot;&gt;&lt;x a='\""), std::string::npos);
    }
}

// A tree tens of thousands of levels deep is written without recursion and
// with its indentation bounded, so the file grows with the item count.
TEST(ImsManifestTest, AVeryDeepTreeIsWrittenWhole) {
    MemoryCourse c;
    constexpr int kDepth = 30000;
    for (int position = 1; position <= kDepth; ++position)
        c.Add("P", position, position - 1, ptNone);
    TImsManifest manifest(c.project, c.dir.path(), c.prompt, "pl");
    const StringList lines = manifest.ManifestLines(TManifestVariant::Scorm, "LOC");
    std::size_t opened = 0, closed = 0, longest = 0;
    for (const std::string& line : lines) {
        opened += line.find("<item ") != std::string::npos;
        closed += line.find("</item>") != std::string::npos;
        longest = std::max(longest, line.size());
    }
    EXPECT_EQ(opened, static_cast<std::size_t>(kDepth));
    EXPECT_EQ(closed, static_cast<std::size_t>(kDepth));
    EXPECT_LT(longest, 200u);
}

} // namespace
} // namespace vlm::test
