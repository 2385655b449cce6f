#pragma once
// The lexicon editor's model: the keyword list kept sorted, the selection,
// the export flag and the enabling rules. The window only shows it.

#include "lexicon/LexiconFile.h"

#include <filesystem>
#include <string>
#include <vector>

namespace vlm {

class UserPrompt;

// Language keys of the editor's dialogs.
inline constexpr const char* kLexiconCaptionKey = "LEXICON_CAPTION";
inline constexpr const char* kLexiconAddQuestionKey = "LEXICON_ADD_QUESTION";
inline constexpr const char* kLexiconRemoveQuestionKey = "LEXICON_REMOVE_QUESTION";
inline constexpr const char* kLexiconKeywordExistsKey = "LEXICON_KEYWORD_EXISTS";
// A keyword the lexicon file could not keep (it would come back split or lost).
inline constexpr const char* kLexiconKeywordInvalidKey = "LEXICON_KEYWORD_INVALID";

// The list order: letters compared without case, a Polish letter right after
// its base letter, exact bytes breaking ties.
bool LexiconKeywordLess(const std::string& a, const std::string& b);

class TLexicon {
public:
    // Open: the file's entries (none when it is missing) and the course's
    // ExportLexicon flag.
    void Load(const std::filesystem::path& file, int exportLexicon);
    void Assign(const std::vector<TLexiconUnit>& units, int exportLexicon);

    const std::vector<TLexiconUnit>& Units() const { return units_; }
    bool Empty() const { return units_.empty(); }
    // The selected entry, -1 when the list is empty.
    int Selected() const { return selected_; }
    void Select(int index);
    // The definition shown in the memo: the selected entry's, empty when none.
    std::string SelectedDefinition() const;
    // The memo's edited text, committed when it loses the focus.
    void SetSelectedDefinition(const std::string& text);

    // Add with the input box's answer: trimmed; empty does nothing; an exact
    // duplicate shows "LEXICON_KEYWORD_EXISTS". True when a keyword was added.
    bool Add(const std::string& answer, UserPrompt& prompt);
    // Remove the selected entry after the "LEXICON_REMOVE_QUESTION"
    // confirmation. True when an entry was removed.
    bool Remove(UserPrompt& prompt);

    bool ExportChecked() const { return exportChecked_; }
    void SetExportChecked(bool checked);
    // The remove button, the export check box and the memo share one rule.
    bool RemoveEnabled() const { return !units_.empty(); }
    bool ExportEnabled() const { return !units_.empty(); }
    bool MemoEnabled() const { return !units_.empty(); }

    // OK: rewrites the lexicon file; false when it cannot be written.
    bool Save(const std::filesystem::path& file) const;
    // The course's new ExportLexicon flag.
    int ExportLexiconFlag() const { return exportChecked_ ? 1 : 0; }

private:
    std::size_t InsertSorted(TLexiconUnit unit);
    std::vector<TLexiconUnit> units_;
    int selected_ = -1;
    bool exportChecked_ = false;
};

} // namespace vlm
