#pragma once
// The main screen: the first-person view, the party panel, the clock and
// position read-outs, and the command pictures that open every other screen.
#include "shell/game.h"
#include "ui/screen.h"
#include "world/view.h"

namespace duskmoor {

class frmMain : public Screen, public MainView {
  public:
    explicit frmMain(Game& game);
    ~frmMain() override;

    void Load() override;
    void Unload() override;
    void KeyUp(int key) override;
    void CloseRequested() override;

    // MainView
    void RefreshClock() override;
    void RefreshCoords() override;
    void RefreshPartyPanel() override;
    void RedrawView() override;
    void ClearView() override;
    void RestartCollisionTimer() override;
    void SetCollisionInterval(int interval_ms) override;

    void EndGameByDeath() override;

    bool ChoosingCharacter() const { return !mouse_pointer.empty(); }

  private:
    void BuildControls();
    void BuildPartyPanel();
    void LoadImages();
    void StartScreen();
    void DrawTitleBackground();
    void PrintOnView(int x, int y, const std::string& text);
    void TitleTick();

    bool CommandAllowed() const;
    void CampClicked();
    void MagicClicked();
    void LogClicked();
    void SearchClicked();
    void OptionsClicked();
    void TradeClicked();
    void ViewClicked();
    void PlayerClicked(int index);

    Game& game_;
    int view_font_size_ = 18;
    Color view_fore_ = colors::White;
    FirstPersonView first_person_view_;
    // The party has fallen and no new or loaded game has replaced it yet.
    bool party_fallen_ = false;
};

}  // namespace duskmoor
