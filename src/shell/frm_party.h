#pragma once
// The party-order screen: who marches first. Two positions typed into the
// boxes change places; Done puts the slots in the new order.
#include "ui/screen.h"

namespace duskmoor {

struct Game;

class frmParty : public Screen {
  public:
    explicit frmParty(Game& game);
    void Load() override;
    void CloseRequested() override { Done(); }

  private:
    void ShowNames();
    void Switch();
    void Done();

    Game& game_;
};

}  // namespace duskmoor
