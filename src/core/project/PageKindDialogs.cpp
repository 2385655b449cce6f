#include "project/PageKindDialogs.h"

#include "app/UserPrompt.h"
#include "common/Encoding.h"
#include "common/FilesTools.h"
#include "project/CourseMessages.h"
#include "project/CourseTree.h"
#include "project/PageKind.h"
#include "resources/ResourceFolder.h"

#include <algorithm>

namespace vlm {

namespace fs = std::filesystem;

namespace {

constexpr const char* kHttp = "http://";

// The name a document keeps in its page folder and in Address.
std::string DocumentName(const fs::path& file) {
    std::string name = PathToCp1250(file.filename());
    std::replace(name.begin(), name.end(), '\\', '_');
    std::replace(name.begin(), name.end(), ':', '_');
    return name;
}

bool SameFile(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    return fs::exists(a, ec) && fs::exists(b, ec) && fs::equivalent(a, b, ec) && !ec;
}

} // namespace

TInternetAddressDialog::TInternetAddressDialog(const std::string& current)
    : Address(current.empty() ? std::string(kHttp) : current) {}

std::string TInternetAddressDialog::Result() const {
    return Address.find("://") == std::string::npos ? kHttp + Address : Address;
}

std::optional<std::string>
AskInternetAddress(const std::string& current,
                   const std::function<bool(TInternetAddressDialog& dialog)>& show) {
    TInternetAddressDialog dialog(current);
    if (!show || !show(dialog))
        return std::nullopt;
    return dialog.Result();
}

TExternalDocumentDialog::TExternalDocumentDialog(const std::string& current)
    : Label(current.empty() ? std::string() : "Aktualny dokument: " + current) {}

fs::path TExternalDocumentDialog::Path() const {
    return PathFromCp1250(FileName);
}

bool TExternalDocumentDialog::Confirm(UserPrompt& prompt) const {
    std::error_code ec;
    if (!FileName.empty() && fs::is_regular_file(Path(), ec))
        return true;
    prompt.MessageDlg(LangTextWith("ERROR_FILE_NOT_FOUND", FileName), DialogType::Warning,
                      kButtonsOK);
    return false;
}

std::optional<fs::path>
AskExternalDocument(const std::string& current,
                    const std::function<bool(TExternalDocumentDialog& dialog)>& show) {
    TExternalDocumentDialog dialog(current);
    if (!show || !show(dialog))
        return std::nullopt;
    return dialog.Path();
}

bool CopyExternalDocument(const fs::path& file, TProjectItem& item, TCourseTree& tree) {
    std::error_code ec;
    if (file.empty() || !fs::is_regular_file(file, ec) || tree.Paths.CourseDir.empty())
        return false;
    // Without the trailing separator, so that a link is seen as a link.
    const fs::path folder = tree.PageFolder(&item).parent_path();
    fs::create_directories(folder, ec);
    if (!IsRealFolder(folder))
        return false; // a link in place of the page folder would lead elsewhere

    const std::string name = DocumentName(file);
    if (!IsPlainFileName(name))
        return false;
    const fs::path target = folder / PathFromCp1250(name);
    // The author may pick the copy that is already there: it is the document.
    const bool same = SameFile(file, target);
    if (IsPlainFileName(item.Address)) {
        const fs::path old = folder / PathFromCp1250(item.Address);
        const fs::file_status status = fs::symlink_status(old, ec);
        if (!same && fs::exists(status) && !fs::is_directory(status) && !SameFile(file, old))
            fs::remove(old, ec);
    }
    if (!same) {
        fs::remove(target, ec); // replaces a link too, instead of writing through it
        if (!fs::copy_file(file, target, fs::copy_options::overwrite_existing, ec) || ec)
            return false;
    }
    item.Address = name;
    TCourseNode* node = nullptr;
    for (TCourseNode* n : tree.Nodes())
        if (&n->Item() == &item)
            node = n;
    tree.Notify(tcUnsaved | tcSaveNow, node);
    return true;
}

void UsePageKindDialogs(TPageKindSteps& steps, TCourseTree& tree,
                        std::function<bool(TInternetAddressDialog& dialog)> showAddress,
                        std::function<bool(TExternalDocumentDialog& dialog)> showDocument) {
    steps.askAddress = [show = std::move(showAddress)](const std::string& address) {
        return AskInternetAddress(address, show);
    };
    steps.askDocument = [show = std::move(showDocument)](const std::string& address) {
        return AskExternalDocument(address, show);
    };
    steps.copyDocument = [&tree](const fs::path& document, TProjectItem& item) {
        CopyExternalDocument(document, item, tree);
    };
}

} // namespace vlm
