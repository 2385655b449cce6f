#pragma once
// `page templates`, `page new` and `action add`: page templates and event
// actions driven through the designer's model, without windows.

#include <CLI/CLI.hpp>

#include <optional>
#include <string>
#include <vector>

namespace vlm::cli {

class TCliSession;

struct TPageTemplateCommands {
    CLI::App* templates = nullptr;
    CLI::App* newPage = nullptr;
    CLI::App* actionAdd = nullptr;
    bool json = false;
    std::string file;
    int item = 0;
    std::string templateName;
    bool page = false;
    std::vector<std::string> words; // [ELEMENT] EVENT TARGET ACTION
    std::optional<std::string> param;
};

// Adds the commands under "page" and "action" (made when missing).
void AddPageTemplateCommands(CLI::App& app, TPageTemplateCommands& commands);
// The exit code when one of these commands was given.
std::optional<int> RunPageTemplateCommands(TCliSession& session,
                                           const TPageTemplateCommands& commands);

} // namespace vlm::cli
