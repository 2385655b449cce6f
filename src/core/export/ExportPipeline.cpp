#include "export/ExportPipeline.h"
#include "common/StringRoutines.h"

#include "app/IniLang.h"
#include "app/UserPrompt.h"
#include "common/Encoding.h"
#include "common/FileWrite.h"
#include "common/FilesTools.h"
#include "export/ItemUrl.h"
#include "export/VLMProject.h"
#include "resources/ResourceFolder.h"

#include <cerrno>
#include <system_error>

namespace fs = std::filesystem;

namespace vlm {

void ThrowCopyFailure(const std::optional<TCopyFailure>& failure) {
    if (failure)
        throw EExportWriteFailed(WriteFailedMessage(failure->file) + " (" +
                                 failure->error.message() + ")");
}

void WriteWholeOrThrow(const fs::path& file, const std::string& bytes) {
    if (!WriteFileBytes(file, bytes)) {
        const std::error_code error(errno, std::generic_category());
        ThrowCopyFailure(TCopyFailure{file, error});
    }
}

TExportResult RunWritingFiles(UserPrompt& prompt, const std::function<TExportResult()>& steps) {
    try {
        return steps();
    } catch (const EExportWriteFailed& e) {
        return ReportFailure(prompt, e.what());
    }
}

void CopyFixedFolder(const fs::path& source, const fs::path& target, bool recursive) {
    ThrowCopyFailure(CopyFolderWhole(source, target, recursive, true, kAttrArchive));
}

std::vector<std::string> DesignTemplateList(const TVLMProject& project) {
    return DesignTemplateNames(project.DesignTemplateFolder(0));
}

std::vector<std::string> DesignTemplateNames(const fs::path& programDir) {
    std::vector<std::string> names = ListFolder(programDir / "templates_design_export", kCountFolders);
    for (auto& name :
         ListFolder(programDir / "user_defined" / "templates_design_export", kCountFolders))
        names.push_back(std::move(name));
    return names;
}

std::optional<fs::path> DesignTemplatePath(const TVLMProject& project, const std::string& name) {
    // The name may come from the settings or a command line: never a path.
    if (!IsPlainFileName(name))
        return std::nullopt;
    for (int kind : {1, 4}) {
        const fs::path folder = project.DesignTemplateFolder(kind) / PathFromCp1250(name);
        if (IsRealFolder(folder))
            return folder;
    }
    return std::nullopt;
}

void CopyDesignTemplate(const TVLMProject& project, const std::string& name,
                        const fs::path& outputRoot) {
    if (name.empty())
        return;
    if (auto folder = DesignTemplatePath(project, name))
        project.CopyLayoutFolder(*folder, outputRoot);
}

TExportResult CheckFolderDestination(const fs::path& destination, UserPrompt& prompt,
                                     fs::path& folder) {
    folder = destination;
    folder /= ""; // the trailing separator
    std::error_code ec;
    if (IsRealFolder(folder)) {
        const int answer = prompt.MessageBox(
            {}, FormatExportMessage("MESSAGE_FOLDER_EXISTS_PROC", PathToCp1250(folder)),
            DialogType::Confirmation, kButtonsYesNoCancel);
        return answer == mrYes ? TExportResult::Done() : TExportResult::Cancelled();
    }
    fs::create_directories(folder, ec);
    if (!IsRealFolder(folder))
        return ReportFailure(prompt, FormatExportMessage("ERROR_SOURCE_DIR_NOT_EXISTS"));
    return TExportResult::Done();
}

bool IsInsideFolder(const fs::path& path, const fs::path& folder) {
    std::error_code ec;
    const fs::path a = fs::weakly_canonical(fs::absolute(path, ec), ec);
    const fs::path b = fs::weakly_canonical(fs::absolute(folder, ec), ec);
    if (ec || b.empty())
        return false;
    auto ia = a.begin();
    for (auto ib = b.begin(); ib != b.end(); ++ib, ++ia) {
        if (ib->empty())
            continue; // the trailing separator
        if (ia == a.end() || *ia != *ib)
            return false;
    }
    return true;
}

std::optional<fs::path> ExportWorkDir(Random& random) {
    std::error_code ec;
    const fs::path temp = fs::temp_directory_path(ec);
    if (ec)
        return std::nullopt;
    auto folder = CreateUniqueFolder(temp, "vlm", random);
    if (folder)
        *folder /= "";
    return folder;
}

std::string FormatExportMessage(const std::string& key, const std::string& argument) {
    std::string text = LangText(key);
    if (text.empty()) // no language file: the key still says what happened
        text = argument.empty() ? key : key + ": %s";
    // Line breaks first, so that a "|" of the argument stays as it is.
    text = ReplaceEvery(text, "|", "\r\n");
    return ReplaceEvery(text, "%s", argument);
}

std::string WriteFailedMessage(const fs::path& file) {
    if (LangText("ERROR_EXPORT_FILE_NOT_WRITTEN").empty()) // no language file
        return "The file cannot be written: " + PathToCp1250(file);
    return FormatExportMessage("ERROR_EXPORT_FILE_NOT_WRITTEN", PathToCp1250(file));
}

TExportResult CheckPagesReport(const TExportPagesReport& report, const fs::path& pageTemplate,
                               UserPrompt& prompt) {
    if (!report.templateMissing)
        return TExportResult::Done();
    return ReportFailure(prompt,
                         FormatExportMessage("ERROR_FILE_NOT_FOUND", PathToCp1250(pageTemplate)));
}

TExportResult ReportFailure(UserPrompt& prompt, const std::string& message) {
    prompt.MessageBox({}, message, DialogType::Error, kButtonsOK);
    return TExportResult::Failed(message);
}

} // namespace vlm
