#include "ui/message_box_screen.h"

#include <gtest/gtest.h>

#include "support/recording_host.h"
#include "ui/host.h"
#include "ui/screen_painter.h"
#include "ui/window_layout.h"

namespace duskmoor {
namespace {

using StillHost = RecordingHost;

class MessageBoxScreenTest : public ::testing::Test {
  protected:
    void SetUp() override {
        previous_engine_ = DefaultFontEngine();
        SetDefaultFontEngine(nullptr);
    }
    void TearDown() override { SetDefaultFontEngine(previous_engine_); }

    StillHost host_;
    FontEngine* previous_engine_ = nullptr;
};

TEST_F(MessageBoxScreenTest, ShowsTheTextAboveACentredOkButton) {
    MessageBoxScreen box(host_, "Error loading map.");
    EXPECT_EQ(box.title, "The Duskmoor");
    EXPECT_EQ(box["lblMessage"].caption, "Error loading map.");
    EXPECT_EQ(box["lblMessage"].align, TextAlign::Center);
    const Control& ok = box["cmdOK"];
    EXPECT_EQ(ok.caption, "OK");
    EXPECT_EQ(ok.x + ok.width / 2, box.width() / 2);
    EXPECT_GE(ok.y, box["lblMessage"].y + box["lblMessage"].height);
    EXPECT_LE(ok.y + ok.height, box.height());
    EXPECT_GE(box.width(), 240);

    // A long text wraps inside a box that still fits the window, caption and all.
    const std::string long_text(400, 'x');
    MessageBoxScreen wide(host_, long_text + " " + long_text + "\n" + long_text);
    EXPECT_LE(wide.width(), kLogicalWidth);
    EXPECT_LE(wide.height() + kTitleBarHeight, kLogicalHeight);
    EXPECT_EQ(wide["lblMessage"].align, TextAlign::Left);
}

TEST_F(MessageBoxScreenTest, EnterSpaceEscapeAndOkCloseItOtherKeysDoNot) {
    for (const int key : {keys::Enter, keys::Space, keys::Escape}) {
        MessageBoxScreen box(host_, "Saved.");
        box.KeyDown(key);
        EXPECT_TRUE(box.closing()) << key;
    }
    MessageBoxScreen box(host_, "Saved.");
    box.KeyDown('A');
    box.KeyDown(keys::Up);
    EXPECT_FALSE(box.closing());
    box["cmdOK"].on_click();
    EXPECT_TRUE(box.closing());
    box.Reopen();
    box.CloseRequested();
    EXPECT_TRUE(box.closing());
}

}  // namespace
}  // namespace duskmoor
