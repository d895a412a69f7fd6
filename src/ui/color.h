#pragma once
#include <cstdint>

namespace duskmoor {

struct Color {
    uint8_t r = 0, g = 0, b = 0, a = 255;
    constexpr bool operator==(const Color&) const = default;
    // Packed as 0xAARRGGBB, the pixel format of `Canvas` and `Bitmap`.
    constexpr uint32_t Packed() const {
        return (uint32_t(a) << 24) | (uint32_t(r) << 16) | (uint32_t(g) << 8) | uint32_t(b);
    }
    static constexpr Color FromPacked(uint32_t p) {
        return Color{uint8_t(p >> 16), uint8_t(p >> 8), uint8_t(p), uint8_t(p >> 24)};
    }
};

constexpr Color Rgb(uint8_t r, uint8_t g, uint8_t b) {
    return Color{r, g, b, 255};
}

namespace colors {
constexpr Color Black = Rgb(0, 0, 0);
constexpr Color White = Rgb(255, 255, 255);
constexpr Color Red = Rgb(255, 0, 0);
constexpr Color Backdrop = Rgb(0, 0, 65);
// The dark slate every screen of the game stands on.
constexpr Color Panel = Rgb(24, 22, 30);
constexpr Color Gold = Rgb(230, 200, 120);
}  // namespace colors

}  // namespace duskmoor
