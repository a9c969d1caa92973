#include "ui/PauseTimer.h"

#include <QElapsedTimer>
#include <QTimer>
#include <gtest/gtest.h>

namespace pipwright {
namespace {

TEST(PauseTimer, WaitsItsTimeWhileEventsKeepComing) {
    int ticks = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
    ticker.start(20);
    QElapsedTimer clock;
    clock.start();
    pauseKeepingEvents(0.25);
    const qint64 elapsed = clock.elapsed();
    EXPECT_GE(elapsed, 250);
    EXPECT_LT(elapsed, 600);
    EXPECT_GE(ticks, 5); // timer ticks were handled during the pause
}

} // namespace
} // namespace pipwright
