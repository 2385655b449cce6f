#include "page/janXMLTree.h"
#include "resources/ProjectError.h"
#include "resources/Resources.h"

#include "fakes/Fakes.h"
#include "fakes/TempFolder.h"

#include <gtest/gtest.h>

#include <array>

#include <sys/stat.h>

namespace vlm {
namespace {

const std::string kEmptyDigest = "9C1185A5C5E9FC54612808977EE8F548B2258D31";
const std::string kAbcDigest = "8EB208F7E05D987A9B044A8E98C6B087F15A0BFC";

// A register file in the form that loads: every entry with an "id".
std::string RegisterText(const std::vector<std::array<std::string, 3>>& entries) {
    std::string text = "<resources version=\"1.0\">\r\n";
    for (const auto& [name, size, hash] : entries)
        text += "  <resource fileName=\"" + name + "\" fileSize=\"" + size + "\" id=\"x\" hash=\"" +
                hash + "\" />\r\n";
    return text + "</resources>\r\n";
}

class Register : public ::testing::Test {
protected:
    test::TempFolder dir;
    std::filesystem::path res = dir / "resources";
    TProjectResources reg;
    NullProgress progress;

    void SetUp() override { std::filesystem::create_directories(res); }
    void LoadEntries(const std::vector<std::array<std::string, 3>>& entries) {
        reg.Load(dir.Write("resources.xml", RegisterText(entries)));
    }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (int i = 0; i < reg.Count(); ++i)
            names.push_back(reg.Items(i).fileName);
        return names;
    }
};

TEST_F(Register, EmptyFolderSavesOnlyTheTopElement) {
    reg.Refresh(res, progress);
    EXPECT_EQ(reg.Count(), 0);
    reg.Save(dir / "resources.xml");
    EXPECT_EQ(test::ReadAll(dir / "resources.xml"), "<resources version=\"1.0\" />\r\n");
}

TEST_F(Register, SavesThreeAttributesInOrderAndItsOwnFileLoadsEmpty) {
    dir.Write("resources/Photo.JPG", "abc");
    dir.Write("resources/empty.txt", "");
    reg.Refresh(res, progress);
    reg.Save(dir / "resources.xml");
    EXPECT_EQ(test::ReadAll(dir / "resources.xml"),
              "<resources version=\"1.0\">\r\n"
              "  <resource fileName=\"empty.txt\" fileSize=\"0\" hash=\"" +
                  kEmptyDigest +
                  "\" />\r\n"
                  "  <resource fileName=\"photo.jpg\" fileSize=\"3\" hash=\"" +
                  kAbcDigest +
                  "\" />\r\n"
                  "</resources>\r\n");
    reg.Load(dir / "resources.xml"); // no "id": nothing loads
    EXPECT_EQ(reg.Count(), 0);
}

// A name may hold what XML reserves; the register stays well-formed and a
// hand-written entry with the escaped name reads back as the file's name.
TEST_F(Register, NamesWithMarkupCharactersAreEscaped) {
    dir.Write("resources/a\"b&c<d>.png", "abc");
    reg.Refresh(res, progress);
    reg.Save(dir / "resources.xml");
    const std::string text = test::ReadAll(dir / "resources.xml");
    EXPECT_NE(text.find("fileName=\"a&quot;b&amp;c&lt;d&gt;.png\""), std::string::npos) << text;
    dir.Write("resources.xml", "<resources><resource fileName=\"a&quot;b&amp;c&lt;d&gt;.png\" "
                               "fileSize=\"3\" id=\"\" hash=\"H\" /></resources>");
    reg.Load(dir / "resources.xml");
    EXPECT_EQ(Names(), std::vector<std::string>{"a\"b&c<d>.png"});
}

TEST_F(Register, LoadTakesOnlyCompleteEntriesAndLowersNames) {
    dir.Write(
        "resources.xml",
        "<resources version=\"1.0\">\r\n"
        "  <resource fileName=\"A.PNG\" fileSize=\"1\" id=\"\" hash=\"H1\" />\r\n"
        "  <resource fileName=\"b.png\" fileSize=\"1\" hash=\"H2\" />\r\n"
        "  <other fileName=\"c.png\" fileSize=\"1\" id=\"1\" hash=\"H3\" />\r\n"
        "  <group><resource fileName=\"d.png\" fileSize=\"1\" id=\"1\" hash=\"H4\" /></group>\r\n"
        "</resources>\r\n");
    reg.Load(dir / "resources.xml");
    ASSERT_EQ(Names(), std::vector<std::string>{"a.png"});
    EXPECT_EQ(reg.Items(0).ResourceId(), "H1_1");

    reg.Load(dir / "missing.xml"); // clears what was there
    EXPECT_EQ(reg.Count(), 0);
    reg.Load(dir.Write("other.xml", "<register><resource fileName=\"a\" fileSize=\"1\" id=\"1\" "
                                    "hash=\"H\" /></register>"));
    EXPECT_EQ(reg.Count(), 0);
    // A register file that exists but cannot be read is the reader's error.
    EXPECT_THROW(reg.Load(res), EFOpenError);
}

TEST_F(Register, LookupsByNameAndIdentity) {
    dir.Write("resources/Photo.JPG", "abc");
    dir.Write("resources/copy.jpg", "abc");
    dir.Write("resources/empty.gif", "");
    reg.Refresh(res, progress);
    ASSERT_EQ(Names(), (std::vector<std::string>{"copy.jpg", "empty.gif", "photo.jpg"}));

    EXPECT_EQ(reg.FindByName("Photo.JPG"), &reg.Items(2));
    EXPECT_EQ(reg.IndexOfName("PHOTO.jpg"), 2);
    EXPECT_EQ(reg.IndexOfName("photo"), -1);
    EXPECT_EQ(reg.FindByName("nothing.png"), nullptr);

    std::string id, name;
    ASSERT_TRUE(reg.IdOfName("empty.gif", id));
    EXPECT_EQ(id, kEmptyDigest + "_0");
    ASSERT_TRUE(reg.IdOfName("photo.jpg", id));
    EXPECT_EQ(id, kAbcDigest + "_3");
    ASSERT_TRUE(reg.NameOfId(id, name)); // same bytes, first entry wins
    EXPECT_EQ(name, "copy.jpg");
    EXPECT_EQ(reg.FindById(kAbcDigest + "_4"), nullptr);
    EXPECT_FALSE(reg.IdOfName("none", id));
    EXPECT_FALSE(reg.NameOfId(kAbcDigest, name));
}

TEST_F(Register, UniqueNameNumbersBeforeTheExtension) {
    LoadEntries({{"photo.jpg", "1", "H"},
                 {"photo1.jpg", "1", "H"},
                 {"name", "1", "H"},
                 {"name1", "1", "H"}});
    dir.Write("resources/new.png", "on disk only");
    EXPECT_EQ(reg.UniqueName("Photo.JPG"), "photo2.jpg");
    EXPECT_EQ(reg.UniqueName("name"), "name2");
    EXPECT_EQ(reg.UniqueName("New.PNG"), "new.png"); // the folder is not consulted
    EXPECT_EQ(reg.UniqueName("a.b.jpg"), "a.b.jpg");
}

TEST_F(Register, AddAndDelete) {
    EXPECT_EQ(reg.Add(res / "missing.png"), nullptr);
    EXPECT_EQ(reg.Add(res), nullptr); // a folder has no digest
    EXPECT_EQ(reg.Count(), 0);
    TProjectResourcesItem* item = reg.Add(dir.Write("resources/Big.PNG", "abc"));
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->fileName, "big.png");
    EXPECT_EQ(item->ResourceId(), kAbcDigest + "_3");

    for (int bad : {1, -1}) {
        try {
            reg.Delete(bad);
            FAIL() << bad;
        } catch (const ETProjectError& e) {
            EXPECT_EQ(std::string(e.what()),
                      "Items list index out of bounds (" + std::to_string(bad) + ")");
        }
    }
    reg.Delete(0);
    EXPECT_EQ(reg.Count(), 0);
    EXPECT_THROW(reg.Items(0), ETProjectError);
}

TEST_F(Register, RefreshReadsOnlyNewAndResizedFiles) {
    dir.Write("resources/same.png", "abc");
    dir.Write("resources/grown.png", "abcd");
    dir.Write("resources/samedigest.png", "abc");
    dir.Write("resources/new.png", "");
    LoadEntries({
        {"gone1.png", "3", "H"},
        {"same.png", "3", "NOT-READ"}, // size unchanged: the stale digest stays
        {"gone2.png", "3", "H"},
        {"gone3.png", "3", "H"}, // two vanished entries in a row
        {"grown.png", "3", kAbcDigest},
        {"samedigest.png", "999", kAbcDigest}, // size differs, bytes digest the same
    });
    test::RecordingProgress rec;
    reg.Refresh(res, rec);

    ASSERT_EQ(Names(),
              (std::vector<std::string>{"same.png", "grown.png", "samedigest.png", "new.png"}));
    EXPECT_EQ(reg.Items(0).hash, "NOT-READ");
    EXPECT_EQ(reg.Items(1).fileSize, "4");
    EXPECT_NE(reg.Items(1).hash, kAbcDigest);
    EXPECT_EQ(reg.Items(2).fileSize, "999");
    EXPECT_EQ(reg.Items(3).ResourceId(), kEmptyDigest + "_0");
    EXPECT_EQ(rec.log,
              (std::vector<std::string>{"max 6", "pos 0", "step", "step", "step", "step", "step",
                                        "step", "pos 0", "max 1", "step", "close"}));
}

TEST_F(Register, RefreshTakesOnlyPlainFilesAndNoCaseTwins) {
    dir.Write("resources/sub/inner.png", "x");
    // A link could lead out of the folder, and reading a pipe would never end.
    std::filesystem::create_symlink(dir.Write("outside.png", "secret"), res / "link.png");
    ASSERT_EQ(mkfifo((res / "pipe.png").c_str(), 0600), 0);
    dir.Write("resources/a.png", "1");
    dir.Write("resources/A.PNG", "22");
    reg.Refresh(res, progress);
    ASSERT_EQ(Names(), std::vector<std::string>{"a.png"});
    EXPECT_EQ(reg.Items(0).fileSize, "2"); // "A.PNG" sorts first
    reg.Refresh(res, progress);            // and stays the one entry
    EXPECT_EQ(reg.Count(), 1);
}

TEST_F(Register, RehashStoresOnlyAChangedDigest) {
    LoadEntries({{"pic.png", "7", kAbcDigest}, {"lost.png", "7", "H"}});
    dir.Write("resources/Pic.PNG", "abc");
    reg.Rehash(res, 0); // same digest: the stored size stays
    EXPECT_EQ(reg.Items(0).fileSize, "7");
    dir.Write("resources/Pic.PNG", "");
    reg.Rehash(res, 0);
    EXPECT_EQ(reg.Items(0).ResourceId(), kEmptyDigest + "_0");
    reg.Rehash(res, 1); // no file: unchanged
    EXPECT_EQ(reg.Items(1).ResourceId(), "H_7");
    EXPECT_THROW(reg.Rehash(res, 2), ETProjectError);
}

} // namespace
} // namespace vlm

namespace vlm {
namespace {

// Names on disk are UTF-8; the register holds them as cp1250.
TEST_F(Register, NamesOnDiskAreConvertedToCp1250) {
    dir.Write("resources/\xC5\x81\xC3\xB3"
              "d\xC5\xBA.PNG",
              "abc"); // "Łódź.PNG"
    reg.Refresh(res, progress);
    ASSERT_EQ(Names(), std::vector<std::string>{"\xA3\xF3"
                                                "d\x9F.png"});
    dir.Write("resources/\xC5\x81\xC3\xB3"
              "d\xC5\xBA.PNG",
              "");
    reg.Rehash(res, 0);
    EXPECT_EQ(reg.Items(0).fileSize, "0");
    reg.Refresh(res, progress);
    EXPECT_EQ(reg.Count(), 1);
}

} // namespace
} // namespace vlm
