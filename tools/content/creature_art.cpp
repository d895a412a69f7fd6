#include "creature_art.h"

#include <algorithm>
#include <cmath>

#include "button_art.h"

namespace duskmoor::content {
namespace {

constexpr int kInset = 6;  // the bronze rim and groove of the plate

// A scene drawn over the whole picture, set into a bronze-rimmed plate: only
// what falls inside the rim shows, as through a niche in the wall.
Raster Framed(const Raster& scene, uint32_t seed) {
    Raster picture = ButtonPlate(scene.Width(), scene.Height(), seed);
    for (int y = kInset; y < scene.Height() - kInset; ++y)
        for (int x = kInset; x < scene.Width() - kInset; ++x) {
            // The niche's upper edge throws a shadow inwards.
            const double shadow = y < kInset + 3 ? 0.6 + 0.13 * (y - kInset) : 1.0;
            picture.Set(x, y, Shade(scene.Get(x, y), shadow));
        }
    return picture;
}

Raster Backdrop(int width, int height, const Paint& paint) {
    Raster scene(width, height, Rgba{0, 0, 0, 255});
    scene.Fill(Box(0, 0, width, height), paint);
    return scene;
}

Paint NightSky(int height) {
    return Vertical(Rgba{14, 16, 40, 255}, Rgba{46, 34, 58, 255}, kInset, height - kInset);
}

void Eyes(Raster& layer, Point left, Point right, double size, Rgba glow) {
    for (Point eye : {left, right}) {
        layer.Fill(Circle(eye, size * 2.4),
                   Radial(Rgba{glow.r, glow.g, glow.b, 120}, Rgba{glow.r, 0, 0, 0}, eye, size * 2.4));
        layer.Fill(Ellipse(eye, size, size * 0.6), Rgba{255, 240, 170, 255});
    }
}

void Stars(Raster& picture, uint32_t seed) {
    for (int y = kInset + 2; y < picture.Height() / 2; ++y)
        for (int x = kInset + 2; x < picture.Width() - kInset - 2; ++x)
            if (Noise(x, y, seed) > 0.985)
                picture.Blend(x, y, Rgba{230, 230, 255, 255}, Noise(x, y, seed + 5));
}

}  // namespace

Raster MonsterPortrait(int width, int height) {
    const double w = width, h = height;
    Raster picture = Backdrop(
        width, height, Radial(Rgba{120, 64, 24, 255}, Rgba{20, 12, 10, 255}, {w * 0.5, h * 0.35}, h * 0.8));
    Raster beast(width, height);
    const Rgba hide{70, 92, 58, 255}, hide_dark{38, 52, 32, 255};
    const Paint body = Vertical(hide, hide_dark, h * 0.3, h);
    // Shoulders and arms, then the head with its horns.
    beast.Fill(Ellipse({w * 0.5, h * 0.86}, w * 0.38, h * 0.32), body);
    beast.Fill(Capsule({w * 0.2, h * 0.7}, {w * 0.12, h * 0.95}, w * 0.08), body);
    beast.Fill(Capsule({w * 0.8, h * 0.7}, {w * 0.88, h * 0.95}, w * 0.08), body);
    beast.Fill(Ellipse({w * 0.5, h * 0.46}, w * 0.17, h * 0.2),
               Vertical(Rgba{92, 116, 74, 255}, hide, h * 0.3, h * 0.6));
    const Rgba horn{222, 208, 170, 255};
    beast.Fill(
        Polygon({{w * 0.38, h * 0.36}, {w * 0.22, h * 0.14}, {w * 0.3, h * 0.16}, {w * 0.43, h * 0.31}}),
        horn);
    beast.Fill(
        Polygon({{w * 0.62, h * 0.36}, {w * 0.78, h * 0.14}, {w * 0.7, h * 0.16}, {w * 0.57, h * 0.31}}),
        horn);
    // A heavy brow over the eyes, and a jaw with two tusks.
    beast.Fill(Box(w * 0.36, h * 0.4, w * 0.64, h * 0.43), hide_dark);
    Eyes(beast, {w * 0.43, h * 0.45}, {w * 0.57, h * 0.45}, w * 0.025, Rgba{255, 60, 20, 255});
    beast.Fill(Ellipse({w * 0.5, h * 0.58}, w * 0.09, h * 0.04), Rgba{30, 12, 10, 255});
    beast.Fill(Polygon({{w * 0.45, h * 0.59}, {w * 0.47, h * 0.52}, {w * 0.48, h * 0.59}}), horn);
    beast.Fill(Polygon({{w * 0.55, h * 0.59}, {w * 0.53, h * 0.52}, {w * 0.52, h * 0.59}}), horn);
    // Claws.
    for (double x : {0.08, 0.12, 0.16, 0.84, 0.88, 0.92})
        beast.Fill(Polygon({{w * x - 2, h * 0.93}, {w * x, h * 0.99}, {w * x + 2, h * 0.93}}), horn);
    Stamp(picture, beast);
    return Framed(picture, 41);
}

Raster VampirePortrait(int width, int height) {
    const double w = width, h = height;
    Raster picture = Backdrop(width, height, NightSky(height));
    Stars(picture, 23);
    picture.Fill(Circle({w * 0.74, h * 0.28}, h * 0.16),
                 Radial(Rgba{240, 90, 70, 255}, Rgba{150, 20, 24, 255}, {w * 0.7, h * 0.24}, h * 0.18));
    Raster figure(width, height);
    // The cloak and its high collar, lined in red.
    figure.Fill(Polygon({{w * 0.5, h * 0.36}, {w * 0.06, h}, {w * 0.94, h}}), Rgba{16, 12, 20, 255});
    figure.Fill(Polygon({{w * 0.5, h * 0.56}, {w * 0.2, h * 0.36}, {w * 0.3, h * 0.72}}),
                Rgba{150, 16, 26, 255});
    figure.Fill(Polygon({{w * 0.5, h * 0.56}, {w * 0.8, h * 0.36}, {w * 0.7, h * 0.72}}),
                Rgba{150, 16, 26, 255});
    figure.Fill(Polygon({{w * 0.42, h * 0.58}, {w * 0.5, h}, {w * 0.58, h * 0.58}}),
                Rgba{220, 214, 200, 255});
    // A pale face with a widow's peak and red eyes.
    figure.Fill(Ellipse({w * 0.5, h * 0.42}, w * 0.11, h * 0.16),
                Vertical(Rgba{232, 226, 214, 255}, Rgba{176, 170, 170, 255}, h * 0.3, h * 0.58));
    figure.Fill(
        Polygon({{w * 0.38, h * 0.36}, {w * 0.5, h * 0.22}, {w * 0.62, h * 0.36}, {w * 0.5, h * 0.31}}),
        Rgba{20, 16, 22, 255});
    Eyes(figure, {w * 0.455, h * 0.41}, {w * 0.545, h * 0.41}, w * 0.018, Rgba{255, 30, 30, 255});
    figure.Fill(Box(w * 0.46, h * 0.5, w * 0.54, h * 0.515), Rgba{90, 20, 24, 255});
    figure.Fill(Polygon({{w * 0.465, h * 0.515}, {w * 0.475, h * 0.55}, {w * 0.485, h * 0.515}}),
                Rgba{255, 255, 255, 255});
    figure.Fill(Polygon({{w * 0.515, h * 0.515}, {w * 0.525, h * 0.55}, {w * 0.535, h * 0.515}}),
                Rgba{255, 255, 255, 255});
    Stamp(picture, figure);
    return Framed(picture, 23);
}

Raster TombPortrait(int width, int height) {
    const double w = width, h = height;
    Raster picture = Backdrop(width, height, NightSky(height));
    Stars(picture, 7);
    picture.Fill(Circle({w * 0.22, h * 0.24}, h * 0.1), Rgba{226, 228, 236, 255});
    picture.Fill(Circle({w * 0.25, h * 0.22}, h * 0.09), Rgba{22, 20, 44, 255});
    Raster stone(width, height);
    const Shape slab =
        Union(Box(w * 0.32, h * 0.38, w * 0.68, h * 0.86), Ellipse({w * 0.5, h * 0.38}, w * 0.18, h * 0.16));
    stone.Fill(slab, [&](double x, double y) {
        const double grain = (SmoothNoise(x, y, 4, 11) - 0.5) * 40 + (Noise(int(x), int(y), 12) - 0.5) * 16;
        const Rgba base = Mix(Rgba{150, 150, 156, 255}, Rgba{92, 92, 100, 255}, (y - h * 0.2) / (h * 0.7));
        return Shade(base, 1.0 + grain / 255.0 * 2);
    });
    // A carved cross and a crack down the face.
    stone.Fill(Box(w * 0.48, h * 0.3, w * 0.52, h * 0.6), Rgba{60, 60, 68, 255});
    stone.Fill(Box(w * 0.42, h * 0.38, w * 0.58, h * 0.42), Rgba{60, 60, 68, 255});
    stone.Fill(
        Edges({{w * 0.62, h * 0.45}, {w * 0.58, h * 0.55}, {w * 0.63, h * 0.66}, {w * 0.6, h * 0.8}}, 0.5),
        Rgba{40, 40, 46, 255});
    Stamp(picture, stone);
    // Earth and grass at its foot.
    picture.Fill(Box(kInset, h * 0.84, w - kInset, h - kInset),
                 Vertical(Rgba{40, 58, 30, 255}, Rgba{24, 30, 18, 255}, h * 0.84, h));
    for (int x = kInset; x < width - kInset; x += 3) {
        const double tip = h * (0.76 + 0.06 * Noise(x, 1, 3));
        picture.Fill(Polygon({{x - 1.0, h * 0.86}, {x + 0.5, tip}, {x + 2.0, h * 0.86}}),
                     Rgba{62, 96, 44, 255});
    }
    return Framed(picture, 7);
}

Raster TreasurePicture(int width, int height) {
    const double w = width, h = height;
    Raster picture = Backdrop(width, height, Flat(Rgba{40, 36, 48, 255}));
    Raster coins(width, height);
    const Rgba gold{236, 190, 70, 255}, gold_dark{160, 110, 30, 255}, silver{210, 214, 222, 255};
    // A heap of coins: back row first, each a rimmed disc seen a little from above.
    const Point places[] = {{0.3, 0.55},  {0.52, 0.5},  {0.72, 0.56}, {0.2, 0.74},  {0.42, 0.72},
                            {0.64, 0.74}, {0.84, 0.76}, {0.32, 0.88}, {0.55, 0.88}, {0.76, 0.9}};
    int index = 0;
    for (Point place : places) {
        const Point centre{w * place.x, h * place.y};
        const bool is_silver = index++ % 4 == 2;
        const Rgba face = is_silver ? silver : gold;
        coins.Fill(Ellipse({centre.x, centre.y + 1.5}, w * 0.13, h * 0.11), Shade(face, 0.55));
        coins.Fill(Ellipse(centre, w * 0.13, h * 0.11), Radial(Mix(face, Rgba{255, 255, 240, 255}, 0.5), face,
                                                               {centre.x - 2, centre.y - 1}, w * 0.14));
        coins.Fill(Difference(Ellipse(centre, w * 0.13, h * 0.11), Ellipse(centre, w * 0.1, h * 0.08)),
                   is_silver ? Shade(silver, 0.8) : gold_dark);
    }
    Stamp(picture, coins);
    return Framed(picture, 31);
}

}  // namespace duskmoor::content
