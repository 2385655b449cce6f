#pragma once
// The port through which the core asks the desktop to open a document with
// its registered program (the browser for HTML).

#include <filesystem>

namespace vlm {

class Shell {
public:
    virtual ~Shell() = default;
    // False when the request could not be handed to the desktop.
    virtual bool Open(const std::filesystem::path& path) = 0;
};

// Hands the path to xdg-open without waiting for the program it starts.
class SystemShell : public Shell {
public:
    bool Open(const std::filesystem::path& path) override;
};

} // namespace vlm
