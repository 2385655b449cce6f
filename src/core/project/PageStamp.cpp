#include "project/PageStamp.h"

#include <cstdio>

namespace vlm {

namespace {

constexpr int kStampNumbers = 1000;
// Draws before searching for a free number in order.
constexpr int kRandomDraws = 16;

std::string Stamp(const std::string& time, int number) {
    const std::string x = time + std::to_string(number);
    return "id_" + x + "_" + x;
}

} // namespace

std::string StampTime(const DateTime& t) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02d%02d%02d%02d%02d%02d", ((t.year % 100) + 100) % 100,
                  t.month % 100, t.day % 100, t.hour % 100, t.minute % 100, t.second % 100);
    return buf;
}

std::string NewStamp(const Clock& clock, Random& random, const StampTaken& taken) {
    const std::string time = StampTime(clock.Now());
    std::string stamp = Stamp(time, random.Next(kStampNumbers));
    if (!taken)
        return stamp;
    for (int i = 0; i < kRandomDraws && taken(stamp); ++i)
        stamp = Stamp(time, random.Next(kStampNumbers));
    for (int n = 0; n < kStampNumbers && taken(stamp); ++n)
        stamp = Stamp(time, n);
    return stamp;
}

std::string TouchStamp(const std::string& stamp, const Clock& clock, Random& random) {
    if (stamp.empty())
        return NewStamp(clock, random);
    const std::string rest = stamp.size() > 3 ? stamp.substr(3) : std::string();
    const std::string creation = rest.substr(0, rest.find('_'));
    return "id_" + creation + "_" + StampTime(clock.Now());
}

} // namespace vlm
