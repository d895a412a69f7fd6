#pragma once
// A decoded picture in 0xAARRGGBB pixels, top row first, and the 24-bit BMP
// files the game reads from `Art` and writes for snapshots.
#include <cstdint>
#include <string>
#include <vector>

namespace duskmoor {

struct Bitmap {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;  // width * height, row-major, top row first

    bool Empty() const { return width <= 0 || height <= 0; }
    uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// Decodes an uncompressed BMP (24 or 32 bits, bottom-up or top-down, and 8-bit
// palettes). Returns false, leaving `out` empty, for anything else or a damaged file.
bool DecodeBmp(const uint8_t* data, size_t size, Bitmap& out);
bool LoadBmpFile(const std::string& path, Bitmap& out);
std::vector<uint8_t> EncodeBmp24(const Bitmap& bitmap);
bool SaveBmp24(const std::string& path, const Bitmap& bitmap);

}  // namespace duskmoor
