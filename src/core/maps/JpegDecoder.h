#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels; // width * height * 3 bytes, rows top to bottom
};

// Decodes a JPEG picture with libjpeg. Broken data throws BrennickError.
RgbImage DecodeJpeg(std::string_view bytes);
