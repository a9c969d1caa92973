#include "tests/translations/TranslatedWindows.h"

#include "game/Geometry.h"
#include "tests/dialogs/ModalProbe.h"
#include "ui/ScoreSheetWindow.h"
#include "ui/dialogs/AuthorWindow.h"
#include "ui/dialogs/GameConditionsDialog.h"
#include "ui/dialogs/ResultWindows.h"
#include "ui/frmTitle.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QTest>

namespace pipwright::test {

void TranslatedWindowTest::SetUpIn(const QString& qmPath) {
    if (!qmPath.isEmpty()) {
        ASSERT_TRUE(translator_.load(qmPath)) << qmPath.toStdString();
        QCoreApplication::installTranslator(&translator_);
    }
    GameWindowTest::SetUp();
}

void TranslatedWindowTest::TearDown() {
    window.reset();
    QCoreApplication::removeTranslator(&translator_);
}

void TranslatedWindowTest::playToFirstResult() {
    window->random().seed(20261208);
    engine().GameStart();
    auto firstFaceDown = [this] {
        for (int i = 1; i <= SetSize; ++i)
            if (state().BoneYardArray(i, 1) < NoHalf)
                return i;
        return 0;
    };
    auto draw = [this](int slot) {
        const Rect square = boneYardSquare(slot, state().BoneYardTop);
        click(Picture::BoneYard, square.left + 125, square.top + 125);
    };
    auto lay = [this](int slot) {
        click(Picture::Players, handSlotLeft(slot) + 150, state().PlayerHandTop + 300);
    };
    for (int clicks = 0; results.empty() && clicks < 500; ++clicks) {
        const GameState& s = state();
        if (s.GameStatus == Phase::DrawForFirstPlay || s.GameStatus == Phase::DrawingSeven) {
            draw(firstFaceDown());
            continue;
        }
        if (s.GameStatus == Phase::SetDomino) {
            lay(1);
            continue;
        }
        ASSERT_EQ(s.GameStatus, Phase::PlayersTurn);
        bool laid = false;
        for (int slot = 1; slot <= s.Playerdom && !laid; ++slot) {
            const int a = s.PlayerArray(slot, 1), b = s.PlayerArray(slot, 2);
            const bool left = a != NoHalf && fitsEnd(a, b, s.openEnd(End::Left));
            if (a == NoHalf || (!left && !fitsEnd(a, b, s.openEnd(End::Right))))
                continue;
            lay(slot);
            const Rect r = s.endRect(left ? End::Left : End::Right);
            click(Picture::View, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
            laid = true;
        }
        if (laid)
            continue;
        if (const int slot = firstFaceDown())
            draw(slot);
        else
            QTest::mouseClick(window->findChild<QPushButton*>("ComPlayerCantPlay"), Qt::LeftButton);
    }
    ASSERT_FALSE(results.empty());
}

void TranslatedWindowTest::forEachWindow(
    const std::function<void(const QString& window, QWidget* shown)>& check) {
    check(QStringLiteral("main"), window.get());
    {
        frmTitle title;
        title.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&title));
        check(QStringLiteral("name"), &title);
    }
    auto modal = [&](const char* name, const std::function<void()>& open) {
        bool seen = false;
        whenModalShows([&](QWidget* shown) {
            ASSERT_NE(shown, nullptr) << name;
            seen = true;
            check(QString::fromLatin1(name), shown);
        });
        open();
        EXPECT_TRUE(seen) << name;
    };
    modal("conditions", [this] { window->conditions().showModal(); });
    modal("about", [this] { showAuthorWindow(state(), window.get()); });
    check(QStringLiteral("score sheet"), &showScoreSheet(engine(), *window));
    for (const ResultTexts& texts : results)
        modal("result", [&] { showResultWindow(texts, window.get()); });
}

QString withoutMnemonics(QString text) {
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    return text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

} // namespace pipwright::test
