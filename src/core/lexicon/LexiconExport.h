#pragma once
// The lexicon export: the program's lexicon files, one page per keyword and
// the keyword index, written below an output root.

#include "app/LayoutTexts.h"

#include <filesystem>
#include <string>

namespace vlm {

class Progress;

// The keyword page's file name: Polish letters folded, punctuation dropped,
// ".html". A name too long for some file system, or holding a byte one
// cannot keep, becomes the letters and digits of its start, "-" and the
// keyword's MD5 in hex (at most 70 bytes), so keywords never share a page.
std::string LexiconPageName(const std::string& keyword);
// One line of the keyword index script, ending with CR LF.
std::string LexiconIndexEntry(const std::string& keyword);

// Copies programDir/exports/lexicon/ to outputRoot/lexicon/ and, when the
// lexicon file exists, writes lexicon/keywords/<page> for every keyword and
// lexicon/lexicon_tree.html; the texts of the copied files and of the two
// templates are filled from `texts`. Throws std::runtime_error when a template
// cannot be read or a page cannot be written; returns false when a file of
// the copied folder could not be copied.
bool WriteLexicon(const std::filesystem::path& programDir, const std::filesystem::path& lexiconFile,
                  const std::filesystem::path& outputRoot, Progress& progress,
                  const TLayoutTexts& texts);

} // namespace vlm
