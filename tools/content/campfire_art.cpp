#include "campfire_art.h"

#include <cmath>
#include <cstdint>

#include "scene_tools.h"

namespace duskmoor::content {
namespace {

void DrawSky(Raster& picture, double horizon) {
    picture.FillWithin(Box(0, 0, picture.Width(), horizon + 1),
                       Vertical(Rgba{6, 8, 28}, Rgba{30, 26, 60}, 0, horizon), 0, 0, picture.Width(),
                       horizon + 1);
    Scatter scatter{7};
    for (int star = 0; star < 90; ++star) {
        const double x = scatter.Next() * picture.Width(), y = scatter.Next() * horizon * 0.9;
        const uint8_t light = static_cast<uint8_t>(150 + scatter.Next() * 105);
        FillNear(picture, Circle({x, y}, 0.5 + scatter.Next() * 0.8), Flat(Rgba{light, light, light}), {x, y},
                 2);
    }
    const Point moon{picture.Width() * 0.82, horizon * 0.25};
    FillNear(picture, Circle(moon, 14), Flat(Rgba{235, 232, 205}), moon, 15);
    FillNear(picture, Circle({moon.x + 6, moon.y - 4}, 13), Flat(Rgba{12, 14, 38}), moon, 24);
}

void DrawTrees(Raster& picture, double horizon) {
    Scatter scatter{31};
    for (int tree = 0; tree < 14; ++tree) {
        const double x = tree * picture.Width() / 13.0 + scatter.Next() * 20 - 10;
        const double tall = 50 + scatter.Next() * 50;
        picture.FillWithin(Polygon({{x - 18, horizon + 4}, {x, horizon - tall}, {x + 18, horizon + 4}}),
                           Flat(Rgba{8, 16, 14}), x - 19, horizon - tall - 1, x + 19, horizon + 5);
    }
}

void DrawGround(Raster& picture, double horizon, Point fire) {
    picture.FillWithin(Box(0, horizon, picture.Width(), picture.Height()),
                       Vertical(Rgba{14, 18, 12}, Rgba{28, 24, 16}, horizon, picture.Height()), 0, horizon,
                       picture.Width(), picture.Height());
    // The fire lights the ground around it.
    const double reach_x = picture.Width() * 0.42, reach_y = picture.Height() * 0.2;
    picture.FillWithin(Ellipse(fire, reach_x, reach_y),
                       Radial(Rgba{150, 80, 30, 150}, Rgba{40, 24, 10, 0}, fire, reach_x), fire.x - reach_x,
                       fire.y - reach_y, fire.x + reach_x + 1, fire.y + reach_y + 1);
}

void DrawFire(Raster& picture, Point fire) {
    const Rgba stone{90, 86, 80}, log{70, 42, 22};
    for (int index = 0; index < 9; ++index) {
        const double angle = index * 2 * M_PI / 9;
        const Point at{fire.x + std::cos(angle) * 46, fire.y + std::sin(angle) * 14};
        FillNear(picture, Ellipse(at, 11, 7), Flat(Shade(stone, 0.7 + 0.06 * (index % 4))), at, 12);
    }
    FillNear(picture, Capsule({fire.x - 34, fire.y + 4}, {fire.x + 28, fire.y - 8}, 6), Flat(log), fire, 42);
    FillNear(picture, Capsule({fire.x - 26, fire.y - 8}, {fire.x + 34, fire.y + 4}, 6), Flat(Shade(log, 0.8)),
             fire, 42);
    const Point glow{fire.x, fire.y - 26};
    FillNear(picture, Ellipse(glow, 30, 40),
             Radial(Rgba{255, 200, 80, 220}, Rgba{200, 60, 10, 0}, {fire.x, fire.y - 14}, 40), glow, 41);
    const struct {
        double dx, height, width;
    } tongues[] = {{-14, 46, 10}, {12, 54, 11}, {0, 70, 13}, {-4, 40, 8}, {20, 34, 7}};
    for (const auto& tongue : tongues) {
        const double base = fire.y - 4;
        const Point tip{fire.x + tongue.dx * 0.6, base - tongue.height};
        const double left = fire.x + tongue.dx - tongue.width, right = fire.x + tongue.dx + tongue.width;
        picture.FillWithin(Polygon({{left, base},
                                    {fire.x + tongue.dx - tongue.width * 0.4, base - tongue.height * 0.5},
                                    tip,
                                    {fire.x + tongue.dx + tongue.width * 0.4, base - tongue.height * 0.5},
                                    {right, base}}),
                           Vertical(Rgba{255, 90, 20}, Rgba{255, 230, 120}, tip.y, base), left - 1, tip.y - 1,
                           right + 1, base + 1);
    }
    Scatter scatter{97};
    for (int spark = 0; spark < 24; ++spark) {
        const Point at{fire.x + (scatter.Next() - 0.5) * 70, fire.y - 60 - scatter.Next() * 110};
        const auto green = static_cast<uint8_t>(150 + scatter.Next() * 100);
        FillNear(picture, Circle(at, 0.8 + scatter.Next()), Flat(Rgba{255, green, 60}), at, 3);
    }
}

}  // namespace

Raster CampFirePicture(int width, int height) {
    Raster picture(width, height, Rgba{0, 0, 0});
    const double horizon = height * 0.55;
    const Point fire{width * 0.5, height * 0.8};
    DrawSky(picture, horizon);
    DrawTrees(picture, horizon);
    DrawGround(picture, horizon, fire);
    DrawFire(picture, fire);
    return picture;
}

}  // namespace duskmoor::content
