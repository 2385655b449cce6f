#pragma once
// Shared set-up of the page properties and page import tests: a scratch
// folder, scripted ports, a language with the keys these commands show, and
// courses written to disk.

#include "app/IniLang.h"
#include "common/FileWrite.h"
#include "fakes/Fakes.h"
#include "fakes/TempFolder.h"
#include "project/Project.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace vlm::test {

// The page kinds' keys and the messages, with "%s" where a name goes.
inline const char* kPagePropsLanguage =
    "[Misc]\r\n"
    "PAGE_TYPE_SCO_PAGE=Strona kursu\r\n"
    "PAGE_TYPE_URL_ADDRESS=Adres internetowy\r\n"
    "LINK_SHORT_NAME_CAPTION=Nazwa\r\n"
    "LINK_LONG_NAME_CAPTION=Opis\r\n"
    "LINK_LINK_NAME_CAPTION=Odnosnik\r\n"
    "LINK_TYPE_NAME_CAPTION=Typ\r\n"
    "ERROR_FIELDS_NOT_FILLED=Wypelnij wszystkie pola.\r\n"
    "EDT_ELEMENT_MSG_NAME_EXISTS_CAPTION=Nazwa zajeta\r\n"
    "EDT_ELEMENT_MSG_NAME_EXISTS=Element o tej nazwie juz jest.\r\n"
    "ERROR_FILE_NOT_FOUND=Nie znaleziono pliku: %s\r\n"
    "ERROR_MESSAGE_NOT_CORRECT_VELLUMAR_FILE=Plik %s nie jest plikiem kursu\r\n"
    "ERROR_MESSAGE_FILE_NOT_EXISTS=Plik %s nie istnieje\r\n"
    "ERROR_MESSAGE_REPLICATED_ITEMS=Powtorzone numery|Poprawic?\r\n"
    "MESSAGE_REPLACE_CURRENT_PAGE=Zastapic strone?\r\n"
    "MESSAGE_REPLACE_CURRENT_PAGE_CAPTION=Importowanie strony\r\n"
    "DIALOG_OPEN_TITLE_OPEN_IMPORT_PROJECT=Wybierz kurs\r\n"
    "SFileFiltersProject=Kursy\r\n"
    "FROM_COURSE_CAPTION=z kursu\r\n"
    "TREE_TEXT_PROJECT=Kurs\r\n"
    "DEFAULT_ELEMENT_NAME=Nowa strona\r\n";

// One item of a course written by WriteCourse.
struct TestItem {
    std::string name;
    int id;
    int parentPosition; // 1 for a page under the root
    int pageType;
    std::string address;
    std::string stamp;
};

class PagePropsTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = tmp_.path();
        savedLanguage_ = CurrentLanguage().file;
        CurrentLanguage().file = TIniFile::FromText(kPagePropsLanguage);
    }
    void TearDown() override { CurrentLanguage().file = savedLanguage_; }

    std::filesystem::path Write(const std::string& relative, const std::string& bytes) {
        const auto path = dir_ / relative;
        std::filesystem::create_directories(path.parent_path());
        EXPECT_TRUE(WriteFileBytes(path, bytes));
        return path;
    }
    static std::string Read(const std::filesystem::path& path) {
        return ReadFileBytes(path).value_or("<unreadable>");
    }
    static bool Exists(const std::filesystem::path& path) {
        std::error_code ec;
        return std::filesystem::exists(path, ec);
    }

    // A project file dir_/<name>.vlmproject: the root, then the pages in
    // order (positions 2, 3, ...).
    std::filesystem::path WriteCourse(const std::string& name, const std::string& title,
                                      const std::vector<TestItem>& pages) {
        TProject project(prompt_);
        project.Version = "1.0";
        project.Title = title;
        project.CourseVersion = "1.0";
        project.Description = "Opis";
        TProjectItem& root = project.AddItem();
        root.Name = title;
        root.Position = 1;
        root.Id = 1;
        root.Stamp = "id_1000_1000";
        root.PageType = ptNone;
        int position = 1;
        for (const TestItem& page : pages) {
            TProjectItem& item = project.AddItem();
            item.Name = page.name;
            item.Position = ++position;
            item.Id = page.id;
            item.ParentPosition = page.parentPosition;
            item.IsLeaf = true;
            item.PageType = page.pageType;
            item.Address = page.address;
            item.Stamp = page.stamp;
        }
        const auto file = dir_ / (name + ".vlmproject");
        project.SaveToFile(file, true);
        return file;
    }

    TempFolder tmp_;
    std::filesystem::path dir_;
    FakeUserPrompt prompt_;
    FixedClock clock_;
    FixedRandom random_;
    std::optional<TIniFile> savedLanguage_;
};

} // namespace vlm::test
