#pragma once
// How the battle's rules speak back to whoever shows the battle: the screen
// in a window or in a script, or a recording view in tests and benchmarks.
#include <string>

namespace duskmoor {

class BattleView {
  public:
    virtual ~BattleView() = default;
    // The model or the party changed: show it.
    virtual void Refresh() = 0;
    // NEXT is shown: wait until the player confirms (`NextPressed`).
    // False when the screen closed first; the rule then stops where it is.
    virtual bool WaitForNext() = 0;
    // The battle is over: wait until the player confirms the last message
    // (`CloseRequested`). False when the screen closed first.
    virtual bool WaitForClose() = 0;
    // Stops any sound and sounds the clash of swords.
    virtual void PlayBattleCry() = 0;
    // The character's pack in battle mode, for "USE ITEM" and "CHANGE WEAPON".
    virtual void OpenBackpack() = 0;
    // The magic screen in battle mode for `MagicCaster`; true when the player
    // cancelled it. A spell chosen there is left in the caster's `CastSpell`.
    virtual bool OpenMagicScreen() = 0;
    // The window system's plain message box.
    virtual void ShowError(const std::string& text) = 0;
    // The game's one-button message dialog over the battle.
    virtual void ShowMessage(const std::string& text) = 0;
};

}  // namespace duskmoor
