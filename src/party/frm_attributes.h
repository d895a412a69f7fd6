#pragma once
// The six ability scores of the character on the sheet.
#include "ui/screen.h"

namespace duskmoor {

struct Game;

class frmAttributes : public Screen {
  public:
    explicit frmAttributes(Game& game);
    void Load() override;
    void CloseRequested() override { Close(); }

  private:
    Game& game_;
};

}  // namespace duskmoor
