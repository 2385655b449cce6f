#pragma once
// The two dialogs that give a course-tree page an internet address
// (`TfrmURLEdit`) or an external document (`TfrmEditDocFileName`), and the
// copy of that document into the page folder.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace vlm {

class TCourseTree;
class TProjectItem;
class UserPrompt;
struct TPageKindSteps;

class TInternetAddressDialog {
public:
    // The current address, or "http://" when there is none.
    explicit TInternetAddressDialog(const std::string& current);
    std::string Address; // the edit field
    // OK: an address without "://" gets "http://" in front.
    std::string Result() const;
};

// The dialog (`show` returns true on OK); the address entered, or nothing.
std::optional<std::string>
AskInternetAddress(const std::string& current,
                   const std::function<bool(TInternetAddressDialog& dialog)>& show);

class TExternalDocumentDialog {
public:
    explicit TExternalDocumentDialog(const std::string& current);
    std::string Label;    // "Aktualny dokument: " + the current name; empty without one
    std::string FileName; // cp1250; empty at start
    // OK: the named file must exist, else "ERROR_FILE_NOT_FOUND" (a warning)
    // and the dialog stays open.
    bool Confirm(UserPrompt& prompt) const;
    std::filesystem::path Path() const;
};

// The dialog (`show` returns true once Confirm accepted OK); the chosen file, or nothing.
std::optional<std::filesystem::path>
AskExternalDocument(const std::string& current,
                    const std::function<bool(TExternalDocumentDialog& dialog)>& show);

// Copies the file into the item's page folder (created if missing): the copy
// named by the item's Address is deleted first, the file is copied under its
// own name and Address takes that name; then the course is saved at once
// (through the tree's observers). Nothing happens for a missing file. Only a
// plain file name inside the page folder is ever deleted or written: a stored
// Address with a folder part is not touched, and a "\" or ":" in the file's
// own name becomes "_". False when nothing was copied.
bool CopyExternalDocument(const std::filesystem::path& file, TProjectItem& item, TCourseTree& tree);

// The address, document and copy steps of ChoosePageKind through these
// dialogs (`showDocument` returns true once Confirm accepted OK).
void UsePageKindDialogs(TPageKindSteps& steps, TCourseTree& tree,
                        std::function<bool(TInternetAddressDialog& dialog)> showAddress,
                        std::function<bool(TExternalDocumentDialog& dialog)> showDocument);

} // namespace vlm
