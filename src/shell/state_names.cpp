#include "shell/state_names.h"

#include <cmath>
#include <functional>
#include <map>
#include <sstream>
#include <variant>

#include "core/codepage.h"
#include "shell/game_state.h"

namespace duskmoor {
namespace {

struct TextRef {
    std::string* text;
    bool cp1252;  // kept in the files' code page
};
using ValueRef = std::variant<int16_t*, int32_t*, float*, TextRef>;

// A field of a record or of the state: one value, or an array of them.
template <typename Owner>
struct FieldSpec {
    int count = 0;  // 0 for a single value
    std::function<ValueRef(Owner&, int)> at;
};

template <typename Owner>
using FieldTable = std::map<std::string, FieldSpec<Owner>>;

template <typename Owner, typename T>
FieldSpec<Owner> One(T Owner::*member) {
    return {0, [member](Owner& owner, int) -> ValueRef { return &(owner.*member); }};
}

template <typename Owner, typename T, size_t N>
FieldSpec<Owner> Many(std::array<T, N> Owner::*member) {
    return {static_cast<int>(N), [member](Owner& owner, int i) -> ValueRef { return &(owner.*member)[i]; }};
}

template <typename Owner>
FieldSpec<Owner> Text(std::string Owner::*member, bool cp1252) {
    return {0, [member, cp1252](Owner& owner, int) -> ValueRef { return TextRef{&(owner.*member), cp1252}; }};
}

const FieldTable<EncounterGroup>& GroupFields() {
    static const FieldTable<EncounterGroup> table = {
        {"MonsterType", One(&EncounterGroup::MonsterType)},
        {"Count", One(&EncounterGroup::Count)},
    };
    return table;
}

const FieldTable<Monster>& MonsterFields() {
    static const FieldTable<Monster> table = {
        {"MonsterType", One(&Monster::MonsterType)},
        {"HitPoints", One(&Monster::HitPoints)},
        {"ArmorClass", One(&Monster::ArmorClass)},
        {"ToHitBase", One(&Monster::ToHitBase)},
        {"NumAttacks", One(&Monster::NumAttacks)},
        {"AttackDie", One(&Monster::AttackDie)},
        {"SpecialAttack", One(&Monster::SpecialAttack)},
        {"GoldCarried", One(&Monster::GoldCarried)},
        {"SilverCarried", One(&Monster::SilverCarried)},
        {"CopperCarried", One(&Monster::CopperCarried)},
        {"MonsterStatus", One(&Monster::MonsterStatus)},
        {"WeaponCarried", One(&Monster::WeaponCarried)},
        {"ArmorKit", One(&Monster::ArmorKit)},
        {"CarriedItems", Many(&Monster::CarriedItems)},
        {"ExperienceValue", One(&Monster::ExperienceValue)},
        {"SleepRounds", One(&Monster::SleepRounds)},
    };
    return table;
}

const FieldTable<MapCell>& MapCellFields() {
    static const FieldTable<MapCell> table = {
        {"NorthWall", One(&MapCell::NorthWall)}, {"EastWall", One(&MapCell::EastWall)},
        {"SouthWall", One(&MapCell::SouthWall)}, {"WestWall", One(&MapCell::WestWall)},
        {"NorthDoor", One(&MapCell::NorthDoor)}, {"EastDoor", One(&MapCell::EastDoor)},
        {"SouthDoor", One(&MapCell::SouthDoor)}, {"WestDoor", One(&MapCell::WestDoor)},
        {"Roofed", One(&MapCell::Roofed)},       {"Code2", One(&MapCell::Code2)},
        {"Code1", One(&MapCell::Code1)},
    };
    return table;
}

const FieldTable<GameState>& StateFields() {
    using S = GameState;
    static const FieldTable<GameState> table = {
        {"NumPlayers", One(&S::NumPlayers)},
        {"GameActive", One(&S::GameActive)},
        {"AppPath", Text(&S::AppPath, false)},
        {"SoundOn", One(&S::SoundOn)},
        {"SoundBusy", One(&S::SoundBusy)},
        {"TitleStep", One(&S::TitleStep)},
        {"SelectedPlayer", One(&S::SelectedPlayer)},
        {"LoadPending", One(&S::LoadPending)},
        {"NewGamePending", One(&S::NewGamePending)},
        {"SearchMode", One(&S::SearchMode)},
        {"InWilderness", One(&S::InWilderness)},
        {"RoomRented", One(&S::RoomRented)},
        {"PartyDefeated", One(&S::PartyDefeated)},
        {"RestState", One(&S::RestState)},
        {"LogMode", One(&S::LogMode)},
        {"QuestsMode", One(&S::QuestsMode)},
        {"MagicMode", One(&S::MagicMode)},
        {"DialogMode", One(&S::DialogMode)},
        {"DialogText", Text(&S::DialogText, false)},
        {"DialogResult", One(&S::DialogResult)},
        {"PosX", One(&S::PosX)},
        {"PosY", One(&S::PosY)},
        {"PosCell", One(&S::PosCell)},
        {"Facing", One(&S::Facing)},
        {"CurrentBlock", One(&S::CurrentBlock)},
        {"GameHour", One(&S::GameHour)},
        {"GameMinute", One(&S::GameMinute)},
        {"StepFraction", One(&S::StepFraction)},
        {"MapWidth", One(&S::MapWidth)},
        {"MapHeight", One(&S::MapHeight)},
        {"TownSite", One(&S::TownSite)},
        {"WagonRide", One(&S::WagonRide)},
        {"EncounterKind", One(&S::EncounterKind)},
        {"EncounterGold", One(&S::EncounterGold)},
        {"EncounterSilver", One(&S::EncounterSilver)},
        {"EncounterCopper", One(&S::EncounterCopper)},
        {"EncounterItems", Many(&S::EncounterItems)},
        {"NoteNumber", One(&S::NoteNumber)},
        {"QuestObject", One(&S::QuestObject)},
        {"TrapKind", One(&S::TrapKind)},
        {"MaxGroups", One(&S::MaxGroups)},
        {"MaxNumber", One(&S::MaxNumber)},
        {"RandomGroups", Many(&S::RandomGroups)},
        {"NumGroups", One(&S::NumGroups)},
        {"NumMonsters", One(&S::NumMonsters)},
        {"BattleOutcome", One(&S::BattleOutcome)},
        {"InBattle", One(&S::InBattle)},
        {"Initiative", One(&S::Initiative)},
        {"TurnSide", One(&S::TurnSide)},
        {"NextPressed", One(&S::NextPressed)},
        {"AcceptingCommands", One(&S::AcceptingCommands)},
        {"QuestsDone", Many(&S::QuestsDone)},
        {"QuestFlags", Many(&S::QuestFlags)},
        {"QuestNotes", Many(&S::QuestNotes)},
        {"SpeechMode", One(&S::SpeechMode)},
        {"LogText", Text(&S::LogText, true)},
        {"CluesText", Text(&S::CluesText, true)},
        {"NoteText", Text(&S::NoteText, true)},
        {"BuildingMessage", Text(&S::BuildingMessage, false)},
        {"BuildingMode", One(&S::BuildingMode)},
        {"MessageResult", One(&S::MessageResult)},
        {"BankMode", One(&S::BankMode)},
        {"BankGold", One(&S::BankGold)},
        {"BankSilver", One(&S::BankSilver)},
        {"BankCopper", One(&S::BankCopper)},
        {"TreasureGold", One(&S::TreasureGold)},
        {"TreasureSilver", One(&S::TreasureSilver)},
        {"TreasureCopper", One(&S::TreasureCopper)},
        {"TreasureItems", Many(&S::TreasureItems)},
        {"TradeMode", One(&S::TradeMode)},
        {"TradeItem", One(&S::TradeItem)},
        {"TradeSlot", One(&S::TradeSlot)},
        {"BackpackMode", One(&S::BackpackMode)},
        {"LootMode", One(&S::LootMode)},
        {"BrowseParty", One(&S::BrowseParty)},
        {"PackOwner", One(&S::PackOwner)},
        {"Looter", One(&S::Looter)},
        {"PotionChosen", One(&S::PotionChosen)},
        {"MagicCaster", One(&S::MagicCaster)},
        {"RestNeeded", One(&S::RestNeeded)},
        {"PoisonWalkCounter", One(&S::PoisonWalkCounter)},
    };
    return table;
}

// One step of a name: an identifier with an optional [index].
struct NameStep {
    std::string field;
    int index = -1;
};

bool ParseName(const std::string& name, std::vector<NameStep>& steps) {
    std::istringstream in(name);
    std::string part;
    while (std::getline(in, part, '.')) {
        NameStep step;
        size_t bracket = part.find('[');
        step.field = part.substr(0, bracket);
        if (bracket != std::string::npos) {
            if (part.back() != ']' || bracket + 2 >= part.size()) return false;
            std::string digits = part.substr(bracket + 1, part.size() - bracket - 2);
            if (digits.find_first_not_of("0123456789") != std::string::npos || digits.size() > 4)
                return false;
            step.index = std::stoi(digits);
        }
        if (step.field.empty()) return false;
        steps.push_back(step);
    }
    return !steps.empty();
}

template <typename Owner>
std::string Resolve(const FieldTable<Owner>& table, Owner& owner, const NameStep& step, ValueRef& out) {
    auto found = table.find(step.field);
    if (found == table.end()) return "unknown name '" + step.field + "'";
    const FieldSpec<Owner>& spec = found->second;
    if (spec.count == 0 && step.index >= 0) return step.field + " is not an array";
    if (spec.count > 0 && (step.index < 0 || step.index >= spec.count))
        return step.field + " needs an index 0.." + std::to_string(spec.count - 1);
    out = spec.at(owner, step.index < 0 ? 0 : step.index);
    return {};
}

// "Records[i].Field": checks the index, then lets `resolve_field` find the field.
template <typename Record, size_t N, typename ResolveField>
std::string ResolveInRecords(std::array<Record, N>& records, const std::vector<NameStep>& steps,
                             ValueRef& out, ResolveField resolve_field) {
    if (steps[0].index < 0 || steps[0].index >= static_cast<int>(N))
        return steps[0].field + " needs an index 0.." + std::to_string(N - 1);
    if (steps.size() != 2) return steps[0].field + "[i] needs a field";
    return resolve_field(records[steps[0].index], steps[1], out);
}

template <typename Record, size_t N>
std::string ResolveRecord(std::array<Record, N>& records, const FieldTable<Record>& table,
                          const std::vector<NameStep>& steps, ValueRef& out) {
    return ResolveInRecords(records, steps, out,
                            [&table](Record& record, const NameStep& step, ValueRef& found) {
                                return Resolve(table, record, step, found);
                            });
}

// Finds a field of a record that names its fields itself (the records kept in
// files), by walking its field list.
class FieldFinder {
  public:
    explicit FieldFinder(const NameStep& step) : step_(step) {}

    template <typename T>
    void Field(const char* name, T& value) {
        if (step_.field != name) return;
        if (step_.index >= 0) error_ = step_.field + " is not an array";
        Take(value);
    }
    template <typename T, size_t N>
    void Field(const char* name, std::array<T, N>& values) {
        if (step_.field != name) return;
        found_ = true;
        if (step_.index < 0 || step_.index >= static_cast<int>(N)) {
            error_ = step_.field + " needs an index 0.." + std::to_string(N - 1);
            return;
        }
        Take(values[step_.index]);
    }

    std::string Result(ValueRef& out) const {
        if (!found_) return "unknown name '" + step_.field + "'";
        if (!error_.empty()) return error_;
        out = value_;
        return {};
    }

  private:
    template <typename T>
    void Take(T& value) {
        found_ = true;
        value_ = &value;
    }
    // Texts of the records kept in files are in the files' code page.
    void Take(std::string& text) {
        found_ = true;
        value_ = TextRef{&text, true};
    }

    const NameStep& step_;
    bool found_ = false;
    std::string error_;
    ValueRef value_;
};

template <typename Record, size_t N>
std::string ResolveByFieldList(std::array<Record, N>& records, const std::vector<NameStep>& steps,
                               ValueRef& out) {
    return ResolveInRecords(records, steps, out, [](Record& record, const NameStep& step, ValueRef& found) {
        FieldFinder finder(step);
        record.Fields(finder);
        return finder.Result(found);
    });
}

std::string ResolveName(GameState& state, const std::string& name, ValueRef& out) {
    std::vector<NameStep> steps;
    if (!ParseName(name, steps)) return "malformed name '" + name + "'";
    const std::string& head = steps[0].field;
    if (head == "Party") return ResolveByFieldList(state.Party, steps, out);
    if (head == "Encounters") return ResolveByFieldList(state.Encounters, steps, out);
    if (head == "EncounterGroups") return ResolveRecord(state.EncounterGroups, GroupFields(), steps, out);
    if (head == "Monsters") return ResolveRecord(state.Monsters, MonsterFields(), steps, out);
    if (head == "Map") return ResolveRecord(state.Map, MapCellFields(), steps, out);
    if (steps.size() != 1) return "unknown name '" + name + "'";
    return Resolve(StateFields(), state, steps[0], out);
}

bool ParseWhole(const std::string& text, long long low, long long high, long long& value) {
    std::istringstream in(text);
    in >> value;
    return in && in.peek() == EOF && value >= low && value <= high;
}

}  // namespace

std::string GetStateValue(GameState& state, const std::string& name, std::string& value) {
    ValueRef ref;
    std::string error = ResolveName(state, name, ref);
    if (!error.empty()) return error;
    if (auto* small = std::get_if<int16_t*>(&ref)) value = std::to_string(**small);
    if (auto* large = std::get_if<int32_t*>(&ref)) value = std::to_string(**large);
    if (auto* single = std::get_if<float*>(&ref)) {
        std::ostringstream out;
        out << **single;
        value = out.str();
    }
    if (auto* text = std::get_if<TextRef>(&ref))
        value = text->cp1252 ? Cp1252ToUtf8(*text->text) : *text->text;
    return {};
}

std::string SetStateValue(GameState& state, const std::string& name, const std::string& value) {
    ValueRef ref;
    std::string error = ResolveName(state, name, ref);
    if (!error.empty()) return error;
    long long whole = 0;
    if (auto* small = std::get_if<int16_t*>(&ref)) {
        if (!ParseWhole(value, INT16_MIN, INT16_MAX, whole)) return name + " takes a 16-bit integer";
        **small = static_cast<int16_t>(whole);
    }
    if (auto* large = std::get_if<int32_t*>(&ref)) {
        if (!ParseWhole(value, INT32_MIN, INT32_MAX, whole)) return name + " takes a 32-bit integer";
        **large = static_cast<int32_t>(whole);
    }
    if (auto* single = std::get_if<float*>(&ref)) {
        std::istringstream in(value);
        float number = 0;
        in >> number;
        if (!in || in.peek() != EOF || !std::isfinite(number)) return name + " takes a number";
        **single = number;
    }
    if (auto* text = std::get_if<TextRef>(&ref)) *text->text = text->cp1252 ? Utf8ToCp1252(value) : value;
    return {};
}

}  // namespace duskmoor
