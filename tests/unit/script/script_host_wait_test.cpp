// A rule that pauses for the player inside the headless host: the script's
// actions reach the waiting screen, the virtual clock runs its timers, and
// the wait ends when the condition holds or the screen closes.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "script/script_host.h"
#include "ui/screen.h"

namespace duskmoor {
namespace {

// A battle-like screen: FIGHT runs a rule that reports, waits for NEXT, and
// reports again; a timer ticks every 100 ms behind it.
class WaitingScreen : public Screen {
  public:
    WaitingScreen(Host& host, std::ostream& transcript, const std::string& name)
        : Screen(host, name, 200, 100), transcript_(transcript) {
        Add(ControlKind::Button, "cmdFight", 0, 0, 50, 20).on_click = [this] { Fight(); };
        Add(ControlKind::Button, "cmdNext", 0, 20, 50, 20).on_click = [this] { next_pressed = true; };
        Add(ControlKind::Button, "cmdOff", 0, 40, 50, 20).visible = false;
        Add(ControlKind::Button, "cmdExit", 0, 60, 50, 20).on_click = [this] { Close(); };
        Control& timer = Add(ControlKind::Timer, "tmrTick", 0, 0, 0, 0);
        timer.on_tick = [this] { ++ticks; };
    }

    void Load() override { StartTimer((*this)["tmrTick"], 100); }
    void CloseRequested() override { Close(); }

    void Fight() {
        transcript_ << "rule starts at " << host().NowMs() << "\n";
        const bool went_on = host().WaitUntil([this] { return next_pressed || ticks >= tick_limit; });
        transcript_ << "rule " << (went_on ? "goes on" : "stops") << " at " << host().NowMs() << " after "
                    << ticks << " ticks\n";
        next_pressed = false;
    }

    bool next_pressed = false;
    int ticks = 0;
    int tick_limit = 1000;

  private:
    std::ostream& transcript_;
};

struct WaitRun {
    int status = 0;
    std::string transcript;
    int ticks = 0;
    long long clock = 0;
};

// Runs the waiting screen, opened over a main screen, from `script`.
WaitRun RunWaitingScreen(const std::string& script, int tick_limit = 1000) {
    std::istringstream input(script);
    std::ostringstream transcript, errors;
    ScriptHost host(input, transcript, "/nonexistent/");
    Screen main_screen(host, "frmMain", 640, 480);
    WaitingScreen screen(host, transcript, "frmBattle");
    screen.tick_limit = tick_limit;
    WaitRun run;
    run.status = host.Run(
        [&] {
            host.WaitUntil([] { return true; });  // no screen yet: nothing to wait for
            main_screen.Add(ControlKind::Timer, "tmrOpen", 0, 0, 0, 0).on_tick = [&] {
                main_screen.StopTimer(main_screen["tmrOpen"]);
                host.RunModal(screen);
            };
            main_screen.StartTimer(main_screen["tmrOpen"], 1);
            host.RunModal(main_screen);
        },
        errors);
    run.transcript = transcript.str();
    run.ticks = screen.ticks;
    run.clock = host.NowMs();
    return run;
}

TEST(ScriptHostWait, TheWaitingRuleSeesTheScriptsClickAndTheClockRuns) {
    WaitRun run = RunWaitingScreen(
        "wait 1\n"
        "click cmdFight\n"
        "click cmdOff\n"
        "click cmdNothing\n"
        "wait 250\n"
        "click cmdNext\n"
        "echo after\n"
        "click cmdExit\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.transcript,
              "open frmMain\n"
              "open frmBattle\n"
              "rule starts at 1\n"
              "ignored click cmdOff (hidden)\n"
              "ignored click cmdNothing (no such control on frmBattle)\n"
              "rule goes on at 251 after 2 ticks\n"
              "after\n"
              "close frmBattle\n"
              "end\n");
}

TEST(ScriptHostWait, AWaitStopsWhenTheConditionHoldsAndGoesOnAfterTheRule) {
    // The rule goes on at the third tick, in the middle of the script's wait;
    // the rest of the wait follows before the next action.
    WaitRun run = RunWaitingScreen("wait 1\nclick cmdFight\nwait 1000\necho after\n", 3);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.transcript,
              "open frmMain\nopen frmBattle\n"
              "rule starts at 1\n"
              "rule goes on at 301 after 3 ticks\n"
              "after\n"
              "end\n");
    EXPECT_EQ(run.clock, 1001);
    EXPECT_EQ(run.ticks, 10);
}

TEST(ScriptHostWait, ClosingTheWaitingScreenEndsTheWaitWithFalse) {
    WaitRun escaped = RunWaitingScreen("wait 1\nclick cmdFight\nwait 120\nkey Escape\necho after\n");
    EXPECT_EQ(escaped.status, 0);
    EXPECT_EQ(escaped.transcript,
              "open frmMain\nopen frmBattle\n"
              "rule starts at 1\n"
              "rule stops at 121 after 1 ticks\n"
              "close frmBattle\n"
              "after\n"
              "end\n");

    // Its own exit button closes it just the same.
    WaitRun exited = RunWaitingScreen("wait 1\nclick cmdFight\nclick cmdExit\n");
    EXPECT_NE(exited.transcript.find("rule stops at 1 after 0 ticks\nclose frmBattle\n"), std::string::npos);
}

TEST(ScriptHostWait, AScriptEndingDuringAWaitEndsTheRun) {
    WaitRun run = RunWaitingScreen("wait 1\nclick cmdFight\nwait 50\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.transcript, "open frmMain\nopen frmBattle\nrule starts at 1\nend\n");
    EXPECT_EQ(run.clock, 51);
}

// A safeguard that clears a flag every 7 ms and a timer that sets it every
// 100 ms; what happens, and when, is written down.
std::string SafeguardRun(bool idle_known, long long& safeguard_due) {
    std::istringstream input("wait 1000\n");
    std::ostringstream transcript, errors;
    ScriptHost host(input, transcript, "/nonexistent/");
    Screen screen(host, "frmMain", 640, 480);
    bool busy = false;
    std::string happened;
    Control& safeguard = screen.Add(ControlKind::Timer, "tmrSafe", 0, 0, 0, 0);
    safeguard.on_tick = [&] {
        if (busy) happened += "freed at " + std::to_string(host.NowMs()) + "\n";
        busy = false;
    };
    if (idle_known) safeguard.tick_is_idle = [&] { return !busy; };
    Control& setter = screen.Add(ControlKind::Timer, "tmrBusy", 0, 0, 0, 0);
    setter.on_tick = [&] { busy = true; };
    screen.StartTimer(safeguard, 7);
    screen.StartTimer(setter, 100);
    host.Run([&] { host.RunModal(screen); }, errors);
    safeguard_due = safeguard.due_ms;
    return happened;
}

TEST(ScriptHostWait, IdleTicksArePassedByWithoutChangingWhatHappens) {
    long long due_when_run = 0;
    long long due_when_passed = 0;
    const std::string every_tick = SafeguardRun(false, due_when_run);
    const std::string idle_passed = SafeguardRun(true, due_when_passed);
    // At 700 both are due: the safeguard, first on the screen, ticks first.
    EXPECT_NE(every_tick.find("freed at 105\n"), std::string::npos) << every_tick;
    EXPECT_NE(every_tick.find("freed at 707\n"), std::string::npos) << every_tick;
    EXPECT_EQ(idle_passed, every_tick);
    EXPECT_EQ(due_when_passed, due_when_run);
    EXPECT_EQ(due_when_run, 1001);
}

}  // namespace
}  // namespace duskmoor
