#pragma once
// Shared set-up of the project-file tests: a scratch folder, a scripted
// prompt and a language with the reader's messages.

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

inline std::string JoinCrLf(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& l : lines)
        out += l + "\r\n";
    return out;
}

// The one-page course of the file format description.
inline std::vector<std::string> ExampleLines() {
    return {"[VELLUMAR]",
            "[COURSE_TITLE]",
            "Kurs BHP",
            "[COURSE_VERSION]",
            "1.0",
            "[VERSION]",
            "1.0",
            "[COURSE_RESOLUTION]",
            "0",
            "[EXPORT_LEXICON]",
            "0",
            "[COURSE_DESC]",
            "Opis kursu",
            "[COURSE_TREE]",
            "Kurs BHP",
            "1",
            "1",
            "0",
            "false",
            "",
            "id_060315143022123_060315143022123",
            "-1",
            "Wstep",
            "2",
            "2",
            "1",
            "true",
            "",
            "id_060315143105877_060315150012",
            "0"};
}

class ProjectFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = tmp_.path();
        savedLanguage_ = CurrentLanguage().file;
        CurrentLanguage().file =
            TIniFile::FromText("[Misc]\r\n"
                               "ERROR_FILE_NOT_FOUND=Nie znaleziono pliku %s\r\n"
                               "ERROR_MESSAGE_NOT_CORRECT_VELLUMAR_FILE=Plik %s nie jest plikiem "
                               "kursu (100%%)\r\n"
                               "ERROR_MESSAGE_FILE_NOT_EXISTS=Plik %s nie istnieje\r\n");
    }
    void TearDown() override { CurrentLanguage().file = savedLanguage_; }

    std::filesystem::path Write(const std::string& name, const std::string& bytes) {
        const auto path = dir_ / name;
        EXPECT_TRUE(WriteFileBytes(path, bytes));
        return path;
    }
    static std::string Read(const std::filesystem::path& path) {
        return ReadFileBytes(path).value_or("<unreadable>");
    }
    static std::filesystem::path Fixture(const std::string& name) {
        return std::filesystem::path(VLM_FIXTURES_DIR) / "project" / name;
    }
    // Loads and expects the silent cancellation after exactly one message.
    std::string LoadFails(TProject& project, const std::filesystem::path& path) {
        prompt_.calls.clear();
        EXPECT_THROW(project.LoadFromFile(path), Abort);
        EXPECT_EQ(prompt_.calls.size(), 1u);
        return prompt_.calls.empty() ? std::string() : prompt_.calls[0].text;
    }
    std::string NotCorrect(const std::filesystem::path& path) const {
        return "Plik " + path.string() + " nie jest plikiem kursu (100%)";
    }

    TempFolder tmp_;
    std::filesystem::path dir_;
    FakeUserPrompt prompt_;
    std::optional<TIniFile> savedLanguage_;
};

} // namespace vlm::test
