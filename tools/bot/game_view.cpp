#include "game_view.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <iterator>

#include "shell/state_names.h"

namespace duskmoor::bot {

namespace {

const char* const kPlayerFields[] = {
    "Name", "Class",  "Level",  "HP",   "MaxHP",   "AC",         "Status",   "Weapon", "Armor",  "PackCount",
    "Gold", "Silver", "Copper", "Load", "MaxLoad", "Experience", "Position", "ToHit",  "Active", "Dexterity"};

const char* const kPositionFields[] = {"PosX",         "PosY",         "PosCell",  "Facing",
                                       "CurrentBlock", "InWilderness", "GameHour", "GameMinute"};

const char* const kWallFields[] = {"NorthWall", "EastWall", "SouthWall", "WestWall",
                                   "NorthDoor", "EastDoor", "SouthDoor", "WestDoor"};

}  // namespace

std::vector<std::string> PartyNames(int slot, int pack_count) {
    std::vector<std::string> names;
    std::string head = "Party[" + std::to_string(slot) + "].";
    for (const char* field : kPlayerFields) names.push_back(head + field);
    for (int i = 0; i < pack_count && i < 25; ++i) names.push_back(head + "Pack[" + std::to_string(i) + "]");
    for (int i = 0; i < 26; ++i) names.push_back(head + "Spells[" + std::to_string(i) + "]");
    return names;
}

std::vector<std::string> PositionNames() {
    return std::vector<std::string>(std::begin(kPositionFields), std::end(kPositionFields));
}

std::vector<std::string> BattleNames() {
    std::vector<std::string> names{"NumGroups", "NumMonsters", "BattleOutcome", "AcceptingCommands",
                                   "TurnSide"};
    for (int g = 0; g < 4; ++g) {
        names.push_back("EncounterGroups[" + std::to_string(g) + "].MonsterType");
        names.push_back("EncounterGroups[" + std::to_string(g) + "].Count");
    }
    for (int m = 0; m < 41; ++m) {
        names.push_back("Monsters[" + std::to_string(m) + "].MonsterType");
        names.push_back("Monsters[" + std::to_string(m) + "].MonsterStatus");
    }
    for (int slot = 0; slot < 4; ++slot) {
        const std::string head = "Party[" + std::to_string(slot) + "].";
        for (const char* field : {"Name", "Class", "Level", "HP", "MaxHP", "AC", "Status", "Weapon", "ToHit"})
            names.push_back(head + field);
        for (int i = 0; i < 26; ++i) names.push_back(head + "Spells[" + std::to_string(i) + "]");
    }
    return names;
}

std::vector<std::string> FinalStateNames() {
    std::vector<std::string> names{"NumPlayers", "BankGold", "BankSilver", "BankCopper", "WagonRide"};
    for (const char* name : kPositionFields) names.push_back(name);
    for (int slot = 0; slot < 4; ++slot)
        for (const std::string& name : PartyNames(slot, 25)) names.push_back(name);
    for (int q = 1; q < 15; ++q) names.push_back("QuestsDone[" + std::to_string(q) + "]");
    return names;
}

GameView::GameView(Session& session) : session_(session), mirror_(std::make_unique<GameState>()) {}

void GameView::Read(const std::vector<std::string>& names) {
    Absorb(session_.GetMany(names));
}

void GameView::Absorb(const std::map<std::string, std::string>& answers) {
    for (const auto& [name, value] : answers) SetStateValue(*mirror_, name, value);
}

void GameView::RefreshPosition() {
    Read(std::vector<std::string>(std::begin(kPositionFields), std::end(kPositionFields)));
}

void GameView::Refresh() {
    // First what decides the rest: who is in the party, how full the packs are, where it stands.
    std::vector<std::string> names{"NumPlayers", "RoomRented", "WagonRide",
                                   "BankGold",   "BankSilver", "BankCopper"};
    for (const char* name : kPositionFields) names.push_back(name);
    for (int slot = 0; slot < 4; ++slot) names.push_back("Party[" + std::to_string(slot) + "].PackCount");
    for (int q = 1; q < 15; ++q) names.push_back("QuestsDone[" + std::to_string(q) + "]");
    Read(names);
    RefreshMap();
    names = EncounterNames(mirror_->CurrentBlock);
    for (int slot = 0; slot < members(); ++slot)
        for (const std::string& name : PartyNames(slot, mirror_->Party[slot].PackCount))
            names.push_back(name);
    for (int slot = members(); slot < 4; ++slot) mirror_->Party[slot] = PLAYER{};
    Read(names);
    for (int slot = 0; slot < members(); ++slot) {
        PLAYER& p = mirror_->Party[slot];
        for (int i = p.PackCount; i < 25; ++i) p.Pack[i] = 0;
    }
}

int ReadiedRow(const PLAYER& caster, std::initializer_list<int> spells) {
    int row = 0;
    for (int pair = 0; pair < 13; ++pair) {
        const int state = caster.Spells[2 * pair];
        if (state != 1 && state != 3) continue;
        const int spell = caster.Spells[2 * pair + 1];
        if (state == 1 && std::find(spells.begin(), spells.end(), spell) != spells.end()) return row;
        ++row;
    }
    return -1;
}

std::vector<std::string> EncounterNames(int block) {
    std::string head = "Encounters[" + std::to_string(block) + "].";
    std::vector<std::string> names{head + "RandomLeft"};
    for (int i = 0; i < 16; ++i) {
        names.push_back(head + "Cell[" + std::to_string(i) + "]");
        names.push_back(head + "Pending[" + std::to_string(i) + "]");
    }
    return names;
}

void GameView::RefreshEncounters() {
    Read(EncounterNames(mirror_->CurrentBlock));
}

void GameView::RefreshAllEncounters() {
    std::vector<std::string> names;
    for (int block = 0; block < kBlockCount; ++block) {
        std::string head = "Encounters[" + std::to_string(block) + "].";
        for (int i = 0; i < 16; ++i) names.push_back(head + "Pending[" + std::to_string(i) + "]");
    }
    Read(names);
    RefreshEncounters();
}

void GameView::RefreshMap() {
    int block = mirror_->CurrentBlock;
    auto cached = maps_.find(block);
    if (cached == maps_.end()) {
        Read({"MapWidth", "MapHeight"});
        int cells = mirror_->MapWidth * mirror_->MapHeight;
        std::vector<std::string> names;
        for (int i = 0; i < cells && i < kMapCells; ++i)
            for (const char* field : kWallFields) names.push_back("Map[" + std::to_string(i) + "]." + field);
        for (int i = 0; i < kMapCells; ++i) mirror_->Map[i] = MapCell{};
        Read(names);
        maps_[block] = std::vector<MapCell>(mirror_->Map.begin(), mirror_->Map.end());
        sizes_[block] = {mirror_->MapWidth, mirror_->MapHeight};
        return;
    }
    std::copy(cached->second.begin(), cached->second.end(), mirror_->Map.begin());
    mirror_->MapWidth = static_cast<int16_t>(sizes_[block].first);
    mirror_->MapHeight = static_cast<int16_t>(sizes_[block].second);
}

int GameView::members() const {
    return mirror_->NumPlayers;
}

bool GameView::Dead(int slot) const {
    return (mirror_->Party[slot].Status & 256) != 0;
}

bool GameView::Able(int slot) const {
    const PLAYER& p = mirror_->Party[slot];
    return (p.Status & 1) != 0 && (p.Status & (2 | 256)) == 0 && p.HP > 0;
}

int GameView::Wealth() const {
    double gold = 0, silver = 0, copper = 0;
    for (int slot = 0; slot < members(); ++slot) {
        gold += mirror_->Party[slot].Gold;
        silver += mirror_->Party[slot].Silver;
        copper += mirror_->Party[slot].Copper;
    }
    return static_cast<int>(std::nearbyint(gold + silver / 10 + copper / 100));
}

}  // namespace duskmoor::bot
