#include "opening_art.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace duskmoor::art {
namespace {

// A point of an opening: u across from its near (outer) edge to its far one,
// or left to right on a front face; v from top to bottom; and the opening's
// size in pixels, so round things stay round.
struct OpeningPoint {
    float u, v;
    float width, height;
};
using OpeningPainter = std::function<Colour(const OpeningPoint&)>;

// An opening with upright left and right edges, as every door of the view has.
struct Upright {
    float left, right;
    float top_left, bottom_left, top_right, bottom_right;
    bool mirrored;  // the near edge is on the right (doors in the right-hand wall)
};

Upright UprightOf(const Quad& quad, bool mirrored) {
    Upright shape{1e9f, -1e9f, 1e9f, -1e9f, 1e9f, -1e9f, mirrored};
    for (const Point& point : quad) {
        shape.left = std::min(shape.left, static_cast<float>(point.x));
        shape.right = std::max(shape.right, static_cast<float>(point.x));
    }
    for (const Point& point : quad) {
        const float y = static_cast<float>(point.y);
        if (point.x == shape.left) {
            shape.top_left = std::min(shape.top_left, y);
            shape.bottom_left = std::max(shape.bottom_left, y);
        } else {
            shape.top_right = std::min(shape.top_right, y);
            shape.bottom_right = std::max(shape.bottom_right, y);
        }
    }
    return shape;
}

// Paints the opening with 3 x 3 samples a pixel, a pixel beyond its edges so
// the black rim the view draws falls on door and not on the pattern between.
void PaintOpening(Image& image, const Upright& shape, const OpeningPainter& paint) {
    const float width = shape.right - shape.left;
    const float height = std::max(shape.bottom_left - shape.top_left, shape.bottom_right - shape.top_right);
    const int first_x = std::max(0, static_cast<int>(shape.left) - 1);
    const int last_x = std::min(image.width() - 1, static_cast<int>(shape.right) + 1);
    for (int x = first_x; x <= last_x; ++x) {
        for (int y = 0; y < image.height(); ++y) {
            Colour sum;
            int inside = 0;
            for (int sample = 0; sample < 9; ++sample) {
                const float px = x + (sample % 3 + 0.5f) / 3, py = y + (sample / 3 + 0.5f) / 3;
                const float t = std::clamp((px - shape.left) / width, 0.0f, 1.0f);
                const float top = shape.top_left + (shape.top_right - shape.top_left) * t;
                const float bottom = shape.bottom_left + (shape.bottom_right - shape.bottom_left) * t;
                if (py < top - 1.5f || py > bottom + 1.5f) continue;
                const float v = std::clamp((py - top) / (bottom - top), 0.0f, 1.0f);
                sum = sum + paint({shape.mirrored ? 1 - t : t, v, width, height});
                ++inside;
            }
            if (inside == 9) image.At(x, y) = sum * (1.0f / 9);
        }
    }
}

// Every opening, far ones first, so that where a nearer opening overlaps a
// farther one it keeps its own picture, as it would cover the other in view.
void PaintEveryOpening(Image& image, const ViewGeometry& view, const OpeningPainter& paint) {
    for (int depth = kViewDepths - 1; depth >= 0; --depth) {
        for (int slot = 0; slot < kViewSlots; ++slot) {
            if (view.has_front_door[depth][slot])
                PaintOpening(image, UprightOf(view.front_door[depth][slot], false), paint);
        }
        for (int slot = 0; slot < kViewSlots; ++slot) {
            if (!view.has_side[depth][slot]) continue;
            const Quad& quad = view.side_door[depth][slot];
            // A door in a right-hand wall has its near edge, the taller one, on the right.
            const bool right_hand = quad[0].x > view.width / 2;
            PaintOpening(image, UprightOf(quad, right_hand), paint);
        }
    }
}

struct DoorStyle {
    Colour wood_light, wood_dark, iron, frame;
    int planks;
    float bands[3];
    int band_count;
    bool rope_bands;   // lashings instead of iron
    bool spikes;       // iron bands set with spikes
    bool studs;        // iron studs all over
    bool ring;         // a ring pull
    Colour seam_glow;  // what shows between the planks
    uint32_t seed;
};

DoorStyle StyleOf(DoorKind kind) {
    switch (kind) {
        case DoorKind::Lair:
            return {Rgb(70, 36, 34),
                    Rgb(34, 18, 18),
                    Rgb(40, 38, 42),
                    Rgb(24, 14, 14),
                    4,
                    {0.14f, 0.5f, 0.86f},
                    3,
                    false,
                    true,
                    true,
                    true,
                    Rgb(150, 24, 8),
                    SeedOf("DoorLair")};
        case DoorKind::Rizevoz:
            return {Rgb(92, 86, 102),
                    Rgb(52, 46, 60),
                    Rgb(36, 32, 42),
                    Rgb(30, 26, 34),
                    3,
                    {0.12f, 0.5f, 0.88f},
                    3,
                    false,
                    false,
                    true,
                    true,
                    Rgb(10, 8, 12),
                    SeedOf("DoorRes")};
        case DoorKind::Troglodyte:
            return {Rgb(124, 96, 62),
                    Rgb(70, 50, 30),
                    Rgb(60, 40, 24),
                    Rgb(48, 34, 20),
                    7,
                    {0.2f, 0.75f, 0},
                    2,
                    true,
                    false,
                    false,
                    false,
                    Rgb(20, 14, 8),
                    SeedOf("DoorTrog")};
        case DoorKind::Town:
        default:
            return {Rgb(150, 100, 56),
                    Rgb(96, 60, 32),
                    Rgb(58, 58, 64),
                    Rgb(62, 42, 26),
                    5,
                    {0.2f, 0.76f, 0},
                    2,
                    false,
                    false,
                    false,
                    true,
                    Rgb(24, 14, 8),
                    SeedOf("DoorRaz")};
    }
}

Colour Planks(const DoorStyle& style, float u, float v, float width, float height) {
    const float position = u * style.planks;
    const int plank = std::min(style.planks - 1, static_cast<int>(position));
    const float within = position - plank;
    const float seam = std::min(within, 1 - within) * width / style.planks;
    if (seam < 0.6f) return style.seam_glow;
    const float grain = TiledFbm(u * 40 + plank * 7.3f, v * 3, 4096, 4096, 4, style.seed);
    const float knot = TiledFbm(u * 90, v * 30, 4096, 4096, 2, style.seed + 1);
    Colour wood = Mix(style.wood_dark, style.wood_light, 0.35f + 0.5f * grain);
    wood = wood * (0.85f + 0.3f * Random01(plank, 0, style.seed + 2));
    if (knot > 0.72f) wood = wood * 0.7f;
    // Each plank is rounded a little: its edges fall into shadow.
    const float rounded = std::min(1.0f, seam / std::max(1.0f, width / style.planks * 0.2f));
    (void)height;
    return wood * (0.7f + 0.3f * rounded);
}

Colour Iron(const DoorStyle& style, float light) {
    return style.iron * light;
}

Colour PaintDoor(const DoorStyle& style, const OpeningPoint& p) {
    const float px = p.u * p.width, py = p.v * p.height;  // pixels from the top-left
    const float unit = std::max(p.height, 8.0f) / 100;    // one hundredth of the door's height
    // The frame: a heavy jamb and lintel.
    const float frame = std::max(1.0f, 4.5f * unit);
    if (px < frame || p.width - px < frame || py < frame) {
        const float edge = std::min(std::min(px, p.width - px), py) / frame;
        return style.frame * (0.7f + 0.5f * edge);
    }
    Colour colour = Planks(style, p.u, p.v, p.width, p.height);
    // Bands across the planks, with a bolt head on each plank.
    const float band_half = std::max(0.8f, 3.0f * unit);
    for (int band = 0; band < style.band_count; ++band) {
        const float centre = style.bands[band] * p.height;
        const float off = py - centre;
        if (std::abs(off) < band_half) {
            if (style.rope_bands) {
                const float twist = 0.7f + 0.35f * std::sin((px + py) * 2.5f / std::max(unit, 0.5f));
                colour = Rgb(156, 128, 80) * twist;
            } else {
                colour = Iron(style, 1.0f - 0.45f * off / band_half);
                const float plank_width = p.width / style.planks;
                const float bolt_x = std::fmod(px, plank_width) - plank_width / 2;
                if (std::hypot(bolt_x, off) < band_half * 0.55f) colour = Iron(style, 1.9f);
            }
        } else if (style.spikes && off > band_half && off < band_half * 3.2f) {
            // Spikes hang from the lair door's bands.
            const float plank_width = p.width / style.planks;
            const float spike_x =
                std::abs(std::fmod(px + plank_width / 4, plank_width / 2) - plank_width / 4);
            const float spike_reach = (band_half * 3.2f - off) / (band_half * 2.2f) * plank_width * 0.12f;
            if (spike_x < spike_reach) colour = Iron(style, 1.2f + spike_x / std::max(spike_reach, 0.1f));
        }
    }
    if (style.studs) {
        const float step = std::max(3.0f, 10.0f * unit);
        const float sx = std::fmod(px, step) - step / 2, sy = std::fmod(py, step) - step / 2;
        if (std::hypot(sx, sy) < step * 0.16f) colour = Iron(style, 1.6f - sy / step * 2);
    }
    if (style.ring) {
        // A ring pull on a round plate, on the latch side.
        const float ring_x = p.width * 0.8f, ring_y = p.height * 0.52f;
        const float radius = std::max(1.5f, 7.0f * unit);
        const float distance = std::hypot(px - ring_x, py - ring_y - radius * 0.6f);
        const float plate = std::hypot(px - ring_x, py - ring_y);
        if (std::abs(distance - radius) < std::max(0.7f, radius * 0.22f)) {
            colour = Iron(style, 1.5f - (py - ring_y) / (radius * 3));
        } else if (plate < radius * 0.55f) {
            colour = Iron(style, 1.1f);
        }
    }
    // Light falls from above; the foot of the door is in shadow.
    return colour * (1.05f - 0.3f * p.v);
}

Colour PlankBackground(const DoorStyle& style, int x, int y) {
    // Planks 16 pixels wide across a 64-pixel repeat.
    const float u = (x % 64) / 64.0f;
    DoorStyle plain = style;
    plain.planks = 4;
    return Planks(plain, u, (y % 64) / 64.0f, 64, 64);
}

// The mouth of a passage: rough stone round a hole falling away into black.
Colour PaintTunnel(const OpeningPoint& p) {
    const uint32_t seed = SeedOf("Tunnel");
    const float px = p.u * p.width, py = p.v * p.height;
    const float smaller = std::min(p.width, p.height);
    const float edge = std::min(std::min(px, p.width - px), py);
    const float rim = std::max(2.0f, 0.16f * smaller);
    const float rough = TiledFbm(px / 6, py / 6, 4096, 4096, 4, seed);
    if (edge < rim * (0.8f + 0.4f * rough)) {
        const float block = Random01(static_cast<int>(px / std::max(2.0f, rim)),
                                     static_cast<int>(py / std::max(2.0f, rim)), seed + 1);
        const Colour stone = Mix(Rgb(82, 86, 44), Rgb(110, 112, 70), block);
        return stone * (0.55f + 0.6f * rough) * (1.1f - 0.4f * edge / rim);
    }
    // Inside, the walls of the passage catch less and less light.
    const float inward = (edge - rim) / std::max(1.0f, smaller * 0.3f);
    const float light = 0.45f * std::exp(-3.0f * inward);
    const Colour wet = Mix(Rgb(60, 62, 40), Rgb(90, 92, 66), rough);
    return wet * (light * (0.7f + 0.6f * rough));
}

}  // namespace

Image PaintDoors(const ViewGeometry& view, DoorKind kind) {
    const DoorStyle style = StyleOf(kind);
    Image image(view.width, view.height);
    for (int y = 0; y < view.height; ++y) {
        for (int x = 0; x < view.width; ++x) image.At(x, y) = PlankBackground(style, x, y);
    }
    PaintEveryOpening(image, view, [&](const OpeningPoint& point) { return PaintDoor(style, point); });
    return image;
}

Image PaintTunnels(const ViewGeometry& view) {
    Image image(view.width, view.height);
    const uint32_t seed = SeedOf("TunnelRock");
    for (int y = 0; y < view.height; ++y) {
        for (int x = 0; x < view.width; ++x) {
            image.At(x, y) =
                Rgb(40, 40, 26) * (0.3f + 0.5f * TiledFbm(x / 8.0f, y / 8.0f, 4096, 4096, 3, seed));
        }
    }
    PaintEveryOpening(image, view, PaintTunnel);
    return image;
}

}  // namespace duskmoor::art
