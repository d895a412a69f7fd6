#include "ui/timer_schedule.h"

#include <gtest/gtest.h>

#include "support/recording_host.h"
#include "ui/host.h"
#include "ui/screen.h"

namespace duskmoor {
namespace {

using ClockHost = RecordingHost;

TEST(TimerScheduleTest, TimersOfEveryOpenScreenFireWhenDueAndKeepTheirRhythm) {
    ClockHost host;
    Screen main_screen(host, "frmMain", 640, 480);
    Screen menu(host, "frmGame", 300, 200);
    int title_ticks = 0;
    int menu_ticks = 0;
    Control& title = main_screen.Add(ControlKind::Timer, "tmrTitleScreen", 0, 0, 0, 0);
    title.on_tick = [&] { ++title_ticks; };
    Control& blink = menu.Add(ControlKind::Timer, "tmrBlink", 0, 0, 0, 0);
    blink.on_tick = [&] { ++menu_ticks; };
    const std::vector<Screen*> screens{&main_screen, &menu};

    EXPECT_EQ(NextTimerDue(screens), -1);
    EXPECT_FALSE(FireDueTimers(screens, 100000));
    host.now = 1000;
    main_screen.StartTimer(title, 1500);
    menu.StartTimer(blink, 700);
    EXPECT_EQ(NextTimerDue(screens), 1700);

    EXPECT_FALSE(FireDueTimers(screens, 1699));
    EXPECT_TRUE(FireDueTimers(screens, 1700));
    EXPECT_EQ(menu_ticks, 1);
    EXPECT_EQ(blink.due_ms, 2400);  // counted from when it was due, not from now
    EXPECT_EQ(NextTimerDue(screens), 2400);
    EXPECT_TRUE(FireDueTimers(screens, 2500));
    EXPECT_EQ(title_ticks, 1);
    EXPECT_EQ(menu_ticks, 2);
    EXPECT_EQ(title.due_ms, 4000);
    EXPECT_EQ(blink.due_ms, 3100);

    // Far behind (the machine slept): one tick, then the count starts afresh.
    EXPECT_TRUE(FireDueTimers(screens, 9000));
    EXPECT_EQ(title_ticks, 2);
    EXPECT_EQ(menu_ticks, 3);
    EXPECT_EQ(title.due_ms, 10500);
    EXPECT_EQ(blink.due_ms, 9700);

    menu.StopTimer(blink);
    EXPECT_EQ(NextTimerDue(screens), 10500);
    EXPECT_FALSE(FireDueTimers(screens, 10000));
    EXPECT_EQ(menu_ticks, 3);
}

TEST(TimerScheduleTest, ATickThatRestartsItsOwnTimerKeepsTheNewCount) {
    ClockHost host;
    Screen screen(host, "frmMain", 640, 480);
    Control& timer = screen.Add(ControlKind::Timer, "tmrCollision", 0, 0, 0, 0);
    timer.on_tick = [&] { screen.StartTimer(timer, 6000); };
    screen.StartTimer(timer, 780);
    host.now = 780;
    EXPECT_TRUE(FireDueTimers({&screen}, 780));
    EXPECT_EQ(timer.interval, 6000);
    EXPECT_EQ(timer.due_ms, 6780);
    // A one-shot: the tick stops it, and it never fires again.
    timer.on_tick = [&] { screen.StopTimer(timer); };
    EXPECT_TRUE(FireDueTimers({&screen}, 6780));
    EXPECT_EQ(NextTimerDue({&screen}), -1);
    EXPECT_FALSE(FireDueTimers({&screen}, 99999));
}

}  // namespace
}  // namespace duskmoor
