#include "CliProgress.h"

#include "CliOutput.h"

#include <algorithm>

namespace vlm::cli {

namespace {
constexpr int kBarWidth = 30;
}

TCliProgress::TCliProgress(std::FILE* stream, bool terminal, bool quiet, std::string caption)
    : stream_(stream), terminal_(terminal), quiet_(quiet), caption_(TerminalText(caption)) {}

TCliProgress::~TCliProgress() {
    Close();
}

void TCliProgress::SetMax(int value) {
    max_ = value;
    Show();
}

void TCliProgress::SetMin(int value) {
    min_ = value;
    Show();
}

void TCliProgress::SetPosition(int value) {
    position_ = value;
    Show();
}

void TCliProgress::Step() {
    ++position_;
    Show();
}

int TCliProgress::Percent() const {
    if (max_ <= min_)
        return 0;
    const long long done = std::clamp(position_, min_, max_) - min_;
    return static_cast<int>(done * 100 / (static_cast<long long>(max_) - min_));
}

void TCliProgress::Show() {
    if (quiet_ || max_ <= min_)
        return;
    const int percent = Percent();
    const int shown = terminal_ ? percent : percent / 10;
    if (shown == lastShown_)
        return;
    lastShown_ = shown;
    const int done = std::clamp(position_, min_, max_) - min_;
    const int total = max_ - min_;
    if (terminal_) {
        const int filled = percent * kBarWidth / 100;
        std::fprintf(stream_, "\r%s [%s%s] %3d%% (%d/%d)", caption_.c_str(),
                     std::string(static_cast<std::size_t>(filled), '#').c_str(),
                     std::string(static_cast<std::size_t>(kBarWidth - filled), '.').c_str(),
                     percent, done, total);
        drawn_ = true;
    } else {
        std::fprintf(stream_, "%s: %d/%d (%d%%)\n", caption_.c_str(), done, total, percent);
    }
    std::fflush(stream_);
}

void TCliProgress::Close() {
    if (drawn_) {
        std::fputc('\n', stream_);
        std::fflush(stream_);
    }
    drawn_ = false;
    lastShown_ = -1;
    min_ = max_ = position_ = 0;
}

} // namespace vlm::cli
