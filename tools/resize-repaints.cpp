// Resizes the game's main window step by step, with a round in progress, and
// counts the paint events of its widgets: each size change should paint every
// widget at most once. Run it on a display (or QT_QPA_PLATFORM=offscreen).
#include "ui/frmDominos.h"

#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <map>

namespace {

class PaintCounter : public QObject {
public:
    std::map<QObject*, int> paints;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++paints[watched];
        return false;
    }
};

void settle(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("pipwright-resize-repaints"));
    pipwright::frmDominos window;
    window.setPauseScale(0);
    window.engine().state().PlayerName = "Bench";
    window.show();
    settle(300);
    // Draw for first play and the seven, so the hands hold dominoes.
    for (int key = 0; key < 20; ++key) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_B, Qt::NoModifier, QStringLiteral("b"));
        QCoreApplication::sendEvent(&window, &press);
    }
    settle(300);

    PaintCounter counter;
    app.installEventFilter(&counter);
    const QSize designed = window.size();
    const QSize largest(1900, 1040);
    constexpr int Steps = 40;
    int changes = 0, worst = 0;
    long total = 0;
    for (int pass = 0; pass < 2; ++pass) {
        for (int step = 1; step <= Steps; ++step) {
            const int t = pass == 0 ? step : Steps - step;
            const QSize size = designed + (largest - designed) * t / Steps;
            settle(50); // anything still pending belongs to the size before
            counter.paints.clear();
            window.resize(size);
            settle(150);
            ++changes;
            for (const auto& [widget, count] : counter.paints) {
                worst = std::max(worst, count);
                if (count > 1)
                    std::printf("  %s painted %d times at %dx%d\n",
                                widget->metaObject()->className(), count, size.width(),
                                size.height());
                total += count;
            }
        }
    }
    std::printf("size changes: %d, from %dx%d to %dx%d and back\n", changes, designed.width(),
                designed.height(), largest.width(), largest.height());
    std::printf("most paints of one widget in one size change: %d\n", worst);
    std::printf("paint events per size change (all widgets): %.1f\n", double(total) / changes);
    return 0;
}
