#pragma once
// Page identifiers: "id_" + creation part + "_" + change part.

#include "common/SystemPorts.h"

#include <functional>
#include <string>

namespace vlm {

// "yymmddhhnnss".
std::string StampTime(const DateTime& time);

// Tells whether a stamp is already in use.
using StampTaken = std::function<bool(const std::string& stamp)>;

// "id_" + X + "_" + X, X the current time followed by a number 0..999. Two
// stamps made within one second would share the time, so a number whose stamp
// `taken` reports is drawn again and, failing that, searched for; pages must
// keep distinct identifiers.
std::string NewStamp(const Clock& clock, Random& random, const StampTaken& taken = {});

// The stamp with its change part replaced by the current time; a new stamp
// for an empty one.
std::string TouchStamp(const std::string& stamp, const Clock& clock, Random& random);

} // namespace vlm
