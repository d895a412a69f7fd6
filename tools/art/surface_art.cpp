#include "surface_art.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace duskmoor::art {
namespace {

constexpr int kWorldPeriod = 4096;  // noise lattice period: never seen to repeat

// The ground's depth and a cell's half width for a distance from the horizon:
// the walls' own edges fix three rows, and between them both change smoothly.
class Projection {
  public:
    Projection(const ViewGeometry& view, bool ceiling) {
        const std::array<int, 3> half_widths = {(view.front[0][1][1].x - view.front[0][1][0].x),
                                                (view.front[1][2][1].x - view.front[1][2][0].x),
                                                (view.front[2][3][1].x - view.front[2][3][0].x)};
        for (int depth = 0; depth < 3; ++depth) {
            const int distance = ceiling ? view.horizon - view.top[depth] : view.bottom[depth] - view.horizon;
            log_distance_[depth] = std::log(static_cast<float>(std::max(distance, 1)));
            log_width_[depth] = std::log(half_widths[depth] / 2.0f);
        }
    }
    float Depth(float distance) const { return Along(distance, {1, 2, 3}); }
    float HalfCell(float distance) const { return std::exp(Along(distance, log_width_)); }

  private:
    // Piecewise linear in the logarithm of the distance, extended at both ends.
    float Along(float distance, const std::array<float, 3>& values) const {
        const float at = std::log(std::max(distance, 0.25f));
        const int segment = at > log_distance_[1] ? 0 : 1;
        const float t = (at - log_distance_[segment]) / (log_distance_[segment + 1] - log_distance_[segment]);
        return values[segment] + (values[segment + 1] - values[segment]) * t;
    }
    std::array<float, 3> log_distance_{};
    std::array<float, 3> log_width_{};
};

float Fog(float depth) {
    return std::clamp(1.12f * std::exp(-0.3f * (depth - 0.8f)), 0.12f, 1.15f);
}

Image PaintSurface(const ViewGeometry& view, SurfaceMaterial material, bool ceiling) {
    Image image(view.width, view.height);
    const Projection projection(view, ceiling);
    const int first = ceiling ? 0 : view.horizon;
    const int last = ceiling ? view.horizon : view.height;
    constexpr int kSamples = 4;
    for (int y = first; y < last; ++y) {
        for (int x = 0; x < view.width; ++x) {
            Colour sum;
            for (int sy = 0; sy < kSamples; ++sy) {
                const float py = y + (sy + 0.5f) / kSamples;
                const float distance = ceiling ? view.horizon - py + 1 : py - view.horizon;
                const float depth = projection.Depth(distance);
                const float half_cell = projection.HalfCell(distance);
                for (int sx = 0; sx < kSamples; ++sx) {
                    const float px = x + (sx + 0.5f) / kSamples;
                    const float across = (px - view.width / 2.0f) / (2 * half_cell);
                    sum = sum + material(across, depth) * Fog(depth);
                }
            }
            image.At(x, y) = sum * (1.0f / (kSamples * kSamples));
        }
    }
    return image;
}

float Noise(float u, float v, float cells_per_unit, uint32_t seed, int octaves = 4) {
    return TiledFbm(u * cells_per_unit + 1000, v * cells_per_unit + 1000, kWorldPeriod, kWorldPeriod, octaves,
                    seed);
}

// Stones laid in courses on the ground, `across` by `ahead` per cell.
Colour Paving(float u, float v, int across, int ahead, float joint, Colour stone, Colour mortar,
              float variation, uint32_t seed) {
    constexpr float kScale = 96;  // working units per cell
    const int width = static_cast<int>(kScale / across), height = static_cast<int>(kScale / ahead);
    const Courses courses{width, height, width * 64, 0.5f, joint};
    const float x = (u + 0.5f) * kScale + 64 * kScale, y = v * kScale;
    BrickHit brick = FindBrick(x, y, courses);
    const float wobble = (Noise(u, v, 12, seed + 9) - 0.5f) * 1.5f;
    brick.left += wobble;
    brick.right -= wobble;
    brick.top += wobble;
    brick.bottom -= wobble;
    const float grain = Noise(u, v, 24, seed + 1);
    if (brick.InMortar()) return mortar * (0.7f + 0.6f * grain);
    const float tone = 1 + variation * (Random01(brick.column, brick.row, seed + 2) * 2 - 1);
    return stone * (tone * BevelLight(brick, 4.0f) * (0.7f + 0.6f * grain));
}

}  // namespace

Image PaintFloor(const ViewGeometry& view, SurfaceMaterial material) {
    return PaintSurface(view, material, false);
}

Image PaintCeiling(const ViewGeometry& view, SurfaceMaterial material) {
    return PaintSurface(view, material, true);
}

Colour TownFloor(float u, float v) {
    const uint32_t seed = SeedOf("TownFlor");
    Colour colour = Paving(u, v, 3, 3, 1.1f, Rgb(132, 124, 110), Rgb(52, 50, 40), 0.16f, seed);
    // Worn paths and a little dirt between the stones.
    const float dirt = Noise(u, v, 2, seed + 5, 3);
    return Mix(colour, Rgb(96, 80, 58), std::clamp((dirt - 0.5f) * 1.5f, 0.0f, 0.5f));
}

Colour RizevozFloor(float u, float v) {
    const uint32_t seed = SeedOf("ResFlor");
    return Paving(u, v, 2, 2, 1.2f, Rgb(84, 72, 92), Rgb(22, 16, 26), 0.18f, seed);
}

Colour CaveFloor(float u, float v) {
    const uint32_t seed = SeedOf("CaveFlor");
    const float ground = Noise(u, v, 6, seed, 5);
    Colour colour = Mix(Rgb(70, 58, 46), Rgb(118, 100, 80), ground);
    // Pebbles scattered over the earth.
    const float pebble = Noise(u, v, 40, seed + 1, 2);
    if (pebble > 0.7f) colour = Mix(colour, Rgb(126, 118, 104), std::min(1.0f, (pebble - 0.7f) * 8));
    return colour * (0.75f + 0.5f * Noise(u, v, 20, seed + 2, 3));
}

Colour TrogFloor(float u, float v) {
    const uint32_t seed = SeedOf("TrogFlor");
    const float mud = Noise(u, v, 5, seed, 5);
    Colour colour = Mix(Rgb(62, 44, 26), Rgb(104, 78, 48), mud);
    // Puddles in the hollows catch a little light.
    if (mud < 0.36f) colour = Mix(Rgb(40, 34, 28), Rgb(92, 88, 84), (0.36f - mud) * 3);
    // Scattered straw.
    const float straw = std::abs(std::sin(u * 47 + v * 13 + Noise(u, v, 8, seed + 1) * 20));
    if (straw > 0.985f && Noise(u, v, 3, seed + 2) > 0.5f) colour = Rgb(176, 150, 82);
    return colour * (0.8f + 0.4f * Noise(u, v, 30, seed + 3, 2));
}

Colour TownCeiling(float u, float v) {
    const uint32_t seed = SeedOf("TownCeil");
    // Beams across the view at every cell edge, planks running ahead between them.
    const float beam = std::abs(v - std::round(v));
    const float grain = Noise(u * 4, v * 0.5f, 6, seed, 4);
    if (beam < 0.09f) {
        const float light = beam < 0.07f ? 1.0f : 0.55f;
        return Rgb(84, 56, 34) * (light * (0.7f + 0.5f * grain));
    }
    const float plank = (u + 10) * 4;
    const float seam = std::abs(plank - std::round(plank));
    if (seam < 0.05f) return Rgb(28, 18, 10);
    const float tone =
        0.85f + 0.3f * Random01(static_cast<int>(plank), static_cast<int>(std::floor(v)), seed + 1);
    return Rgb(124, 88, 54) * (tone * (0.6f + 0.6f * grain));
}

Colour GardenCeiling(float u, float v) {
    const uint32_t seed = SeedOf("Ceil1");
    const float leaves = Noise(u, v, 10, seed, 4);
    const float slat_u = std::abs((u + 10) * 3 - std::round((u + 10) * 3));
    const float slat_v = std::abs(v * 3 - std::round(v * 3));
    if (leaves > 0.52f) {
        const float shade = Noise(u, v, 40, seed + 1, 2);
        return Mix(Rgb(30, 70, 26), Rgb(80, 130, 50), shade) * (0.6f + 0.6f * leaves);
    }
    if (slat_u < 0.1f || slat_v < 0.1f) return Rgb(110, 80, 50) * (0.7f + 0.4f * Noise(u, v, 20, seed + 2));
    return Rgb(14, 20, 12);
}

Colour TempleCeiling(float u, float v) {
    const uint32_t seed = SeedOf("Ceil2");
    // Square coffers, two to a cell: a raised rib, a bevel, a recessed panel.
    const float cu = (u + 10.5f) * 2, cv = v * 2;
    const float fu = cu - std::floor(cu), fv = cv - std::floor(cv);
    const float edge = std::min(std::min(fu, 1 - fu), std::min(fv, 1 - fv));
    const Colour marble = Mix(Rgb(214, 208, 196), Rgb(232, 224, 212), Noise(u, v, 8, seed, 4));
    if (edge < 0.08f) return marble * 1.05f;
    if (edge < 0.16f) {
        const bool lit = std::min(fu, fv) < std::min(1 - fu, 1 - fv);
        return marble * (lit ? 0.85f : 0.55f);
    }
    // A gilded rosette in the middle of each coffer.
    const float centre = std::hypot(fu - 0.5f, fv - 0.5f);
    if (centre < 0.1f) return Rgb(196, 160, 70) * (1.1f - centre * 3);
    return marble * 0.72f;
}

Colour BarracksCeiling(float u, float v) {
    return Paving(u, v, 4, 3, 1.2f, Rgb(104, 102, 106), Rgb(30, 30, 34), 0.14f, SeedOf("Ceil3"));
}

Colour CryptCeiling(float u, float v) {
    const uint32_t seed = SeedOf("Ceil4");
    Colour colour = Paving(u, v, 2, 2, 1.4f, Rgb(86, 90, 80), Rgb(20, 22, 18), 0.2f, seed);
    // Damp streaks and patches of moss.
    const float damp = Noise(u, v, 3, seed + 7, 3);
    if (damp > 0.6f) colour = Mix(colour, Rgb(44, 66, 32), std::min(1.0f, (damp - 0.6f) * 4));
    return colour;
}

Colour RuinCeiling(float u, float v) {
    const uint32_t seed = SeedOf("Ceil5");
    Colour colour = Paving(u, v, 3, 2, 1.4f, Rgb(108, 98, 88), Rgb(30, 26, 22), 0.2f, seed);
    const float crack = std::abs(Noise(u, v, 3, seed + 3, 4) - 0.5f);
    if (crack < 0.01f) colour = Rgb(12, 10, 8);
    // Holes where the vault has fallen in, roots trailing through them.
    const float hole = Noise(u, v, 3, seed + 4, 3);
    if (hole > 0.74f) return Rgb(10, 9, 7);
    // Roots creeping across the stones from the holes.
    const float root = std::abs(Noise(u, v, 5, seed + 5, 4) - 0.5f);
    if (root < 0.008f && hole > 0.5f) return Rgb(92, 66, 42);
    return colour;
}

Colour RizevozCeiling(float u, float v) {
    return Paving(u, v, 3, 3, 1.2f, Rgb(70, 58, 80), Rgb(10, 8, 14), 0.16f, SeedOf("ResCeil"));
}

Colour CaveCeiling(float u, float v) {
    const uint32_t seed = SeedOf("CaveCeil");
    const float rock = Noise(u, v, 4, seed, 5);
    const float lumps = Noise(u, v, 16, seed + 1, 3);
    Colour colour = Mix(Rgb(52, 44, 38), Rgb(100, 86, 72), rock);
    // The tips of stalactites show as pale knots.
    if (lumps > 0.7f) colour = Mix(colour, Rgb(150, 138, 120), (lumps - 0.7f) * 3);
    return colour * (0.7f + 0.5f * lumps);
}

}  // namespace duskmoor::art
