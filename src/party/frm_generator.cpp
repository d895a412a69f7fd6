#include "party/frm_generator.h"

#include "party/character_files.h"
#include "party/code_tables.h"
#include "shell/frm_dialog.h"
#include "shell/game.h"
#include "ui/widget_style.h"

namespace duskmoor {
namespace {

constexpr int kWidth = 520, kHeight = 352;
constexpr int kFirstRow = 52, kBioRowStep = 38, kAbilityRowStep = 32;
constexpr int kBioCaptionX = 16, kBioCaptionWidth = 84, kBioFieldX = 106, kBioFieldWidth = 172;
constexpr int kFieldHeight = 26;
constexpr int kAbilityCaptionX = 304, kAbilityCaptionWidth = 118, kAbilityValueX = 430;
constexpr int kAbilityValueWidth = 64;
constexpr int kButtonWidth = 110, kButtonHeight = 34;
constexpr int kNameLength = 20, kAgeLength = 6;

// The six ability labels, in rolling order, and the hit-point label.
constexpr const char* kAbilityLabels[kAbilityCount] = {"lblShowStrength",     "lblShowIntelligence",
                                                       "lblShowWisdom",       "lblShowDexterity",
                                                       "lblShowConstitution", "lblShowCharisma"};
constexpr const char* kAbilityCaptions[kAbilityCount] = {
    "Strength:", "Intelligence:", "Wisdom:", "Dexterity:", "Constitution:", "Charisma:"};
constexpr const char* kHitPointsLabel = "lblShowHitPoints";

Control& AddFieldCaption(Screen& screen, const std::string& name, const std::string& text, int x, int y,
                         int width) {
    return AddCaption(screen, name, text, x, y + 4, width, kFieldHeight - 4);
}

std::vector<std::string> Names(std::string (*name_of)(int16_t), int16_t count) {
    std::vector<std::string> names;
    for (int16_t code = 0; code < count; ++code) names.push_back(name_of(code));
    return names;
}

}  // namespace

frmGenerator::frmGenerator(Game& game) : Screen(game.host, "frmGenerator", kWidth, kHeight), game_(game) {
    title = "Create a Character";
    AddHeading(*this, "lblTitle", "Create a Character", 12);
    BuildBio();
    BuildAbilities();
    const int buttons_y = kHeight - kButtonHeight - 16;
    const int gap = (kWidth - 3 * kButtonWidth) / 4;
    AddButton(*this, "cmdRoll", "Roll", gap, buttons_y, kButtonWidth, kButtonHeight).on_click = [this] {
        Roll();
    };
    AddDefaultButton(*this, "cmdAccept", "Accept", 2 * gap + kButtonWidth, buttons_y, kButtonWidth,
                     kButtonHeight)
        .on_click = [this] { Accept(); };
    AddButton(*this, "cmdDone", "Done", 3 * gap + 2 * kButtonWidth, buttons_y, kButtonWidth, kButtonHeight)
        .on_click = [this] { Close(); };
}

void frmGenerator::BuildBio() {
    auto text_box = [this](const char* name, int row, const char* caption, int length) {
        const int y = kFirstRow + row * kBioRowStep;
        AddFieldCaption(*this, std::string("lblCaption") + (name + 3), caption, kBioCaptionX, y,
                        kBioCaptionWidth);
        AddTextBox(*this, name, kBioFieldX, y, kBioFieldWidth, kFieldHeight).max_length = length;
    };
    text_box("txtName", 0, "Name:", kNameLength);
    text_box("txtAge", 1, "Age:", kAgeLength);
    AddList("cmbClass", 2, "Class:").items = Names(ClassNameOf, 4);
    AddList("cmbRace", 3, "Race:").items = Names(RaceNameOf, 4);
    AddList("cmbGender", 4, "Gender:").items = Names(GenderNameOf, 2);
    AddList("cmbAlignment", 5, "Alignment:").items = Names(AlignmentNameOf, 9);
}

Control& frmGenerator::AddList(const char* name, int row, const char* caption) {
    const int y = kFirstRow + row * kBioRowStep;
    AddFieldCaption(*this, std::string("lblCaption") + (name + 3), caption, kBioCaptionX, y,
                    kBioCaptionWidth);
    return duskmoor::AddList(*this, name, kBioFieldX, y, kBioFieldWidth, kFieldHeight);
}

void frmGenerator::BuildAbilities() {
    AddInset(*this, "lblAbilityFrame", kAbilityCaptionX - 8, kFirstRow - 8, kWidth - kAbilityCaptionX - 8,
             7 * kAbilityRowStep + 12);
    auto readout = [this](const char* name, int row, const char* caption) {
        const int y = kFirstRow + row * kAbilityRowStep;
        AddFieldCaption(*this, std::string("lblCaption") + (name + 7), caption, kAbilityCaptionX, y,
                        kAbilityCaptionWidth);
        AddReadout(*this, name, kAbilityValueX, y + 2, kAbilityValueWidth, 21);
    };
    for (int ability = 0; ability < kAbilityCount; ++ability)
        readout(kAbilityLabels[ability], ability, kAbilityCaptions[ability]);
    readout(kHitPointsLabel, kAbilityCount, "Hit Points:");
}

void frmGenerator::Load() {
    for (const char* list : {"cmbClass", "cmbRace", "cmbGender", "cmbAlignment"}) (*this)[list].selected = 0;
    (*this)["txtName"].caption.clear();
    (*this)["txtAge"].caption.clear();
    for (const char* label : kAbilityLabels) (*this)[label].caption = "0";
    (*this)[kHitPointsLabel].caption = "0";
    focus = &(*this)["txtName"];
}

bool frmGenerator::Validate() {
    return IsBioComplete((*this)["txtName"].caption, (*this)["txtAge"].caption);
}

bool frmGenerator::ValidateCharacter() {
    const int16_t race = static_cast<int16_t>((*this)["cmbRace"].selected);
    const std::string message = AgeMessage(CheckAge((*this)["txtAge"].caption, race), race);
    if (message.empty()) return true;
    ShowDialog(game_, message);
    return false;
}

void frmGenerator::RollHitPoints(int16_t hit_die) {
    (*this)[kHitPointsLabel].caption = std::to_string(duskmoor::RollHitPoints(hit_die));
}

void frmGenerator::Roll() {
    if (!Validate()) {
        ShowDialog(game_, "Stats cannot be rolled until bio is complete.");
        return;
    }
    const std::array<int16_t, kAbilityCount> scores = RollAbilities();
    for (int ability = 0; ability < kAbilityCount; ++ability)
        (*this)[kAbilityLabels[ability]].caption = std::to_string(scores[ability]);
    RollHitPoints(HitDie(static_cast<int16_t>((*this)["cmbClass"].selected)));
}

GeneratorChoices frmGenerator::Choices() {
    GeneratorChoices choices;
    choices.name = (*this)["txtName"].caption;
    choices.age = (*this)["txtAge"].caption;
    choices.class_code = static_cast<int16_t>((*this)["cmbClass"].selected);
    choices.race = static_cast<int16_t>((*this)["cmbRace"].selected);
    choices.gender = static_cast<int16_t>((*this)["cmbGender"].selected);
    choices.alignment = static_cast<int16_t>((*this)["cmbAlignment"].selected);
    for (int ability = 0; ability < kAbilityCount; ++ability)
        choices.abilities[ability] = (*this)[kAbilityLabels[ability]].caption;
    choices.hit_points = (*this)[kHitPointsLabel].caption;
    return choices;
}

void frmGenerator::Accept() {
    if (!Validate()) {
        ShowDialog(game_, "Character generation is not complete.");
        return;
    }
    const GeneratorChoices choices = Choices();
    // An age too large to store passes this check and cancels the command below.
    if (!ValidateCharacter()) return;
    PLAYER character;
    if (!BuildCharacter(choices, character) || !SaveNewCharacter(character)) {
        ShowDialog(game_, "Command cancelled.");
        return;
    }
    Close();
}

bool frmGenerator::SaveNewCharacter(const PLAYER& character) {
    // A cancelled dialog writes nothing and says nothing.
    return SaveCharacterWithDialog(game_, character) != SaveOutcome::Failed;
}

}  // namespace duskmoor
