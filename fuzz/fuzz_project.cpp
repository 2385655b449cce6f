// Feeds arbitrary bytes to the project-file reader through a real file, the
// way a course is opened. A file that reads is written back and read again:
// what the program writes it must be able to read, and a second round must
// give the same bytes.
#include "app/NullUserPrompt.h"
#include "app/UserPrompt.h"
#include "common/FileWrite.h"
#include "project/Project.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

#include <unistd.h>

namespace {

// Answers every dialog with OK and shows nothing.
std::filesystem::path ScratchFile(const char* name) {
    return std::filesystem::temp_directory_path() /
           ("vlm_fuzz_" + std::to_string(::getpid()) + "_" + name + ".vlmproject");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::filesystem::path input = ScratchFile("in");
    static const std::filesystem::path output = ScratchFile("out");
    if (!vlm::WriteFileBytes(input, std::string(reinterpret_cast<const char*>(data), size)))
        __builtin_trap();

    vlm::NullUserPrompt prompt;
    vlm::TProject project(prompt);
    try {
        project.LoadFromFile(input);
    } catch (const vlm::Abort&) {
        return 0; // rejected with the reader's message
    }
    project.MaxItemId();
    project.HasChildItems(1);
    project.FindByPosition(1);

    project.SaveToFile(output, true);
    vlm::TProject again(prompt);
    try {
        again.LoadFromFile(output);
    } catch (const vlm::Abort&) {
        __builtin_trap(); // the program cannot read what it wrote
    }
    if (again.ItemCount() != project.ItemCount())
        __builtin_trap();
    const std::string first = again.ToText();
    vlm::TProject third(prompt);
    third.LoadFromFile(output);
    third.SaveToFile(output, false);
    if (vlm::ReadFileBytes(output).value_or("") != first)
        __builtin_trap();
    return 0;
}
