// Feeds arbitrary bytes to the in-memory INI reader, writes the result back
// and reads every section and key, as the program does with config.ini, the
// language file and lexicon.ini.
#include "common/IniFile.h"

#include <cstddef>
#include <cstdint>
#include <string>

// Keeps the reads from being optimised away.
volatile std::size_t g_sink;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    vlm::TIniFile ini = vlm::TIniFile::FromText(text);
    const std::string written = ini.ToText();
    std::size_t sink = written.size();
    for (const std::string& section : ini.Sections()) {
        sink += ini.SectionExists(section);
        for (const std::string& key : ini.SectionKeys(section)) {
            sink += ini.ReadString(section, key).size();
            sink += static_cast<std::size_t>(ini.ReadInteger(section, key, -1));
            sink += ini.ReadBool(section, key, true);
            sink += ini.ValueExists(section, key);
        }
        sink += ini.SectionValues(section).size();
    }
    // Writing into and erasing from a parsed file must keep it consistent.
    ini.WriteString("Fuzz", "Key", text.substr(0, 16));
    ini.WriteInteger("fuzz", "number", static_cast<int>(size));
    if (ini.ReadInteger("FUZZ", "NUMBER", -1) != static_cast<int>(size))
        __builtin_trap();
    ini.DeleteKey("Fuzz", "Key");
    ini.EraseSection("Fuzz");
    const vlm::TIniFile again = vlm::TIniFile::FromText(ini.ToText());
    sink += again.ToText().size();
    g_sink = sink;
    return 0;
}
