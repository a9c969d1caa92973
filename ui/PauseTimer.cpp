#include "ui/PauseTimer.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <cmath>

namespace pipwright {

void pauseKeepingEvents(double seconds) {
    const auto wanted = static_cast<qint64>(std::llround(seconds * 1000));
    if (wanted <= 0)
        return;
    QElapsedTimer clock; // monotonic: a pause across midnight ends on time
    clock.start();
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    for (qint64 left = wanted; left > 0; left = wanted - clock.elapsed()) {
        timer.start(static_cast<int>(left));
        loop.exec();
        if (timer.isActive())
            return; // the loop was ended by the program quitting
    }
}

} // namespace pipwright
