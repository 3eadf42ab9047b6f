#pragma once
// Writes a picture as a PNG file (8-bit RGB, stored deflate blocks): the
// headless backend's frames need nothing smaller or cleverer.
#include <cstdint>
#include <filesystem>
#include <vector>

#include "platform/window/picture.h"

namespace platform::win {

std::vector<uint8_t> EncodePng(const Picture& picture);
bool WritePngFile(const std::filesystem::path& path, const Picture& picture);

}  // namespace platform::win
