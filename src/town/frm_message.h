#pragma once
// The town building screen `frmMessage`: a building's greeting and up to four
// buttons, each leading to a service of the town. `BuildingMode` chooses the
// building; `MessageResult` tells the street what happens next.
#include "ui/screen.h"

namespace duskmoor {

struct Game;

namespace building {
constexpr int16_t InnArriving = 1, InnLeaving = 2, Temple = 3, Bank = 4, MagicShop = 5, Council = 6,
                  KingsHall = 7, Armory = 8, Training = 9, ArmorShop = 10, WeaponShop = 11, PawnShop = 12,
                  Transport = 13;
}

namespace message_result {
constexpr int16_t Stay = 0, RideToTrogCamp = 93, RideToRizevoz = 94, RideToNorthCaves = 95,
                  Fight30Guards = 96, Fight25Guards = 97, StepOut = 98, StepIn = 99;
}

class frmMessage : public Screen {
  public:
    // `with_the_king`: the king's own room, which has no building of its
    // own and offers only "Leave".
    frmMessage(Game& game, bool with_the_king = false);
    void Load() override;
    void CloseRequested() override;

  private:
    struct ButtonRow {
        int16_t mode;
        int number;
        const char* caption;
        void (frmMessage::*action)();
    };
    static const ButtonRow kButtonRows[];

    void ShowButton(int number, const char* caption, void (frmMessage::*action)());
    void PlaceButtons();
    void Finish(int16_t result);

    void Leave();
    void StayAtTheInn();
    void Farewell();
    void OpenCounter(int16_t backpack_mode);
    void Temple() { OpenCounter(4); }
    void MagicShop() { OpenCounter(3); }
    void ArmorShop() { OpenCounter(2); }
    void WeaponShop() { OpenCounter(1); }
    void PawnShop() { OpenCounter(6); }
    void Convert();
    void OpenBank(int16_t bank_mode);
    void Deposit() { OpenBank(1); }
    void Withdrawal() { OpenBank(2); }
    void Redeem();
    void Review() { OpenQuests(1); }
    void Quests() { OpenQuests(2); }
    void OpenQuests(int16_t quests_mode);
    void Train();
    void Attack30() { Finish(96); }
    void Attack25() { Finish(97); }
    void Ride(int16_t result);
    void RideToCaves() { Ride(95); }
    void RideToRizevoz() { Ride(94); }
    void RideToTrogs() { Ride(93); }

    Game& game_;
    bool with_the_king_;
};

}  // namespace duskmoor
