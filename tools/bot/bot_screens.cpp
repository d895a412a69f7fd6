// The screens that open over the main screen, and how the bot answers them.
#include <cstdlib>

#include "bot.h"
#include "notes_reading.h"

namespace duskmoor::bot {

namespace {

bool Contains(const std::string& text, const char* part) {
    return text.find(part) != std::string::npos;
}

}  // namespace

Bot::Bot(Session& session, long action_limit)
    : session_(session), view_(session), action_limit_(action_limit) {
    session_.OnLine([this](const std::string& line) { NoteLine(line); });
}

// Notes what the transcript tells of rewards, defeats and the ending.
void Bot::NoteLine(const std::string& line) {
    // A trap that fells the whole party says so in a dialog; battles tell it in `BattleOutcome`.
    if (Contains(line, "dialog 1 The party has been defeated.")) defeated_ = true;
    if (Contains(line, "Your reward for ")) ++summary_.quests_redeemed;
    if (Contains(line, "With your quest now complete")) won_ = true;
}

void Bot::StartNewGame() {
    session_.Act("wait 4500");
    session_.Act("click imgOptions");
    session_.Act("click imgNewGame");
    session_.Act("click cmdDefault");
    session_.Act("click cmdButton1");
    session_.Act("click cmdDone");
    Settle();
    view_.Refresh();
    Log("A new game: the default party listens to the king in Verezeve.");
}

void Bot::Settle() {
    for (int guard = 0; !session_.ended() && session_.top() != "frmMain" && guard < 200000; ++guard)
        HandleTop();
}

void Bot::HandleTop() {
    const std::string& top = session_.top();
    if (top == "frmDialog") {
        AnswerDialog();
    } else if (top == "frmBattle2") {
        FightBattle();
    } else if (top == "frmTreasure") {
        TakeTreasure();
    } else if (top == "frmSpeech") {
        session_.Act("click cmdSkip");
    } else if (top == "frmLog") {
        std::string password = PasswordIn(session_.Show("txtLog"));
        if (!password.empty() && !knows_password_) {
            knows_password_ = true;
            password_ = password;
            Log("A note gives the password of the great door: " + password + ".");
        }
        session_.Act("click cmdDone");
    } else if (top == "frmGame") {
        if (!LoadGame()) {
            summary_.stuck = "the party was defeated with no saved game to go back to";
            session_.Act("click imgExit");
        }
    } else {
        LeaveScreen();
    }
}

void Bot::LeaveScreen() {
    const std::string& top = session_.top();
    if (top == "frmBackPack") {
        session_.Act("click lblDone");
    } else if (top == "frmCamp") {
        session_.Act("click imgDone");
    } else if (top == "frmRest") {
        session_.Act("click cmdDone");
    } else if (top == "frmMagic" || top == "frmTrade") {
        session_.Act("click lblCancel");
    } else if (top == "frmQuests") {
        session_.Act("click cmdDone");
    } else if (top == "frmBank") {
        session_.Act("click cmdCancel");
    } else {
        session_.Act("key Escape");
    }
}

void Bot::AnswerDialog() {
    const DialogLine& dialog = session_.dialog();
    if (dialog.mode == 4) {
        if (!knows_password_) {
            session_.Act("click cmdButton1");
            return;
        }
        session_.Act("wait 700");
        session_.Act("type txtPassword " + password_);
        session_.Act("click cmdButton1");
        return;
    }
    if (dialog.mode == 2) {
        session_.Act(AnswerYesNo(dialog.text) == 4 ? "click cmdButton1" : "click cmdButton2");
        return;
    }
    session_.Act("click cmdButton1");
}

// The bot's answers to the game's questions: 4 Yes, 5 No.
int Bot::AnswerYesNo(const std::string& question) {
    const auto yes_if = [](bool wanted) { return wanted ? 4 : 5; };
    if (Contains(question, "Load default party?")) return 4;
    if (Contains(question, "staircase")) return yes_if(want_stairs_);
    // The bot travels by wagon; it never walks out into the wilderness.
    if (Contains(question, "enter Wilderness?")) return 5;
    if (Contains(question, "Take the wagon back to Verezeve?")) return 4;
    if (Contains(question, "split money?")) return 4;
    if (Contains(question, "Training will cost")) return 4;
    if (Contains(question, "Rest now?")) return 4;
    // Poison eats six hit points an hour of rest: the poisoned go to the temple instead.
    if (Contains(question, "may not survive the rest period")) return 5;
    if (Contains(question, "rest anyway?")) return 4;
    // "There is treasure left, go back?" and the like: what was left is not wanted.
    return 5;
}

// Coins go to whoever can carry them, the found items to whoever has room.
void Bot::TakeTreasure() {
    view_.Refresh();
    static const char* const kBoxes[] = {"txtTakeGold", "txtTakeSilver", "txtTakeCopper"};
    static const char* const kOffers[] = {"lblShowGold", "lblShowSilver", "lblShowCopper"};
    const int members = view_.members();
    std::vector<int> room(members);
    for (int slot = 0; slot < members; ++slot) {
        const PLAYER& p = view_.state().Party[slot];
        room[slot] = p.MaxLoad - p.Load - kLoadReserve;
    }
    for (int slot = 0; slot < members; ++slot) {
        if (slot > 0) session_.Act("click cmdNext");
        for (int coin = 0; coin < 3; ++coin) {
            long offer = std::atol(session_.Show(kOffers[coin]).c_str());
            long amount = std::min<long>(offer, std::max(0, room[slot]));
            if (amount <= 0) continue;
            session_.Act(std::string("type ") + kBoxes[coin] + " " + std::to_string(amount));
            session_.Act("click cmdTakeMoney[" + std::to_string(coin) + "]");
            SettleTo("frmTreasure");
            room[slot] -= static_cast<int>(amount);
        }
        for (int item = 0; item < 4; ++item) {
            std::string found = session_.Show("lblSpecial[" + std::to_string(item) + "]");
            if (found.empty() || found == "None") continue;
            if (view_.state().Party[slot].PackCount + taken_items_[slot] >= 22) continue;
            session_.Act("click cmdTake[" + std::to_string(item) + "]");
            ++taken_items_[slot];
            SettleTo("frmTreasure");
        }
    }
    taken_items_.fill(0);
    session_.Act("click cmdDone");
}

}  // namespace duskmoor::bot
