// Camp: resting, learning and casting the clerics' cures, the marching order,
// and saving and loading the game.
#include <cstdlib>

#include "bot.h"
#include "spell_plan.h"

namespace duskmoor::bot {

namespace {

constexpr int kCureLight = 1;
constexpr int kCureSerious = 3;
constexpr int kCureCritical = 5;
constexpr int kCurePoison = 4;
// Hours enough for any set of spells to be learned.
constexpr int kLongestLearning = 16;
const char kSaveFile[] = "Saves/bot.dms";

}  // namespace

void Bot::SettleTo(const std::string& screen) {
    for (int guard = 0; guard < 100000 && !session_.ended(); ++guard) {
        const std::string& top = session_.top();
        if (top == screen || top == "frmMain") return;
        HandleTop();
    }
}

bool Bot::OpenCamp() {
    session_.Act("click imgCamp");
    if (session_.top() == "frmCamp") return true;
    Settle();
    return false;
}

void Bot::CloseCamp() {
    if (session_.top() == "frmCamp") session_.Act("click imgDone");
    AfterInterruption();
}

// Rests in the open camp; false when wandering monsters broke the rest.
bool Bot::RestInCamp(int hours) {
    session_.Act("click imgRest");
    if (session_.top() != "frmRest") return false;
    for (int i = 0; i < hours; ++i) session_.Act("click cmdPlus");
    return FinishRest(hours);
}

// The rest screen is open with its hours set: sleep them out.
bool Bot::FinishRest(int hours) {
    // An hour passes every half second; waiting past the end of the rest costs nothing.
    session_.ActAll({"click cmdRest", "wait " + std::to_string(hours * 500 + 1000)});
    for (int guard = 0; guard < 200 && session_.top() != "frmRest"; ++guard) {
        if (session_.top() == "frmCamp" || session_.top() == "frmMain" || session_.top() == "frmMagic") break;
        HandleTop();
    }
    for (int guard = 0; guard < 20 && session_.top() == "frmRest" && session_.GetInt("RestState") == 0;
         ++guard)
        session_.Act("wait 5000");
    if (session_.top() != "frmRest") return false;
    session_.Act("click cmdDone");
    SettleTo("frmCamp");
    return session_.top() == "frmCamp" || session_.top() == "frmMagic";
}

bool Bot::NeedsHealing() const {
    const GameState& state = view_.state();
    for (int slot = 0; slot < state.NumPlayers; ++slot) {
        const PLAYER& p = state.Party[slot];
        if (!(p.Status & 256) && p.HP < p.MaxHP) return true;
    }
    return false;
}

// On the magic screen: every caster fills its free slots, clerics with cures,
// magic-users with sleep.
int Bot::ChooseSpells() {
    int chosen = 0;
    for (int caster = 0; caster < 4; ++caster) {
        std::string name = session_.Show("lblPlayer");
        int slot = -1;
        for (int s = 0; s < view_.members(); ++s)
            if (view_.state().Party[s].Name == name) slot = s;
        if (slot >= 0) {
            const PLAYER& me = view_.state().Party[slot];
            const int slots = std::atoi(session_.Show("lblShowSpellSlots").c_str());
            std::vector<std::string> actions;
            for (int spell : SpellsToLearn(me, slots)) {
                actions.push_back("click lblSpells[" + std::to_string(BookLabel(me, spell)) + "]");
                actions.push_back("click lblMemorize");
                actions.push_back("click cmdButton1");  // "NAME will memorize SPELL"
                ++chosen;
            }
            session_.ActAll(actions);
            SettleTo("frmMagic");
        }
        session_.Act("click lblNext");
        if (session_.Show("lblPlayer") == name) break;
    }
    return chosen;
}

// Casts the clerics' ready cures on the most wounded, until nobody needs them.
void Bot::CastCures() {
    for (int guard = 0; guard < 30; ++guard) {
        view_.Refresh();
        // The poisoned first, while a cure for poison is ready; then the most wounded.
        int wounded = -1, most = 0;
        bool poison = false;
        for (int slot = 0; slot < view_.members(); ++slot) {
            const PLAYER& p = view_.state().Party[slot];
            if (!(p.Status & 256) && p.MaxHP - p.HP > most) {
                most = p.MaxHP - p.HP;
                wounded = slot;
            }
        }
        for (int slot = 0; slot < view_.members(); ++slot)
            if ((view_.state().Party[slot].Status & (4 | 256)) == 4 && CureReady({kCurePoison})) {
                wounded = slot;
                poison = true;
            }
        if (wounded < 0) return;
        int caster = -1, row = -1;
        for (int slot = 0; slot < view_.members() && caster < 0; ++slot) {
            const PLAYER& p = view_.state().Party[slot];
            row = poison ? ReadiedRow(p, {kCurePoison})
                         : ReadiedRow(p, {kCureLight, kCureSerious, kCureCritical});
            if (p.Class == 3 && !(p.Status & (2 | 256)) && row >= 0) caster = slot;
        }
        if (caster < 0) return;
        // The screen starts at the first caster; step to this one.
        for (int i = 0; i < 4 && session_.Show("lblPlayer") != view_.state().Party[caster].Name; ++i)
            session_.Act("click lblNext");
        session_.Act("click lblSpells[" + std::to_string(row) + "]");
        session_.Act("click lblCast");
        if (session_.top() != "frmTrade") {
            SettleTo("frmMagic");
            return;
        }
        session_.Act("click lblPlayer[" + std::to_string(wounded) + "]");
        session_.Act("click lblDone");
        SettleTo("frmMagic");
    }
}

// Whether a standing cleric has one of the spells ready.
bool Bot::CureReady(std::initializer_list<int> spells) const {
    for (int slot = 0; slot < view_.members(); ++slot) {
        const PLAYER& p = view_.state().Party[slot];
        if (p.Class == 3 && !(p.Status & (2 | 256)) && ReadiedRow(p, spells) >= 0) return true;
    }
    return false;
}

// In camp: learn cures and sleep, rest, cure the wounded; again while wounds remain.
// Whether a caster holds spells chosen but not yet learned: any completed rest teaches them.
bool Bot::SpellsToBeLearned() const {
    for (int slot = 0; slot < view_.members(); ++slot)
        for (int pair = 0; pair < 13; ++pair)
            if (view_.state().Party[slot].Spells[2 * pair] == 3) return true;
    return false;
}

void Bot::CampAndHeal(int rounds) {
    if (!OpenCamp()) return;
    for (int round = 0; round < rounds && !session_.ended(); ++round) {
        view_.Refresh();
        if (SpellsToBeLearned() && !RestInCamp(1)) break;
        session_.Act("click imgMagic");
        if (session_.top() != "frmMagic") break;
        view_.Refresh();
        CastCures();
        ChooseSpells();
        view_.Refresh();
        bool wounded = NeedsHealing();
        session_.Act("click lblDone");  // asks to rest when spells were chosen
        SettleTo("frmRest");
        if (session_.top() == "frmRest" && !FinishRest(kLongestLearning)) break;
        SettleTo("frmCamp");
        if (session_.top() != "frmCamp") break;
        if (!wounded) break;
        view_.Refresh();
        if (!NeedsHealing()) break;
    }
    if (session_.top() == "frmCamp") {
        session_.Act("click imgMagic");
        if (session_.top() == "frmMagic") {
            CastCures();
            session_.Act("click lblDone");
            SettleTo("frmCamp");
        }
    }
    CloseCamp();
}

// Fighters and clerics march first: the monsters strike the first two most.
void Bot::ArrangeMarchingOrder() {
    view_.Refresh();
    const GameState& state = view_.state();
    if (state.NumPlayers < 3) return;
    const auto armoured = [&](int slot) {
        return state.Party[slot].Class == 0 || state.Party[slot].Class == 3;
    };
    if (armoured(0) && armoured(1)) return;
    int weak = armoured(0) ? 1 : 0;
    int strong = -1;
    for (int slot = 2; slot < state.NumPlayers; ++slot)
        if (armoured(slot)) strong = slot;
    if (strong < 0) return;
    if (!OpenCamp()) return;
    session_.Act("click imgParty");
    session_.Act("type txt1 " + std::to_string(weak + 1));
    session_.Act("type txt2 " + std::to_string(strong + 1));
    session_.Act("click cmdSwitch");
    session_.Act("click cmdDone");
    CloseCamp();
    view_.Refresh();
    Log("Marching order: " + view_.state().Party[0].Name + ", " + view_.state().Party[1].Name + " in front.");
}

void Bot::SaveGame() {
    view_.Refresh();
    if (view_.state().InWilderness) return;
    // A game is saved only whole: a dead member in a save would come back with every load.
    for (int slot = 0; slot < view_.members(); ++slot)
        if (view_.Dead(slot)) return;
    if (!OpenCamp()) return;
    session_.Act(std::string("file ") + kSaveFile);
    session_.Act("click imgSave");
    SettleTo("frmCamp");
    has_save_ = true;
    death_loads_ = 0;
    CloseCamp();
}

bool Bot::LoadGame() {
    if (!has_save_) return false;
    if (session_.top() == "frmMain") session_.Act("click imgOptions");
    if (session_.top() != "frmGame") return false;
    session_.Act(std::string("file ") + kSaveFile);
    session_.Act("click imgLoadGame");
    Settle();
    ++summary_.loads_after_defeat;
    defeated_ = false;
    view_.Refresh();
    Log("Loaded the saved game.");
    return true;
}

}  // namespace duskmoor::bot
