#pragma once
// The progress of long operations on stderr: a bar redrawn in place on a
// terminal, otherwise one line each time another tenth is done.

#include "common/Progress.h"

#include <cstdio>
#include <string>

namespace vlm::cli {

class TCliProgress : public Progress {
public:
    // `caption` is cp1250 (the progress window's caption in the language file).
    TCliProgress(std::FILE* stream, bool terminal, bool quiet, std::string caption);
    ~TCliProgress() override;

    void SetMax(int value) override;
    void SetMin(int value) override;
    void SetPosition(int value) override;
    void Step() override;
    void Close() override;

private:
    void Show();
    int Percent() const;

    std::FILE* stream_;
    bool terminal_;
    bool quiet_;
    std::string caption_; // UTF-8
    int min_ = 0, max_ = 0, position_ = 0;
    int lastShown_ = -1; // percent on a terminal, tenth otherwise
    bool drawn_ = false;
};

} // namespace vlm::cli
