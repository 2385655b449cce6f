#include "app/LayoutTexts.h"

#include "app/VLMXConfig.h"
#include "common/AsciiText.h"
#include "common/FileWrite.h"

#include <system_error>

namespace fs = std::filesystem;

namespace vlm {

namespace {

constexpr std::string_view kSection = "ExportLayout";
constexpr std::string_view kOpen = "*[text:";
constexpr std::string_view kClose = "]*";
constexpr int kEnglish = 1;

bool IsLayoutFile(const fs::path& file) {
    const std::string ext = LowerCaseAscii(file.extension().string());
    return ext == ".html" || ext == ".htm" || ext == ".js";
}

bool FillFile(const TLayoutTexts& texts, const fs::path& file) {
    const auto bytes = ReadFileBytes(file);
    if (!bytes)
        return false;
    if (bytes->find(kOpen) == std::string::npos)
        return true;
    return WriteFileBytes(file, texts.Fill(*bytes));
}

} // namespace

TLayoutTexts::TLayoutTexts(const TLanguage& language, const std::string& languageCode)
    : language_(language),
      index_(LanguageIndexOfCode(UpperCaseAscii(TrimText(languageCode))).value_or(0)) {}

std::string TLayoutTexts::Text(const std::string& key) const {
    if (!language_.file)
        return {};
    const std::string value = language_.file->ReadString(std::string(kSection), key, "");
    std::string text = SelectLanguageVariant(value, index_);
    if (text.empty())
        text = SelectLanguageVariant(value, kEnglish);
    return text;
}

std::string TLayoutTexts::Fill(std::string_view text) const {
    std::string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    while (true) {
        const std::size_t open = text.find(kOpen, pos);
        const std::size_t close =
            open == std::string_view::npos ? open : text.find(kClose, open + kOpen.size());
        if (close == std::string_view::npos) {
            out.append(text.substr(pos));
            return out;
        }
        out.append(text.substr(pos, open - pos));
        out += Text(std::string(text.substr(open + kOpen.size(), close - open - kOpen.size())));
        pos = close + kClose.size();
    }
}

bool TLayoutTexts::FillCopiedFiles(const fs::path& source, const fs::path& target,
                                   bool recursive) const {
    std::error_code ec;
    if (!fs::is_directory(source, ec))
        return true;
    bool ok = true;
    const auto visit = [&](const fs::directory_entry& entry) {
        if (!entry.is_regular_file(ec) || !IsLayoutFile(entry.path()))
            return;
        const fs::path copy = target / entry.path().lexically_relative(source);
        if (fs::is_regular_file(copy, ec) && !FillFile(*this, copy))
            ok = false;
    };
    if (recursive) {
        for (fs::recursive_directory_iterator it(source, ec), end; !ec && it != end;
             it.increment(ec))
            visit(*it);
    } else {
        for (fs::directory_iterator it(source, ec), end; !ec && it != end; it.increment(ec))
            visit(*it);
    }
    return ok;
}

} // namespace vlm
