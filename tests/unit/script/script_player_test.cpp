// The script player on its own: what a step does at each pace, and that
// watching a script at a person's pace changes nothing of what happens in
// the game or when.
#include "script/script_player.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "ui/host.h"
#include "ui/screen.h"
#include "ui/wave_file.h"

namespace duskmoor {
namespace {

const std::string kDoorWave = std::string(DUSKMOOR_GAME_DIR) + "/Sounds/Door.wav";

// A host whose screens are played by a script player, as the window plays
// them in a replay; it adds up the real time the steps ask to be shown.
class PacedHost : public Host {
  public:
    PacedHost(const std::string& script, long long pace_ms)
        : input_(script), player(*this, input_, "/nonexistent/", [this](const std::string& line) {
              transcript += line + "\n";
          }) {
        player.SetPace(pace_ms);
        player.action_played = [this](const ScriptAction& action) { actions.push_back(action.text); };
    }

    void RunModal(Screen& screen) override {
        screens_.push_back(&screen);
        screen.Reopen();
        screen.Load();
        player.ScreenOpened(screen);
        while (!screen.closing() && Step([&screen] { return screen.closing(); })) {
        }
        player.ScreenClosed(screen);
        screens_.pop_back();
    }
    void DoEvents() override {}
    bool WaitUntil(const std::function<bool()>& condition) override {
        while (!condition()) {
            if (!Step(condition)) return false;
        }
        return true;
    }
    long long NowMs() override { return player.NowMs(); }
    [[noreturn]] void Quit() override { throw ProgramExit{}; }
    const std::vector<Screen*>& OpenScreens() const override { return screens_; }
    bool PlayWave(const std::string& path) override { return player.StartSound(path); }
    void StopWave() override { player.StopSound(); }
    void MessageBox(const std::string& text) override { player.MessageBox(text); }
    std::string FileDialog(const FileDialogRequest& request) override { return player.FileDialog(request); }
    bool PrintPage(const std::string& text) override { return player.PrintPage(text); }

    // False once the script has ended.
    bool Step(const std::function<bool()>& stop) {
        const long long real_ms = player.Step(stop);
        if (real_ms < 0) {
            ended = true;
            return false;
        }
        steps.push_back(real_ms);
        shown_ms += real_ms;
        return true;
    }

    std::istringstream input_;
    std::vector<Screen*> screens_;
    ScriptPlayer player;
    std::string transcript;
    std::vector<std::string> actions;
    std::vector<long long> steps;
    long long shown_ms = 0;
    bool ended = false;
};

// A battle-like screen: a timer ticks every 100 ms, FIGHT starts a sound and
// waits for NEXT or the fifth tick, whichever comes first; everything is
// written down with the time it happened.
class BattleScreen : public Screen {
  public:
    explicit BattleScreen(PacedHost& host) : Screen(host, "frmBattle", 200, 100), paced_(host) {
        Add(ControlKind::Button, "cmdFight", 0, 0, 50, 20).on_click = [this] { Fight(); };
        Add(ControlKind::Button, "cmdNext", 0, 20, 50, 20).on_click = [this] { next = true; };
        Add(ControlKind::Button, "cmdExit", 0, 40, 50, 20).on_click = [this] { Close(); };
        Add(ControlKind::Timer, "tmrTick", 0, 0, 0, 0).on_tick = [this] { Note("tick"); };
        host.sound_finished = [this] { Note("sound over"); };
    }
    void Load() override { StartTimer((*this)["tmrTick"], 100); }

    void Note(const std::string& what) {
        paced_.transcript += what + " at " + std::to_string(paced_.NowMs()) + "\n";
        if (what == "tick") ++ticks;
    }
    void Fight() {
        next = false;
        const int until = ticks + 5;
        paced_.PlayWave(kDoorWave);
        const bool went_on = paced_.WaitUntil([&] { return next || ticks >= until; });
        Note(went_on ? "rule goes on" : "rule stops");
    }

    int ticks = 0;
    bool next = false;

  private:
    PacedHost& paced_;
};

const char kBattleScript[] =
    "wait 30\n"
    "click cmdFight\n"
    "wait 170\n"
    "click cmdNext\n"
    "echo between\n"
    "click cmdFight\n"
    "wait 2000\n"
    "get Nothing\n";

struct BattleRun {
    std::string transcript;
    std::vector<std::string> actions;
    std::vector<long long> steps;
    long long shown_ms = 0;
};

BattleRun PlayBattle(long long pace_ms) {
    PacedHost host(kBattleScript, pace_ms);
    BattleScreen screen(host);
    try {
        host.RunModal(screen);
    } catch (const ScriptError& error) {
        host.transcript += "error at line " + std::to_string(error.line) + ": " + error.message + "\n";
    }
    return {host.transcript, host.actions, host.steps, host.shown_ms};
}

TEST(ScriptPlayer, WatchingAtAPersonsPaceChangesNothingThatHappens) {
    ASSERT_GT(WaveDurationMs(kDoorWave), 0);
    const BattleRun fast = PlayBattle(0);
    const BattleRun watched = PlayBattle(kRealTimePaceMs);
    EXPECT_EQ(watched.transcript, fast.transcript);
    EXPECT_EQ(watched.actions, fast.actions);
    // NEXT ends the first rule at 200; the second rule goes on at its fifth
    // tick, in the middle of the long wait, which then runs to its end.
    const std::string& happened = fast.transcript;
    EXPECT_NE(happened.find("tick at 200\nrule goes on at 200\nbetween\nsound Door.wav\n"), std::string::npos)
        << happened;
    EXPECT_NE(happened.find("tick at 700\nrule goes on at 700\n"), std::string::npos) << happened;
    EXPECT_NE(happened.find("tick at 2200\nerror at line 8: "), std::string::npos) << happened;
}

TEST(ScriptPlayer, APlayersActionsWaitThePaceAndWaitsPlayOutInFrames) {
    const BattleRun fast = PlayBattle(0);
    const BattleRun watched = PlayBattle(kRealTimePaceMs);
    // At full speed nothing is held back.
    EXPECT_EQ(std::count(fast.steps.begin(), fast.steps.end(), 0), static_cast<long>(fast.steps.size()));

    // Three clicks are held for the pace each; `echo` and `get` are not a
    // player's hands and are not held. The waits (2200 ms in all) play in
    // real time in frames of at most 40 ms; the rule that cuts the long
    // wait short costs at most one frame more.
    EXPECT_EQ(std::count(watched.steps.begin(), watched.steps.end(), kRealTimePaceMs), 3);
    long long frames_ms = 0;
    for (long long real_ms : watched.steps) {
        if (real_ms == kRealTimePaceMs) continue;
        EXPECT_LE(real_ms, kWaitFrameMs);
        frames_ms += real_ms;
    }
    EXPECT_EQ(watched.shown_ms, 3 * kRealTimePaceMs + frames_ms);
    EXPECT_GE(frames_ms, 2200 - 3);
    EXPECT_LE(frames_ms, 2200 + kWaitFrameMs);
}

TEST(ScriptPlayer, LongWaitsAreWatchedShorterAndAFasterPaceShortensEverything) {
    const auto shown = [](const std::string& script, long long pace_ms) {
        PacedHost host(script, pace_ms);
        Screen screen(host, "frmMain", 640, 480);
        host.RunModal(screen);
        EXPECT_TRUE(host.ended);
        return host.shown_ms;
    };
    EXPECT_EQ(shown("wait 4000\n", kRealTimePaceMs), 4000);
    // A day of rest is not watched for a day.
    EXPECT_EQ(shown("wait 3000000\n", kRealTimePaceMs), kLongestWatchedWaitMs);
    EXPECT_EQ(shown("wait 1600\nkey Up\n", kRealTimePaceMs / 4), 400 + kRealTimePaceMs / 4);
    // Too short to be seen at that pace: one frame, no time.
    EXPECT_EQ(shown("wait 10\n", 1), 0);
    EXPECT_EQ(shown("wait 0\necho x\nfile Saves/x.dms\n", kRealTimePaceMs), 0);
}

TEST(ScriptPlayer, AHeldActionIsCarriedOutOnlyAtTheNextStep) {
    PacedHost host("click cmdGo\n", kRealTimePaceMs);
    Screen screen(host, "frmMain", 640, 480);
    int clicks = 0;
    bool pressed_when_clicked = true;
    Control& go = screen.Add(ControlKind::Button, "cmdGo", 0, 0, 10, 10);
    go.on_click = [&] {
        ++clicks;
        pressed_when_clicked = go.pressed;
    };
    host.screens_.push_back(&screen);
    const auto never = [] { return false; };
    // Held, the button is shown pressed.
    EXPECT_EQ(host.player.Step(never), kRealTimePaceMs);
    EXPECT_EQ(clicks, 0);
    EXPECT_TRUE(go.pressed);
    EXPECT_TRUE(host.actions.empty());
    EXPECT_EQ(host.player.Step(never), 0);
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(pressed_when_clicked);
    EXPECT_FALSE(go.pressed);
    EXPECT_EQ(host.actions, std::vector<std::string>{"click cmdGo"});
    EXPECT_EQ(host.player.Step(never), -1);
    EXPECT_EQ(host.player.Step(never), -1);
    EXPECT_EQ(clicks, 1);
}

}  // namespace
}  // namespace duskmoor
