#include "export/ExportResources.h"

#include "app/SettingsStore.h"
#include "app/UserPrompt.h"
#include "common/Encoding.h"
#include "common/FilesTools.h"
#include "export/CourseGuard.h"
#include "export/ExportPipeline.h"
#include "export/WizardSettings.h"
#include "project/CoursePaths.h"

#include <algorithm>
#include <system_error>

namespace fs = std::filesystem;

namespace vlm {

namespace {

std::string LowerAscii(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

// The media files of the folder, sorted by name. Links are left out: they
// could name files outside the course.
std::vector<fs::path> MediaFiles(const fs::path& folder) {
    std::vector<fs::path> files;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        if (it->symlink_status(ec).type() == fs::file_type::regular &&
            IsMediaFile(PathToCp1250(it->path().filename())))
            files.push_back(it->path());
    std::sort(files.begin(), files.end());
    return files;
}

} // namespace

bool IsMediaFile(const std::string& name) {
    const std::size_t dot = name.rfind('.');
    if (dot == std::string::npos)
        return false;
    const std::string ext = LowerAscii(name.substr(dot));
    for (const char* media : {".mp3", ".wav", ".wmv", ".wave", ".avi", ".mpg", ".mpge"})
        if (ext == media)
            return true;
    return false;
}

TExportResourcesWizard TExportResourcesWizard::Open(const SettingsStore& store) {
    TExportResourcesWizard w;
    const std::string key = WizardRegKey(kMediaSettingsKey);
    if (auto v = store.Read(key, "Folders"))
        if (auto* text = std::get_if<std::string>(&*v))
            w.history = FromCommaText(*text);
    if (auto v = store.Read(key, "FoldersIndex"))
        if (auto* number = std::get_if<std::int32_t>(&*v))
            w.index = *number;
    if (w.index >= 0 && w.index < static_cast<int>(w.history.size()))
        w.options.destination = w.history[static_cast<std::size_t>(w.index)];
    else
        w.index = -1;
    return w;
}

void TExportResourcesWizard::Browse(const std::string& folder) {
    const int at = AddToHistory(history, folder, kMediaHistoryLimit);
    if (at >= 0) {
        index = at;
        options.destination = history[static_cast<std::size_t>(at)];
    }
}

TMediaExportOptions TExportResourcesWizard::Accept(SettingsStore& store) {
    const std::string typed = options.destination;
    Browse(typed);
    options.destination = typed;
    const std::string key = WizardRegKey(kMediaSettingsKey);
    store.CreateKey(key);
    store.Write(key, "Folders", ToCommaText(history));
    store.Write(key, "FoldersIndex", static_cast<std::int32_t>(index));
    return options;
}

TExportResources::TExportResources(const TProject& project, const TCoursePaths& course,
                                   UserPrompt& prompt)
    : project_(project), course_(course), prompt_(prompt) {}

TExportResult TExportResources::Execute(const TMediaExportOptions& options) {
    report_ = {};
    fs::path target = PathFromCp1250(options.destination);
    if (TExportResult r = GuardExport(project_, course_, target, prompt_); !r.Ok())
        return r;
    target /= "";
    std::error_code ec;
    fs::create_directories(target, ec);
    if (!fs::is_directory(target, ec))
        return ReportFailure(prompt_, FormatExportMessage("ERROR_SOURCE_DIR_NOT_EXISTS"));
    bool ask = true, overwrite = true;
    for (const fs::path& file : MediaFiles(course_.CourseResourcesDir)) {
        const fs::path to = target / file.filename();
        const bool exists = fs::exists(fs::symlink_status(to, ec));
        if (exists && ask) {
            const int answer = prompt_.MessageBox(
                {}, FormatExportMessage("MESSAGE_FILE_EXISTS", PathToCp1250(file.filename())),
                DialogType::Confirmation, mbYes | mbNo | mbCancel | mbNoToAll | mbYesToAll);
            switch (answer) {
            case mrYes:
                overwrite = true;
                break;
            case mrNo:
                overwrite = false;
                break;
            case mrYesToAll:
                overwrite = true;
                ask = false;
                break;
            case mrNoToAll:
                overwrite = false;
                ask = false;
                break;
            default: // Cancel, or the dialog closed
                return TExportResult::Cancelled();
            }
        }
        if (exists && !overwrite) {
            ++report_.kept;
            continue;
        }
        if (auto failed = CopyFileWhole(file, to, true)) {
            ++report_.failed;
            return ReportFailure(prompt_, WriteFailedMessage(failed->file) + " (" +
                                              failed->error.message() + ")");
        }
        ++report_.copied;
    }
    return TExportResult::Done();
}

} // namespace vlm
