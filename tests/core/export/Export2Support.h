#pragma once
// Helpers of the package and report tests: scratch folders, the fixture
// course, and reading back the UTF-16 files the manifests are written in.

#include "common/Encoding.h"
#include "common/FileWrite.h"
#include "fakes/Fakes.h"
#include "fakes/TempFolder.h"
#include "project/CoursePaths.h"
#include "project/Project.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>

namespace vlm::test {

inline std::filesystem::path Export2Fixtures() {
    return std::filesystem::path(VLM_FIXTURES_DIR) / "export2";
}

// A folder below the system's temporary folder, removed with the object.
using ScratchFolder = TempFolder;

// The fixture course copied into a scratch folder, so tests may change it.
struct FixtureCourse {
    ScratchFolder scratch;
    FakeUserPrompt prompt;
    TProject project{prompt};
    TCoursePaths paths;

    FixtureCourse() {
        std::filesystem::copy(Export2Fixtures() / "course", scratch / "course",
                              std::filesystem::copy_options::recursive);
        std::filesystem::copy_file(Export2Fixtures() / "course.vlmproject",
                                   scratch / "course.vlmproject");
        project.LoadFromFile(scratch / "course.vlmproject");
        paths = TCoursePaths::ForProjectFile(scratch / "course.vlmproject");
    }
};

// The bytes of a file; empty when it cannot be read.
inline std::string FileBytes(const std::filesystem::path& file) {
    return ReadFileBytes(file).value_or(std::string());
}

// UTF-16 LE bytes after the byte-order mark as cp1250 text.
inline std::string Utf16ToCp1250(const std::string& bytes) {
    std::string utf8;
    for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
        const unsigned cp =
            static_cast<unsigned char>(bytes[i]) | (static_cast<unsigned char>(bytes[i + 1]) << 8);
        if (cp < 0x80) {
            utf8 += static_cast<char>(cp);
        } else if (cp < 0x800) {
            utf8 += static_cast<char>(0xC0 | (cp >> 6));
            utf8 += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            utf8 += static_cast<char>(0xE0 | (cp >> 12));
            utf8 += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            utf8 += static_cast<char>(0x80 | (cp & 0x3F));
        }
    }
    return Utf8ToCp1250(utf8);
}

// Runs a shell command; its exit status.
inline int RunCommand(const std::string& command) {
    return std::system(command.c_str());
}

inline bool HasProgram(const std::string& name) {
    return RunCommand("command -v " + name + " >/dev/null 2>&1") == 0;
}

} // namespace vlm::test
