#pragma once
// The rest screen: the player dials the hours, and the rest timer passes them
// one by one until the rest completes or wandering monsters break it off.
#include "magic/rest.h"
#include "ui/screen.h"

namespace duskmoor {

struct Game;

class frmRest : public Screen {
  public:
    explicit frmRest(Game& game);
    void Load() override;
    void CloseRequested() override;

  private:
    void StartRest();
    void Tick();
    void Finish();
    void ShowHours();
    void EnableButtons(bool enabled);

    Game& game_;
    RestModel model_;
};

}  // namespace duskmoor
