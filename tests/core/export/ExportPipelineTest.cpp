#include "export/ExportPipeline.h"

#include "export/VLMProject.h"

#include "ExportTestSupport.h"

#include <cstdlib>

using namespace vlm;
using namespace vlm::test;

TEST(ExportPipeline, DesignListAndUserDefinedFallback) {
    ExportCourse c("pipeline_designs");
    TVLMProject p(c.project, c.course, c.program, c.config, nullptr);
    EXPECT_EQ(DesignTemplateList(p), (std::vector<std::string>{"Orvanta - standard", "Mine"}));
    const fs::path out = c.dir / "out";
    CopyDesignTemplate(p, "Mine", out);
    CopyDesignTemplate(p, "Orvanta - standard", out);
    EXPECT_EQ(FilesBelow(out),
              (std::vector<std::string>{"css/style.css", "ds_blank.html", "style.css"}));
    // Names from settings or a command line never reach outside the design folders.
    for (const char* name : {"..", "../templates_design_export", "Mine/..", "Gone", ""})
        EXPECT_FALSE(DesignTemplatePath(p, name)) << name;
}

TEST(ExportPipeline, ExistingDestinationIsConfirmed) {
    struct Case {
        int answer;
        TExportStatus status;
    };
    for (const Case& k : {Case{mrYes, TExportStatus::Done}, Case{mrNo, TExportStatus::Cancelled},
                          Case{mrCancel, TExportStatus::Cancelled}}) {
        ExportCourse c("pipeline_exists");
        c.prompt.answers = {k.answer};
        fs::path folder;
        const TExportResult r = CheckFolderDestination(c.dir, c.prompt, folder);
        EXPECT_EQ(r.status, k.status);
        ASSERT_EQ(c.prompt.calls.size(), 1u);
        EXPECT_EQ(c.prompt.calls[0].buttons, kButtonsYesNoCancel);
        EXPECT_EQ(c.prompt.calls[0].type, DialogType::Confirmation);
        EXPECT_NE(c.prompt.calls[0].text.find((c.dir / "").string()), std::string::npos);
    }
}

TEST(ExportPipeline, MissingDestinationIsCreatedOrTheRunFails) {
    ExportCourse c("pipeline_create");
    fs::path folder;
    EXPECT_TRUE(CheckFolderDestination(c.dir / "a" / "b", c.prompt, folder).Ok());
    EXPECT_TRUE(fs::is_directory(c.dir / "a" / "b"));
    EXPECT_EQ(folder, c.dir / "a" / "b" / "");
    EXPECT_TRUE(c.prompt.calls.empty());
    ASSERT_TRUE(WriteFileBytes(c.dir / "file", "x"));
    const TExportResult r = CheckFolderDestination(c.dir / "file" / "sub", c.prompt, folder);
    EXPECT_EQ(r.status, TExportStatus::Failed);
    EXPECT_FALSE(r.message.empty());
    ASSERT_EQ(c.prompt.calls.size(), 1u);
    EXPECT_EQ(c.prompt.calls[0].type, DialogType::Error);
}

TEST(ExportPipeline, WorkDirAppendsDigitsWhileTheNameIsTaken) {
    FixedRandom random;
    random.values = {3, 5};
    // A temporary folder of its own, so no other run's "vlm" folders count.
    const fs::path temp = fs::temp_directory_path() /
                          (std::string("vlm_export_workdir") + std::to_string(::getpid()));
    fs::remove_all(temp);
    fs::create_directories(temp / "vlm");
    const std::string oldTemp = std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "";
    setenv("TMPDIR", temp.c_str(), 1);
    fs::create_directories(temp / "vlm3");
    const auto dir = ExportWorkDir(random);
    oldTemp.empty() ? unsetenv("TMPDIR") : setenv("TMPDIR", oldTemp.c_str(), 1);
    ASSERT_TRUE(dir);
    EXPECT_EQ(*dir, temp / "vlm35" / "");
    EXPECT_TRUE(fs::is_directory(*dir));
    fs::remove_all(temp);
}

TEST(ExportPipeline, InsideFolder) {
    const fs::path base =
        fs::temp_directory_path() / (std::string("vlm_export_inside") + std::to_string(::getpid()));
    fs::create_directories(base / "res");
    EXPECT_TRUE(IsInsideFolder(base / "res", base / "res" / ""));
    EXPECT_TRUE(IsInsideFolder(base / "res" / "a" / "b", base / "res"));
    EXPECT_TRUE(IsInsideFolder(base / "x" / ".." / "res" / "a", base / "res"));
    EXPECT_FALSE(IsInsideFolder(base / "resources", base / "res"));
    EXPECT_FALSE(IsInsideFolder(base, base / "res"));
    fs::create_directory_symlink(base / "res", base / "link");
    EXPECT_TRUE(IsInsideFolder(base / "link" / "new", base / "res"));
    fs::remove_all(base);
}
