#pragma once
// Surfaces written as PNG files (headless frames, printing) and read back
// (tests compare what was written).
#include <filesystem>
#include <optional>

#include "platform/gfx/surface.h"

namespace platform::gfx {

// Writes an 8-bit RGB PNG; false when the file cannot be written.
bool WritePng(const Surface& s, const std::filesystem::path& file);

// Reads an 8-bit RGB or RGBA PNG (alpha dropped); nothing on any failure.
std::optional<Surface> ReadPng(const std::filesystem::path& file);

}  // namespace platform::gfx
