// Feeds arbitrary bytes as the language file, read from disk as at start-up,
// and asks for every value of every section in several languages. Checked: a
// variant never holds the separator of variants, a message text never holds
// the line-break marker, and an index past the last variant gives the last.
#include "app/IniLang.h"
#include "common/FileWrite.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

#include <unistd.h>

namespace fs = std::filesystem;

volatile std::size_t g_sink;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const fs::path file =
        fs::temp_directory_path() / ("vlm_fuzz_" + std::to_string(::getpid()) + "_lang.lang");
    if (!vlm::WriteFileBytes(file, std::string(reinterpret_cast<const char*>(data), size)))
        __builtin_trap();
    vlm::TLanguage language;
    language.file = vlm::LoadLanguageFile(file);
    if (!language.file)
        return 0;
    std::size_t sink = 0;
    for (const std::string& section : language.file->Sections()) {
        for (const std::string& key : language.file->SectionKeys(section)) {
            const std::string value = language.file->ReadString(section, key);
            std::size_t variants = 1;
            for (std::size_t p = value.find("#|#"); p != std::string::npos;
                 p = value.find("#|#", p + 3))
                ++variants;
            for (int index = 0; index < 5; ++index) {
                language.languageIndex = index;
                const std::string text = language.SectionText(section, key);
                if (text.find("#|#") != std::string::npos)
                    __builtin_trap();
                if (static_cast<std::size_t>(index) >= variants &&
                    text != vlm::SelectLanguageVariant(value, static_cast<int>(variants) - 1))
                    __builtin_trap();
                const std::string message = language.LangText(key);
                if (message.find("*|*") != std::string::npos)
                    __builtin_trap();
                sink += text.size() + message.size();
            }
        }
    }
    g_sink = sink;
    return 0;
}
