#pragma once
// The tools of the wall painter: a floating-point picture, noise that repeats
// seamlessly across a tile, and the layout of bricks in courses. Everything is
// a pure function of its seed, so every build paints the same pictures.
#include <cstdint>
#include <string>
#include <vector>

namespace duskmoor::art {

struct Colour {
    float r = 0, g = 0, b = 0;
};

Colour operator+(Colour first, Colour second);
Colour operator*(Colour colour, float factor);
Colour Mix(Colour first, Colour second, float amount);
// A colour from 0..255 channels.
Colour Rgb(int r, int g, int b);

class Image {
  public:
    Image(int width, int height, Colour fill = {});
    int width() const { return width_; }
    int height() const { return height_; }
    Colour& At(int x, int y) { return pixels_[static_cast<size_t>(y) * width_ + x]; }
    const Colour& At(int x, int y) const { return pixels_[static_cast<size_t>(y) * width_ + x]; }

  private:
    int width_;
    int height_;
    std::vector<Colour> pixels_;
};

// A repeatable whole number for a lattice point and a seed.
uint32_t Hash(int x, int y, uint32_t seed);
// A repeatable value in [0, 1) for a lattice point and a seed.
float Random01(int x, int y, uint32_t seed);
// A seed for a name, so each picture has its own grain.
uint32_t SeedOf(const std::string& name);

// Smooth value noise in [0, 1) on a lattice that repeats every `period_x` by
// `period_y` cells; x and y are in lattice cells.
float TiledNoise(float x, float y, int period_x, int period_y, uint32_t seed);
// Several octaves of it, each twice as fine and half as strong; the periods
// double with the octaves so the sum still repeats.
float TiledFbm(float x, float y, int period_x, int period_y, int octaves, uint32_t seed);

// A brick course layout: which brick a pixel of the tile belongs to and how
// far it lies from that brick's edges (negative distances lie in the mortar).
struct Courses {
    int brick_width;
    int brick_height;
    int tile_width;   // a whole number of bricks
    float row_shift;  // each course shifts by this fraction of a brick
    float mortar;     // half the width of a mortar joint, in pixels
};
struct BrickHit {
    int row = 0;
    int column = 0;  // wrapped into the tile, so a brick split by its edge is one brick
    float left = 0, right = 0, top = 0, bottom = 0;  // distance to each edge, less the mortar
    bool InMortar() const { return left < 0 || right < 0 || top < 0 || bottom < 0; }
    float Inside() const;  // the distance to the nearest edge
};
BrickHit FindBrick(float x, float y, const Courses& courses);

// Light on a raised brick face: brighter near the top and left edges, darker
// near the bottom and right, over `bevel` pixels.
float BevelLight(const BrickHit& brick, float bevel);

// 24-bit BMP bytes, bottom row first.
std::vector<uint8_t> EncodeBmp(const Image& image);

}  // namespace duskmoor::art
