// Writing project files: exact bytes, the atomic replacement, and values
// that would otherwise break the file.
#include "ProjectTestSupport.h"

namespace vlm::test {
namespace {

TEST_F(ProjectFileTest, GoldenCourseRoundTripsByteForByte) {
    TProject project(prompt_);
    project.LoadFromFile(Fixture("course.vlmproject"));
    const auto copy = dir_ / "copy.vlmproject";
    project.SaveToFile(copy, true);
    EXPECT_EQ(Read(copy), Read(Fixture("course.vlmproject")));
    EXPECT_EQ(project.ToText(), Read(Fixture("course.vlmproject")));
    EXPECT_TRUE(prompt_.calls.empty());
}

TEST_F(ProjectFileTest, WriterLaysOutTheFormat) {
    TProject project(prompt_);
    project.Version = "1.0";
    project.Title = "Kurs BHP";
    project.CourseVersion = "1.0";
    project.Description = "Opis kursu";
    TProjectItem& root = project.AddItem();
    root = {"Kurs BHP", 1, 1, 0, false, "", "id_060315143022123_060315143022123", ptNone};
    TProjectItem& page = project.AddItem();
    page = {"Wstep", 2, 2, 1, true, "", "id_060315143105877_060315150012", ptContent};
    EXPECT_EQ(project.ToText(), JoinCrLf(ExampleLines()));
}

TEST_F(ProjectFileTest, SaveReplacesTheOldFileAndLeavesNoTemporaryFile) {
    const auto path = Write("k.vlmproject", JoinCrLf(ExampleLines()));
    std::filesystem::permissions(path, std::filesystem::perms::owner_read |
                                           std::filesystem::perms::owner_write);
    TProject project(prompt_);
    project.LoadFromFile(path);
    project.Title = "Nowy tytu\xb3";
    project.SaveToFile(path, false);
    TProject again(prompt_);
    again.LoadFromFile(path);
    EXPECT_EQ(again.Title, "Nowy tytu\xb3");
    EXPECT_EQ(again.ItemCount(), 2);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_),
                            std::filesystem::directory_iterator()),
              1);
    EXPECT_EQ(std::filesystem::status(path).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
}

TEST_F(ProjectFileTest, SaveWithoutCreationNeedsAnExistingFile) {
    TProject project(prompt_);
    const auto path = dir_ / "nowy.vlmproject";
    EXPECT_THROW(project.SaveToFile(path, false), Abort);
    ASSERT_EQ(prompt_.calls.size(), 1u);
    EXPECT_EQ(prompt_.calls[0].kind, "MessageBox");
    EXPECT_EQ(prompt_.calls[0].type, DialogType::Error);
    EXPECT_EQ(prompt_.calls[0].buttons, kButtonsOK);
    EXPECT_EQ(prompt_.calls[0].text, "Plik " + path.string() + " nie istnieje");
    EXPECT_FALSE(std::filesystem::exists(path));

    project.SaveToFile(path, true);
    EXPECT_TRUE(std::filesystem::exists(path));
}

TEST_F(ProjectFileTest, FailedWriteRaisesAndKeepsTheOldFile) {
    const std::string old = JoinCrLf(ExampleLines());
    const auto path = Write("ro.vlmproject", old);
    std::filesystem::permissions(path, std::filesystem::perms::owner_read);
    TProject project(prompt_);
    project.LoadFromFile(path);
    project.Title = "Zmiana";
    EXPECT_THROW(project.SaveToFile(path, false), ETProjectError);
    EXPECT_EQ(Read(path), old);

    EXPECT_THROW(project.SaveToFile(dir_ / "brak" / "k.vlmproject", true), ETProjectError);
    EXPECT_TRUE(prompt_.calls.empty());
}

TEST_F(ProjectFileTest, SaveThroughALinkWritesTheLinkedFile) {
    const auto real = Write("real.vlmproject", JoinCrLf(ExampleLines()));
    const auto link = dir_ / "link.vlmproject";
    std::filesystem::create_symlink(real, link);
    TProject project(prompt_);
    project.LoadFromFile(link);
    project.Title = "Przez dowi\xb9zanie";
    project.SaveToFile(link, false);
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    TProject again(prompt_);
    again.LoadFromFile(real);
    EXPECT_EQ(again.Title, "Przez dowi\xb9zanie");
}

// Values that would shift lines or read as a header on the next load are
// written so that the file stays readable and everything else stays put.
TEST_F(ProjectFileTest, ValuesThatWouldBreakTheFileAreWrittenSafely) {
    TProject project(prompt_);
    project.LoadFromFile(Write("k.vlmproject", JoinCrLf(ExampleLines())));
    project.Title = "[COURSE_RESOLUTION]";
    project.CourseVersion = "wersja\r\n2";
    project.Description = "Opis\r\n[COURSE_TREE]\r\n[VERSION]\nDalej";
    project.GetItem(1).Name = "Dwie\nlinie";
    const auto path = dir_ / "k.vlmproject";
    project.SaveToFile(path, false);

    TProject again(prompt_);
    again.LoadFromFile(path);
    EXPECT_EQ(again.Title, "[COURSE_RESOLUTION] ");
    EXPECT_EQ(again.CourseVersion, "wersja 2");
    EXPECT_EQ(again.Resolution, 0);
    EXPECT_EQ(again.Description, "Opis\r\n[COURSE_TREE] \r\n[VERSION] \r\nDalej");
    ASSERT_EQ(again.ItemCount(), 2);
    EXPECT_EQ(again.GetItem(1).Name, "Dwie linie");
    EXPECT_EQ(again.GetItem(1).Stamp, "id_060315143105877_060315150012");
    // A second round changes nothing more.
    again.SaveToFile(path, false);
    EXPECT_EQ(Read(path), again.ToText());
    TProject third(prompt_);
    third.LoadFromFile(path);
    EXPECT_EQ(third.ToText(), again.ToText());
}

TEST_F(ProjectFileTest, UnsortedItemsAreWrittenInPositionOrder) {
    auto lines = ExampleLines();
    std::vector<std::string> root(lines.begin() + 14, lines.begin() + 22);
    lines.erase(lines.begin() + 14, lines.begin() + 22);
    lines.insert(lines.end(), root.begin(), root.end());
    TProject project(prompt_);
    project.LoadFromFile(Write("u.vlmproject", JoinCrLf(lines)));
    EXPECT_EQ(project.ToText(), JoinCrLf(ExampleLines()));
}

} // namespace
} // namespace vlm::test
