#pragma once
// `frmMagic`: casters choose spells to learn at the next rest, cast cures,
// read scrolls, and in battle pick the spell of their turn.
#include <vector>

#include "magic/magic_book.h"
#include "ui/screen.h"

namespace duskmoor {

struct Game;

class frmMagic : public Screen {
  public:
    explicit frmMagic(Game& game);
    void Load() override;
    void KeyUp(int key) override;
    void CloseRequested() override { Cancel(); }

    // The labels of the left list and of the spell book.
    static constexpr int kListLabels = 13, kBookLabels = 8;

  private:
    void Setup();
    void SetupButtons();
    void SetupLabels();
    void ShowAvailable();
    void UpdateMaxSpells();
    void ClearLabels();
    void RedLabels();
    void Highlight(int label);
    void ShowScrolls();
    void ShowSpells();
    void StepCaster(int step);
    void MemorizeClicked();
    void CastClicked();
    void RestClicked();
    void Done();
    void Cancel();
    // Opens the rest screen for the longest rest; true when it completed.
    bool StartRest();
    std::string CasterName() const;

    Game& game_;
    MagicModel model_;
    std::vector<SpellEntry> entries_;
    int highlight_ = -1;
};

}  // namespace duskmoor
