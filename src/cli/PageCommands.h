#pragma once
// `page show` and the `element` commands: a page of a course changed through
// the designer's model and saved as the designer saves it.

#include <CLI/CLI.hpp>

#include <string>
#include <vector>

namespace vlm::cli {

class TCliSession;

class TPageCommands {
public:
    // Adds `page show` and `element add|set|delete|order` to the program.
    explicit TPageCommands(CLI::App& app);
    // One of them was given.
    bool Selected() const;
    int Run(TCliSession& session) const;

private:
    CLI::App* page_ = nullptr;
    CLI::App* show_ = nullptr;
    CLI::App* element_ = nullptr;
    CLI::App* add_ = nullptr;
    CLI::App* set_ = nullptr;
    CLI::App* delete_ = nullptr;
    CLI::App* order_ = nullptr;
    std::string file_;
    int item_ = 0;
    bool json_ = false;
    std::string className_, at_, size_, element_name_;
    std::vector<std::string> assignments_;
    bool front_ = false, back_ = false;
};

} // namespace vlm::cli
