#pragma once
// The port through which long operations report progress.

namespace vlm {

class Progress {
public:
    virtual ~Progress() = default;
    virtual void SetMax(int value) = 0;
    virtual void SetMin(int value) = 0;
    virtual void SetPosition(int value) = 0;
    virtual void Step() = 0; // position + 1
    virtual void Close() = 0;
    // True when the user asked to stop; operations check it between items.
    virtual bool Cancelled() const { return false; }
};

// A progress that shows nothing, for callers that do not care.
class NullProgress : public Progress {
public:
    void SetMax(int) override {}
    void SetMin(int) override {}
    void SetPosition(int) override {}
    void Step() override {}
    void Close() override {}
};

} // namespace vlm
