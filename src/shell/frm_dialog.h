#pragma once
// The small message dialog: one message with one or two buttons, or a
// password box. Callers write `DialogText` and `DialogMode`, open it, and read
// `DialogResult` when it closes.
#include <string>

#include "ui/screen.h"

namespace duskmoor {

struct Game;

namespace dialog {
constexpr int16_t OkOnly = 1, YesNo = 2, OkCancel = 3, Password = 4;
constexpr int16_t Yes = 4, No = 5, Cancel = 6, Ok = 7, RightPassword = 8, WrongPassword = 0;
}  // namespace dialog

class frmDialog : public Screen {
  public:
    explicit frmDialog(Game& game);
    void Load() override;
    void KeyUp(int key) override;
    void CloseRequested() override;
    std::string TranscriptOpenLine() const override;
    std::string TranscriptCloseLine() const override { return {}; }

  private:
    void PlaceButtons();
    void Answer(int button);

    Game& game_;
};

// Shows `text` in `mode` and returns `DialogResult` afterwards.
int16_t ShowDialog(Game& game, const std::string& text, int16_t mode = dialog::OkOnly);

// What Escape answers in each mode: the safe way out, never an answer that
// ends the program or opens a door. A notice keeps the last answer.
int16_t EscapeAnswer(int16_t mode, int16_t last_answer);

// The password the ruins' note tells: typed text is upper-cased and must match whole.
bool IsRightPassword(const std::string& typed);

}  // namespace duskmoor
