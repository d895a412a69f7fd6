// The window while an autopilot plays: each step is shown for as long as the
// autopilot asks, the window stays drawn and can be closed, and the game's
// timers and sound ends are the autopilot's to fire, on its own clock.
#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <climits>

#include "ui/autopilot.h"
#include "ui/sdl_host.h"

namespace duskmoor {

namespace {

// At full speed the window still shows a frame this often.
constexpr std::chrono::milliseconds kFastFrame{100};

}  // namespace

void SdlHost::SetAutopilot(Autopilot* autopilot, std::function<void()> handed_over) {
    autopilot_ = autopilot;
    handed_over_ = std::move(handed_over);
    last_piloted_frame_ = {};
}

void SdlHost::PilotStep(const std::function<bool()>& stop) {
    const long long real_ms = autopilot_->Step(stop);
    dirty_ = true;
    if (real_ms < 0) {
        HandOver();
        return;
    }
    ShowPilotedStep(real_ms);
}

// Shows the step for `real_ms` of real time, taking the window's own events
// meanwhile; a step of no time is drawn only now and then.
void SdlHost::ShowPilotedStep(long long real_ms) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point now = Clock::now();
    if (real_ms > 0 || now - last_piloted_frame_ >= kFastFrame) {
        PresentIfChanged();
        last_piloted_frame_ = now;
    }
    const Clock::time_point deadline = now + std::chrono::milliseconds(real_ms);
    for (;;) {
        const long long left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
        SDL_Event event;
        const bool got =
            left > 0 ? SDL_WaitEventTimeout(&event, static_cast<int>(std::min<long long>(left, INT_MAX))) != 0
                     : SDL_PollEvent(&event) != 0;
        if (got) {
            HandlePilotedEvent(event);
            if (real_ms > 0) PresentIfChanged();
        } else if (left <= 0) {
            return;
        }
    }
}

// The mouse and keys belong to the autopilot: a click of the player's would
// take the game where the script never went.
void SdlHost::HandlePilotedEvent(const SDL_Event& event) {
    switch (event.type) {
        case SDL_QUIT:
        case SDL_WINDOWEVENT:
            HandleEvent(event);
            break;
        case SDL_KEYDOWN: {
            const SDL_Keycode sym = event.key.keysym.sym;
            const bool alt = (event.key.keysym.mod & KMOD_ALT) != 0;
            if (sym == SDLK_F11 || (alt && (sym == SDLK_RETURN || sym == SDLK_KP_ENTER))) HandleEvent(event);
            break;
        }
        default:
            break;
    }
}

// The clock goes on from where the autopilot left it, so the screens' timers
// keep their places. A wave still playing on the autopilot's clock counts as
// over: its end was the autopilot's to report.
void SdlHost::HandOver() {
    Autopilot* autopilot = autopilot_;
    autopilot_ = nullptr;
    start_ = std::chrono::steady_clock::now() - std::chrono::milliseconds(autopilot->NowMs());
    audio_.TakeFinished();
    dirty_ = true;
    if (autopilot->SoundPlaying() && sound_finished) sound_finished();
    if (handed_over_) handed_over_();
}

}  // namespace duskmoor
