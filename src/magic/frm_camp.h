#pragma once
// The camp: the party's field menu of rest, magic, marching order, saving and
// leaving, over the picture of its campfire.
#include "ui/screen.h"

namespace duskmoor {

struct Game;

class frmCamp : public Screen {
  public:
    explicit frmCamp(Game& game);
    void Load() override;
    void CloseRequested() override { Close(); }

  private:
    void Rest();
    void Magic();
    void AfterRest();
    void Save();

    Game& game_;
};

}  // namespace duskmoor
