#pragma once
// The bank screen `frmBank`: one member at a time pays coins into the
// party's account (`BankMode` 1) or draws them out (2).
#include "ui/screen.h"

namespace duskmoor {

struct Game;

class frmBank : public Screen {
  public:
    explicit frmBank(Game& game);
    void Load() override;
    void CloseRequested() override { Close(); }

  private:
    void UpdateLabels();
    void ClearLabels();
    void Browse(int step);
    void Enter();

    Game& game_;
    int member_ = 0;
};

}  // namespace duskmoor
