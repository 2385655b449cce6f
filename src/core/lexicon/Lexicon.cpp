#include "lexicon/Lexicon.h"

#include "app/IniLang.h"
#include "app/UserPrompt.h"
#include "common/AsciiText.h"
#include "common/charConverter.h"

#include <algorithm>

namespace vlm {

namespace {

// Collation weight of one byte: case folded, Polish letters just after their
// base letter.
unsigned Weight(char c) {
    const std::string folded = PolishToAscii(std::string(1, c));
    const auto b = static_cast<unsigned char>(AsciiLower(folded[0]));
    return (unsigned(b) << 1) | (folded[0] != c ? 1u : 0u);
}

} // namespace

bool LexiconKeywordLess(const std::string& a, const std::string& b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned wa = Weight(a[i]), wb = Weight(b[i]);
        if (wa != wb)
            return wa < wb;
    }
    if (a.size() != b.size())
        return a.size() < b.size();
    return a < b;
}

void TLexicon::Load(const std::filesystem::path& file, int exportLexicon) {
    Assign(ReadLexiconFile(file), exportLexicon);
}

void TLexicon::Assign(const std::vector<TLexiconUnit>& units, int exportLexicon) {
    units_.clear();
    for (const auto& u : units)
        InsertSorted(u);
    selected_ = units_.empty() ? -1 : 0;
    // The check box follows the course's flag, even over an empty list
    // (where it is disabled).
    exportChecked_ = exportLexicon == 1;
}

std::size_t TLexicon::InsertSorted(TLexiconUnit unit) {
    auto it = std::upper_bound(units_.begin(), units_.end(), unit.keyword,
                               [](const std::string& k, const TLexiconUnit& u) {
                                   return LexiconKeywordLess(k, u.keyword);
                               });
    it = units_.insert(it, std::move(unit));
    return std::size_t(it - units_.begin());
}

void TLexicon::Select(int index) {
    if (index >= 0 && index < int(units_.size()))
        selected_ = index;
}

std::string TLexicon::SelectedDefinition() const {
    return selected_ >= 0 ? units_[std::size_t(selected_)].definition : std::string();
}

void TLexicon::SetSelectedDefinition(const std::string& text) {
    if (selected_ >= 0)
        units_[std::size_t(selected_)].definition = text;
}

bool TLexicon::Add(const std::string& answer, UserPrompt& prompt) {
    const std::string keyword = TrimText(answer);
    if (keyword.empty())
        return false;
    // "key=value" lines: an "=" or a line break inside, or a leading ";" or
    // "[", would not read back as the same keyword; a NUL can be part of no
    // file name and of no text a window shows.
    if (keyword.find_first_of(std::string_view("=\r\n\0", 4)) != std::string::npos ||
        keyword.front() == ';' || keyword.front() == '[') {
        prompt.ShowMessage(LangText(kLexiconKeywordInvalidKey));
        return false;
    }
    for (const auto& u : units_)
        if (u.keyword == keyword) {
            prompt.ShowMessage(LangText(kLexiconKeywordExistsKey));
            return false;
        }
    selected_ = int(InsertSorted({keyword, keyword}));
    return true;
}

bool TLexicon::Remove(UserPrompt& prompt) {
    if (units_.empty() || selected_ < 0)
        return false;
    const int answer =
        prompt.MessageBox(LangText(kLexiconCaptionKey), LangText(kLexiconRemoveQuestionKey),
                          DialogType::Confirmation, kButtonsYesNo);
    if (answer != mrYes)
        return false;
    const int removed = selected_;
    units_.erase(units_.begin() + removed);
    if (units_.empty()) {
        selected_ = -1;
        exportChecked_ = false;
    } else {
        selected_ = removed > 0 ? removed - 1 : 0;
    }
    return true;
}

void TLexicon::SetExportChecked(bool checked) {
    if (ExportEnabled())
        exportChecked_ = checked;
}

bool TLexicon::Save(const std::filesystem::path& file) const {
    return SaveLexiconFile(file, units_);
}

} // namespace vlm
