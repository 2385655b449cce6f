#pragma once
// Fakes of the core's ports for tests: scripted answers and recorded calls.

#include "app/MemorySettingsStore.h"
#include "app/UserPrompt.h"
#include "common/Progress.h"
#include "common/SystemPorts.h"

#include <cstdio>
#include <deque>
#include <string>
#include <vector>

namespace vlm::test {

// Answers dialogs from a queue (default answer when empty) and records every call.
class FakeUserPrompt : public UserPrompt {
public:
    struct Call {
        std::string kind; // "MessageBox", "MessageDlg", "ShowMessage"
        std::string caption;
        std::string text;
        DialogType type = DialogType::Information;
        ButtonSet buttons = 0;
    };
    std::deque<int> answers;
    int defaultAnswer = mrOK;
    std::vector<Call> calls;

    int MessageBox(const std::string& caption, const std::string& text, DialogType type,
                   ButtonSet buttons, const std::string& = {}, bool* = nullptr) override {
        calls.push_back({"MessageBox", caption, text, type, buttons});
        return Next();
    }
    int MessageDlg(const std::string& text, DialogType type, ButtonSet buttons, int = 0) override {
        calls.push_back({"MessageDlg", {}, text, type, buttons});
        return Next();
    }
    void ShowMessage(const std::string& text) override {
        calls.push_back({"ShowMessage", {}, text, DialogType::Information, mbOK});
    }

private:
    int Next() {
        if (answers.empty())
            return defaultAnswer;
        int a = answers.front();
        answers.pop_front();
        return a;
    }
};

// Records every progress call as text ("max 5", "pos 0", "step", "close").
class RecordingProgress : public Progress {
public:
    std::vector<std::string> log;
    int max = 0, min = 0, position = 0;
    bool cancel = false;
    bool closed = false;
    void SetMax(int v) override {
        max = v;
        log.push_back("max " + std::to_string(v));
    }
    void SetMin(int v) override {
        min = v;
        log.push_back("min " + std::to_string(v));
    }
    void SetPosition(int v) override {
        position = v;
        log.push_back("pos " + std::to_string(v));
    }
    void Step() override {
        ++position;
        log.push_back("step");
    }
    void Close() override {
        closed = true;
        log.push_back("close");
    }
    bool Cancelled() const override { return cancel; }
};

class FixedClock : public Clock {
public:
    DateTime now{2024, 5, 17, 10, 30, 15, 0};
    std::uint64_t ticks = 1000;
    DateTime Now() const override { return now; }
    std::uint64_t TickCount() const override { return ticks; }
};

// Returns the scripted numbers in turn (each taken modulo the range), then 0.
class FixedRandom : public Random {
public:
    std::deque<int> values;
    int Next(int range) override {
        if (range <= 0)
            return 0;
        if (values.empty())
            return 0;
        int v = values.front();
        values.pop_front();
        return v % range;
    }
};

// GUIDs counting up from 1: {00000000-0000-0000-0000-000000000001}, ...
class FixedGuidSource : public GuidSource {
public:
    unsigned long long counter = 0;
    std::string NewGuid() override {
        char buf[40];
        std::snprintf(buf, sizeof buf, "{00000000-0000-0000-0000-%012llX}", ++counter);
        return buf;
    }
};

} // namespace vlm::test
