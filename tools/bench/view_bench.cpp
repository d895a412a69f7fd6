// Times one full redraw of the first-person view at 445 x 329 in the worst
// case: every face at every depth is a wall with a door or tunnel in it, so
// every polygon and every frame of the view is drawn. Compared with one solid
// fill of the same canvas in the same run.
//
//     view_bench [game folder]     (default: the folder of the program)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "bench_timing.h"
#include "shell/game.h"
#include "ui/canvas.h"
#include "ui/host.h"
#include "world/view.h"

namespace {

class SilentHost : public duskmoor::Host {
  public:
    void RunModal(duskmoor::Screen&) override {}
    void DoEvents() override {}
    bool WaitUntil(const std::function<bool()>& condition) override { return condition(); }
    long long NowMs() override { return 0; }
    [[noreturn]] void Quit() override { throw duskmoor::ProgramExit{}; }
    const std::vector<duskmoor::Screen*>& OpenScreens() const override { return screens_; }
    bool PlayWave(const std::string&) override { return false; }
    void StopWave() override {}
    void MessageBox(const std::string& text) override {
        ++messages;
        (void)text;
    }
    std::string FileDialog(const duskmoor::FileDialogRequest&) override { return ""; }
    bool PrintPage(const std::string&) override { return false; }
    int messages = 0;

  private:
    std::vector<duskmoor::Screen*> screens_;
};

// A 5 x 3 map, the party in the middle of the south row facing north: every
// side of every cell is a door, and the outer ones are tunnels.
void BuildWorstCase(duskmoor::GameState& state) {
    state.MapWidth = 5;
    state.MapHeight = 3;
    for (int cell = 0; cell < 15; ++cell) {
        duskmoor::MapCell& map_cell = state.Map[cell];
        map_cell.NorthWall = map_cell.EastWall = map_cell.SouthWall = map_cell.WestWall = 1;
        map_cell.NorthDoor = map_cell.EastDoor = map_cell.SouthDoor = map_cell.WestDoor = 1;
        map_cell.Roofed = duskmoor::True;
    }
    state.PosX = 2;
    state.PosY = 0;
    state.PosCell = 2;
    state.Facing = 0;
    state.CurrentBlock = 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::string folder = argc > 1 ? std::string(argv[1]) : std::string(argv[0]);
    if (argc <= 1) folder = folder.substr(0, folder.find_last_of('/') + 1);
    if (!folder.empty() && folder.back() != '/') folder += '/';

    SilentHost host;
    duskmoor::Game game(host);
    game.state.AppPath = folder;
    BuildWorstCase(game.state);
    duskmoor::Canvas canvas(445, 329);
    duskmoor::FirstPersonView view;
    view.SetViewPort(445, 329);
    uint32_t checksum = 0;
    const auto redraw = [&] {
        view.UpdateGraphics(game, canvas);
        checksum += canvas.PixelAt(200, 160);
    };
    const auto fill = [&] {
        canvas.FillRect(0, 0, 444, 328, duskmoor::colors::Backdrop);
        checksum += canvas.PixelAt(200, 160);
    };
    redraw();  // reads the pictures once
    if (host.messages > 0) {
        std::printf("pictures missing from %sArt/ (%d messages): build the game first\n", folder.c_str(),
                    host.messages);
        return 1;
    }
    const double redraw_time = duskmoor::MedianMicroseconds(redraw, 101, 10);
    const double fill_time = duskmoor::MedianMicroseconds(fill, 101, 10);
    std::printf("full view redraw (every face, door and tunnel): %.1f us (median)\n", redraw_time);
    std::printf("one solid fill of the view: %.1f us\n", fill_time);
    std::printf("ratio: %.2f (checksum %u)\n", redraw_time / fill_time, checksum);
    return 0;
}
