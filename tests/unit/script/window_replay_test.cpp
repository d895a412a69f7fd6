// A script replayed in the window: the window host takes its clock, timers,
// sounds' ends and dialogs from the script player while it plays, ignores
// the player's own hands meanwhile, and hands the game over afterwards with
// the clock going on from where the script left it.
#include <SDL.h>
#include <gtest/gtest.h>

#include <chrono>
#include <sstream>
#include <string>
#include <vector>

#include "script/script_player.h"
#include "support/sdl_events.h"
#include "ui/screen.h"
#include "ui/sdl_host.h"
#include "ui/wave_file.h"

namespace duskmoor {
namespace {

using namespace sdl_events;

const std::string kDoorWave = std::string(DUSKMOOR_GAME_DIR) + "/Sounds/Door.wav";

// A main screen with a button, a message, a sound and a ticking timer; the
// player clicks the button with the mouse as soon as the screen is up.
class ReplayedScreen : public Screen {
  public:
    explicit ReplayedScreen(SdlHost& host) : Screen(host, "frmMain", 640, 480) {
        Add(ControlKind::Button, "cmdGo", 100, 100, 80, 30).on_click = [this] { ++clicks; };
        Add(ControlKind::Button, "cmdHello", 300, 100, 80, 30).on_click = [this, &host] {
            host.MessageBox("Hello");
            screens_during_message = host.OpenScreens().size();
        };
        Add(ControlKind::Button, "cmdSound", 300, 200, 80, 30).on_click = [&host] {
            host.PlayWave(kDoorWave);
        };
        Add(ControlKind::Timer, "tmrTick", 0, 0, 0, 0).on_tick = [this, &host] {
            ticks.push_back(host.NowMs());
        };
        host.sound_finished = [this, &host] { sound_ends.push_back(host.NowMs()); };
    }
    void Load() override {
        StartTimer((*this)["tmrTick"], 100);
        PushClick(110, 110);
    }
    void CloseRequested() override { Close(); }

    int clicks = 0;
    size_t screens_during_message = 0;
    std::vector<long long> ticks;
    std::vector<long long> sound_ends;
};

using WindowReplayTest = DummyHostTest;

TEST_F(WindowReplayTest, TheScriptPlaysOnItsOwnClockThenThePlayerTakesOver) {
    const long long door_ms = WaveDurationMs(kDoorWave);
    ASSERT_GT(door_ms, 0);
    std::istringstream script(
        "click cmdGo\nwait 250\nclick cmdHello\nclick cmdSound\nwait 1000\necho done\n");
    std::string transcript;
    ScriptPlayer player(*host_, script, "/nonexistent/",
                        [&transcript](const std::string& line) { transcript += line + "\n"; });
    ReplayedScreen screen(*host_);
    long long clock_at_hand_over = -1;
    host_->SetAutopilot(&player, [&] {
        clock_at_hand_over = host_->NowMs();
        // The player's own click, and the window's close box.
        PushClick(110, 110);
        SDL_Event quit{};
        quit.type = SDL_QUIT;
        SDL_PushEvent(&quit);
    });
    host_->RunModal(screen);

    EXPECT_FALSE(host_->piloted());
    // The message went to the transcript without a screen to close.
    EXPECT_EQ(transcript, "open frmMain\nmsgbox Hello\nsound Door.wav\ndone\n");
    EXPECT_EQ(screen.screens_during_message, 1u);
    // The player's click while the script played was not theirs to make.
    EXPECT_EQ(screen.clicks, 2);
    // The clock goes on from the script's, in real time from then on.
    EXPECT_GE(clock_at_hand_over, 1250);
    EXPECT_LT(clock_at_hand_over, 1250 + 1000);
    ASSERT_GE(screen.ticks.size(), 12u);
    for (size_t tick = 0; tick < 12; ++tick) EXPECT_EQ(screen.ticks[tick], 100 * (tick + 1));
    for (size_t tick = 12; tick < screen.ticks.size(); ++tick) EXPECT_GT(screen.ticks[tick], 1250);
    EXPECT_EQ(screen.sound_ends, std::vector<long long>{250 + door_ms});
}

TEST_F(WindowReplayTest, APacedScriptIsShownForItsPace) {
    std::istringstream script("click cmdGo\nwait 400\nclick cmdGo\n");
    ScriptPlayer player(*host_, script, "/nonexistent/", [](const std::string&) {});
    player.SetPace(kRealTimePaceMs / 4);
    ReplayedScreen screen(*host_);
    host_->SetAutopilot(&player, [this] { host_->Quit(); });
    const long long frames_before = host_->frames_presented();
    const auto start = std::chrono::steady_clock::now();
    EXPECT_THROW(host_->RunModal(screen), ProgramExit);
    const long long elapsed_ms =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start)
            .count();
    // Two clicks held for the pace and the wait at a quarter of real time.
    EXPECT_GE(elapsed_ms, 2 * kRealTimePaceMs / 4 + 100);
    EXPECT_EQ(screen.clicks, 2);
    // Each held click and each frame of the wait was drawn.
    EXPECT_GE(host_->frames_presented() - frames_before, 2 + 100 / kWaitFrameMs);
    EXPECT_TRUE(host_->OpenScreens().empty());
}

}  // namespace
}  // namespace duskmoor
