#pragma once
// The character generator: a name, an age, class, race, gender and alignment,
// six rolled abilities and rolled hit points, written to a character file.
// The new character joins no party; the player loads the file afterwards.
#include "party/character_generation.h"
#include "ui/screen.h"

namespace duskmoor {

struct Game;

class frmGenerator : public Screen {
  public:
    explicit frmGenerator(Game& game);
    void Load() override;
    void CloseRequested() override { Close(); }

    // The bio is complete: a name, and an age that is a number.
    bool Validate();
    // The age against the chosen race; tells the player and answers false when
    // it is refused.
    bool ValidateCharacter();
    void RollHitPoints(int16_t hit_die);

  private:
    void BuildBio();
    void BuildAbilities();
    Control& AddList(const char* name, int row, const char* caption);
    void Roll();
    void Accept();
    // Asks for the file and writes it; false when the writing failed.
    bool SaveNewCharacter(const PLAYER& character);
    GeneratorChoices Choices();

    Game& game_;
};

}  // namespace duskmoor
