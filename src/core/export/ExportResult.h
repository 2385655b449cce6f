#pragma once
// What an export run hands back to its caller: done, ended by the user
// (nothing to report) or failed with the message already shown.

#include <string>

namespace vlm {

enum class TExportStatus { Done, Cancelled, Failed };

struct TExportResult {
    TExportStatus status = TExportStatus::Done;
    std::string message; // the failure's text, empty otherwise

    static TExportResult Done() { return {}; }
    static TExportResult Cancelled() { return {TExportStatus::Cancelled, {}}; }
    static TExportResult Failed(std::string text) {
        return {TExportStatus::Failed, std::move(text)};
    }
    bool Ok() const { return status == TExportStatus::Done; }
};

} // namespace vlm
