#pragma once
// The texts a learner sees in the export layouts (frame set, tree, lexicon,
// request page). A layout file holds "*[text:KEY]*" where a text stands; the
// export fills it with KEY of section "ExportLayout" of the language file,
// in the course's content language, whatever language the program speaks.
// The texts are HTML: characters cp1250 cannot hold are character entities.

#include "app/IniLang.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace vlm {

class TLayoutTexts {
public:
    // `languageCode`: "PL", "EN", "DE", "FR" (another code reads as the
    // language file's first variant).
    TLayoutTexts(const TLanguage& language, const std::string& languageCode);

    // The text of a key; the English one when the language lacks it; empty
    // without a language file.
    std::string Text(const std::string& key) const;

    // Every "*[text:KEY]*" of the text replaced by Text(KEY).
    std::string Fill(std::string_view text) const;

    // Fills, in place, the HTML and script files below `target` that were
    // copied there from `source` (only those: nothing else of the output is
    // read). False when one of them could not be rewritten.
    bool FillCopiedFiles(const std::filesystem::path& source, const std::filesystem::path& target,
                         bool recursive = true) const;

private:
    const TLanguage& language_;
    int index_;
};

} // namespace vlm
