#pragma once
// The remove-character screen: a character leaves the party, after the
// player has had the chance to save it to a character file.
#include "ui/screen.h"

namespace duskmoor {

struct Game;

class frmRemove : public Screen {
  public:
    explicit frmRemove(Game& game);
    void Load() override;
    void CloseRequested() override { Close(); }

  private:
    void FillList();
    void RemoveSelected();

    Game& game_;
};

}  // namespace duskmoor
