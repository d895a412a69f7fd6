#pragma once
// The backpack screen `frmBackPack`: a pack, a shop or temple counter, the
// pawn shop, the party's trading view or the beaten foes' gear, by
// `BackpackMode` and `LootMode`.
#include "items/backpack.h"
#include "ui/screen.h"

namespace duskmoor {

struct Game;

class frmBackPack : public Screen, private BackpackView {
  public:
    explicit frmBackPack(Game& game);
    void Load() override;
    void KeyDown(int key) override;
    void CloseRequested() override { Done(); }

    const BackpackModel& model() const { return model_; }

  private:
    void BuildControls();
    void ShowModel();
    void ShowButtons();
    void Browse(int step);
    void Done();
    void OpenTrade() override;

    Game& game_;
    BackpackModel model_;
};

}  // namespace duskmoor
