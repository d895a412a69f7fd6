// Paints every wall, floor, ceiling, door and tunnel picture of the world and
// writes them as 24-bit BMP files into the game's Art folder.
//
//     duskmoor-art <output folder>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "../content/atomic_file.h"
#include "opening_art.h"
#include "surface_art.h"
#include "wall_art.h"

namespace duskmoor::art {
namespace {

// The size of the main screen's view: floors, ceilings, doors and tunnels are
// painted to fit its faces.
constexpr int kViewWidth = 445;
constexpr int kViewHeight = 329;

struct Picture {
    const char* file;
    std::function<Image()> paint;
};

std::vector<Picture> Pictures(const ViewGeometry& view) {
    auto floor = [&view](SurfaceMaterial material) {
        return [&view, material] { return PaintFloor(view, material); };
    };
    auto ceiling = [&view](SurfaceMaterial material) {
        return [&view, material] { return PaintCeiling(view, material); };
    };
    auto doors = [&view](DoorKind kind) { return [&view, kind] { return PaintDoors(view, kind); }; };
    return {
        {"TownWall.bmp", TownWall},
        {"Wall1.bmp", GardenWall},
        {"Wall2.bmp", TempleWall},
        {"Wall3.bmp", BarracksWall},
        {"Wall4.bmp", CryptWall},
        {"Wall5.bmp", RuinWall},
        {"ResWall.bmp", RizevozWall},
        {"CaveWall.bmp", CaveWall},
        {"TrogWall.bmp", TrogWall},
        {"TownFlor.bmp", floor(TownFloor)},
        {"ResFlor.bmp", floor(RizevozFloor)},
        {"CaveFlor.bmp", floor(CaveFloor)},
        {"TrogFlor.bmp", floor(TrogFloor)},
        {"TownCeil.bmp", ceiling(TownCeiling)},
        {"Ceil1.bmp", ceiling(GardenCeiling)},
        {"Ceil2.bmp", ceiling(TempleCeiling)},
        {"Ceil3.bmp", ceiling(BarracksCeiling)},
        {"Ceil4.bmp", ceiling(CryptCeiling)},
        {"Ceil5.bmp", ceiling(RuinCeiling)},
        {"ResCeil.bmp", ceiling(RizevozCeiling)},
        {"CaveCeil.bmp", ceiling(CaveCeiling)},
        {"DoorRaz.bmp", doors(DoorKind::Town)},
        {"DoorLair.bmp", doors(DoorKind::Lair)},
        {"DoorRes.bmp", doors(DoorKind::Rizevoz)},
        {"DoorTrog.bmp", doors(DoorKind::Troglodyte)},
        {"Tunnel.bmp", [&view] { return PaintTunnels(view); }},
    };
}

}  // namespace
}  // namespace duskmoor::art

int main(int argc, char** argv) {
    using namespace duskmoor::art;
    if (argc != 2) {
        std::fprintf(stderr, "usage: duskmoor-art <output folder>\n");
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "/";
    const duskmoor::ViewGeometry view = duskmoor::SetViewPort(kViewWidth, kViewHeight);
    for (const Picture& picture : Pictures(view)) {
        if (!duskmoor::content::WriteFileAtomically(folder + picture.file, EncodeBmp(picture.paint()))) {
            std::fprintf(stderr, "duskmoor-art: cannot write %s%s\n", folder.c_str(), picture.file);
            return 1;
        }
    }
    return 0;
}
