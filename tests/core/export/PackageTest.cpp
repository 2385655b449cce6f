// Zip packing and the SCORM, server and exam packages built from the
// fixture course with the shipped program folder.

#include "Export2Support.h"

#include "app/IniLang.h"
#include "app/VLMVars.h"
#include "app/VLMXConfig.h"
#include "export/PackageWizards.h"
#include "export/VLMScorm11Command.h"
#include "export/VLMServerCommand.h"
#include "export/WizardSettings.h"
#include "export/ZipPackage.h"

#include <zip.h>

#include <cstdlib>
#include <map>

namespace vlm::test {
namespace {

namespace fs = std::filesystem;

struct ZipEntry {
    std::string data;
    zip_uint16_t method = 0;
};

// Every entry of an archive by name.
std::map<std::string, ZipEntry> ReadZip(const fs::path& file) {
    std::map<std::string, ZipEntry> out;
    int error = 0;
    zip_t* zip = zip_open(file.c_str(), ZIP_RDONLY, &error);
    if (!zip)
        return out;
    for (zip_int64_t i = 0; i < zip_get_num_entries(zip, 0); ++i) {
        zip_stat_t st;
        zip_stat_index(zip, static_cast<zip_uint64_t>(i), 0, &st);
        ZipEntry entry;
        entry.method = st.comp_method;
        entry.data.resize(st.size);
        if (zip_file_t* f = zip_fopen_index(zip, static_cast<zip_uint64_t>(i), 0)) {
            zip_fread(f, entry.data.data(), st.size);
            zip_fclose(f);
        }
        out[st.name] = entry;
    }
    zip_close(zip);
    return out;
}

TEST(ZipPackageTest, FoldersFilesSeparatorsAndStoredMedia) {
    ScratchFolder dir;
    const fs::path root = dir / "root";
    fs::create_directories(root / "pages" / "p00001");
    fs::create_directories(root / "empty");
    const std::string text(5000, 'a');
    WriteFileBytes(root / "index.html", text);
    WriteFileBytes(root / "pages" / "p00001" / "_page.html", text);
    WriteFileBytes(root / "pages" / "pic.JPG", text);
    WriteFileBytes(root / "pages" / "clip.mp4", text);
    std::string reason;
    ASSERT_TRUE(PackFolder(root, dir / "a.zip", &reason)) << reason;
    const auto entries = ReadZip(dir / "a.zip");
    std::vector<std::string> names;
    for (const auto& [name, entry] : entries)
        names.push_back(name);
    EXPECT_EQ(names, (std::vector<std::string>{"empty/", "index.html", "pages/", "pages/clip.mp4",
                                               "pages/p00001/", "pages/p00001/_page.html",
                                               "pages/pic.JPG"}));
    EXPECT_EQ(entries.at("index.html").data, text);
    EXPECT_EQ(entries.at("index.html").method, ZIP_CM_DEFLATE);
    EXPECT_EQ(entries.at("pages/pic.JPG").method, ZIP_CM_STORE);
    EXPECT_EQ(entries.at("pages/clip.mp4").method, ZIP_CM_STORE);
    EXPECT_EQ(entries.at("pages/pic.JPG").data, text);
}

// A packed folder goes in as if copied below the root: same names, same
// order, its files over the root's, stored media stay stored.
TEST(ZipPackageTest, PackedFoldersAreAddedAsIfCopied) {
    ScratchFolder dir;
    const fs::path root = dir / "root";
    fs::create_directories(root / "pages" / "resources");
    WriteFileBytes(root / "pages" / "resources" / "old.txt", "root's");
    WriteFileBytes(root / "pages" / "resources" / "kept.txt", "kept");
    WriteFileBytes(root / "pages" / "z.html", "z");
    const fs::path media = dir / "course" / "resources";
    fs::create_directories(media / "sub");
    WriteFileBytes(media / "old.txt", "course's");
    WriteFileBytes(media / "clip.mp4", "MP4");
    WriteFileBytes(media / "sub" / "a.txt", "a");
    std::string reason;
    ASSERT_TRUE(PackFolder(root, dir / "a.zip", &reason, false, {{"pages/resources", media}}))
        << reason;
    // The same archive from a copy of the folder.
    fs::copy(media, root / "pages" / "resources",
             fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    ASSERT_TRUE(PackFolder(root, dir / "b.zip", &reason)) << reason;
    const auto packed = ReadZip(dir / "a.zip");
    const auto copied = ReadZip(dir / "b.zip");
    std::vector<std::string> names, copiedNames;
    for (const auto& [name, entry] : packed)
        names.push_back(name);
    for (const auto& [name, entry] : copied)
        copiedNames.push_back(name);
    EXPECT_EQ(names, copiedNames);
    EXPECT_EQ(names, (std::vector<std::string>{
                         "pages/", "pages/resources/", "pages/resources/clip.mp4",
                         "pages/resources/kept.txt", "pages/resources/old.txt",
                         "pages/resources/sub/", "pages/resources/sub/a.txt", "pages/z.html"}));
    EXPECT_EQ(packed.at("pages/resources/old.txt").data, "course's");
    EXPECT_EQ(packed.at("pages/resources/clip.mp4").method, ZIP_CM_STORE);

    // A course without a resources folder packs the empty folder a copy makes.
    const fs::path bare = dir / "bare";
    fs::create_directories(bare / "pages");
    ASSERT_TRUE(
        PackFolder(bare, dir / "c.zip", &reason, false, {{"pages/resources", dir / "missing"}}))
        << reason;
    EXPECT_EQ(ReadZip(dir / "c.zip").count("pages/resources/"), 1u);
}

TEST(ZipPackageTest, AddingToAnExistingArchiveReplacesSameNames) {
    ScratchFolder dir;
    fs::create_directories(dir / "one" / "sub");
    WriteFileBytes(dir / "one" / "old.txt", "old");
    WriteFileBytes(dir / "one" / "sub" / "same.txt", "first");
    ASSERT_TRUE(PackFolder(dir / "one", dir / "p.zip"));
    fs::create_directories(dir / "two" / "sub");
    WriteFileBytes(dir / "two" / "sub" / "same.txt", "second");
    ASSERT_TRUE(PackFolder(dir / "two", dir / "p.zip"));
    const auto entries = ReadZip(dir / "p.zip");
    EXPECT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries.at("old.txt").data, "old");
    EXPECT_EQ(entries.at("sub/same.txt").data, "second");
}

TEST(ZipPackageTest, FailuresAreReportedAndKeepTheOldArchive) {
    ScratchFolder dir;
    fs::create_directories(dir / "root");
    WriteFileBytes(dir / "root" / "a.txt", "a");
    std::string reason;
    EXPECT_FALSE(PackFolder(dir / "root", dir / "missing" / "p.zip", &reason));
    EXPECT_FALSE(reason.empty());
    EXPECT_FALSE(PackFolder(dir / "nothing", dir / "p.zip", &reason));
    fs::create_directories(dir / "folder.zip");
    EXPECT_FALSE(PackFolder(dir / "root", dir / "folder.zip", &reason));
    WriteFileBytes(dir / "bad.zip", "not an archive");
    EXPECT_FALSE(PackFolder(dir / "root", dir / "bad.zip", &reason));
    EXPECT_EQ(FileBytes(dir / "bad.zip"), "not an archive");
}

TEST(ZipPackageTest, StoredExtensions) {
    for (const char* name : {"a.jpg", "b.JPEG", "c.png", "d.gif", "e.mp3", "f.mp4", "g.zip"})
        EXPECT_TRUE(IsStoredExtension(name)) << name;
    for (const char* name : {"a.html", "b.js", "c.css", "jpg", "d.xml", "e.jpg.txt"})
        EXPECT_FALSE(IsStoredExtension(name)) << name;
}

TEST(PackageWizardTest, ZipExtensionAndHistories) {
    EXPECT_EQ(WithZipExtension("/a/kurs"), "/a/kurs.zip");
    EXPECT_EQ(WithZipExtension("/a/kurs.zip"), "/a/kurs.zip");
    EXPECT_EQ(WithZipExtension("/a/kurs.ZIP"), "/a/kurs.ZIP.zip");
    MemorySettingsStore store;
    TScormWizard w = TScormWizard::Open(store, "/home/u");
    EXPECT_EQ(w.options.destination, "/home/u/" + LangText("SDefaultCurseName"));
    EXPECT_EQ(w.options.schemaLocation,
              "http://www.imsproject.org/xsd/imscp_rootv1p1p2 "
              "ims_cp_rootv1p1.xsd ila_mdextensions ila_mdextensions.xsd");
    EXPECT_FALSE(w.options.cmiAdapter);
    TWizardSettings settings(store, kScormSettingsKey);
    std::vector<std::string> eight;
    for (int i = 0; i < 8; ++i)
        eight.push_back("/p" + std::to_string(i) + ".zip");
    settings.WriteHistory("URLPath", eight);
    w = TScormWizard::Open(store, "/home/u");
    EXPECT_EQ(w.options.urlPath, "/p0.zip");
    w.options.destination = " /out/kurs ";
    w.options.urlPath = "www.x.org";
    const TScormOptions options = w.Accept(store);
    EXPECT_EQ(options.destination, " /out/kurs .zip");
    EXPECT_EQ(settings.ReadHistory("ExportFileName"), std::vector<std::string>{"/out/kurs .zip"});
    const auto urls = settings.ReadHistory("URLPath");
    ASSERT_EQ(urls.size(), 8u);
    EXPECT_EQ(urls.front(), "www.x.org");
    EXPECT_EQ(urls.back(), "/p6.zip");
}

TEST(PackageWizardTest, ServerWizardNoKeepsItOpen) {
    ScratchFolder dir;
    MemorySettingsStore store;
    FakeUserPrompt prompt;
    TServerWizard w = TServerWizard::Open(store, dir.path().string());
    WriteFileBytes(dir / "k.zip", "x");
    w.options.destination = PathToCp1250(dir / "k");
    prompt.answers = {mrNo};
    EXPECT_FALSE(w.Finish(store, prompt));
    EXPECT_EQ(prompt.calls.size(), 1u);
    EXPECT_EQ(prompt.calls[0].buttons, kButtonsYesNo);
    EXPECT_TRUE(TWizardSettings(store, kServerSettingsKey).ReadHistory("ExportFileName").empty());
    prompt.answers = {mrYes};
    EXPECT_TRUE(w.Finish(store, prompt));
    EXPECT_EQ(TWizardSettings(store, kServerSettingsKey).ReadHistory("ExportFileName"),
              std::vector<std::string>{PathToCp1250(dir / "k.zip")});
}

// A package run on the fixture course with the shipped program folder, its
// working folders kept below a scratch temporary folder.
struct PackageRun {
    FixtureCourse course;
    ScratchFolder temp;
    ScratchFolder out;
    TProgramPaths program = InitProgramPaths(
        VLM_DATA_DIR, [](const std::string&) { return std::optional<std::string>(); });
    TVLMXConfig config;
    RecordingProgress progress;
    FixedRandom random;
    TExportEnvironment env{course.project, course.paths,  program, config,
                           nullptr,        course.prompt, progress};
    std::string oldTemp;

    PackageRun() {
        if (const char* t = std::getenv("TMPDIR"))
            oldTemp = t;
        setenv("TMPDIR", temp.path().c_str(), 1);
    }
    ~PackageRun() {
        if (oldTemp.empty())
            unsetenv("TMPDIR");
        else
            setenv("TMPDIR", oldTemp.c_str(), 1);
    }
    bool TempIsEmpty() const { return fs::is_empty(temp.path()); }
};

TEST(PackageTest, ScormPackageHoldsTheTreeAndNoWorkingFolderRemains) {
    PackageRun run;
    TVLMScorm11Command command(run.env, run.random);
    TScormOptions options{PathToCp1250(run.out / "deep" / "kurs.zip"), DefaultScormSchemaLocation(),
                          "", false};
    ASSERT_TRUE(command.Execute(options).Ok());
    EXPECT_TRUE(run.TempIsEmpty());
    const auto entries = ReadZip(run.out / "deep" / "kurs.zip");
    for (const char* name :
         {"imsmanifest.xml", "lom.xml", "imscp_rootv1p1p2.xsd", "adlcp_rootv1p2.xsd",
          "imsmd_rootv1p2p1.xsd", "ims_xml.xsd", "index.html", "pages/", "pages/p00002/",
          "pages/p00002/_page.html", "pages/p00006/regulamin_2024.pdf", "pages/api/",
          "pages/resources/", "pages/lmsrequest/lmsrequest.html", "pages/scorm/",
          "pages/scorm/lmsSCORM.js"})
        EXPECT_TRUE(entries.count(name)) << name;
    for (const auto& [name, entry] : entries) {
        EXPECT_EQ(name.find('\\'), std::string::npos) << name;
        EXPECT_NE(name.rfind("CMIAdapter", 0), 0u) << name;
        EXPECT_EQ(name.find("_page.xml"), std::string::npos) << name;
    }
    // UTF-8 for the LMSs, the manifest and lom.xml alike.
    EXPECT_TRUE(entries.at("imsmanifest.xml")
                    .data.starts_with("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"));
    EXPECT_TRUE(
        entries.at("lom.xml").data.starts_with("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"));
    EXPECT_NE(entries.at("imsmanifest.xml").data.find("ims_cp_rootv1p1.xsd"), std::string::npos);
    const std::string page = entries.at("pages/p00002/_page.html").data;
    EXPECT_EQ(page.find("jscript:LMSManager"), std::string::npos);
    EXPECT_EQ(run.progress.log,
              (std::vector<std::string>{"max 6", "pos 1", "pos 2", "pos 3", "pos 5", "close"}));
}

TEST(PackageTest, ScormAnswersForAnExistingPackage) {
    PackageRun run;
    const fs::path file = run.out / "kurs.zip";
    fs::create_directories(run.out / "old");
    WriteFileBytes(run.out / "old" / "keep.txt", "kept");
    ASSERT_TRUE(PackFolder(run.out / "old", file));
    TScormOptions options{PathToCp1250(file), DefaultScormSchemaLocation(), "", true};
    run.course.prompt.answers = {mrCancel};
    EXPECT_EQ(TVLMScorm11Command(run.env, run.random).Execute(options).status,
              TExportStatus::Cancelled);
    EXPECT_EQ(ReadZip(file).size(), 1u);
    run.course.prompt.answers = {mrNo}; // adds to the old archive
    ASSERT_TRUE(TVLMScorm11Command(run.env, run.random).Execute(options).Ok());
    auto entries = ReadZip(file);
    EXPECT_EQ(entries.at("keep.txt").data, "kept");
    EXPECT_TRUE(entries.count("CMIAdapter/cmiadapter.js"));
    run.course.prompt.answers = {mrYes}; // replaces it
    ASSERT_TRUE(TVLMScorm11Command(run.env, run.random).Execute(options).Ok());
    entries = ReadZip(file);
    EXPECT_FALSE(entries.count("keep.txt"));
    EXPECT_TRUE(entries.count("imsmanifest.xml"));
    EXPECT_TRUE(run.TempIsEmpty());
}

TEST(PackageTest, ServerAndExamPackages) {
    PackageRun run;
    ASSERT_TRUE(TVLMServerCommand(run.env, run.random)
                    .Execute({PathToCp1250(run.out / "server.zip")})
                    .Ok());
    ASSERT_TRUE(TVLMServerExamCommand(run.env, run.random)
                    .Execute({PathToCp1250(run.out / "exam.zip")})
                    .Ok());
    EXPECT_TRUE(run.TempIsEmpty());
    const auto server = ReadZip(run.out / "server.zip");
    const auto exam = ReadZip(run.out / "exam.zip");
    EXPECT_FALSE(server.count("imstype.xml"));
    EXPECT_TRUE(exam.count("imstype.xml"));
    for (const auto* entries : {&server, &exam}) {
        EXPECT_TRUE(entries->count("pages/p00002/_page.xml"));
        EXPECT_TRUE(entries->count("lom.xml"));
        EXPECT_TRUE(entries->count("index.html"));
    }
    EXPECT_TRUE(server.count("pages/scorm/lmsSCORM.js"));
    EXPECT_FALSE(server.count("pages/lms/"));
    EXPECT_TRUE(exam.count("pages/lms/"));
    EXPECT_FALSE(exam.count("pages/scorm/"));
    EXPECT_NE(exam.at("pages/p00002/_page.html").data.find("lmsVLMExam.js"), std::string::npos);
    EXPECT_NE(server.at("pages/p00002/_page.html").data.find("lmsSCORM.js"), std::string::npos);
    EXPECT_NE(Utf16ToCp1250(exam.at("imsmanifest.xml").data).find("encoding=\"UTF-8\""),
              std::string::npos);
    // The server and exam packages keep their UTF-16 files.
    for (const auto* entries : {&server, &exam})
        for (const char* name : {"imsmanifest.xml", "lom.xml", "pages/p00002/_page.xml"})
            EXPECT_EQ(entries->at(name).data.substr(0, 2), "\xFF\xFE") << name;
    EXPECT_EQ(run.progress.log.back(), "close");
}

TEST(PackageTest, PackingFailureFailsTheRunAndRemovesTheWorkingFolder) {
    PackageRun run;
    // A package below /proc can be opened but never written.
    const TExportResult result =
        TVLMServerCommand(run.env, run.random).Execute({"/proc/vellumar-test.zip"});
    EXPECT_EQ(result.status, TExportStatus::Failed);
    ASSERT_FALSE(run.course.prompt.calls.empty());
    EXPECT_EQ(run.course.prompt.calls.back().type, DialogType::Error);
    EXPECT_NE(run.course.prompt.calls.back().text.find("vellumar-test.zip"), std::string::npos);
    EXPECT_TRUE(run.TempIsEmpty());
    // A package folder that cannot be made fails before any work.
    WriteFileBytes(run.out / "file", "x");
    EXPECT_EQ(TVLMScorm11Command(run.env, run.random)
                  .Execute({PathToCp1250(run.out / "file" / "k.zip"), "", "", false})
                  .status,
              TExportStatus::Failed);
    EXPECT_TRUE(run.TempIsEmpty());
}

} // namespace
} // namespace vlm::test
