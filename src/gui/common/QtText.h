#pragma once
// The core's cp1250 text at the Qt boundary.

#include "common/Encoding.h"

#include <QString>

#include <string>

namespace vlm {

inline QString ToQt(const std::string& cp1250) {
    return QString::fromStdString(Cp1250ToUtf8(cp1250));
}

inline std::string FromQt(const QString& text) {
    return Utf8ToCp1250(text.toStdString());
}

} // namespace vlm
