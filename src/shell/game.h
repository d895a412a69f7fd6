#pragma once
// The running game: its state, the host it runs on, and the main screen's
// read-outs that rules refresh as they change the state.
#include "shell/game_state.h"

namespace duskmoor {

class Host;

// What the main screen shows of the state; rules call these where the game
// refreshes a label or the view.
class MainView {
  public:
    virtual ~MainView() = default;
    virtual void RefreshClock() = 0;
    virtual void RefreshCoords() = 0;
    virtual void RefreshPartyPanel() = 0;
    virtual void RedrawView() = 0;
    virtual void ClearView() = 0;
    // The sound safeguard timer: restart it, or give it a new interval.
    virtual void RestartCollisionTimer() = 0;
    virtual void SetCollisionInterval(int interval_ms) = 0;
    // The whole party has fallen or been beaten: back to "no game" and the game menu.
    virtual void EndGameByDeath() = 0;
};

struct Game {
    explicit Game(Host& game_host) : host(game_host) {}

    GameState state;
    Host& host;
    MainView* view = nullptr;
};

}  // namespace duskmoor
