// Times the first-person view: 19 overlapping textured walls of a corridor on
// the 445 x 329 view, against one solid clear of the same canvas.
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

#include "bench_timing.h"
#include "ui/canvas.h"

namespace {

using duskmoor::Point;
using Quad = std::array<Point, 4>;

constexpr int kViewWidth = 445;
constexpr int kViewHeight = 329;

Quad Box(int left, int top, int right, int bottom) {
    return {Point{left, top}, Point{right, top}, Point{right, bottom}, Point{left, bottom}};
}

// Far walls first, as the view paints them. Each depth has its front faces
// (the walls straight ahead and beside) and the side walls leading to it.
std::vector<Quad> CorridorWalls() {
    return {
        // Depth 3: fronts 42 wide at rows 148-181, and the sides leading to them.
        Box(159, 148, 201, 181),
        Box(201, 148, 243, 181),
        Box(243, 148, 285, 181),
        Quad{Point{160, 115}, Point{201, 148}, Point{201, 181}, Point{160, 214}},
        Quad{Point{243, 148}, Point{285, 115}, Point{285, 214}, Point{243, 181}},
        // Depth 2: fronts 125 wide at rows 115-214.
        Box(-90, 115, 35, 214),
        Box(35, 115, 160, 214),
        Box(160, 115, 285, 214),
        Box(285, 115, 410, 214),
        Box(410, 115, 535, 214),
        Quad{Point{58, 33}, Point{160, 115}, Point{160, 214}, Point{58, 296}},
        Quad{Point{285, 115}, Point{387, 33}, Point{387, 296}, Point{285, 214}},
        // Depth 1: fronts 329 wide at rows 33-296.
        Box(-271, 33, 58, 296),
        Box(58, 33, 387, 296),
        Box(387, 33, 716, 296),
        // The walls beside the party reach past the top and bottom of the view.
        Quad{Point{0, -20}, Point{58, 33}, Point{58, 296}, Point{0, 349}},
        Quad{Point{387, 33}, Point{445, -20}, Point{445, 349}, Point{387, 296}},
        // A door frame and a lintel drawn over the front wall.
        Box(120, 60, 325, 296),
        Box(140, 80, 305, 296),
    };
}

duskmoor::Bitmap BrickPattern() {
    duskmoor::Bitmap pattern{64, 64, {}};
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            const bool mortar = y % 16 == 0 || (x + (y / 16 % 2) * 16) % 32 == 0;
            pattern.pixels.push_back(mortar ? 0xFF808080u
                                            : 0xFF000000u | uint32_t((x * 3 + y * 5) % 64 + 120) << 16);
        }
    }
    return pattern;
}

}  // namespace

int main() {
    duskmoor::Canvas canvas(kViewWidth, kViewHeight);
    const duskmoor::Bitmap pattern = BrickPattern();
    const std::vector<Quad> walls = CorridorWalls();
    uint32_t checksum = 0;
    const auto frame = [&] {
        for (const Quad& wall : walls) canvas.FillPolygonTiled(wall, pattern);
        checksum += canvas.PixelAt(200, 160);
    };
    const auto clear = [&] {
        canvas.Clear(duskmoor::colors::Backdrop);
        checksum += canvas.PixelAt(200, 160);
    };
    frame();  // warm the caches
    const double frame_time = duskmoor::MedianMicroseconds(frame, 101, 20);
    const double clear_time = duskmoor::MedianMicroseconds(clear, 101, 20);
    std::printf("%zu textured walls: %.1f us per frame (median)\n", walls.size(), frame_time);
    std::printf("one solid clear: %.1f us\n", clear_time);
    std::printf("ratio: %.2f (checksum %u)\n", frame_time / clear_time, checksum);
    return 0;
}
