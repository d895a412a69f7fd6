#pragma once
// The start-of-game prompt: load characters, take the ready-made party, or
// create new characters.
#include "ui/screen.h"

namespace duskmoor {

struct Game;

class frmPrompt : public Screen {
  public:
    explicit frmPrompt(Game& game);
    void CloseRequested() override { Close(); }

  private:
    void LoadDefaultParty();
    Game& game_;
};

}  // namespace duskmoor
