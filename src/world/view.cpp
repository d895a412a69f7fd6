#include "world/view.h"

#include <algorithm>

#include "shell/game.h"
#include "ui/canvas.h"
#include "ui/host.h"
#include "world/block_tables.h"

namespace duskmoor {
namespace {

constexpr int kFacePen = 3;
constexpr Color kFrameLight = Rgb(94, 97, 43);
constexpr Color kFrameMiddle = Rgb(77, 80, 36);
constexpr Color kFrameDark = Rgb(55, 57, 25);
constexpr Color kDuskSky = Rgb(4, 16, 162);
constexpr Color kDaySky = Rgb(36, 191, 250);
constexpr Color kNightSky = Rgb(0, 0, 0);

enum Axis { kFront = 1, kSide = 2 };
enum class Side { Ahead, Left, Right };

// One redraw: the game, the picture it goes to, and what the view knows.
struct Frame {
    Game& game;
    Canvas& canvas;
    const ViewGeometry& geometry;
    ViewPictures& pictures;
};

Color SkyColor(int hour) {
    if (hour == 6 || hour == 7) return kDuskSky;
    if (hour >= 8 && hour <= 17) return kDaySky;
    if (hour >= 18 && hour <= 20) return kDuskSky;
    return kNightSky;
}

// A line of the pen: the square pen swept along it. Level and upright lines,
// which are most of the view's rims and frames, are one rectangle each.
void PenLine(Canvas& canvas, Point from, Point to, int pen, Color color) {
    if (from.x != to.x && from.y != to.y) {
        canvas.Line(from.x, from.y, to.x, to.y, pen, color);
        return;
    }
    const int before = (pen - 1) / 2, after = pen / 2;
    canvas.FillRect(std::min(from.x, to.x) - before, std::min(from.y, to.y) - before,
                    std::max(from.x, to.x) + after, std::max(from.y, to.y) + after, color);
}

void PenOutline(Canvas& canvas, const Quad& quad, int pen, Color color) {
    for (size_t corner = 0; corner < quad.size(); ++corner) {
        PenLine(canvas, quad[corner], quad[(corner + 1) % quad.size()], pen, color);
    }
}

// The picture of `plot` for the block on show; a message and null when it
// cannot be read or cannot serve as a pattern.
const Bitmap* LoadPattern(Frame& frame, Plot plot, const char* load_error) {
    const GameState& state = frame.game.state;
    const std::string path = state.AppPath + "Art/" + GetPattern(state.CurrentBlock, plot);
    const Bitmap* picture = frame.pictures.Load(path, state.CurrentBlock);
    if (picture == nullptr) {
        frame.game.host.MessageBox(load_error);
        return nullptr;
    }
    if (picture->Empty()) {
        frame.game.host.MessageBox("CreatePatternBrush() failed.");
        return nullptr;
    }
    return picture;
}

// Fills a face with a picture and rims it in black.
bool FillFace(Frame& frame, const Quad& face, Plot plot) {
    const Bitmap* picture = LoadPattern(frame, plot, "Error loading image.");
    if (picture == nullptr) return false;
    frame.canvas.FillPolygonTiled(face, *picture);
    PenOutline(frame.canvas, face, kFacePen, colors::Black);
    return true;
}

const Bitmap* LoadFloorCeiling(Frame& frame, int floor_ceiling) {
    return LoadPattern(frame, floor_ceiling == 1 ? Plot::Ceiling : Plot::Floor, "Error ceiling/floor image.");
}

// 1 = the ceiling, 2 = the floor: the half of the view above or below the
// horizon, filled with its picture (already loaded) and not rimmed.
void DrawFloorCeiling(Frame& frame, int floor_ceiling, const Bitmap* picture) {
    const ViewGeometry& view = frame.geometry;
    const Quad area = floor_ceiling == 1 ? Rectangle(0, 0, view.width, view.horizon)
                                         : Rectangle(0, view.horizon, view.width, view.height);
    if (picture != nullptr) frame.canvas.FillPolygonTiled(area, *picture);
}

const Quad& FaceQuad(const ViewGeometry& view, int axis, int depth, int slot) {
    return axis == kFront ? view.front[depth][slot] : view.side[depth][slot];
}

const Quad& OpeningQuad(const ViewGeometry& view, int axis, int depth, int slot) {
    return axis == kFront ? view.front_door[depth][slot] : view.side_door[depth][slot];
}

bool OpeningExists(const ViewGeometry& view, int axis, int depth, int slot) {
    return axis == kFront ? view.has_front_door[depth][slot] : view.has_side[depth][slot];
}

void Draw(Frame& frame, int axis, int depth, int slot) {
    FillFace(frame, FaceQuad(frame.geometry, axis, depth, slot), Plot::Wall);
}

void DOOR(Frame& frame, int axis, int depth, int slot) {
    if (!OpeningExists(frame.geometry, axis, depth, slot)) return;
    FillFace(frame, OpeningQuad(frame.geometry, axis, depth, slot), Plot::Door);
}

// A rectangle `inset` pixels inside the opening (outside when negative).
void FrameRect(Canvas& canvas, const Quad& opening, int inset, int pen, Color color) {
    PenOutline(
        canvas,
        Rectangle(opening[0].x + inset, opening[0].y + inset, opening[2].x - inset, opening[2].y - inset),
        pen, color);
}

// The mouth of a tunnel ahead: a mossy stone rim, a black edge around it, and
// two darker rings leading into the dark.
void FrontTunnelFrames(Canvas& canvas, const Quad& opening, int depth) {
    if (depth == 0) {
        FrameRect(canvas, opening, 0, 8, kFrameLight);
        FrameRect(canvas, opening, -4, 3, colors::Black);
        FrameRect(canvas, opening, 8, 8, kFrameMiddle);
        FrameRect(canvas, opening, 16, 8, kFrameDark);
    } else if (depth == 1) {
        FrameRect(canvas, opening, 0, 4, kFrameLight);
        FrameRect(canvas, opening, -2, 2, colors::Black);
        FrameRect(canvas, opening, 2, 2, kFrameMiddle);
        FrameRect(canvas, opening, 4, 2, kFrameDark);
    } else {
        FrameRect(canvas, opening, 0, 2, kFrameLight);
        FrameRect(canvas, opening, 1, 2, kFrameMiddle);
        FrameRect(canvas, opening, 2, 2, kFrameMiddle);
        FrameRect(canvas, opening, 4, 2, kFrameDark);
    }
}

// A tunnel beside the party has its four edges redrawn in the rim's colour;
// the edges share one colour, so the order they are drawn in cannot show.
void SideTunnelFrames(Canvas& canvas, const Quad& opening, int depth) {
    const int pen = depth == 0 ? 8 : depth == 1 ? 4 : 2;
    PenOutline(canvas, opening, pen, kFrameMiddle);
}

void Tunnel(Frame& frame, int axis, int depth, int slot) {
    if (!OpeningExists(frame.geometry, axis, depth, slot)) return;
    const Quad& opening = OpeningQuad(frame.geometry, axis, depth, slot);
    if (!FillFace(frame, opening, Plot::Tunnel)) return;
    if (axis == kFront) {
        FrontTunnelFrames(frame.canvas, opening, depth);
    } else {
        SideTunnelFrames(frame.canvas, opening, depth);
    }
}

// Compass steps: 0 north (rows grow northward), 1 east, 2 south, 3 west.
constexpr int kStepX[4] = {0, 1, 0, -1};
constexpr int kStepY[4] = {1, 0, -1, 0};

bool WallOn(const MapCell& cell, int direction) {
    const int16_t walls[4] = {cell.NorthWall, cell.EastWall, cell.SouthWall, cell.WestWall};
    return walls[direction] != 0;
}

bool DoorOn(const MapCell& cell, int direction) {
    const int16_t doors[4] = {cell.NorthDoor, cell.EastDoor, cell.SouthDoor, cell.WestDoor};
    return doors[direction] != 0;
}

// One entry of the painting order: the cell `ahead` steps forward and `right`
// steps to the right, which of its sides, and the face that side shows as.
struct ViewEntry {
    int ahead, right;
    Side side;
    int axis, depth, slot;
};

// Far to near, so that nearer faces cover farther ones.
constexpr ViewEntry kPaintingOrder[] = {
    {2, -2, Side::Ahead, kFront, 2, 1}, {2, -1, Side::Ahead, kFront, 2, 2},
    {2, 0, Side::Ahead, kFront, 2, 3},  {2, 1, Side::Ahead, kFront, 2, 4},
    {2, 2, Side::Ahead, kFront, 2, 5},  {2, 0, Side::Left, kSide, 2, 2},
    {2, 0, Side::Right, kSide, 2, 3},   {2, -1, Side::Left, kSide, 2, 1},
    {2, 1, Side::Right, kSide, 2, 4},   {1, -1, Side::Ahead, kFront, 1, 1},
    {1, 0, Side::Ahead, kFront, 1, 2},  {1, 1, Side::Ahead, kFront, 1, 3},
    {1, 0, Side::Left, kSide, 1, 1},    {1, 0, Side::Right, kSide, 1, 2},
    {0, -1, Side::Ahead, kFront, 0, 0}, {0, 0, Side::Ahead, kFront, 0, 1},
    {0, 1, Side::Ahead, kFront, 0, 2},  {0, 0, Side::Left, kSide, 0, 1},
    {0, 0, Side::Right, kSide, 0, 2},
};

void DrawEntry(Frame& frame, const ViewEntry& entry) {
    const GameState& state = frame.game.state;
    const int facing = ((state.Facing % 4) + 4) % 4;
    const int right_hand = (facing + 1) % 4;
    const int x = state.PosX + entry.ahead * kStepX[facing] + entry.right * kStepX[right_hand];
    const int y = state.PosY + entry.ahead * kStepY[facing] + entry.right * kStepY[right_hand];
    if (x < 0 || y < 0 || x >= state.MapWidth || y >= state.MapHeight) return;
    const int index = y * state.MapWidth + x;
    if (index >= kMapCells - 1) return;
    const MapCell& cell = state.Map[index];

    const int side = entry.side == Side::Ahead  ? facing
                     : entry.side == Side::Left ? (facing + 3) % 4
                                                : right_hand;
    if (WallOn(cell, side)) Draw(frame, entry.axis, entry.depth, entry.slot);
    if (!DoorOn(cell, side)) return;
    const int beyond_x = x + kStepX[side], beyond_y = y + kStepY[side];
    const bool on_edge =
        beyond_x < 0 || beyond_y < 0 || beyond_x >= state.MapWidth || beyond_y >= state.MapHeight;
    if (on_edge) {
        Tunnel(frame, entry.axis, entry.depth, entry.slot);
    } else {
        DOOR(frame, entry.axis, entry.depth, entry.slot);
    }
}

bool PartyCellRoofed(const GameState& state) {
    return state.PosCell >= 0 && state.PosCell < kMapCells && state.Map[state.PosCell].Roofed != 0;
}

}  // namespace

std::string GetPattern(int block, Plot plot) {
    if (plot == Plot::Tunnel) return "Tunnel.bmp";
    const BlockInfo* info = FindBlock(block);
    if (info == nullptr) return "";
    switch (plot) {
        case Plot::Wall:
            return info->wall;
        case Plot::Floor:
            return info->floor;
        case Plot::Ceiling:
            return info->ceiling;
        case Plot::Door:
            return info->door;
        case Plot::Tunnel:
            break;
    }
    return "";
}

const Bitmap* ViewPictures::Load(const std::string& path, int block) {
    if (block != block_) {
        pictures_.clear();
        block_ = block;
    }
    auto found = pictures_.find(path);
    if (found != pictures_.end()) return &found->second;
    Bitmap picture;
    if (!LoadBmpFile(path, picture)) return nullptr;
    return &pictures_.emplace(path, std::move(picture)).first->second;
}

void FirstPersonView::SetViewPort(int width, int height) {
    geometry_ = duskmoor::SetViewPort(width, height);
}

void FirstPersonView::UpdateGraphics(Game& game, Canvas& view) {
    Frame frame{game, view, geometry_, pictures_};
    const GameState& state = game.state;
    const bool roofed = PartyCellRoofed(state);
    const Bitmap* ceiling = roofed ? LoadFloorCeiling(frame, 1) : nullptr;
    const Bitmap* floor = LoadFloorCeiling(frame, 2);
    // The sky or ceiling and the floor cover every pixel; the view is cleared
    // first only where one of them is missing, and the picture is the same.
    if ((roofed && ceiling == nullptr) || floor == nullptr) view.Clear(colors::Black);
    if (roofed) {
        DrawFloorCeiling(frame, 1, ceiling);
    } else {
        view.FillRect(0, 0, geometry_.width, geometry_.horizon, SkyColor(state.GameHour));
    }
    DrawFloorCeiling(frame, 2, floor);
    PenLine(view, {0, geometry_.horizon}, {geometry_.width, geometry_.horizon}, kFacePen, colors::Black);
    for (const ViewEntry& entry : kPaintingOrder) DrawEntry(frame, entry);
}

}  // namespace duskmoor
