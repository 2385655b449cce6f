#pragma once
// Property pages and action parameter pages as the dialogs show them:
// language markers and the language block filled in, a base reference to
// the page's own folder, the copy in the run's working folder, and the
// dialog size the page asks for on its body.

#include <filesystem>
#include <optional>
#include <string>

namespace vlm {

// Every "*[" key "]*" replaced by the key's language text, marker by marker
// from left to right; a language text is not searched again, so a text that
// names its own marker cannot loop. A lone "*[" stays.
std::string ReplaceLanguageMarkers(const std::string& text);

// The "<language>" block's "string" entries: each "original" text replaced
// in the whole page by its variant whose "lang" is the language code.
std::string ApplyLanguageBlock(const std::string& text, const std::string& languageCode);

// Markers, language block, then "<base href="folder"/>" in front.
std::string PreparePageText(const std::string& text, const std::filesystem::path& pageFolder,
                            const std::string& languageCode);

// "dialogWidth" and "dialogHeight" of the first body tag, read from the
// markup without running anything; an absent, empty or non-positive value
// keeps the dialog's own size.
struct TDialogSize {
    std::optional<int> width;
    std::optional<int> height;
};
TDialogSize ReadDialogSize(const std::string& html);

// The prepared copy written under the page's file name into the working
// folder, and the size the original asks for. Throws std::runtime_error
// (the system's reason) when the page cannot be read or the copy written.
struct TPreparedPage {
    std::filesystem::path file;
    TDialogSize size;
};
TPreparedPage PrepareEditorPage(const std::filesystem::path& pageFile,
                                const std::filesystem::path& runTempDir,
                                const std::string& languageCode);

} // namespace vlm
