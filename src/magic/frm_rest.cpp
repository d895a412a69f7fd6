#include "magic/frm_rest.h"

#include "shell/game.h"
#include "shell/game_clock.h"
#include "ui/host.h"
#include "ui/widget_style.h"

namespace duskmoor {
namespace {
constexpr int kWidth = 300, kHeight = 232;
constexpr int kButtonWidth = 80, kButtonHeight = 32;
constexpr int kHourMs = 500;
constexpr const char* kButtons[] = {"cmdPlus", "cmdMinus", "cmdRest", "cmdDone"};
}  // namespace

frmRest::frmRest(Game& game) : Screen(game.host, "frmRest", kWidth, kHeight), game_(game) {
    title = "Rest";
    AddHeading(*this, "lblTitle", "Rest", 12);
    AddCaption(*this, "lblHours", "Hours to rest:", 20, 54, 140, 24);
    AddReadout(*this, "lblShowHours", 170, 55, 80, 22);
    // The party watches the night go by: the game's clock, hour by hour.
    AddCaption(*this, "lblTimeCaption", "Time:", 20, 86, 140, 24);
    AddReadout(*this, "lblTime", 170, 87, 80, 22);
    AddButton(*this, "cmdMinus", "-", 60, 124, 60, kButtonHeight).on_click = [this] {
        model_.RestHours = RestHoursMinus(model_.RestHours);
        ShowHours();
    };
    AddButton(*this, "cmdPlus", "+", 180, 124, 60, kButtonHeight).on_click = [this] {
        model_.RestHours = RestHoursPlus(model_.RestHours);
        ShowHours();
    };
    const int buttons_y = kHeight - kButtonHeight - 18;
    AddButton(*this, "cmdRest", "Rest", 50, buttons_y, kButtonWidth, kButtonHeight).on_click = [this] {
        StartRest();
    };
    AddButton(*this, "cmdDone", "Done", kWidth - 50 - kButtonWidth, buttons_y, kButtonWidth, kButtonHeight)
        .on_click = [this] { Finish(); };
    Control& timer = Add(ControlKind::Timer, "tmrRest", 0, 0, 0, 0);
    timer.on_tick = [this] { Tick(); };
}

void frmRest::Load() {
    model_ = RestModel{};
    model_.RestHours = RestHoursToStart(game_.state.RestNeeded);
    ShowHours();
}

// While the party sleeps, the window's close box waits for the rest to end.
void frmRest::CloseRequested() {
    if (!model_.resting) Finish();
}

void frmRest::ShowHours() {
    (*this)["lblShowHours"].caption = RestHoursShown(model_.RestHours);
    (*this)["lblTime"].caption = ClockLabel(game_.state.GameHour, game_.state.GameMinute);
    host().Invalidate();
}

void frmRest::EnableButtons(bool enabled) {
    for (const char* name : kButtons) (*this)[name].enabled = enabled;
}

void frmRest::StartRest() {
    if (model_.resting || !CheckPoison(game_)) return;
    model_.RestCanBeInterrupted = RestCanBeInterrupted(game_.state);
    model_.resting = true;
    EnableButtons(false);
    StartTimer((*this)["tmrRest"], kHourMs);
}

void frmRest::Tick() {
    const RestTick tick = RestHour(game_, model_);
    if (game_.view) game_.view->RefreshClock();
    if (tick == RestTick::Idle) {
        StopTimer((*this)["tmrRest"]);
        EnableButtons(true);
    } else if (tick == RestTick::Interrupted) {
        StopTimer((*this)["tmrRest"]);
        Close();
        return;
    }
    ShowHours();
}

void frmRest::Finish() {
    CheckDeath(game_);
    if (game_.view) {
        game_.view->RefreshPartyPanel();
        game_.view->RedrawView();
    }
    Close();
}

}  // namespace duskmoor
