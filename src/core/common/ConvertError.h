#pragma once
// The error raised by the text decoders for input they cannot convert.

#include <stdexcept>

namespace vlm {

class ConvertError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace vlm
