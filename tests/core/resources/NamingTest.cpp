#include "resources/ResourceFolder.h"
#include "resources/ResourceKinds.h"
#include "resources/ResourcePreview.h"
#include "resources/ResourcesNewName.h"

#include "fakes/TempFolder.h"

#include <gtest/gtest.h>

namespace vlm {
namespace {

TEST(ResourceFileName, KeepsSafeBytesAndFoldsLetters) {
    const std::pair<std::string, std::string> cases[] = {
        // Ś (8C) is not folded, ł (B3) is, the space becomes "_", the extension keeps its case.
        {"\x8Cmig\xB3o 2.JPG", "_miglo_2.JPG"},
        {"a+b-c_d.9Z", "a+b-c_d.9Z"},
        {"\x8F\x9F\xA3\xA5\xAF\xB3\xB9\xBF", "ZzLAZlaz"},
        {"\xC0\xC5\xC6\xC7\xC8\xCB\xCC\xCF\xD1\xD2\xD6\xD8\xD9\xDC\xDD\xDF", "AACCEEIINOOOUUYs"},
        {"\xE0\xE5\xE6\xE7\xE8\xEB\xEC\xEF\xF1\xF2\xF6\xF8\xF9\xFC\xFD\xFF", "aacceeiinooouuyy"},
        {"\x9C\xD0\xD7\xDE\xF0\xF7\xFE", "_______"},
        {"a/b\\c:d\t\x01\"", "a_b_c_d___"},
    };
    for (const auto& [in, out] : cases)
        EXPECT_EQ(ResourceFileName(in), out) << in;
}

TEST(ResourceNewName, ProposesNextFreeNumberBeforeTheExtension) {
    test::TempFolder dir;
    EXPECT_EQ(ProposeResourceNewName(dir.path(), "Photo a.JPG"), "Photo_a.JPG");
    dir.Write("Photo_a.JPG", "x");
    EXPECT_EQ(ProposeResourceNewName(dir.path(), "Photo a.JPG"), "Photo_a1.JPG");
    dir.Write("photo_a1.jpg", "x"); // taken whatever its case
    EXPECT_EQ(ProposeResourceNewName(dir.path(), "Photo a.JPG"), "Photo_a2.JPG");
    dir.Write("name", "x");
    EXPECT_EQ(ProposeResourceNewName(dir.path(), "name"), "name1");
    // "+" and "-" survive the normalisation but not the proposal.
    EXPECT_EQ(ProposeResourceNewName(dir.path(), "a+b-c.png"), "a_b_c.png");
}

TEST(FileFilterList, BuildsTheDialogFilterLastFilterFirst) {
    EXPECT_EQ(FileFiltersOfMode(1).FilterText(),
              "All (*.bmp;*.png;*.gif;*.jpeg;*.jpg)|*.bmp;*.png;*.gif;*.jpeg;*.jpg|"
              "Bitmaps (*.bmp)|*.bmp|Portable Network Graphics (*.png)|*.png|"
              "CompuServe GIF Image (*.gif)|*.gif|JPEG Image File (*.jpeg)|*.jpeg|"
              "JPEG Image File (*.jpg)|*.jpg");
    EXPECT_EQ(FileFiltersOfMode(5).FilterText(), "Dokumenty Macromedia Flash (*.swf)|*.swf");
    TFileFilterList list;
    list.Add("*.PNG", "P");
    EXPECT_EQ(list.Items(0).mask, "*.png");
    EXPECT_EQ(TFileFilterList().FilterText(), "");
}

TEST(ResourceKinds, TableOfModes) {
    const std::tuple<std::string, int, std::string> cases[] = {
        {"IMAGE", 1, "RESFORM_PICTURE"}, {"video", 2, "RESFORM_VIDEO"},
        {"Audio", 3, "RESFORM_AUDIO"},   {"htmldoc", 4, "RESFORM_HTMLDOC"},
        {"flash", 5, "RESFORM_FLASH"},   {"captions", 6, "RESFORM_CAPTIONS"},
    };
    ASSERT_EQ(ResourceKinds().size(), 6u);
    for (const auto& [kind, mode, key] : cases) {
        EXPECT_EQ(ModeOfKind(kind), mode);
        EXPECT_EQ(ResourceKinds()[mode - 1].nodeKey, key);
    }
    EXPECT_EQ(ModeOfKind("picture"), 0);
    EXPECT_TRUE(FileFiltersOfMode(0).Count() == 0);
    EXPECT_EQ(FileFiltersOfMode(2).Count(), 4);
    EXPECT_EQ(FileFiltersOfMode(3).Count(), 3);
    EXPECT_EQ(FileFiltersOfMode(4).Count(), 2);
    EXPECT_EQ(FileFiltersOfMode(6).FilterText(), "Napisy WebVTT (*.vtt)|*.vtt");
}

TEST(ResourceKinds, PreviewTemplatePathsByMode) {
    const std::filesystem::path data = VLM_DATA_DIR;
    EXPECT_EQ(PreviewTemplateFile(data, 1), data / "configuration/Resources/previewImage.html");
    EXPECT_EQ(PreviewTemplateFile(data, 2), data / "configuration/Resources/previewVideo.html");
    EXPECT_EQ(PreviewTemplateFile(data, 3), data / "configuration/Resources/previewAudio.html");
    EXPECT_EQ(PreviewTemplateFile(data, 5), data / "configuration/Resources/previewFlash.html");
    EXPECT_TRUE(PreviewTemplateFile(data, 4).empty());
    EXPECT_TRUE(PreviewTemplateFile(data, 9).empty());
}

TEST(ResourceKinds, ListsFilesOfTheModeOnly) {
    test::TempFolder dir;
    dir.Write("photo.JPG", "1234");
    dir.Write("b.png", "1");
    dir.Write("song.mp3", "1");
    dir.Write("noext", "1");
    dir.Write("sub.png/inner.png", "1"); // a folder with an image's name, and its content
    auto list = ListResourcesOfMode(dir.path(), 1);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].name, "b.png");
    EXPECT_EQ(list[1].name, "photo.JPG");
    EXPECT_EQ(list[1].size, 4u);
    EXPECT_EQ(ListResourcesOfMode(dir.path(), 3).size(), 1u);
    EXPECT_TRUE(ListResourcesOfMode(dir / "missing", 1).empty());
}

} // namespace
} // namespace vlm

namespace vlm {
namespace {

TEST(ResourceFolder, PlainFileNamesOnly) {
    for (const char* ok : {"a.png", "..a", "a..b", "*0", ".hidden"})
        EXPECT_TRUE(IsPlainFileName(ok)) << ok;
    const std::string bad[] = {
        "",    ".",           "..",        "../a",    "..\\a",
        "a/b", "/etc/passwd", "C:\\a.png", "c:a.png", std::string("a\0b", 3)};
    for (const auto& name : bad)
        EXPECT_FALSE(IsPlainFileName(name)) << name;
}

TEST(ResourceFolder, FindsFilesWhateverTheirCase) {
    test::TempFolder dir;
    dir.Write("Photo.JPG", "x");
    dir.Write("folder.png/x", "x");
    EXPECT_EQ(FindFileNoCase(dir.path(), "photo.jpg"), dir / "Photo.JPG");
    EXPECT_EQ(FindFileNoCase(dir.path(), "Photo.JPG"), dir / "Photo.JPG");
    EXPECT_FALSE(FindFileNoCase(dir.path(), "folder.png")); // not a file
    EXPECT_FALSE(FindFileNoCase(dir.path(), "../" + dir.path().filename().string() + "/Photo.JPG"));
    EXPECT_TRUE(EntryExistsNoCase(dir.path(), "FOLDER.PNG"));
    EXPECT_FALSE(EntryExistsNoCase(dir.path(), "other.png"));
}

} // namespace
} // namespace vlm

namespace vlm {
namespace {

TEST(ResourceImportTarget, NormalisedNameInsideTheFolder) {
    const std::filesystem::path folder = "/course/resources";
    EXPECT_EQ(ResourceImportTarget(folder, "\x8Cmig\xB3o 2.JPG"), folder / "_miglo_2.JPG");
    EXPECT_EQ(ResourceImportTarget(folder, "../../x.png"), folder / ".._.._x.png");
    for (const char* bad : {"", ".", ".."})
        EXPECT_FALSE(ResourceImportTarget(folder, bad)) << bad;
}

TEST(ResourcePreview, FillsTheModesTemplate) {
    test::TempFolder program;
    program.Write("configuration/Resources/previewImage.html",
                  "<img src=\"*[src]*\"><a href=\"*[src]*\">*[src]</a>");
    const auto pic = program.Write("res/p.png", "x");
    const std::string src = pic.string();
    EXPECT_EQ(ResourcePreviewText(program.path(), 1, pic),
              "<img src=\"" + src + "\"><a href=\"" + src + "\">*[src]</a>");
    EXPECT_FALSE(ResourcePreviewText(program.path(), 1, program / "res/missing.png"));
    EXPECT_FALSE(ResourcePreviewText(program.path(), 2, pic)); // no video template installed
    EXPECT_FALSE(ResourcePreviewText(program.path(), 4, pic)); // a document previews itself
}

} // namespace
} // namespace vlm
