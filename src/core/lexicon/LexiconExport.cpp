#include "lexicon/LexiconExport.h"

#include "common/CopyDirUnit.h"
#include "common/Encoding.h"
#include "common/FileWrite.h"
#include "common/StringRoutines.h"
#include "common/charConverter.h"
#include "lexicon/LexiconFile.h"

#include <optional>
#include <stdexcept>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace vlm {

namespace {

using Lines = StringList;

Lines ReadTemplate(const fs::path& file) {
    std::error_code ec;
    const auto bytes =
        fs::is_regular_file(file, ec) ? ReadFileBytes(file) : std::optional<std::string>();
    if (!bytes)
        throw std::runtime_error("Cannot open file \"" + PathToCp1250(file) + "\"");
    return SplitLines(*bytes);
}

void WriteLinesOrThrow(const fs::path& file, const Lines& lines) {
    std::string text;
    for (const auto& line : lines)
        text += line + "\r\n";
    std::error_code ec;
    fs::create_directories(file.parent_path(), ec);
    if (!WriteFileBytes(file, text))
        throw std::runtime_error("Cannot create file \"" + PathToCp1250(file) + "\"");
}

// A keyword inside the index script's double-quoted strings: a quote or a
// backslash in a keyword must not end the string or the script.
std::string ScriptString(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\\' || c == '"')
            out += '\\';
        out += c;
        if (c == '<' && i + 1 < text.size() && text[i + 1] == '/')
            out += '\\';
    }
    return out;
}

} // namespace

std::string LexiconPageName(const std::string& keyword) {
    return StripPunctuation(PolishToAscii(keyword)) + ".html";
}

std::string LexiconIndexEntry(const std::string& keyword) {
    return "dbAdd(\"" + ScriptString(keyword) + "\", \"keywords/" +
           ScriptString(LexiconPageName(keyword)) + "\", \"\", 0);\r\n";
}

bool WriteLexicon(const fs::path& programDir, const fs::path& lexiconFile,
                  const fs::path& outputRoot, Progress& progress) {
    const fs::path lexiconDir = outputRoot / "lexicon";
    TDirCopy copier(progress);
    const bool copied = copier.CopyTree(programDir / "exports" / "lexicon", lexiconDir);

    std::error_code ec;
    if (!fs::is_regular_file(lexiconFile, ec))
        return copied;

    const fs::path templates = programDir / "exports" / "_common_exports_files" / "lexicon";
    Lines index = ReadTemplate(templates / "lexicon_tree.html");
    const Lines content = ReadTemplate(templates / "lexicon_content.html");

    Lines entries;
    for (const auto& [keyword, value] : ReadLexiconEntries(lexiconFile)) {
        const std::string page = LexiconPageName(keyword);
        entries.push_back(LexiconIndexEntry(keyword));
        Lines lines = content;
        ReplaceFirstInLines(lines, "<!-- lexicon_content -->",
                            ReplaceEvery(EntitiesToText(value), "\r\n", "<br>"));
        WriteLinesOrThrow(lexiconDir / "keywords" / PathFromCp1250(page), lines);
    }
    ReplaceMarkerWithLines(index, "<!-- lexicon -->", entries);
    WriteLinesOrThrow(lexiconDir / "lexicon_tree.html", index);
    return copied;
}

} // namespace vlm
