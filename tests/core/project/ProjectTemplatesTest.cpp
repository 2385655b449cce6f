// New courses from course templates: the list, the copy, fresh stamps and
// the question before an existing course is replaced.
#include "SessionTestSupport.h"

#include "project/CourseLifecycle.h"
#include "project/ProjectTemplates.h"

#include <set>

namespace vlm::test {
namespace {

namespace fs = std::filesystem;

const fs::path kFixtures = fs::path(VLM_FIXTURES_DIR) / "session";

class ProjectTemplatesTest : public SessionTest {
protected:
    void SetUp() override {
        SessionTest::SetUp();
        life_.Hooks.editSettings = [this](TCourseSettings&) {
            ++settingsShown_;
            return false;
        };
    }
    TProjectTemplateItem Template() {
        const auto list = ListProjectTemplates(kFixtures, "PL");
        return list.empty() ? TProjectTemplateItem{} : list.front();
    }
    std::vector<std::string> StampsOf(const fs::path& file) {
        TProject project(prompt_);
        project.LoadFromFile(file);
        std::vector<std::string> stamps;
        for (const auto& item : project.Items)
            stamps.push_back(item->Stamp);
        return stamps;
    }

    NullProgress progress_;
    TCourseLifecycle life_{prompt_, clock_, random_, progress_};
    int settingsShown_ = 0;
};

TEST_F(ProjectTemplatesTest, OnlyFoldersWithInfoCaptionAndProjectAreListed) {
    const auto list = ListProjectTemplates(kFixtures, "PL");
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].Folder, kFixtures / "templates_project" / "PL" / "01_kurs");
    EXPECT_EQ(list[0].Caption, "Kurs z jedna strona");
    EXPECT_TRUE(ListProjectTemplates(kFixtures, "DE").empty());
    // The shipped templates are listed with their captions.
    for (const char* code : {"PL", "EN", "DE", "FR"}) {
        const auto shipped = ListProjectTemplates(VLM_DATA_DIR, code);
        EXPECT_FALSE(shipped.empty()) << code;
        for (const auto& item : shipped)
            EXPECT_FALSE(item.Caption.empty()) << item.Folder;
    }
}

TEST_F(ProjectTemplatesTest, NewCourseCopiesTheTemplateWithFreshStampsAndOpensIt) {
    const fs::path file = dir_ / "nowy.vlmproject";
    random_.values = {11, 12, 13};
    ASSERT_TRUE(life_.NewCourseFrom(Template(), file));
    const std::vector<std::string> stamps = StampsOf(file);
    EXPECT_EQ(stamps, (std::vector<std::string>{"id_24051710301511_24051710301511",
                                                "id_24051710301512_24051710301512",
                                                "id_24051710301513_24051710301513"}));
    EXPECT_TRUE(fs::exists(dir_ / "nowy" / "p00002" / kPageFileName));
    EXPECT_EQ(ReadFileBytes(dir_ / "nowy" / "resources" / "notatka.txt"), "tekst");
    EXPECT_TRUE((fs::status(file).permissions() & fs::perms::owner_write) != fs::perms::none);
    EXPECT_TRUE(life_.CourseOpen);
    EXPECT_EQ(life_.Paths.CourseDir, dir_ / "nowy" / "");
    EXPECT_EQ(ShapeOf(*life_.Tree.Root()), "Strona(Adres)");
    EXPECT_EQ(FindNode(life_.Tree, "Adres")->Item().Address, "http://example.org");
    EXPECT_EQ(life_.Resources.Count(), 1);
    EXPECT_EQ(settingsShown_, 1);

    // A second course of the same template in the same second: other identifiers.
    random_.values = {11, 11, 11};
    ASSERT_TRUE(life_.NewCourseFrom(Template(), dir_ / "drugi.vlmproject"));
    const std::vector<std::string> second = StampsOf(dir_ / "drugi.vlmproject");
    EXPECT_EQ(std::set<std::string>(second.begin(), second.end()).size(), 3u);
    EXPECT_NE(second, stamps);
}

TEST_F(ProjectTemplatesTest, AnExistingCourseIsReplacedOnlyAfterYes) {
    const fs::path file = WriteCourse("stary", "A");
    WriteTestFile(dir_ / "stary" / "wlasny.txt", "moje");
    const std::string old = *ReadFileBytes(file);

    prompt_.answers = {mrNo};
    EXPECT_FALSE(life_.NewCourseFrom(Template(), file));
    EXPECT_EQ(prompt_.calls.at(0).text, "Plik istnieje");
    EXPECT_EQ(prompt_.calls.at(0).buttons, kButtonsYesNo);
    EXPECT_EQ(ReadFileBytes(file), old);
    EXPECT_TRUE(fs::exists(dir_ / "stary" / "wlasny.txt"));
    EXPECT_FALSE(life_.CourseOpen);

    prompt_.answers = {mrYes};
    EXPECT_TRUE(life_.NewCourseFrom(Template(), file));
    EXPECT_FALSE(fs::exists(dir_ / "stary" / "wlasny.txt"));
    EXPECT_TRUE(fs::exists(dir_ / "stary" / "p00002" / kPageFileName));
    EXPECT_EQ(life_.Project.Title, "Szablon");

    // The open course's own file: kept open after No, closed before it is replaced.
    prompt_.answers = {mrNo};
    EXPECT_FALSE(life_.NewCourseFrom(Template(), file));
    EXPECT_TRUE(life_.CourseOpen);
    int designerClosed = 0;
    life_.Hooks.closeDesigner = [&] { ++designerClosed; };
    prompt_.answers = {mrYes};
    EXPECT_TRUE(life_.NewCourseFrom(Template(), file));
    EXPECT_GE(designerClosed, 1);
    EXPECT_TRUE(life_.CourseOpen);
}

TEST_F(ProjectTemplatesTest, CancelledFileDialogReturnsToTheTemplateList) {
    int listed = 0;
    life_.Hooks.chooseTemplate =
        [&](const std::vector<TProjectTemplateItem>& list) -> std::optional<TProjectTemplateItem> {
        ++listed;
        if (listed > 2)
            return std::nullopt;
        return list.at(0);
    };
    std::vector<std::optional<fs::path>> files = {std::nullopt, dir_ / "z.vlmproject"};
    life_.Hooks.askSaveFileName = [&](const fs::path&, const std::string& title) {
        EXPECT_EQ(title, "Zapisz kurs jako");
        auto f = files.front();
        files.erase(files.begin());
        return f;
    };
    EXPECT_TRUE(life_.NewCourse(kFixtures, "PL"));
    EXPECT_EQ(listed, 2);
    EXPECT_TRUE(life_.CourseOpen);
    EXPECT_EQ(life_.Project.FileName, dir_ / "z.vlmproject");

    listed = 2;
    EXPECT_FALSE(life_.NewCourse(kFixtures, "PL")); // list cancelled
    EXPECT_EQ(life_.Project.FileName, dir_ / "z.vlmproject");
}

TEST_F(ProjectTemplatesTest, ABrokenTemplateProjectIsReported) {
    const fs::path folder = dir_ / "szablon";
    WriteTestFile(folder / "data.vlmproject", "[VELLUMAR]\r\n");
    EXPECT_THROW(life_.NewCourseFrom({folder, "X"}, dir_ / "k.vlmproject"), Abort);
    EXPECT_EQ(Texts(),
              std::vector<std::string>{"Zly plik " + (folder / "data.vlmproject").string()});
    EXPECT_FALSE(fs::exists(dir_ / "k.vlmproject"));
    EXPECT_FALSE(life_.CourseOpen);
}

} // namespace
} // namespace vlm::test
