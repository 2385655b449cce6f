#include "common/SystemPorts.h"

#include <chrono>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <random>

namespace vlm {

DateTime SystemClock::Now() const {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t t = system_clock::to_time_t(now);
    std::tm tm{};
    localtime_r(&t, &tm);
    DateTime d;
    d.year = tm.tm_year + 1900;
    d.month = tm.tm_mon + 1;
    d.day = tm.tm_mday;
    d.hour = tm.tm_hour;
    d.minute = tm.tm_min;
    d.second = tm.tm_sec;
    d.millisecond =
        static_cast<int>(duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000);
    return d;
}

std::uint64_t SystemClock::TickCount() const {
    using namespace std::chrono;
    return static_cast<std::uint64_t>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

SystemRandom::SystemRandom() : state_(std::random_device{}()) {
    state_ = (state_ << 32) ^ std::random_device{}();
}

int SystemRandom::Next(int range) {
    if (range <= 0)
        return 0;
    // splitmix64: small, fast and good enough for names and stamps.
    state_ += 0x9E3779B97F4A7C15ull;
    std::uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    z ^= z >> 31;
    return static_cast<int>(z % static_cast<std::uint64_t>(range));
}

std::string SystemGuidSource::NewGuid() {
    unsigned char b[16];
    std::ifstream urandom("/dev/urandom", std::ios::binary);
    if (!urandom.read(reinterpret_cast<char*>(b), sizeof b)) {
        std::random_device rd;
        for (auto& c : b)
            c = static_cast<unsigned char>(rd());
    }
    b[6] = static_cast<unsigned char>((b[6] & 0x0F) | 0x40); // version 4
    b[8] = static_cast<unsigned char>((b[8] & 0x3F) | 0x80); // variant 1
    char out[39];
    std::snprintf(out, sizeof out,
                  "{%02X%02X%02X%02X-%02X%02X-%02X%02X-%02X%02X-%02X%02X%02X%02X%02X%02X}", b[0],
                  b[1], b[2], b[3], b[4], b[5], b[6], b[7], b[8], b[9], b[10], b[11], b[12], b[13],
                  b[14], b[15]);
    return out;
}

} // namespace vlm
