#pragma once
// The exception of the project file and the resource register.

#include <stdexcept>

namespace vlm {

class ETProjectError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace vlm
