#pragma once
// The game menu: new game, saved games, characters, sound, credits, exit and
// back to the game.
#include "ui/screen.h"

namespace duskmoor {

struct Game;

class frmGame : public Screen {
  public:
    explicit frmGame(Game& game);
    void Load() override;
    void CloseRequested() override { BackToGame(); }

  private:
    void NewGame();
    void ToggleSound();
    void ShowSoundPicture();
    void BackToGame();

    Game& game_;
};

}  // namespace duskmoor
