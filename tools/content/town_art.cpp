#include "town_art.h"

#include <cmath>
#include <cstdint>
#include <string_view>

#include "button_art.h"
#include "symbols.h"

namespace duskmoor::content {
namespace {

constexpr int kSignSize = 112;
constexpr int kCoinSize = 32;

constexpr Rgba kSteelLight{236, 240, 248, 255};
constexpr Rgba kSteelDark{110, 118, 136, 255};
constexpr Rgba kGoldLight{255, 236, 150, 255};
constexpr Rgba kGoldDark{176, 116, 30, 255};
constexpr Rgba kWoodLight{176, 112, 58, 255};
constexpr Rgba kWoodDark{96, 56, 24, 255};
constexpr Rgba kLeather{70, 40, 22, 255};

Paint Down(const Frame& f, Rgba top, Rgba bottom, double v0, double v1) {
    return Vertical(top, bottom, f.At(0, v0).y, f.At(0, v1).y);
}

Shape Line(const Frame& f, double u0, double v0, double u1, double v1, double width) {
    return Capsule(f.At(u0, v0), f.At(u1, v1), f.Length(width) / 2);
}

Shape Disc(const Frame& f, double u, double v, double radius) {
    return Circle(f.At(u, v), f.Length(radius));
}

Shape Shape24(const Frame& f, std::vector<Point> corners) {
    return Polygon(f.Map(corners));
}

// A blade from the hilt at (u0, v0) to the point at (u1, v1).
void DrawBlade(Raster& l, const Frame& f, double u0, double v0, double u1, double v1) {
    l.Fill(Line(f, u0, v0, u1, v1, 2.6), Down(f, kSteelLight, kSteelDark, 0, 24));
    const double du = (u1 - u0) * 0.12, dv = (v1 - v0) * 0.12;
    l.Fill(Line(f, u0 - dv * 2.2, v0 + du * 2.2, u0 + dv * 2.2, v0 - du * 2.2, 1.8),
           Down(f, kGoldLight, kGoldDark, 0, 24));
    l.Fill(Line(f, u0, v0, u0 - du * 2.4, v0 - dv * 2.4, 1.8), kLeather);
    l.Fill(Disc(f, u0 - du * 2.8, v0 - dv * 2.8, 1.3), kGoldDark);
}

void DrawSword(Raster& l, const Frame& f) {
    DrawBlade(l, f, 7, 17, 20, 3);
}

void DrawCrossedSwords(Raster& l, const Frame& f) {
    DrawBlade(l, f, 6, 18, 20, 3);
    DrawBlade(l, f, 18, 18, 4, 3);
}

void DrawCoin(Raster& l, const Frame& f, double u, double v, double radius, Rgba light, Rgba dark) {
    l.Fill(Disc(f, u, v, radius),
           Radial(light, dark, f.At(u - radius * 0.3, v - radius * 0.3), f.Length(radius * 1.4)));
    l.Fill(Difference(Disc(f, u, v, radius), Disc(f, u, v, radius * 0.78)), Shade(dark, 0.85));
    l.Fill(Disc(f, u - radius * 0.25, v - radius * 0.25, radius * 0.22), Rgba{255, 255, 240, 170});
}

void DrawCoinStack(Raster& l, const Frame& f) {
    for (int level = 0; level < 4; ++level) {
        const double v = 20 - level * 2.4;
        l.Fill(Shape24(f, {{3, v - 1.2}, {13, v - 1.2}, {13, v + 1.2}, {3, v + 1.2}}),
               Down(f, kGoldLight, kGoldDark, v - 1.2, v + 1.2));
        l.Fill(Line(f, 3.2, v + 1.2, 12.8, v + 1.2, 0.5), kGoldDark);
    }
    DrawCoin(l, f, 16.5, 11, 6.5, kGoldLight, kGoldDark);
}

// Three golden balls hung from a bar: the pawnbroker's sign.
void DrawPawnBalls(Raster& l, const Frame& f) {
    l.Fill(Line(f, 3, 4, 21, 4, 1.4), kWoodDark);
    for (double u : {6.0, 12.0, 18.0}) l.Fill(Line(f, u, 4, u, 10, 0.6), kSteelDark);
    DrawCoin(l, f, 12, 17, 4.6, kGoldLight, kGoldDark);
    DrawCoin(l, f, 6, 13, 3.6, kGoldLight, kGoldDark);
    DrawCoin(l, f, 18, 13, 3.6, kGoldLight, kGoldDark);
}

void DrawPotion(Raster& l, const Frame& f) {
    const Shape flask = Union(Disc(f, 12, 15, 7), Shape24(f, {{9.8, 3}, {14.2, 3}, {14.2, 10}, {9.8, 10}}));
    l.Fill(flask, Rgba{210, 230, 240, 200});
    l.Fill(Intersection(Disc(f, 12, 15, 6.2), Shape24(f, {{0, 13}, {24, 13}, {24, 24}, {0, 24}})),
           Down(f, Rgba{255, 90, 90, 255}, Rgba{150, 10, 30, 255}, 13, 21));
    l.Fill(Shape24(f, {{9.2, 1}, {14.8, 1}, {14.8, 3.4}, {9.2, 3.4}}), kWoodLight);
    l.Fill(Disc(f, 9.4, 12.6, 1.2), Rgba{255, 255, 255, 200});
}

// A cart wheel with its spokes: the wagon.
void DrawWheel(Raster& l, const Frame& f) {
    const Paint wood = Down(f, kWoodLight, kWoodDark, 2, 22);
    l.Fill(Difference(Disc(f, 12, 12, 10), Disc(f, 12, 12, 7.8)), wood);
    for (int spoke = 0; spoke < 8; ++spoke) {
        const double angle = spoke * 3.14159265 / 4;
        l.Fill(Line(f, 12, 12, 12 + 8.4 * std::cos(angle), 12 + 8.4 * std::sin(angle), 1.3), wood);
    }
    l.Fill(Disc(f, 12, 12, 2.6), Down(f, kSteelLight, kSteelDark, 9, 15));
    l.Fill(Edges(f.Map({{12, 1.6}, {22.4, 12}, {12, 22.4}, {1.6, 12}}), 0.0), kSteelDark);
}

Pictogram FromSymbol(Symbol symbol) {
    return [symbol](Raster& layer, const Frame& frame) { DrawSymbol(layer, symbol, frame); };
}

uint32_t SeedOf(std::string_view name) {
    uint32_t hash = 2166136261u;
    for (char letter : name) hash = (hash ^ static_cast<uint8_t>(letter)) * 16777619u;
    return hash;
}

TownPicture Sign(const char* name, Pictogram pictogram, const char* caption) {
    return {name, [=] { return CommandButton(kSignSize, kSignSize, pictogram, caption, SeedOf(name)); },
            false};
}

// A coin seen from the front, on a transparent ground.
TownPicture Coin(const char* name, Rgba light, Rgba dark) {
    return {name,
            [=] {
                Raster coin(kCoinSize, kCoinSize);
                Raster layer(kCoinSize, kCoinSize);
                DrawCoin(layer, Frame{3, 3, kCoinSize - 6.0}, 12, 12, 11, light, dark);
                Stamp(coin, layer);
                return coin;
            },
            true};
}

}  // namespace

std::vector<TownPicture> TownPictures() {
    return {
        Sign("KingSignBmp", FromSymbol(Symbol::Crown), "THE KING"),
        Sign("InnSignBmp", FromSymbol(Symbol::Moon), "INN"),
        Sign("TempleSignBmp", DrawPotion, "TEMPLE"),
        Sign("BankSignBmp", DrawCoinStack, "BANK"),
        Sign("MagicSignBmp", FromSymbol(Symbol::Sparkle), "MAGIC"),
        Sign("CouncilSignBmp", FromSymbol(Symbol::Scroll), "COUNCIL"),
        Sign("ArmorySignBmp", FromSymbol(Symbol::Chest), "ARMORY"),
        Sign("TrainingSignBmp", DrawCrossedSwords, "TRAINING"),
        Sign("ArmorSignBmp", FromSymbol(Symbol::Shield), "ARMOR"),
        Sign("WeaponSignBmp", DrawSword, "WEAPONS"),
        Sign("PawnSignBmp", DrawPawnBalls, "PAWN"),
        Sign("WagonSignBmp", DrawWheel, "WAGON"),
        Coin("GoldCoinBmp", kGoldLight, kGoldDark),
        Coin("SilverCoinBmp", Rgba{250, 252, 255, 255}, Rgba{120, 126, 140, 255}),
        Coin("CopperCoinBmp", Rgba{250, 180, 130, 255}, Rgba{130, 62, 26, 255}),
    };
}

}  // namespace duskmoor::content
