#include "world/view.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "shell/game.h"
#include "support/recording_host.h"
#include "ui/canvas.h"
#include "ui/host.h"

namespace duskmoor {
namespace {

// A pattern whose pixels name their own coordinates and a tag, so a pixel of
// the view tells which picture filled it and from which tile offset.
Bitmap TaggedPattern(int width, int height, uint32_t tag) {
    Bitmap pattern{width, height, {}};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            pattern.pixels.push_back(0xFF000000u | tag << 16 | uint32_t(y) << 8 | x);
    }
    return pattern;
}

uint32_t Tagged(int x, int y, int width, int height, uint32_t tag) {
    return 0xFF000000u | tag << 16 | uint32_t(y % height) << 8 | uint32_t(x % width);
}

constexpr uint32_t kWallTag = 1, kFloorTag = 2, kCeilingTag = 3, kDoorTag = 4, kTunnelTag = 5;

class ViewTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = std::filesystem::temp_directory_path() /
                  ("duskmoor_view_test_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                   "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_ / "Art");
        state_.AppPath = folder_.string() + "/";
        state_.CurrentBlock = 0;
        state_.MapWidth = 3;
        state_.MapHeight = 3;
        Place(1, 1, 0);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    void WriteTownArt() {
        Write("TownWall.bmp", TaggedPattern(7, 5, kWallTag));
        Write("TownFlor.bmp", TaggedPattern(11, 3, kFloorTag));
        Write("TownCeil.bmp", TaggedPattern(5, 9, kCeilingTag));
        Write("DoorRaz.bmp", TaggedPattern(6, 4, kDoorTag));
        Write("Tunnel.bmp", TaggedPattern(3, 8, kTunnelTag));
    }
    void Write(const std::string& name, const Bitmap& picture) {
        ASSERT_TRUE(SaveBmp24((folder_ / "Art" / name).string(), picture));
    }
    void Place(int x, int y, int facing) {
        state_.PosX = static_cast<int16_t>(x);
        state_.PosY = static_cast<int16_t>(y);
        state_.PosCell = static_cast<int16_t>(y * state_.MapWidth + x);
        state_.Facing = static_cast<int16_t>(facing);
    }
    MapCell& Cell(int x, int y) { return state_.Map[y * state_.MapWidth + x]; }
    Canvas Render() {
        Canvas canvas(445, 329, colors::White);
        view_.UpdateGraphics(game_, canvas);
        return canvas;
    }

    std::filesystem::path folder_;
    RecordingHost host_;
    Game game_{host_};
    GameState& state_ = game_.state;
    FirstPersonView view_;
    void SetUpView() { view_.SetViewPort(445, 329); }
};

TEST(GetPatternTest, PicturesOfEachBlock) {
    EXPECT_EQ(GetPattern(0, Plot::Wall), "TownWall.bmp");
    EXPECT_EQ(GetPattern(0, Plot::Door), "DoorRaz.bmp");
    EXPECT_EQ(GetPattern(20, Plot::Ceiling), "TownCeil.bmp");  // the camp borrows the town's ceiling
    EXPECT_EQ(GetPattern(19, Plot::Floor), "CaveFlor.bmp");
    EXPECT_EQ(GetPattern(21, Plot::Door), "DoorLair.bmp");
    EXPECT_EQ(GetPattern(7, Plot::Tunnel), "Tunnel.bmp");
    EXPECT_EQ(GetPattern(22, Plot::Tunnel), "Tunnel.bmp");
    EXPECT_EQ(GetPattern(22, Plot::Wall), "");
    EXPECT_EQ(GetPattern(-1, Plot::Floor), "");
}

// The sky follows the hour, and only the party's own cell decides between
// sky and ceiling.
TEST_F(ViewTest, SkyByHourAndCeilingByTheOwnCell) {
    WriteTownArt();
    SetUpView();
    const struct {
        int hour;
        uint32_t sky;
    } hours[] = {{0, 0xFF000000u},  {5, 0xFF000000u},  {6, 0xFF0410A2u},  {7, 0xFF0410A2u},
                 {8, 0xFF24BFFAu},  {17, 0xFF24BFFAu}, {18, 0xFF0410A2u}, {20, 0xFF0410A2u},
                 {21, 0xFF000000u}, {23, 0xFF000000u}};
    for (const auto& [hour, sky] : hours) {
        state_.GameHour = static_cast<int16_t>(hour);
        const Canvas view = Render();
        EXPECT_EQ(view.PixelAt(222, 0), sky) << "hour " << hour;
        EXPECT_EQ(view.PixelAt(0, 162), sky) << "hour " << hour;
        // The horizon line is 3 pixels wide, the floor starts below it.
        EXPECT_EQ(view.PixelAt(222, 163), 0xFF000000u);
        EXPECT_EQ(view.PixelAt(222, 165), 0xFF000000u);
        EXPECT_EQ(view.PixelAt(222, 166), Tagged(222, 166, 11, 3, kFloorTag));
        EXPECT_EQ(view.PixelAt(444, 328), Tagged(444, 328, 11, 3, kFloorTag));
    }

    Cell(1, 2).Roofed = True;  // the cell ahead is roofed: still sky
    state_.GameHour = 12;
    EXPECT_EQ(Render().PixelAt(222, 0), 0xFF24BFFAu);
    Cell(1, 1).Roofed = True;
    Cell(1, 2).Roofed = False;
    const Canvas roofed = Render();
    EXPECT_EQ(roofed.PixelAt(222, 0), Tagged(222, 0, 5, 9, kCeilingTag));
    EXPECT_EQ(roofed.PixelAt(100, 162), Tagged(100, 162, 5, 9, kCeilingTag));
    EXPECT_TRUE(host_.messages.empty());
}

// A wall one step ahead fills x 58..387, y 33..296, rimmed in black, and the
// walls of the own cell frame it; a door on the map's edge is a tunnel.
TEST_F(ViewTest, WallAheadAndTunnelBeside) {
    WriteTownArt();
    SetUpView();
    state_.GameHour = 12;
    Cell(1, 1).NorthWall = 1;
    Cell(1, 1).WestWall = 1;
    Place(1, 1, 0);
    Canvas view = Render();
    EXPECT_EQ(view.PixelAt(200, 100), Tagged(200, 100, 7, 5, kWallTag));
    EXPECT_EQ(view.PixelAt(60, 35), Tagged(60, 35, 7, 5, kWallTag));
    EXPECT_EQ(view.PixelAt(385, 294), Tagged(385, 294, 7, 5, kWallTag));
    EXPECT_EQ(view.PixelAt(200, 33), 0xFF000000u);  // the rim
    EXPECT_EQ(view.PixelAt(387, 200), 0xFF000000u);
    EXPECT_EQ(view.PixelAt(20, 200), Tagged(20, 200, 7, 5, kWallTag));  // the left side face
    EXPECT_EQ(view.PixelAt(420, 20), 0xFF24BFFAu);                      // no wall on the right: sky
    EXPECT_EQ(view.PixelAt(420, 250), Tagged(420, 250, 11, 3, kFloorTag));

    // Facing west at PosX 0: the west side is the map's edge, and a door in it
    // is a tunnel with its frame; the cells beyond the edge are skipped.
    Place(0, 1, 3);
    Cell(0, 1).WestWall = 1;
    Cell(0, 1).WestDoor = 1;
    view = Render();
    EXPECT_EQ(view.PixelAt(200, 100), Tagged(200, 100, 7, 5, kWallTag));
    EXPECT_EQ(view.PixelAt(200, 200), Tagged(200, 200, 3, 8, kTunnelTag));  // inside the frames
    EXPECT_EQ(view.PixelAt(168, 200), 0xFF5E612Bu);                         // the 8-pixel rim
    EXPECT_EQ(view.PixelAt(163, 200), 0xFF000000u);                         // black, 4 outside
    EXPECT_EQ(view.PixelAt(176, 200), 0xFF4D5024u);                         // 8 inside
    EXPECT_EQ(view.PixelAt(184, 200), 0xFF373919u);                         // 16 inside

    // The same door between two cells is a door.
    Place(1, 1, 3);
    Cell(1, 1).WestDoor = 1;
    Cell(0, 1).EastWall = 1;
    Cell(0, 1).EastDoor = 1;
    view = Render();
    EXPECT_EQ(view.PixelAt(200, 200), Tagged(200, 200, 6, 4, kDoorTag));
    EXPECT_TRUE(host_.messages.empty());
}

// Missing pictures: one message for each face on each redraw, and the rest
// of the view is still drawn.
TEST_F(ViewTest, MissingPicturesAreReportedFaceByFace) {
    SetUpView();
    state_.GameHour = 12;
    Cell(1, 1).NorthWall = 1;
    Cell(1, 1).NorthDoor = 1;
    Cell(1, 1).EastWall = 1;
    Canvas view = Render();
    const std::vector<std::string> expected = {"Error ceiling/floor image.", "Error loading image.",
                                               "Error loading image.", "Error loading image."};
    EXPECT_EQ(host_.messages, expected);
    EXPECT_EQ(view.PixelAt(222, 0), 0xFF24BFFAu);
    EXPECT_EQ(view.PixelAt(222, 250), 0xFF000000u);  // cleared, no floor

    host_.messages.clear();
    Cell(1, 1).Roofed = True;
    Write("TownWall.bmp", TaggedPattern(7, 5, kWallTag));
    view = Render();
    const std::vector<std::string> roofed = {"Error ceiling/floor image.", "Error ceiling/floor image.",
                                             "Error loading image."};
    EXPECT_EQ(host_.messages, roofed);  // only the door is still missing
    EXPECT_EQ(view.PixelAt(200, 100), Tagged(200, 100, 7, 5, kWallTag));
}

// Pictures are kept while the party stays in the block and read again after
// it enters another; a file that could not be read is tried every time.
TEST_F(ViewTest, PicturesAreKeptPerBlock) {
    const std::string path = (folder_ / "Art" / "Pattern.bmp").string();
    ViewPictures pictures;
    EXPECT_EQ(pictures.Load(path, 3), nullptr);
    Write("Pattern.bmp", TaggedPattern(2, 2, 7));
    const Bitmap* first = pictures.Load(path, 3);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->At(1, 0), Tagged(1, 0, 2, 2, 7));
    Write("Pattern.bmp", TaggedPattern(2, 2, 9));
    EXPECT_EQ(pictures.Load(path, 3)->At(1, 0), Tagged(1, 0, 2, 2, 7));
    EXPECT_EQ(pictures.Load(path, 4)->At(1, 0), Tagged(1, 0, 2, 2, 9));
}

}  // namespace
}  // namespace duskmoor
