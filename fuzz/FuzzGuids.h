#pragma once
// GUIDs counting up from 1, so that fuzz runs repeat exactly.

#include "common/SystemPorts.h"

#include <string>

namespace vlm::fuzz {

class CountingGuids : public GuidSource {
public:
    std::string NewGuid() override { return "{" + std::to_string(++n_) + "}"; }

private:
    unsigned long n_ = 0;
};

} // namespace vlm::fuzz
