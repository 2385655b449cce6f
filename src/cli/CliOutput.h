#pragma once
// Where the command line writes: results on stdout, messages and progress on
// stderr. The core's text is cp1250; the terminal speaks UTF-8.

#include <string>

namespace vlm::cli {

// Exit codes of every command.
enum TExitCode : int { kExitDone = 0, kExitFailed = 1, kExitUsage = 2, kExitCancelled = 3 };

class TCliOutput {
public:
    bool quiet = false;

    // A message of the core or of a command (cp1250), CR LF turned into LF.
    void Message(const std::string& cp1250) const;
    // A message shown even when quiet: failures and questions.
    void Important(const std::string& cp1250) const;
    // A warning in UTF-8 (it may name what cp1250 cannot hold), shown even when quiet.
    void Warning(const std::string& utf8) const;
    // A result on stdout (cp1250 text or already UTF-8 when `utf8`).
    void Result(const std::string& text, bool utf8 = false) const;
};

// cp1250 text as UTF-8 with CR LF and lone CR made LF.
std::string TerminalText(const std::string& cp1250);

} // namespace vlm::cli
