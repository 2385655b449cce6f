#include "common/HelpTools.h"

#include "fakes/TempFolder.h"

#include <gtest/gtest.h>

#include <vector>

using namespace vlm;
namespace fs = std::filesystem;

namespace {

class RecordingShell : public Shell {
public:
    std::vector<fs::path> opened;
    bool Open(const fs::path& path) override {
        opened.push_back(path);
        return true;
    }
};

} // namespace

TEST(HelpTools, OpensTheLanguageIndexWhateverTheTopic) {
    test::TempFolder tmp;
    const auto index = tmp.Write("help/EN/help/index.html", "<html></html>");
    RecordingShell shell;
    EXPECT_TRUE(OpenHelp("window_lexicon", tmp.path(), "EN", shell));
    EXPECT_TRUE(OpenHelp("other_topic", tmp.path(), "EN", shell));
    EXPECT_EQ(shell.opened, (std::vector<fs::path>{index, index}));
}

TEST(HelpTools, MissingIndexDoesNothing) {
    test::TempFolder tmp;
    tmp.Write("help/EN/help/index.html", "x");
    fs::create_directories(tmp.path() / "help" / "DE" / "help" / "index.html"); // a folder
    RecordingShell shell;
    EXPECT_FALSE(OpenHelp("t", tmp.path(), "PL", shell));
    EXPECT_FALSE(OpenHelp("t", tmp.path(), "DE", shell));
    EXPECT_TRUE(shell.opened.empty());
}

TEST(HelpTools, TheQuestionsPageOpensOnlyWhenItIsThere) {
    test::TempFolder tmp;
    const auto faq = tmp.Write("help/PL/faq/index.html", "<html></html>");
    EXPECT_EQ(FaqIndexFile(tmp.path(), "PL"), faq);
    RecordingShell shell;
    EXPECT_TRUE(OpenHelpPage(FaqIndexFile(tmp.path(), "PL"), shell));
    EXPECT_FALSE(OpenHelpPage(FaqIndexFile(tmp.path(), "EN"), shell));
    EXPECT_EQ(shell.opened, (std::vector<fs::path>{faq}));
}
