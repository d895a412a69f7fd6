#include "texture.h"

#include <algorithm>
#include <cmath>

namespace duskmoor::art {

Colour operator+(Colour first, Colour second) {
    return {first.r + second.r, first.g + second.g, first.b + second.b};
}

Colour operator*(Colour colour, float factor) {
    return {colour.r * factor, colour.g * factor, colour.b * factor};
}

Colour Mix(Colour first, Colour second, float amount) {
    return first * (1 - amount) + second * amount;
}

Colour Rgb(int r, int g, int b) {
    return {r / 255.0f, g / 255.0f, b / 255.0f};
}

Image::Image(int width, int height, Colour fill)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height, fill) {}

uint32_t Hash(int x, int y, uint32_t seed) {
    uint32_t h =
        seed * 0x9E3779B9u ^ static_cast<uint32_t>(x) * 0x85EBCA6Bu ^ static_cast<uint32_t>(y) * 0xC2B2AE35u;
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
    return h;
}

float Random01(int x, int y, uint32_t seed) {
    return static_cast<float>(Hash(x, y, seed) >> 8) / 16777216.0f;
}

uint32_t SeedOf(const std::string& name) {
    uint32_t hash = 2166136261u;
    for (char letter : name) hash = (hash ^ static_cast<uint8_t>(letter)) * 16777619u;
    return hash;
}

namespace {

int Wrap(int value, int period) {
    const int wrapped = value % period;
    return wrapped < 0 ? wrapped + period : wrapped;
}

float Smooth(float t) {
    return t * t * (3 - 2 * t);
}

}  // namespace

float TiledNoise(float x, float y, int period_x, int period_y, uint32_t seed) {
    const float floor_x = std::floor(x), floor_y = std::floor(y);
    const int x0 = static_cast<int>(floor_x), y0 = static_cast<int>(floor_y);
    const float tx = Smooth(x - floor_x), ty = Smooth(y - floor_y);
    auto corner = [&](int dx, int dy) {
        return Random01(Wrap(x0 + dx, period_x), Wrap(y0 + dy, period_y), seed);
    };
    const float top = corner(0, 0) + (corner(1, 0) - corner(0, 0)) * tx;
    const float bottom = corner(0, 1) + (corner(1, 1) - corner(0, 1)) * tx;
    return top + (bottom - top) * ty;
}

float TiledFbm(float x, float y, int period_x, int period_y, int octaves, uint32_t seed) {
    float sum = 0, weight = 0.5f, total = 0;
    for (int octave = 0; octave < octaves; ++octave) {
        sum += TiledNoise(x, y, period_x, period_y, seed + 977u * octave) * weight;
        total += weight;
        x *= 2;
        y *= 2;
        period_x *= 2;
        period_y *= 2;
        weight *= 0.5f;
    }
    return sum / total;
}

float BrickHit::Inside() const {
    return std::min(std::min(left, right), std::min(top, bottom));
}

BrickHit FindBrick(float x, float y, const Courses& courses) {
    BrickHit hit;
    hit.row = static_cast<int>(std::floor(y / courses.brick_height));
    const float shift = courses.row_shift * courses.brick_width * hit.row;
    const float shifted = x + shift;
    const int column = static_cast<int>(std::floor(shifted / courses.brick_width));
    hit.column = Wrap(column, courses.tile_width / courses.brick_width);
    const float within_x = shifted - static_cast<float>(column) * courses.brick_width;
    const float within_y = y - static_cast<float>(hit.row) * courses.brick_height;
    hit.left = within_x - courses.mortar;
    hit.right = courses.brick_width - within_x - courses.mortar;
    hit.top = within_y - courses.mortar;
    hit.bottom = courses.brick_height - within_y - courses.mortar;
    return hit;
}

float BevelLight(const BrickHit& brick, float bevel) {
    float light = 1.0f;
    if (brick.top < bevel) light += 0.25f * (1 - brick.top / bevel);
    if (brick.left < bevel) light += 0.12f * (1 - brick.left / bevel);
    if (brick.bottom < bevel) light -= 0.30f * (1 - brick.bottom / bevel);
    if (brick.right < bevel) light -= 0.15f * (1 - brick.right / bevel);
    return light;
}

std::vector<uint8_t> EncodeBmp(const Image& image) {
    const int row_bytes = (image.width() * 3 + 3) & ~3;
    const uint32_t data_size = static_cast<uint32_t>(row_bytes) * image.height();
    const uint32_t file_size = 54 + data_size;
    std::vector<uint8_t> bytes(file_size, 0);
    auto put32 = [&](size_t at, uint32_t value) {
        for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
    };
    bytes[0] = 'B';
    bytes[1] = 'M';
    put32(2, file_size);
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<uint32_t>(image.width()));
    put32(22, static_cast<uint32_t>(image.height()));
    bytes[26] = 1;
    bytes[28] = 24;
    put32(34, data_size);
    put32(38, 2835);
    put32(42, 2835);
    auto channel = [](float value) {
        return static_cast<uint8_t>(std::clamp(std::lround(value * 255.0f), 0L, 255L));
    };
    for (int y = 0; y < image.height(); ++y) {
        uint8_t* row = bytes.data() + 54 + static_cast<size_t>(image.height() - 1 - y) * row_bytes;
        for (int x = 0; x < image.width(); ++x) {
            const Colour& pixel = image.At(x, y);
            row[3 * x] = channel(pixel.b);
            row[3 * x + 1] = channel(pixel.g);
            row[3 * x + 2] = channel(pixel.r);
        }
    }
    return bytes;
}

}  // namespace duskmoor::art
