#pragma once
// The automated player: it plays a whole game through the script runner's
// actions, from the game menu to Von Devever's lair and home again.
#include <array>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "game_view.h"
#include "pathfinding.h"
#include "session.h"

namespace duskmoor {
struct EncounterContent;
}

namespace duskmoor::bot {

// What the soak saw.
struct SoakReport {
    long actions = 0;
    long checks = 0;
    std::vector<std::string> problems;  // the first few broken invariants, with the action count
    long rss_first_kb = 0;              // the runner's memory once the soak has settled
    long rss_last_kb = 0;
    long rss_peak_kb = 0;
};

struct Summary {
    bool won = false;
    int game_days = 0;
    long actions = 0;
    long steps = 0;
    long exchanges = 0;  // round trips through the pipe
    int battles_won = 0, battles_fled = 0, battles_lost = 0;
    int deaths = 0;
    int loads_after_defeat = 0;
    int quests_redeemed = 0;
    std::vector<int> final_levels;
    std::vector<std::string> route;  // a short log of the way, a line per leg
    std::string stuck;               // why the bot gave up, if it did
};

// A place in the world the bot walks to: a cell of a block.
struct Target {
    int block = 0;
    int cell = 0;
};

class Bot {
  public:
    Bot(Session& session, long action_limit);

    // Plays from the title to the finale (or until the action limit); the summary says how it went.
    Summary Play();
    // Plays on for `actions` more actions, wandering, fighting and resting,
    // checking the party's invariant and every `Load` after each action and
    // watching the runner's memory (process `runner_pid`).
    SoakReport Soak(long actions, int runner_pid);

    Summary& summary() { return summary_; }
    GameView& view() { return view_; }

  private:
    // The ruins around Verezeve: blocks 1 to 13 (the Foyer and the lair lie behind the great door).
    static constexpr int kRuinsLastBlock = 13;
    // Coins kept back when shopping, for the inn and the temple.
    static constexpr int kTownReserve = 15;
    // Load kept free when taking coins, for the items found later.
    static constexpr int kLoadReserve = 150;
    static constexpr int kWagonFare = 200;
    // Loads of one save after deaths before the party plays on without the fallen.
    static constexpr int kDeathLoads = 3;
    // New money worth a walk to the shops.
    static constexpr int kShoppingMoney = 150;
    // The share of hit points a set battle must leave, by the estimate, to be taken on:
    // safely, and when nothing safe is left.
    static constexpr double kSafeDaring = 0.35;
    static constexpr double kBoldDaring = 0.1;
    // A battle in the way is fought when the party expects to keep this share of its hit points.
    static constexpr double kWorthAFight = 0.4;

    // --- screens (bot_screens.cpp)
    void StartNewGame();
    // Answers every screen that opened over the main screen until the player is back on it.
    void Settle();
    // The same until `screen` is on top (or the main screen is).
    void SettleTo(const std::string& screen);
    void HandleTop();
    void AnswerDialog();
    int AnswerYesNo(const std::string& question);
    void TakeTreasure();
    void LeaveScreen();
    void NoteLine(const std::string& line);

    // --- walking (bot_walk.cpp)
    bool WalkTo(const Target& target, int face = -1);
    bool WalkInBlock(const std::function<bool(int)>& goal, int face, const std::set<int>& allowed);
    bool LeaveBlock(int direction);
    bool CrossToBlock(int next_block);
    bool Step(Move move);
    void AfterInterruption();
    std::set<int> AvoidedCells(const std::set<int>& allowed) const;

    // --- battle (bot_battle.cpp)
    void FightBattle();
    void CommandActions(int slot, std::vector<std::string>& actions);

    // --- town (bot_town.cpp)
    bool EnterBuilding(int cell);
    void LeaveBuilding();
    void Shop(int cell, int shop_kind);
    void BuyInShop(int shop_kind);
    void Outfit();
    void EquipParty();
    void RestAtInn();
    bool ReadyToTrain() const;
    void Train();
    bool CarriesQuestObject() const;
    void Redeem();
    void ConvertCoins();
    bool RideWagon(const std::string& button);
    void VisitTown();

    // --- camp (bot_camp.cpp)
    bool OpenCamp();
    void CloseCamp();
    bool RestInCamp(int hours);
    bool FinishRest(int hours);
    bool NeedsHealing() const;
    bool SpellsToBeLearned() const;
    int ChooseSpells();
    void CastCures();
    bool CureReady(std::initializer_list<int> spells) const;
    bool Poisoned() const;
    void CurePoisonAtTemple();
    void CampAndHeal(int rounds);
    void ArrangeMarchingOrder();
    void SaveGame();
    bool LoadGame();

    // --- the route (bot_route.cpp)
    void FollowRoute();
    void ClearTheRuins(int rounds);
    std::optional<Target> NextTarget() const;
    bool CanTakeOn(const EncounterContent& entry) const;
    bool Visit(const Target& target);
    bool LeaveTown();
    bool FetchPassword();
    bool StormTheLair();
    bool StrongEnoughFor(int block, int cell) const;
    int Level(int character_class) const;
    int LowestLevel() const;
    int EntryAt(const Target& target) const;
    void GoHome();
    bool PartyHurt() const;
    bool WantsTown() const;
    bool SpellsSpent() const;
    bool OutOfActions() const;
    void CountDay();
    void Log(const std::string& text);
    void Wander();

    Session& session_;
    GameView view_;
    long action_limit_;
    Summary summary_;
    // Questions the current plan answers with Yes.
    bool want_stairs_ = false;
    bool push_on_ = false;          // walking home: wounds do not stop the walk
    bool expedition_ = false;       // far from home: wounds are tended on the way
    bool fighting_target_ = false;  // the battle on the target cell is the one the party came for
    bool spells_in_battle_ = true;
    bool knows_password_ = false;
    std::string password_;
    bool has_save_ = false;
    int death_loads_ = 0;    // loads in a row after a death, with no new save between
    bool defeated_ = false;  // the game menu opened after a lost battle
    bool won_ = false;
    int last_hour_ = 13;
    int shopped_with_ = 0;  // the party's money when it last went shopping
    std::array<int, 4> taken_items_{};
    double daring_ = kSafeDaring;
    std::set<int> skipped_;  // encounters left for later: block * 1000 + cell
};

}  // namespace duskmoor::bot
