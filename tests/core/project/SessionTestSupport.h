#pragma once
// Shared set-up of the course tree and lifecycle tests: a scratch folder,
// scripted ports, a language with the messages, and trees written as text
// ("A(A1,A2),B": pages under the root, children in brackets).

#include "app/IniLang.h"
#include "common/FileWrite.h"
#include "fakes/Fakes.h"
#include "fakes/TempFolder.h"
#include "project/CoursePaths.h"
#include "project/CourseTree.h"
#include "project/Project.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace vlm::test {

inline const char* kSessionLanguage =
    "[Misc]\r\n"
    "TREE_TEXT_PROJECT=Kurs#|#Course\r\n"
    "DEFAULT_ELEMENT_NAME=Nowa strona#|#New page\r\n"
    "ERROR_MESSAGE_REPLICATED_ITEMS=Duplikaty.|Tak - nowe numery,|Nie - bez zmian\r\n"
    "MESSAGE_DELETE_ALL_PAGES=Usunac razem ze stronami?\r\n"
    "MESSAGE_DELETE_CURRENT_PAGE=Usunac strone?\r\n"
    "MESSAGE_DELETE_CURRENT_PAGE_CAPTION=Usuwanie strony\r\n"
    "ERROR_PROJECT_IS_READ_ONLY=Tylko do odczytu\r\n"
    "MESSAGE_SAVE_CURRENT_PROJECT_CAPTION=Zapisywanie kursu\r\n"
    "MESSAGE_PROJECT_FILE_EXISTS=Plik istnieje\r\n"
    "MESSAGE_PROJECT_NOT_SAVED=Kurs nie zostal zapisany\r\n"
    "ERROR_MESSAGE_COURSE_TITLE_VERSION_EMPTY=Nazwa i wersja kursu sa wymagane\r\n"
    "DIALOG_SAVE_TITLE_SAVE_PROJECT_AS=Zapisz kurs jako\r\n"
    "SFileFiltersProject=Kursy (*.vlmproject;*.prj)\r\n"
    "ERROR_FILE_NOT_FOUND=Brak pliku %s\r\n"
    "ERROR_MESSAGE_NOT_CORRECT_VELLUMAR_FILE=Zly plik %s\r\n"
    "ERROR_MESSAGE_FILE_NOT_EXISTS=Plik %s nie istnieje\r\n";

// Writes a file, making its folders.
inline bool WriteTestFile(const std::filesystem::path& file, const std::string& bytes) {
    std::filesystem::create_directories(file.parent_path());
    return WriteFileBytes(file, bytes);
}

// The pages of a shape, in pre-order, with their parent's index (-1 for the root).
inline std::vector<std::pair<std::string, int>> ParseShape(const std::string& shape) {
    std::vector<std::pair<std::string, int>> out;
    std::vector<int> parents{-1};
    std::string name;
    const auto flush = [&] {
        if (!name.empty())
            out.push_back({name, parents.back()});
        name.clear();
    };
    for (char c : shape) {
        if (c == '(') {
            flush();
            parents.push_back(static_cast<int>(out.size()) - 1);
        } else if (c == ')') {
            flush();
            parents.pop_back();
        } else if (c == ',') {
            flush();
        } else if (c != ' ') {
            name += c;
        }
    }
    flush();
    return out;
}

// A valid project of the shape: the root "Kurs", pages numbered 2, 3, ...
// in pre-order, all designed pages.
inline void FillProject(TProject& project, const std::string& shape) {
    project.Clear();
    project.Version = "1.0";
    project.Title = "Kurs";
    project.CourseVersion = "1.0";
    TProjectItem& root = project.AddItem();
    root = {"Kurs", 1, 1, 0, false, "", "id_240101000000001_240101000000001", ptNone};
    const auto pages = ParseShape(shape);
    for (std::size_t i = 0; i < pages.size(); ++i) {
        TProjectItem& item = project.AddItem();
        item.Name = pages[i].first;
        item.Position = static_cast<int>(i) + 2;
        item.Id = static_cast<int>(i) + 2;
        item.ParentPosition = pages[i].second < 0 ? 1 : pages[i].second + 2;
        item.Stamp =
            "id_24010100000" + std::to_string(i + 2) + "_24010100000" + std::to_string(i + 2);
        item.PageType = ptContent;
    }
}

// The pages of a node written as a shape.
inline std::string ShapeOf(const TCourseNode& node) {
    std::string out;
    for (int i = 0; i < node.ChildCount(); ++i) {
        if (i)
            out += ",";
        out += node.Child(i)->Item().Name;
        if (node.Child(i)->ChildCount())
            out += "(" + ShapeOf(*node.Child(i)) + ")";
    }
    return out;
}

inline TCourseNode* FindNode(const TCourseTree& tree, const std::string& name) {
    for (TCourseNode* node : tree.Nodes())
        if (node->Item().Name == name)
            return node;
    return nullptr;
}

// Records what the tree told its observers.
class RecordingObserver : public TCourseTreeObserver {
public:
    std::vector<TCourseTreeChange> changes;
    void CourseTreeChanged(const TCourseTreeChange& change) override { changes.push_back(change); }
    unsigned AllFlags() const {
        unsigned f = 0;
        for (const auto& c : changes)
            f |= c.flags;
        return f;
    }
};

class SessionTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = tmp_.path();
        savedLanguage_ = CurrentLanguage().file;
        CurrentLanguage().file = TIniFile::FromText(kSessionLanguage);
    }
    void TearDown() override { CurrentLanguage().file = savedLanguage_; }

    // Writes a valid course of the shape with its course folder and page folders.
    std::filesystem::path WriteCourse(const std::string& name, const std::string& shape) {
        TProject project(prompt_);
        FillProject(project, shape);
        const auto file = dir_ / (name + ".vlmproject");
        project.SaveToFile(file, true);
        for (std::size_t i = 0; i < ParseShape(shape).size(); ++i)
            WriteTestFile(dir_ / name / PageFolderName(static_cast<int>(i) + 2) / kPageFileName,
                          "<document/>");
        return file;
    }
    std::vector<std::string> Texts() const {
        std::vector<std::string> out;
        for (const auto& c : prompt_.calls)
            out.push_back(c.text);
        return out;
    }

    TempFolder tmp_;
    std::filesystem::path dir_;
    FakeUserPrompt prompt_;
    FixedClock clock_;
    FixedRandom random_;
    std::optional<TIniFile> savedLanguage_;
};

} // namespace vlm::test
