#pragma once
// Small pictures of the toolbar commands, drawn by the program so that they
// look the same on every desktop and need no icon theme.

#include <QIcon>

#include <string>

namespace vlm {

// Null for a command without a picture of its own.
QIcon DrawnCommandIcon(const std::string& command);

} // namespace vlm
