#pragma once
// The character sheet of the character named by `SelectedPlayer`: who they
// are, what they carry and how they stand, with the way to their pack and to
// their ability scores.
#include "ui/screen.h"

namespace duskmoor {

struct Game;

class frmView : public Screen {
  public:
    explicit frmView(Game& game);
    void Load() override { ShowPlayer(); }
    void CloseRequested() override { OK(); }

    // Fills every label from the character.
    void ShowPlayer();

  private:
    void Items();
    void Stats();
    void OK();

    Game& game_;
};

}  // namespace duskmoor
