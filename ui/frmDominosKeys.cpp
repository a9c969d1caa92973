// Play by keyboard, and what a screen reader is told of the pictures. Every
// key acts through the same press and click that the mouse gives the engine.

#include "game/Geometry.h"
#include "ui/PictureArea.h"
#include "ui/PictureTexts.h"
#include "ui/frmDominos.h"

#include <QKeyEvent>
#include <QPushButton>

namespace pipwright {

namespace {

bool present(const GameState& s, int slot) {
    return slot >= 1 && slot <= s.Playerdom && s.PlayerArray(slot, 1) != NoHalf;
}

} // namespace

void frmDominos::keyPressEvent(QKeyEvent* event) {
    // Keys with Ctrl or Alt belong to the menus.
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    const GameState& s = engine_.state();
    const int key = event->key();
    if (key == Qt::Key_Left || key == Qt::Key_Right) {
        moveHighlight(key == Qt::Key_Left ? -1 : 1);
    } else if (key >= Qt::Key_1 && key <= Qt::Key_9) {
        highlightNth(key - Qt::Key_0);
    } else if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (present(s, highlighted_))
            clickAt(Picture::Players, handSlotLeft(highlighted_) + HalfSize / 2,
                    s.PlayerHandTop + HalfSize);
    } else if (key == Qt::Key_L || key == Qt::Key_R) {
        engine_.laySelectedOn(key == Qt::Key_L ? End::Left : End::Right);
        refreshHint();
    } else if (key == Qt::Key_B) {
        // Any face-down square will do: the shuffle hid what lies where.
        if (!engine_.flowRunning())
            if (const int slot = s.firstFaceDownSlot()) {
                const Rect square = boneYardSquare(slot, s.BoneYardTop);
                clickAt(Picture::BoneYard, (square.left + square.right) / 2,
                        (square.top + square.bottom) / 2);
            }
    } else if (key == Qt::Key_C) {
        ComPlayerCantPlay->click();
    } else if (key == Qt::Key_Escape) {
        highlighted_ = 0;
    } else {
        QMainWindow::keyPressEvent(event);
        return;
    }
    keysUsed_ = true;
    showHighlight();
}

void frmDominos::moveHighlight(int step) {
    const GameState& s = engine_.state();
    const int slots = s.Playerdom;
    if (slots < 1)
        return;
    // From no highlight, Right starts at the first domino and Left at the last.
    int slot =
        highlighted_ >= 1 && highlighted_ <= slots ? highlighted_ : (step > 0 ? 0 : slots + 1);
    for (int tries = 0; tries <= slots; ++tries) {
        slot += step;
        if (slot < 1)
            slot = slots;
        else if (slot > slots)
            slot = 1;
        if (present(s, slot)) {
            highlighted_ = slot;
            return;
        }
    }
}

void frmDominos::highlightNth(int n) {
    const GameState& s = engine_.state();
    for (int slot = 1; slot <= s.Playerdom; ++slot)
        if (present(s, slot) && --n == 0) {
            highlighted_ = slot;
            return;
        }
}

void frmDominos::showHighlight() {
    const GameState& s = engine_.state();
    if (keysUsed_ && present(s, highlighted_)) {
        const int left = handSlotLeft(highlighted_);
        PlayersPic->setHighlight(
            Rect{left, s.PlayerHandTop, left + HalfSize, s.PlayerHandTop + 2 * HalfSize});
    } else {
        PlayersPic->setHighlight(std::nullopt);
    }
    describePictures();
}

void frmDominos::clickAt(Picture picture, int x, int y) {
    if (engine_.flowRunning())
        return;
    switch (picture) {
    case Picture::Players:
        engine_.PlayersPic_MouseDown(x, y);
        engine_.PlayersPic_Click();
        break;
    case Picture::View:
        engine_.ViewPic_MouseDown(x, y);
        engine_.ViewPic_Click();
        break;
    case Picture::BoneYard:
        engine_.BoneYardPic_MouseDown(x, y);
        engine_.BoneYardPic_Click();
        break;
    case Picture::Computers:
        break;
    }
    refreshHint();
}

void frmDominos::describePictures() {
    const GameState& s = engine_.state();
    const int marked = keysUsed_ ? highlighted_ : 0;
    PlayersPic->setAccessibleName(handText(s, present(s, marked) ? marked : 0));
    ViewPic->setAccessibleName(lineText(s));
    BoneYardPic->setAccessibleName(boneYardText(s));
}

void frmDominos::describeHowToPlay() {
    PlayersPic->setAccessibleDescription(
        QStringLiteral("Left and Right move the highlight, 1 to 9 jump to a domino, Enter "
                       "selects it, Escape clears the highlight, C presses Can't Play"));
    ViewPic->setAccessibleDescription(
        QStringLiteral("L lays the selected domino on the left end, R on the right end"));
    BoneYardPic->setAccessibleDescription(QStringLiteral("B draws a domino"));
}

} // namespace pipwright
