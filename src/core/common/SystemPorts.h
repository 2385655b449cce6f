#pragma once
// Ports for the clock, the random generator and GUIDs, with the system
// implementations. Tests hand in fixed ones (tests/fakes).

#include <cstdint>
#include <string>

namespace vlm {

// A local date and time, as the program's date routines see it.
struct DateTime {
    int year = 1899, month = 12, day = 30;
    int hour = 0, minute = 0, second = 0, millisecond = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual DateTime Now() const = 0;
    // Milliseconds since an arbitrary fixed start (for timers).
    virtual std::uint64_t TickCount() const = 0;
};

class Random {
public:
    virtual ~Random() = default;
    // A number in 0 .. range - 1 (0 when range <= 0).
    virtual int Next(int range) = 0;
};

class GuidSource {
public:
    virtual ~GuidSource() = default;
    // A new GUID in the registry form: "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}", upper case.
    virtual std::string NewGuid() = 0;
};

class SystemClock : public Clock {
public:
    DateTime Now() const override;
    std::uint64_t TickCount() const override;
};

class SystemRandom : public Random {
public:
    SystemRandom();
    int Next(int range) override;

private:
    std::uint64_t state_;
};

class SystemGuidSource : public GuidSource {
public:
    std::string NewGuid() override;
};

} // namespace vlm
