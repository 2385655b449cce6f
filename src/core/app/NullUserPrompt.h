#pragma once
// A user prompt for runs nobody watches (benchmarks, fuzzing, checks):
// messages go nowhere and every question gets one fixed answer.

#include "app/UserPrompt.h"

namespace vlm {

class NullUserPrompt : public UserPrompt {
public:
    explicit NullUserPrompt(int answer = mrOK) : answer_(answer) {}

    int MessageBox(const std::string&, const std::string&, DialogType, ButtonSet,
                   const std::string& = {}, bool* = nullptr) override {
        return answer_;
    }
    int MessageDlg(const std::string&, DialogType, ButtonSet, int = 0) override { return answer_; }
    void ShowMessage(const std::string&) override {}

private:
    int answer_;
};

} // namespace vlm
