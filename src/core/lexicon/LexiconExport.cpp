#include "lexicon/LexiconExport.h"

#include "common/CopyDirUnit.h"
#include "common/Encoding.h"
#include "common/FileWrite.h"
#include "common/StringRoutines.h"
#include "common/charConverter.h"
#include "lexicon/LexiconFile.h"

#include <openssl/evp.h>

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

// A template with its texts filled before anything of the course goes in.
Lines FilledTemplate(const fs::path& file, const TLayoutTexts& texts) {
    Lines lines = ReadTemplate(file);
    for (std::string& line : lines)
        line = texts.Fill(line);
    return lines;
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

// Longer names are cut or refused by some file systems (255 bytes on most,
// 143 with encrypted home folders); the name on disk is UTF-8.
constexpr std::size_t kMaxPageNameBytes = 120;
constexpr std::size_t kMaxPrefixBytes = 32;

// Control bytes and "|" are kept by no Windows file system, NUL by none.
bool EveryFileSystemKeeps(const std::string& name) {
    for (const char c : name) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x20 || b == 0x7F || c == '|')
            return false;
    }
    return Cp1250ToUtf8(name).size() <= kMaxPageNameBytes;
}

std::string Md5Hex(const std::string& bytes) {
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    if (!EVP_Digest(bytes.data(), bytes.size(), digest, &length, EVP_md5(), nullptr))
        throw std::runtime_error("MD5 is not available");
    static const char kHex[] = "0123456789abcdef";
    std::string hex;
    for (unsigned int i = 0; i < length; ++i) {
        hex += kHex[digest[i] >> 4];
        hex += kHex[digest[i] & 15];
    }
    return hex;
}

} // namespace

std::string LexiconPageName(const std::string& keyword) {
    const std::string name = StripPunctuation(PolishToAscii(keyword)) + ".html";
    if (EveryFileSystemKeeps(name))
        return name;
    // The ASCII letters and digits of the start and a digest of the whole
    // keyword. Punctuation never survives in the ordinary names, so the "-"
    // keeps the two kinds apart.
    std::string prefix;
    for (const char c : name) {
        if (prefix.size() == kMaxPrefixBytes || c == '.')
            break;
        if ((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_')
            prefix += c;
    }
    return prefix + "-" + Md5Hex(keyword) + ".html";
}

std::string LexiconIndexEntry(const std::string& keyword) {
    // A quote or a backslash in a keyword must not end the string or the script.
    return "dbAdd(\"" + ScriptStringInHtml(keyword) + "\", \"keywords/" +
           ScriptStringInHtml(LexiconPageName(keyword)) + "\", \"\", 0);\r\n";
}

bool WriteLexicon(const fs::path& programDir, const fs::path& lexiconFile,
                  const fs::path& outputRoot, Progress& progress, const TLayoutTexts& texts) {
    const fs::path lexiconDir = outputRoot / "lexicon";
    TDirCopy copier(progress);
    const bool copied = copier.CopyTree(programDir / "exports" / "lexicon", lexiconDir) &&
                        texts.FillCopiedFiles(programDir / "exports" / "lexicon", lexiconDir);

    std::error_code ec;
    if (!fs::is_regular_file(lexiconFile, ec))
        return copied;

    const fs::path templates = programDir / "exports" / "_common_exports_files" / "lexicon";
    Lines index = FilledTemplate(templates / "lexicon_tree.html", texts);
    const Lines content = FilledTemplate(templates / "lexicon_content.html", texts);

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
