#include "GameWindowFixture.h"

#include "game/Geometry.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace pipwright {

void GameWindowTest::SetUp() {
    window = std::make_unique<frmDominos>();
    window->setPauseScale(0);
    auto& calls = window->blockingCalls();
    calls.result = [this](const ResultTexts& texts) { results.push_back(texts); };
    calls.messageBox = [this](const QString& title, const QString&) {
        messageBoxes.push_back(title);
    };
    calls.timeOutNotice = [](const QString&, const QString&) {};
    calls.question = [this](const QString& title, const QString&) {
        questions.push_back(title);
        return answerYes;
    };
    state().PlayerName = "Tess";
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
}

QString GameWindowTest::label(const char* name) const {
    auto* found = window->findChild<QLabel*>(QString::fromLatin1(name));
    return found ? found->text() : QStringLiteral("<no such label>");
}

void GameWindowTest::click(Picture p, int x, int y) {
    PictureArea& area = picture(p);
    QTest::mouseClick(&area, Qt::LeftButton, {}, area.toWidget(x, y));
}

int GameWindowTest::firstFaceDown() const {
    for (int i = 1; i <= SetSize; ++i)
        if (window->engine().state().BoneYardArray(i, 1) < NoHalf)
            return i;
    return 0;
}

void GameWindowTest::clickBoneYard(int slot) {
    const Rect square = boneYardSquare(slot, state().BoneYardTop);
    click(Picture::BoneYard, square.left + 125, square.top + 125);
}

void GameWindowTest::clickHand(int slot) {
    click(Picture::Players, handSlotLeft(slot) + 150, state().PlayerHandTop + 300);
}

void GameWindowTest::clickEnd(bool left) {
    const Rect r = state().endRect(left ? End::Left : End::Right);
    click(Picture::View, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

bool GameWindowTest::playersTurn() {
    const GameState& s = state();
    for (int slot = 1; slot <= s.Playerdom; ++slot) {
        const int a = s.PlayerArray(slot, 1), b = s.PlayerArray(slot, 2);
        if (a == NoHalf)
            continue;
        const bool left = fitsEnd(a, b, s.openEnd(End::Left));
        if (left || fitsEnd(a, b, s.openEnd(End::Right))) {
            clickHand(slot);
            clickEnd(left);
            return true;
        }
    }
    if (const int slot = firstFaceDown())
        clickBoneYard(slot);
    else
        QTest::mouseClick(window->findChild<QPushButton*>("ComPlayerCantPlay"), Qt::LeftButton);
    return false;
}

} // namespace pipwright
