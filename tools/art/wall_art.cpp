#include "wall_art.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace duskmoor::art {
namespace {

constexpr int W = kWallTileWidth;
constexpr int H = kWallTileHeight;

using PixelPainter = std::function<Colour(float x, float y)>;

// Paints a tile with 2 x 2 samples per pixel; the painters are periodic in
// the tile, so the edges meet.
Image PaintTile(const PixelPainter& paint) {
    Image image(W, H);
    for (int y = 0; y < H; ++y) {
        for (int x = 0; x < W; ++x) {
            Colour sum;
            for (int sample = 0; sample < 4; ++sample) {
                sum = sum + paint(x + 0.25f + 0.5f * (sample % 2), y + 0.25f + 0.5f * (sample / 2));
            }
            image.At(x, y) = sum * 0.25f;
        }
    }
    return image;
}

// Noise over the whole tile with `cells` lattice cells across its width.
float Grain(float x, float y, int cells, uint32_t seed, int octaves = 4) {
    const float scale = static_cast<float>(cells) / W;
    return TiledFbm(x * scale, y * scale, cells, cells * H / W, octaves, seed);
}

// Per-brick variation in [-1, 1).
float BrickTone(const BrickHit& brick, uint32_t seed) {
    return Random01(brick.column, brick.row, seed) * 2 - 1;
}

Colour Masonry(float x, float y, const Courses& courses, Colour stone, Colour mortar, float variation,
               uint32_t seed) {
    // Irregular joints: the edges wander by a pixel or so.
    const float wobble = (Grain(x, y, 16, seed + 7) - 0.5f) * 2.2f;
    BrickHit brick = FindBrick(x, y, courses);
    brick.left += wobble;
    brick.right -= wobble;
    brick.top += wobble * 0.7f;
    brick.bottom -= wobble * 0.7f;
    const float grain = Grain(x, y, 32, seed + 1);
    if (brick.InMortar()) return mortar * (0.8f + 0.4f * grain);
    const float tone = 1 + variation * BrickTone(brick, seed + 2);
    const float speckle = 0.85f + 0.3f * Random01(static_cast<int>(x * 2), static_cast<int>(y * 2), seed + 3);
    const float stain = 0.8f + 0.4f * Grain(x, y, 4, seed + 4, 3);
    return stone * (tone * BevelLight(brick, 3.0f) * (0.75f + 0.5f * grain) * speckle * stain);
}

// A leaf of ivy: a small pointed oval on a grid of possible leaves.
bool IvyLeaf(float x, float y, uint32_t seed, float& shade) {
    constexpr int kCell = 8;
    const int cell_x = static_cast<int>(std::floor(x / kCell)),
              cell_y = static_cast<int>(std::floor(y / kCell));
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const int cx = cell_x + dx, cy = cell_y + dy;
            const int wrapped_x = (cx % (W / kCell) + W / kCell) % (W / kCell);
            const int wrapped_y = (cy % (H / kCell) + H / kCell) % (H / kCell);
            const float centre_x = cx * kCell + kCell * Random01(wrapped_x, wrapped_y, seed);
            const float centre_y = cy * kCell + kCell * Random01(wrapped_x, wrapped_y, seed + 1);
            const float angle = 6.2832f * Random01(wrapped_x, wrapped_y, seed + 2);
            const float ux = x - centre_x, uy = y - centre_y;
            const float along = ux * std::cos(angle) + uy * std::sin(angle);
            const float across = -ux * std::sin(angle) + uy * std::cos(angle);
            const float radius = 4.6f + 1.6f * Random01(wrapped_x, wrapped_y, seed + 3);
            const float width = radius * 0.6f * (1 - std::abs(along) / radius);
            if (std::abs(along) < radius && std::abs(across) < width) {
                shade = 0.65f + 0.5f * Random01(wrapped_x, wrapped_y, seed + 4) + 0.25f * (across / radius);
                return true;
            }
        }
    }
    return false;
}

}  // namespace

Image TownWall() {
    const uint32_t seed = SeedOf("TownWall");
    const Courses courses{32, 16, W, 0.5f, 1.0f};
    return PaintTile([&](float x, float y) {
        return Masonry(x, y, courses, Rgb(168, 152, 124), Rgb(72, 64, 54), 0.12f, seed);
    });
}

Image GardenWall() {
    const uint32_t seed = SeedOf("Wall1");
    const Courses courses{16, 8, W, 0.5f, 0.8f};
    return PaintTile([&](float x, float y) {
        // Where the ivy grows thick: large patches, thinning towards the top.
        const float growth = Grain(x, y, 4, seed + 10, 3) + 0.12f;
        float shade = 0;
        if (growth > 0.5f && IvyLeaf(x, y, seed + 11, shade)) {
            const Colour leaf =
                Mix(Rgb(34, 78, 30), Rgb(72, 120, 44), Random01(int(x / 6), int(y / 6), seed));
            return leaf * shade;
        }
        Colour brick = Masonry(x, y, courses, Rgb(150, 78, 56), Rgb(96, 90, 80), 0.15f, seed);
        // Shadow of the ivy on the bricks beside it.
        if (growth > 0.46f) brick = brick * 0.55f;
        return brick;
    });
}

Image TempleWall() {
    const uint32_t seed = SeedOf("Wall2");
    const Courses courses{64, 32, W, 0.5f, 0.6f};
    return PaintTile([&](float x, float y) {
        const BrickHit slab = FindBrick(x, y, courses);
        if (slab.InMortar()) return Rgb(120, 116, 110);
        const float turbulence = Grain(x, y, 8, seed + 1, 5);
        const float phase = (x / W + 2 * y / H) * 6.2832f + turbulence * 9.0f;
        const float vein = std::pow(1 - std::abs(std::sin(phase)), 12.0f);
        const float tone = 1 + 0.05f * BrickTone(slab, seed + 2);
        const Colour marble = Mix(Rgb(222, 218, 208), Rgb(236, 226, 214), Grain(x, y, 4, seed + 3, 3));
        const Colour veined = Mix(marble, Rgb(128, 124, 132), vein * 0.75f);
        return veined * (tone * (0.93f + 0.1f * turbulence) * BevelLight(slab, 2.0f));
    });
}

Image BarracksWall() {
    const uint32_t seed = SeedOf("Wall3");
    const Courses courses{42, 21, 126, 1.0f / 3.0f, 1.2f};
    // 42 x 21 blocks do not fill 128 x 64 exactly: lay them on a 126 x 63 grid
    // stretched a little so the tile still repeats.
    return PaintTile([&](float x, float y) {
        const float gx = x * 126.0f / W, gy = y * 63.0f / H;
        const float wobble = (Grain(x, y, 16, seed + 7) - 0.5f) * 3.0f;
        BrickHit block = FindBrick(gx, gy, courses);
        block.left += wobble;
        block.right -= wobble;
        block.top += wobble;
        block.bottom -= wobble;
        if (block.InMortar()) return Rgb(34, 34, 38) * (0.7f + 0.6f * Grain(x, y, 32, seed));
        const float fleck = Random01(static_cast<int>(x * 2), static_cast<int>(y * 2), seed + 3);
        Colour granite = Rgb(112, 110, 114) * (1 + 0.12f * BrickTone(block, seed + 2));
        if (fleck > 0.93f) granite = Rgb(170, 168, 166);
        if (fleck < 0.08f) granite = Rgb(48, 46, 50);
        const float rough = 0.7f + 0.6f * Grain(x, y, 16, seed + 5, 4);
        return granite * (rough * BevelLight(block, 4.0f));
    });
}

Image CryptWall() {
    const uint32_t seed = SeedOf("Wall4");
    // Rubble: each stone is the cell of the nearest of scattered points.
    constexpr int kCellsX = 8, kCellsY = 4;
    constexpr float kCellW = static_cast<float>(W) / kCellsX, kCellH = static_cast<float>(H) / kCellsY;
    return PaintTile([&](float x, float y) {
        const int cell_x = static_cast<int>(x / kCellW), cell_y = static_cast<int>(y / kCellH);
        float nearest = 1e9f, second = 1e9f;
        int stone = 0;
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                const int nx = cell_x + dx, ny = cell_y + dy;
                const int wx = (nx + kCellsX) % kCellsX, wy = (ny + kCellsY) % kCellsY;
                const float px = (nx + 0.15f + 0.7f * Random01(wx, wy, seed)) * kCellW;
                const float py = (ny + 0.15f + 0.7f * Random01(wx, wy, seed + 1)) * kCellH;
                const float distance = std::hypot((x - px) * 0.8f, y - py);
                if (distance < nearest) {
                    second = nearest;
                    nearest = distance;
                    stone = wy * kCellsX + wx;
                } else if (distance < second) {
                    second = distance;
                }
            }
        }
        const float edge = (second - nearest) * 0.5f;
        const float moss = Grain(x, y, 8, seed + 5, 3);
        if (edge < 1.4f) {
            return moss > 0.55f ? Rgb(44, 70, 30) * (0.8f + 0.4f * moss) : Rgb(28, 30, 26);
        }
        const float tone = 0.8f + 0.4f * Random01(stone, 0, seed + 2);
        const Colour rock = Mix(Rgb(112, 116, 100), Rgb(132, 124, 104), Random01(stone, 1, seed + 3));
        const float relief = std::min(1.0f, edge / 6.0f);
        const float light = 0.6f + 0.4f * relief;
        Colour colour = rock * (tone * light * (0.8f + 0.4f * Grain(x, y, 32, seed + 4)));
        if (moss > 0.62f) colour = Mix(colour, Rgb(60, 92, 38), std::min(1.0f, (moss - 0.62f) * 6));
        return colour;
    });
}

Image RuinWall() {
    const uint32_t seed = SeedOf("Wall5");
    const Courses courses{32, 16, W, 0.5f, 1.2f};
    return PaintTile([&](float x, float y) {
        Colour colour = Masonry(x, y, courses, Rgb(118, 108, 96), Rgb(40, 36, 32), 0.18f, seed);
        // Cracks: the thin valleys of a ridged noise.
        const float ridge = std::abs(Grain(x, y, 8, seed + 20, 4) - 0.5f);
        const bool cracked = Grain(x, y, 4, seed + 24, 2) > 0.5f;
        if (cracked && ridge < 0.007f) {
            colour = Rgb(22, 20, 18);
        } else if (cracked && ridge < 0.014f) {
            colour = colour * 0.6f;
        }
        // Broken-off corners: dark pits where the stone has crumbled away.
        const float crumble = Grain(x, y, 16, seed + 21, 3);
        if (crumble > 0.76f) colour = colour * 0.55f;
        // Moss creeping up from the joints and the damp patches.
        const float damp = Grain(x, y, 4, seed + 22, 3);
        const float moss = Grain(x, y, 32, seed + 23, 3);
        const float growth = damp + 0.35f * moss - 0.9f + 0.25f * (y / H);
        if (growth > 0)
            colour = Mix(colour, Rgb(58, 86, 36) * (0.7f + 0.6f * moss), std::min(0.85f, growth * 5));
        return colour;
    });
}

Image RizevozWall() {
    const uint32_t seed = SeedOf("ResWall");
    const Courses courses{32, 16, W, 0.5f, 1.5f};
    return PaintTile([&](float x, float y) {
        Colour colour = Masonry(x, y, courses, Rgb(96, 82, 108), Rgb(14, 10, 18), 0.16f, seed);
        // A damp sheen running down the stones.
        const float seep = TiledFbm(x / 4, y / 32, W / 4, H / 32, 3, seed + 30);
        if (seep > 0.62f) colour = Mix(colour, Rgb(60, 78, 70), 0.35f);
        return colour;
    });
}

Image CaveWall() {
    const uint32_t seed = SeedOf("CaveWall");
    auto height = [&](float x, float y) {
        const float fx = std::fmod(x + W, static_cast<float>(W)),
                    fy = std::fmod(y + H, static_cast<float>(H));
        return Grain(fx, fy, 4, seed, 4) + 0.15f * std::abs(Grain(fx, fy, 16, seed + 1, 2) - 0.5f);
    };
    return PaintTile([&](float x, float y) {
        // Light from the upper left on the rock's relief.
        const float slope_x = height(x + 1, y) - height(x - 1, y);
        const float slope_y = height(x, y + 1) - height(x, y - 1);
        const float light = std::clamp(0.95f - 7.0f * (slope_x + slope_y), 0.6f, 1.3f);
        const float strata = 0.5f + 0.5f * std::sin((y / H) * 6.2832f * 3 + Grain(x, y, 4, seed + 2) * 4);
        const Colour rock = Mix(Rgb(104, 88, 72), Rgb(128, 116, 98), strata);
        const float depth = 0.75f + 0.35f * height(x, y);
        return rock * (light * depth);
    });
}

Image TrogWall() {
    const uint32_t seed = SeedOf("TrogWall");
    constexpr int kLog = 16;
    return PaintTile([&](float x, float y) {
        const int log = static_cast<int>(x / kLog) % (W / kLog);
        const float across = (x - log * kLog) / kLog;  // 0..1 over the log
        const float wobble = 0.06f * (Grain(x, y, 8, seed + log) - 0.5f);
        const float edge = std::min(across, 1 - across) + wobble;
        if (edge < 0.07f) {
            // Mud daubed into the gaps.
            return Rgb(70, 50, 30) * (0.5f + 0.6f * Grain(x, y, 32, seed + 40));
        }
        const float round = std::sqrt(std::max(0.0f, 1 - std::pow(2 * across - 1, 2.0f)));
        const float bark = TiledFbm(x / 2, y / 16, W / 2, H / 16, 3, seed + 41);
        Colour wood = Mix(Rgb(92, 64, 40), Rgb(128, 94, 60), Random01(log, 0, seed + 42));
        wood = wood * ((0.45f + 0.75f * round) * (0.7f + 0.5f * bark));
        // Rope lashings binding the logs together.
        const float band = std::abs(y - (20 + 6 * Random01(log, 1, seed + 43)));
        if (band < 3) {
            const float twist = 0.75f + 0.35f * std::sin((x + y) * 1.6f);
            return Rgb(150, 126, 80) * (twist * (0.5f + 0.6f * round));
        }
        return wood;
    });
}

}  // namespace duskmoor::art
