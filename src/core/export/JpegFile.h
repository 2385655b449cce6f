#pragma once
// JPEG pictures of rendered pages (the scenario report's screenshots).

#include "render/PageRenderer.h"

#include <filesystem>
#include <optional>
#include <string>

namespace vlm {

// The bitmap as a baseline JPEG with the encoder's default settings; nothing
// for an invalid bitmap.
std::optional<std::string> EncodeJpeg(const TRgbBitmap& bitmap);

// Encodes and writes, creating the folder. False when nothing was written.
bool WriteJpegFile(const std::filesystem::path& file, const TRgbBitmap& bitmap);

} // namespace vlm
