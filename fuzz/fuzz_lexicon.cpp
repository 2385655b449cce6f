// Feeds arbitrary bytes as a course's lexicon file to the lexicon editor's
// model and to the lexicon export. Checked: what the editor saves reads back
// as the same list, and the export writes a page for every keyword, under
// the name the index links to. A definition whose entities are broken is
// refused with ConvertError, by the editor and the export alike.
#include "common/ConvertError.h"
#include "common/Encoding.h"
#include "common/FileWrite.h"
#include "common/Progress.h"
#include "lexicon/Lexicon.h"
#include "lexicon/LexiconExport.h"
#include "lexicon/LexiconFile.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <set>
#include <string>

#include <unistd.h>

namespace fs = std::filesystem;

#ifndef VLM_FUZZ_LEXICON_PROGRAM
#error "VLM_FUZZ_LEXICON_PROGRAM names a program folder with the lexicon templates"
#endif

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const fs::path dir = [] {
        const fs::path d =
            fs::temp_directory_path() / ("vlm_fuzz_" + std::to_string(::getpid()) + "_lexicon");
        fs::create_directories(d);
        return d;
    }();
    const fs::path file = dir / "lexicon.ini";
    const fs::path saved = dir / "saved.ini";
    const fs::path exported = dir / "export";
    if (!vlm::WriteFileBytes(file, std::string(reinterpret_cast<const char*>(data), size)))
        __builtin_trap();

    vlm::TLexicon lexicon;
    try {
        lexicon.Load(file, 1);
    } catch (const vlm::ConvertError&) {
        return 0;
    }
    if (!lexicon.Save(saved))
        __builtin_trap();
    vlm::TLexicon again;
    again.Load(saved, 1);
    if (again.Units() != lexicon.Units())
        __builtin_trap();

    fs::remove_all(exported);
    vlm::NullProgress progress;
    const vlm::TLanguage language;
    if (!vlm::WriteLexicon(VLM_FUZZ_LEXICON_PROGRAM, file, exported, progress,
                           vlm::TLayoutTexts(language, "EN")))
        __builtin_trap();
    std::set<std::string> pages;
    for (const vlm::TLexiconUnit& unit : lexicon.Units()) {
        const std::string page = vlm::LexiconPageName(unit.keyword);
        if (page.size() > 255 ||
            !fs::is_regular_file(exported / "lexicon" / "keywords" / vlm::PathFromCp1250(page)))
            __builtin_trap();
        pages.insert(page);
    }
    std::size_t written = 0;
    std::error_code ec;
    for (fs::recursive_directory_iterator it(exported / "lexicon" / "keywords", ec), end;
         !ec && it != end; it.increment(ec))
        written += it->is_regular_file();
    if (written != pages.size())
        __builtin_trap();
    return 0;
}
