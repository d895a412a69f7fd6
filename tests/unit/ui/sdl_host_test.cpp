#include "ui/sdl_host.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "support/sdl_events.h"
#include "ui/screen.h"

namespace duskmoor {
namespace {

using namespace sdl_events;

using SdlHostTest = DummyHostTest;

// A main screen fed by events queued when it loads; a timer ends it through
// the window's close box once they have all been handled.
class ScriptedScreen : public Screen {
  public:
    explicit ScriptedScreen(Host& host) : Screen(host, "frmMain", 640, 480) {
        Control& go = Add(ControlKind::Button, "cmdGo", 100, 100, 80, 30);
        go.on_click = [this] { ++clicks; };
        go.on_dblclick = [this] { ++double_clicks; };
        go.on_mouse_down = [this, &go] { pressed_seen = go.pressed; };
        Control& box = Add(ControlKind::ImageButton, "imgBox", 300, 100, 40, 40);
        box.on_click = [this, &host] {
            host.MessageBox("Hello");
            ++boxes;
        };
        Control& name = Add(ControlKind::TextBox, "txtName", 100, 200, 100, 24);
        name.max_length = 3;
        name.on_change = [this] { ++changes; };
        Control& stop = Add(ControlKind::Timer, "tmrStop", 0, 0, 0, 0);
        stop.on_tick = [this, &stop] {
            ++ticks;
            StopTimer(stop);
            SDL_Event quit{};
            quit.type = SDL_QUIT;
            SDL_PushEvent(&quit);
        };
    }

    void Load() override {
        StartTimer((*this)["tmrStop"], 60);
        PushClick(110, 110);
        PushClick(110, 110, 2);
        PushMouse(SDL_MOUSEBUTTONDOWN, 110, 110, 1);  // pressed, then dragged off
        PushMouse(SDL_MOUSEBUTTONUP, 400, 400, 1);
        PushClick(150, 210);  // into the text box
        PushText("abcd");
        PushKey(SDL_KEYDOWN, SDLK_BACKSPACE);
        PushKey(SDL_KEYUP, SDLK_BACKSPACE);
        PushKey(SDL_KEYDOWN, SDLK_b);
        PushKey(SDL_KEYDOWN, SDLK_b, true);
        PushKey(SDL_KEYUP, SDLK_b);
        PushClick(310, 110);                // opens the message box...
        PushKey(SDL_KEYDOWN, SDLK_RETURN);  // ...which Enter closes
        PushKey(SDL_KEYUP, SDLK_RETURN);
        PushKey(SDL_KEYDOWN, SDLK_ESCAPE);  // not a way out of the main screen
        PushKey(SDL_KEYUP, SDLK_ESCAPE);
    }
    void KeyDown(int key) override { downs.push_back(key); }
    void KeyUp(int key) override { ups.push_back(key); }
    void CloseRequested() override {
        ++close_requests;
        Close();
    }

    int clicks = 0, double_clicks = 0, boxes = 0, changes = 0, ticks = 0, close_requests = 0;
    bool pressed_seen = false;
    std::vector<int> downs;
    std::vector<int> ups;
};

TEST_F(SdlHostTest, MouseKeysAndTimersReachTheTopScreen) {
    ScriptedScreen screen(*host_);
    host_->RunModal(screen);
    EXPECT_EQ(screen.clicks, 1);
    EXPECT_EQ(screen.double_clicks, 1);
    EXPECT_TRUE(screen.pressed_seen);
    EXPECT_FALSE(screen["cmdGo"].pressed);
    EXPECT_EQ(screen.boxes, 1);
    EXPECT_EQ(screen["txtName"].caption, "ab");
    EXPECT_EQ(screen.changes, 2);  // typed (cut at three), then one deleted
    EXPECT_EQ(screen.focus, &screen["txtName"]);
    // Key repeats come as more presses; the Enter that closed the message box
    // never reaches the main screen.
    EXPECT_EQ(screen.downs, (std::vector<int>{8, 'B', 'B', 27}));
    EXPECT_EQ(screen.ups, (std::vector<int>{8, 'B', 27}));
    EXPECT_EQ(screen.ticks, 1);
    EXPECT_EQ(screen.close_requests, 1);
    EXPECT_TRUE(host_->OpenScreens().empty());
}

TEST_F(SdlHostTest, QuitUnwindsEveryOpenScreen) {
    Screen main_screen(*host_, "frmMain", 640, 480);
    Screen menu(*host_, "frmGame", 200, 100);
    Control& open = main_screen.Add(ControlKind::Timer, "tmrOpen", 0, 0, 0, 0);
    open.on_tick = [&] {
        main_screen.StopTimer(open);
        host_->RunModal(menu);
    };
    Control& quit = menu.Add(ControlKind::Timer, "tmrQuit", 0, 0, 0, 0);
    quit.on_tick = [&] {
        EXPECT_EQ(host_->OpenScreens().size(), 2u);
        host_->Quit();
    };
    main_screen.StartTimer(open, 1);
    menu.StartTimer(quit, 1);
    EXPECT_THROW(host_->RunModal(main_screen), ProgramExit);
    EXPECT_TRUE(host_->OpenScreens().empty());
}

// A rule started by a click waits for NEXT while a timer keeps changing the
// picture; a later timer presses NEXT, or Escape closes the waiting screen.
class WaitingRule : public Screen {
  public:
    explicit WaitingRule(SdlHost& host) : Screen(host, "frmBattle", 640, 480) {
        Add(ControlKind::Button, "cmdFight", 100, 100, 80, 30).on_click = [this, &host] {
            frames_at_start = host.frames_presented();
            went_on = host.WaitUntil([this] { return next_pressed; }) ? 1 : 0;
            ticks_seen = ticks;
            frames_seen = host.frames_presented();
            Close();
        };
        Add(ControlKind::Button, "cmdNext", 300, 100, 80, 30).on_click = [this] { next_pressed = true; };
        Control& tick = Add(ControlKind::Timer, "tmrTick", 0, 0, 0, 0);
        tick.on_tick = [this, &host] {
            ++ticks;
            (*this)["cmdNext"].caption = std::to_string(ticks);
            host.Invalidate();
            if (ticks == press_at) PushClick(310, 110);
            if (ticks == escape_at) PushKeyPress(SDLK_ESCAPE);
        };
    }
    void Load() override {
        StartTimer((*this)["tmrTick"], 10);
        PushClick(110, 110);
    }
    void CloseRequested() override { Close(); }

    bool next_pressed = false;
    int ticks = 0, press_at = -1, escape_at = -1, went_on = -1, ticks_seen = 0;
    long long frames_at_start = 0, frames_seen = 0;
};

TEST_F(SdlHostTest, AWaitingRuleKeepsTheWindowDrawnAndTheTimersRunning) {
    Screen main_screen(*host_, "frmMain", 640, 480);
    WaitingRule pressed(*host_);
    pressed.press_at = 5;
    WaitingRule escaped(*host_);
    escaped.escape_at = 3;
    Control& open = main_screen.Add(ControlKind::Timer, "tmrOpen", 0, 0, 0, 0);
    open.on_tick = [&] {
        main_screen.StopTimer(open);
        host_->RunModal(pressed);
        host_->RunModal(escaped);
        main_screen.Close();
    };
    main_screen.StartTimer(open, 1);
    host_->RunModal(main_screen);

    EXPECT_EQ(pressed.went_on, 1);
    EXPECT_GE(pressed.ticks_seen, 5);
    // Every tick changed the picture, and each change was drawn.
    EXPECT_GE(pressed.frames_seen - pressed.frames_at_start, 5);
    EXPECT_EQ(escaped.went_on, 0);
    EXPECT_GE(escaped.ticks_seen, 3);
    EXPECT_GE(escaped.frames_seen - escaped.frames_at_start, 3);
    EXPECT_TRUE(host_->OpenScreens().empty());
}

// A short silent wave in 8-bit mono.
void WriteWave(const std::string& path, int samples) {
    std::ofstream file(path, std::ios::binary);
    auto word = [&](uint32_t value, int bytes) {
        for (int index = 0; index < bytes; ++index)
            file.put(static_cast<char>((value >> (8 * index)) & 0xFF));
    };
    file << "RIFF";
    word(36 + samples, 4);
    file << "WAVEfmt ";
    word(16, 4);
    word(1, 2);
    word(1, 2);
    word(22050, 4);
    word(22050, 4);
    word(1, 2);
    word(8, 2);
    file << "data";
    word(samples, 4);
    for (int index = 0; index < samples; ++index) file.put(static_cast<char>(128));
}

TEST_F(SdlHostTest, AFinishedWaveIsReportedOnTheEventThread) {
    const std::string folder = testing::TempDir();
    const std::string wave = folder + "/sdl_host_test_short.wav";
    WriteWave(wave, 1100);  // 50 ms
    int finished = 0;
    host_->sound_finished = [&] { ++finished; };
    EXPECT_FALSE(host_->PlayWave(folder + "/no_such_sound.wav"));
    ASSERT_TRUE(host_->PlayWave(wave));

    Screen screen(*host_, "frmMain", 640, 480);
    Control& stop = screen.Add(ControlKind::Timer, "tmrStop", 0, 0, 0, 0);
    stop.on_tick = [&] { screen.Close(); };
    screen.StartTimer(stop, 600);
    host_->RunModal(screen);
    EXPECT_EQ(finished, 1);

    // A wave stopped early does not report an end.
    ASSERT_TRUE(host_->PlayWave(wave));
    host_->StopWave();
    screen.StartTimer(stop, 200);
    host_->RunModal(screen);
    EXPECT_EQ(finished, 1);
    std::filesystem::remove(wave);
}

}  // namespace
}  // namespace duskmoor
