#pragma once
// Runs the real vellumar-cli and keeps what it printed; a program folder
// that links the data folder with a config.ini of the test's own language.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace vlm::test {

struct CliRun {
    int code = -1;
    std::string out; // stdout
    std::string err; // stderr
};

class CliSandbox {
public:
    // A fresh folder; `language` is the config.ini language code.
    explicit CliSandbox(const std::string& language = "EN");
    ~CliSandbox();
    CliSandbox(const CliSandbox&) = delete;
    CliSandbox& operator=(const CliSandbox&) = delete;

    // Runs the program with `--program-dir` of the sandbox first, in the work folder.
    CliRun Run(const std::vector<std::string>& args) const;
    // Copies a fixture course (file and folder) of tests/fixtures/cli into the work folder.
    std::filesystem::path CopyCourse(const std::string& name) const;

    // When set, every file the program writes is limited to this many bytes,
    // as a full disk would stop it (the write fails, the program goes on).
    long fileSizeLimit = 0;
    // Variables set for the program. The locale's (LANG, LC_ALL, LC_MESSAGES,
    // LANGUAGE) are removed unless set here: the program speaks the
    // environment's language, the tests the sandbox's.
    std::map<std::string, std::string> env;

    std::filesystem::path root;
    std::filesystem::path programDir;
    std::filesystem::path work;
};

// A course "c.vlmproject" made from the shipped short template in English,
// as an author starts one.
class ShortCourseTest : public ::testing::Test {
protected:
    void SetUp() override {
        const CliRun made =
            box.Run({"new", "--template", "02_short", "--lang", "EN", "c.vlmproject"});
        ASSERT_EQ(made.code, 0) << made.err;
    }
    CliSandbox box;
};

// The language file's message for a key in English (UTF-8), "%s" replaced.
std::string EnglishText(const std::string& key, const std::string& argument = {});
std::string ReadAll(const std::filesystem::path& file);
// Every file entry of a zip archive by name, with its unpacked bytes; empty
// when the archive cannot be read.
std::map<std::string, std::string> ReadZip(const std::filesystem::path& file);
std::filesystem::path CliFixtures();

} // namespace vlm::test
