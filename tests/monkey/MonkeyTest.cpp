// Thousands of random clicks and menu choices on the real main window, with
// the game's modal windows closing at once. After every event the engine's
// invariants must hold and no flow may be left half run. The seed is printed;
// set PIPWRIGHT_MONKEY_SEED (and PIPWRIGHT_MONKEY_EVENTS) to replay a run.

#include "game/Invariants.h"
#include "ui/PictureArea.h"
#include "ui/frmDominos.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace pipwright {

std::uint64_t envNumber(const char* name, std::uint64_t fallback) {
    const char* text = std::getenv(name);
    return text ? std::strtoull(text, nullptr, 10) : fallback;
}

namespace {

class Monkey {
public:
    explicit Monkey(std::uint64_t seed) : random_(seed) {
        window_.random().seed(seed);
        window_.setPauseScale(0);
        auto& calls = window_.blockingCalls();
        calls.result = [](const ResultTexts&) {};
        calls.messageBox = [](const QString&, const QString&) {};
        calls.timeOutNotice = [](const QString&, const QString&) {};
        calls.question = [this](const QString&, const QString&) { return chance(2); };
        // Events that arrive while a flow waits.
        calls.pause = [this](double) {
            if (inPause_)
                return;
            inPause_ = true;
            if (chance(4))
                randomEvent();
            inPause_ = false;
        };
        window_.engine().state().PlayerName = "Monkey";
        window_.show();
    }

    // Runs the events; returns the first broken rule, or nothing.
    std::string run(long events) {
        for (long i = 0; i < events; ++i) {
            randomEvent();
            phases_[window_.engine().state().GameStatus % 11]++;
            std::string broken = check();
            if (!broken.empty())
                return "event " + std::to_string(i) + " (" + last_ + "): " + broken;
        }
        return {};
    }

private:
    bool chance(int oneIn) { return std::uniform_int_distribution<int>(1, oneIn)(random_) == 1; }
    int between(int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random_);
    }

    void clickAt(Picture picture, int x, int y) {
        PictureArea& area = window_.picture(picture);
        QTest::mouseClick(&area, Qt::LeftButton, {}, area.toWidget(x, y));
    }

    void randomEvent() {
        const GameState& s = window_.engine().state();
        const int roll = between(0, 99);
        switch (roll < 30 ? 0 : roll < 60 ? 1 : roll < 90 ? 2 : roll < 95 ? 3 : roll < 98 ? 4 : 5) {
        case 0: {
            last_ = "BoneYard";
            const int slot = between(1, 28);
            clickAt(Picture::BoneYard, 75 + (slot - 1) * 325 + between(0, 250),
                    s.BoneYardTop + between(-20, 270));
            break;
        }
        case 1: {
            last_ = "hand";
            const int slot = between(1, 19);
            clickAt(Picture::Players, 50 + (slot - 1) * 350 + between(0, 300),
                    s.PlayerHandTop + between(-20, 620));
            break;
        }
        case 2: {
            last_ = "field";
            const Rect end = s.endRect(chance(2) ? End::Left : End::Right);
            clickAt(Picture::View, end.left + between(-30, 330), end.top + between(-30, 330));
            break;
        }
        case 3:
            last_ = "Can't Play";
            if (auto* button = window_.findChild<QPushButton*>("ComPlayerCantPlay"))
                button->click();
            break;
        case 4:
            last_ = "tick";
            window_.engine().Timer1_Timer();
            break;
        default:
            chooseMenu();
            break;
        }
    }

    void chooseMenu() {
        const Menu menus[] = {Menu::RestartTheRound, Menu::RestartTheGame, Menu::GameConditions,
                              Menu::Author};
        const Menu menu = menus[between(0, 3)];
        QAction* action = window_.menuEntry(menu);
        last_ = "menu " + action->text().toStdString();
        if (!action->isEnabled())
            return;
        // The dialogs close as soon as they are up.
        QTimer::singleShot(0, [] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                dialog->accept();
        });
        action->trigger();
    }

    std::string check() {
        const Engine& engine = window_.engine();
        if (engine.flowRunning())
            return "a flow was left running";
        const Integer phase = engine.state().GameStatus;
        if (phase == Phase::ComputersTurn || phase == Phase::ComputerDrawsFirst ||
            phase == Phase::ComputerDrawsSeven)
            return "left in the computer's phase " + std::to_string(phase);
        auto broken = checkInvariants(engine.state());
        return broken.empty() ? std::string() : broken.front().english();
    }

public:
    // How many events met each phase, to show the run reached the game.
    long phases_[11] = {};

private:
    std::mt19937_64 random_;
    frmDominos window_;
    bool inPause_ = false;
    std::string last_;
};

} // namespace
} // namespace pipwright

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const std::uint64_t seed =
        pipwright::envNumber("PIPWRIGHT_MONKEY_SEED", std::random_device{}());
    const long events = static_cast<long>(pipwright::envNumber("PIPWRIGHT_MONKEY_EVENTS", 20000));
    std::printf("monkey: seed %llu, %ld events\n", static_cast<unsigned long long>(seed), events);
    std::fflush(stdout);
    pipwright::Monkey monkey(seed);
    const std::string broken = monkey.run(events);
    if (!broken.empty()) {
        std::printf("monkey: FAILED at %s (replay with PIPWRIGHT_MONKEY_SEED=%llu)\n",
                    broken.c_str(), static_cast<unsigned long long>(seed));
        return 1;
    }
    std::printf("monkey: %ld events, no broken rule\n", events);
    std::printf("monkey: events by phase 0:%ld 1:%ld 2:%ld 3:%ld\n", monkey.phases_[0],
                monkey.phases_[1], monkey.phases_[2], monkey.phases_[3]);
    return 0;
}
