#pragma once
// The page's own settings, kept as attributes of the page document's "page"
// element, as the page properties dialog (`TfrmPagePropertiesEditor`) reads
// and writes them.

#include "project/Links.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace vlm {

class TjanXMLNode;
class TXMPDocument;
class UserPrompt;

inline constexpr int kMinPageHeight = 550;
inline constexpr int kMaxPageHeight = 10000;
inline constexpr std::size_t kTryCountLength = 2;

int ClampPageHeight(int height);
// The digits of the text, at most maxLength of them.
std::string DigitsOnly(std::string_view text, std::size_t maxLength = std::string_view::npos);
// The tries and points fields take digits and Backspace; any other key beeps.
bool AcceptsDigitKey(char key);
// A stored colour as the colour swatch keeps it: "#RRGGBB" upper-case; white
// when missing, black when malformed (six hexadecimal digits, a leading
// character dropped from a longer text).
std::string PageColorText(std::string_view stored, bool present);

struct TPageProperties {
    std::string Name;
    std::string Groups;
    std::string TryCount;     // "1" when missing
    std::string MasteryScore; // "10" when missing
    bool FeedbacksShow = true;
    bool RememberAnswers = true;
    std::string BgColor; // "#RRGGBB"
    int Height = kMinPageHeight;
    std::string AuthorDescription; // decoded from character references
    TLinksGrid Links;
};

// The dialog's fields from the "page" element; the height is the larger of
// the stored one and the designer's content height.
TPageProperties ReadPageProperties(const TjanXMLNode& page, int contentHeight);

class TPagePropertiesEditor {
public:
    // Filled from the document's "page" element (defaults without one).
    TPagePropertiesEditor(TXMPDocument& document, int contentHeight, UserPrompt& prompt);

    bool HasPage() const { return page_ != nullptr; }
    TPageProperties Values;

    // OK: a changed name that another element bears is reported
    // ("EDT_ELEMENT_MSG_NAME_EXISTS") and nothing is written (false, the
    // dialog stays open); otherwise every attribute is written and the
    // clamped height is kept for the designer's surface.
    bool Apply();
    int AppliedHeight() const { return appliedHeight_; }
    bool Applied() const { return applied_; }

private:
    TXMPDocument& document_;
    UserPrompt& prompt_;
    TjanXMLNode* page_;
    std::string originalName_;
    int appliedHeight_ = 0;
    bool applied_ = false;
};

// `actPageProperties`: the dialog on the open page (`dialog` returns true once
// Apply accepted OK). Nothing without a "page" element. True on OK, with the
// height to apply to the surface in `appliedHeight`.
bool EditPageProperties(TXMPDocument& document, int contentHeight, UserPrompt& prompt,
                        const std::function<bool(TPagePropertiesEditor& editor)>& dialog,
                        int* appliedHeight = nullptr);

} // namespace vlm
