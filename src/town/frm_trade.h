#pragma once
// The character picker `frmTrade`: gives the item chosen in the backpack
// screen to a party member (`TradeMode` 50), or picks the member a spell is
// cast on (51, the chosen slot comes back in `TradeMode`).
#include "ui/screen.h"

namespace duskmoor {

struct Game;

class frmTrade : public Screen {
  public:
    explicit frmTrade(Game& game);
    void Load() override;
    void KeyDown(int key) override;
    void CloseRequested() override { Close(); }

  private:
    void Select(int member);
    void RedLabels();
    void Done();

    Game& game_;
    int selected_ = 0;
};

}  // namespace duskmoor
