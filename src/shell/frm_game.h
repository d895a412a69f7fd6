#pragma once
// The game menu: new game, saved games, characters, sound, credits, exit and
// back to the game.
#include "ui/screen.h"

namespace duskmoor {

struct Game;

// Why the menu is open: the player asked for it, or the whole party has
// fallen and only a new or a loaded game leads back to the main screen.
enum class GameMenuReason { Asked, PartyFallen };

class frmGame : public Screen {
  public:
    explicit frmGame(Game& game, GameMenuReason reason = GameMenuReason::Asked);
    void Load() override;
    void CloseRequested() override { BackToGame(); }

  private:
    void NewGame();
    void ToggleSound();
    void ShowSoundPicture();
    void SaveTheGame();
    void BackToGame();

    Game& game_;
    GameMenuReason reason_;
};

}  // namespace duskmoor
