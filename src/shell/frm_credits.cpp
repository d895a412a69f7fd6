#include "shell/frm_credits.h"

#include "ui/widget_style.h"

namespace duskmoor {
namespace {
constexpr int kWidth = 380, kHeight = 250;
constexpr int kButtonWidth = 110, kButtonHeight = 34;

constexpr const char* kCredits =
    "The Duskmoor\n"
    "\n"
    "A fantasy role-playing game\n"
    "written by the Duskmoor developers.\n"
    "\n"
    "Free and open-source software:\n"
    "share it, change it, and make new maps for it.\n"
    "\n"
    "Version 1.1";
}  // namespace

frmCredits::frmCredits(Host& host) : Screen(host, "frmCredits", kWidth, kHeight) {
    title = "Credits";
    Control& credits = Add(ControlKind::Label, "lblCredits", 16, 24, kWidth - 32, kHeight - 90);
    credits.caption = kCredits;
    credits.font_size = 12;
    credits.align = TextAlign::Center;
    credits.fore = palette::Text;
    AddDefaultButton(*this, "cmdDone", "Done", (kWidth - kButtonWidth) / 2, kHeight - kButtonHeight - 16,
                     kButtonWidth, kButtonHeight)
        .on_click = [this] { Close(); };
}

}  // namespace duskmoor
