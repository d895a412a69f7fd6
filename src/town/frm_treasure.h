#pragma once
// The treasure screen ("TREASURE!"): the coins and special items found, handed
// out to one party member at a time, and the fallen foes' equipment through
// the loot view of the backpack screen. What is not taken is lost.
#include "ui/screen.h"

namespace duskmoor {

struct Game;

class frmTreasure : public Screen {
  public:
    explicit frmTreasure(Game& game);
    void Load() override;
    void CloseRequested() override { Done(); }

  private:
    void BuildCoins();
    void BuildSpecials();
    void ShowCoins();
    void ShowSpecials();
    void ShowMember();
    void ChangeMember(int step);
    void TakeItem(int slot);
    void TakeMoney(int coin);
    void Equipment();
    void Done();

    Game& game_;
    int member_ = 0;
};

}  // namespace duskmoor
