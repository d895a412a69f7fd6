// Draws every picture that the game carries inside its executable and writes
// them as BMP files, with a list of their names for the resource embedder.
//
//     duskmoor-pictures <output folder>
#include <cstdio>
#include <string>
#include <string_view>

#include "atomic_file.h"
#include "button_art.h"
#include "campfire_art.h"
#include "creature_art.h"
#include "raster.h"
#include "symbols.h"
#include "town_art.h"
#include "wilderness_art.h"

namespace duskmoor::content {
namespace {

enum class Kind {
    Command,
    Menu,
    SymbolOnly,
    WindowIcon,
    PointerIcon,
    Monster,
    Vampire,
    Tomb,
    Treasure,
    CampFire,
    Wilderness
};

struct PictureRecipe {
    const char* name;
    int width;
    int height;
    Kind kind;
    Symbol symbol;
    const char* caption;
};

// clang-format off
constexpr PictureRecipe kPictures[] = {
    // The command bar of the main screen.
    {"CampBmp",       78, 44, Kind::Command, Symbol::Tent,      "CAMP"},
    {"LogBmp",        78, 44, Kind::Command, Symbol::Book,      "LOG"},
    {"MagicBmp",      78, 44, Kind::Command, Symbol::Star,      "MAGIC"},
    {"GameBmp",       78, 44, Kind::Command, Symbol::Die,       "GAME"},
    {"TradeBmp",      78, 44, Kind::Command, Symbol::Chest,     "TRADE"},
    {"QuestsBmp",     78, 44, Kind::Command, Symbol::Crown,     "QUESTS"},
    {"SearchBmp",     78, 44, Kind::Command, Symbol::Magnifier, "SEARCH"},
    {"ViewBmp",       78, 44, Kind::Command, Symbol::Portrait,  "VIEW"},
    // Turning and walking.
    {"ArrowLeftBmp",  52, 44, Kind::SymbolOnly, Symbol::ArrowTurnLeft,  ""},
    {"ArrowUpBmp",    52, 44, Kind::SymbolOnly, Symbol::ArrowUp,        ""},
    {"ArrowRightBmp", 52, 44, Kind::SymbolOnly, Symbol::ArrowTurnRight, ""},
    // The game menu.
    {"NewBmp",       200, 40, Kind::Menu, Symbol::Sparkle,       "NEW GAME"},
    {"LoadGameBmp",  200, 40, Kind::Menu, Symbol::Book,          "LOAD GAME"},
    {"SaveBmp",      200, 40, Kind::Menu, Symbol::Scroll,        "SAVE GAME"},
    {"LoadHeroBmp",  200, 40, Kind::Menu, Symbol::Portrait,      "LOAD CHARACTER"},
    {"NewHeroBmp",   200, 40, Kind::Menu, Symbol::Portrait,      "CREATE CHARACTER"},
    {"RemoveBmp",    200, 40, Kind::Menu, Symbol::Portrait,      "REMOVE CHARACTER"},
    {"SoundOnBmp",   200, 40, Kind::Menu, Symbol::SpeakerOn,     "SOUND: ON"},
    {"SoundOffBmp",  200, 40, Kind::Menu, Symbol::SpeakerOff,    "SOUND: OFF"},
    {"Done2Bmp",     200, 40, Kind::Menu, Symbol::ArrowTurnLeft, "BACK TO GAME"},
    {"ExitBmp",      200, 40, Kind::Menu, Symbol::Door,          "EXIT"},
    {"CreditsBmp",   200, 40, Kind::Menu, Symbol::Shield,        "CREDITS"},
    // The camp.
    {"RestBmp",       96, 48, Kind::Command, Symbol::Moon,   "REST"},
    {"PartyBmp",      96, 48, Kind::Command, Symbol::Party,  "PARTY"},
    {"Save2Bmp",      96, 48, Kind::Command, Symbol::Scroll, "SAVE"},
    {"DoneBmp",       96, 48, Kind::Command, Symbol::Check,  "DONE"},
    // The battle and the treasure screen.
    {"MonsterBmp",   112, 96, Kind::Monster,  Symbol::None, ""},
    {"VampireBmp",   112, 96, Kind::Vampire,  Symbol::None, ""},
    {"TombBmp",      112, 96, Kind::Tomb,     Symbol::None, ""},
    {"TreasureBmp",   40, 32, Kind::Treasure, Symbol::None, ""},
    // The camp's picture and the overland map.
    {"WildBmp",      640, 480, Kind::Wilderness, Symbol::None, ""},
    {"CampFireBmp",  540, 296, Kind::CampFire,   Symbol::None, ""},
    // Icons, with transparency.
    {"DuskIcon",      32, 32, Kind::WindowIcon,  Symbol::None, ""},
    {"ViewIcon",      32, 32, Kind::PointerIcon, Symbol::None, ""},
};
// clang-format on

// Each button gets its own stone, the same on every build.
uint32_t SeedOf(std::string_view name) {
    uint32_t hash = 2166136261u;
    for (char letter : name) hash = (hash ^ static_cast<uint8_t>(letter)) * 16777619u;
    return hash;
}

Raster Draw(const PictureRecipe& recipe) {
    const uint32_t seed = SeedOf(recipe.name);
    switch (recipe.kind) {
        case Kind::Command:
            return CommandButton(recipe.width, recipe.height, recipe.symbol, recipe.caption, seed);
        case Kind::Menu:
            return MenuButton(recipe.width, recipe.height, recipe.symbol, recipe.caption, seed);
        case Kind::SymbolOnly:
            return SymbolButton(recipe.width, recipe.height, recipe.symbol, seed);
        case Kind::WindowIcon:
            return DuskIcon(recipe.width, recipe.height);
        case Kind::PointerIcon:
            return ViewIcon(recipe.width, recipe.height);
        case Kind::Monster:
            return MonsterPortrait(recipe.width, recipe.height);
        case Kind::Vampire:
            return VampirePortrait(recipe.width, recipe.height);
        case Kind::Tomb:
            return TombPortrait(recipe.width, recipe.height);
        case Kind::Treasure:
            return TreasurePicture(recipe.width, recipe.height);
        case Kind::CampFire:
            return CampFirePicture(recipe.width, recipe.height);
        case Kind::Wilderness:
            return WildernessPicture(recipe.width, recipe.height);
    }
    return Raster(recipe.width, recipe.height);
}

bool HasAlpha(Kind kind) {
    return kind == Kind::WindowIcon || kind == Kind::PointerIcon;
}

int Run(const std::string& folder) {
    std::string manifest;
    auto write = [&](const char* name, const Raster& picture, bool with_alpha) {
        const std::string path = folder + "/" + name + ".bmp";
        if (!WriteFileAtomically(path, EncodeBmp(picture, with_alpha))) {
            std::fprintf(stderr, "duskmoor-pictures: cannot write %s\n", path.c_str());
            return false;
        }
        manifest += std::string(name) + "\n";
        return true;
    };
    for (const PictureRecipe& recipe : kPictures)
        if (!write(recipe.name, Draw(recipe), HasAlpha(recipe.kind))) return 1;
    for (const TownPicture& picture : TownPictures())
        if (!write(picture.name, picture.draw(), picture.with_alpha)) return 1;
    const std::string manifest_path = folder + "/pictures.txt";
    if (!WriteFileAtomically(manifest_path, std::vector<uint8_t>(manifest.begin(), manifest.end()))) {
        std::fprintf(stderr, "duskmoor-pictures: cannot write %s\n", manifest_path.c_str());
        return 1;
    }
    return 0;
}

}  // namespace
}  // namespace duskmoor::content

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: duskmoor-pictures <output folder>\n");
        return 2;
    }
    return duskmoor::content::Run(argv[1]);
}
