#pragma once
// The battle screen: the monster groups across the top, the party below with
// the command each member has chosen, the seven commands beside them, and the
// message line the player confirms with NEXT. Its rules live in
// battle_flow; the screen only paints the model and passes keys and clicks on.
#include "combat/battle_model.h"
#include "combat/battle_view.h"
#include "ui/screen.h"

namespace duskmoor {

struct Game;

class frmBattle2 : public Screen, public BattleView {
  public:
    explicit frmBattle2(Game& game);

    void Load() override;
    void Unload() override;
    void KeyDown(int key) override;
    // Neither Escape nor the close box walks away from a fight: only "ExiT" does.
    void CloseRequested() override {}

    // BattleView
    void Refresh() override;
    bool WaitForNext() override;
    bool WaitForClose() override;
    void PlayBattleCry() override;
    void OpenBackpack() override;
    bool OpenMagicScreen() override;
    void ShowError(const std::string& text) override;
    void ShowMessage(const std::string& text) override;

  private:
    void BuildGroupRows();
    void BuildPartyRows();
    void BuildCommands();
    void PaintGroups();
    void PaintParty();
    void PaintCommands();
    void Exit();

    Game& game_;
    BattleModel model_;
    BattleContext battle_;
};

}  // namespace duskmoor
