// Where dominoes are painted: the hands, the face-down squares and the line
// with its two arms. The window paints the pixels; the rectangles and anchors
// are kept here, since clicks are tested against them and saved games store
// them.

#include "game/Engine.h"
#include "game/Geometry.h"

namespace pipwright {

namespace {

Picture drawTarget(const GameState& s) {
    return s.DrawInHand == 1 ? Picture::Players : Picture::View;
}

} // namespace

void Engine::Check() {
    const Picture target = drawTarget(s_);
    const int x = static_cast<int>(s_.DrawX.toLong());
    const Integer a = s_.PlayerArray(s_.Playerdom, 1);
    const Integer b = s_.PlayerArray(s_.Playerdom, 2);
    if (a < NoHalf)
        port_.paintHalf(target, x, s_.DrawY, a, true);
    s_.DrawY = static_cast<Integer>(s_.DrawY + HalfSize);
    if (b < NoHalf)
        port_.paintHalf(target, x, s_.DrawY, b, true);
}

void Engine::paintLineEntry(const Placement& placement, int inner, int outer) {
    s_.DrawInHand = 0;
    const int first = placement.innerFirst ? inner : outer;
    const int second = placement.innerFirst ? outer : inner;
    s_.DrawX = Variant::whole(placement.rect.left);
    s_.DrawY = static_cast<Integer>(placement.rect.top);
    port_.paintHalf(Picture::View, placement.rect.left, placement.rect.top, first,
                    placement.standing);
    if (placement.standing)
        s_.DrawY = static_cast<Integer>(s_.DrawY + HalfSize);
    else
        s_.DrawX = s_.DrawX.plus(HalfSize);
    port_.paintHalf(Picture::View, static_cast<int>(s_.DrawX.toLong()), s_.DrawY, second,
                    placement.standing);
}

void Engine::TheSetDomino() {
    s_.DrawInHand = 0;
    const int inner = s_.armCell(End::Left, 1, Arm::Inner);
    const int outer = s_.armCell(End::Left, 1, Arm::Outer);
    const SetPlacement set = setDominoPlacement(inner == outer);
    s_.setEntryRect(End::Left, 1, set.domino.rect);
    s_.setEntryRect(End::Right, 1, set.domino.rect);
    s_.LeftEndX = Variant::whole(set.leftAnchorX);
    s_.LeftEndY = static_cast<Integer>(set.leftAnchorY);
    s_.RightEndX = Variant::whole(set.rightAnchorX);
    s_.RightEndY = static_cast<Integer>(set.rightAnchorY);
    paintLineEntry(set.domino, inner, outer);
    ActivateTheMenus();
}

void Engine::CheckingLeft() {
    placeArmEnd(End::Left);
}

void Engine::CheckingRight() {
    placeArmEnd(End::Right);
}

// Places the last entry of an arm against the arm's anchor, moves the anchor
// on, flashes the new end and paints the domino.
void Engine::placeArmEnd(End end) {
    const int n = s_.armCount(end);
    const auto isDouble = [&](int entry) {
        return s_.armCell(end, entry, Arm::Inner) == s_.armCell(end, entry, Arm::Outer);
    };
    const bool left = end == End::Left;
    const int anchorX = static_cast<int>((left ? s_.LeftEndX : s_.RightEndX).toLong());
    const int anchorY = left ? s_.LeftEndY : s_.RightEndY;
    const bool previousDouble = n >= 2 && isDouble(n - 1);
    const auto placement = left ? leftPlacement(n, isDouble(n), previousDouble, anchorX, anchorY)
                                : rightPlacement(n, isDouble(n), previousDouble, anchorX, anchorY);
    if (!placement) {
        // Past the last painted position: clicks on the last painted domino
        // still play on this end.
        s_.setEntryRect(end, n, s_.entryRect(end, n - 1));
        return;
    }
    s_.setEntryRect(end, n, placement->rect);
    (left ? s_.LeftEndX : s_.RightEndX) = Variant::whole(placement->anchorX);
    (left ? s_.LeftEndY : s_.RightEndY) = static_cast<Integer>(placement->anchorY);
    if (left)
        DominoLeftShow();
    else
        DominoRightShow();
    paintLineEntry(*placement, s_.armCell(end, n, Arm::Inner), s_.armCell(end, n, Arm::Outer));
}

void Engine::DominoLeftShow() {
    flashEnd(s_.endRect(End::Left));
}

void Engine::DominoRightShow() {
    flashEnd(s_.endRect(End::Right));
}

// A new end flashes white and grey twice; a restored one is marked once.
void Engine::flashEnd(const Rect& rect) {
    if (s_.RestoringGame != False) {
        port_.fillBox(Picture::View, rect, Fill::Black);
        return;
    }
    for (int i = 0; i < 2; ++i) {
        port_.fillBox(Picture::View, rect, Fill::White);
        PauseTimer(0.05);
        port_.fillBox(Picture::View, rect, Fill::Grey);
        PauseTimer(0.05);
    }
}

void Engine::BlankPlayerDomino() {
    const int left = static_cast<int>(s_.SelectedLeft.toLong());
    const int top = s_.PlayerHandTop;
    port_.fillBox(Picture::Players, Rect{left, top, left + HalfSize + 5, top + 5 + 2 * HalfSize},
                  Fill::Background);
}

void Engine::AddComputerDomino() {
    if (s_.Zombie >= 1 && s_.Zombie <= HandLimit)
        port_.fillBox(Picture::Computers, computerSquare(s_.Zombie, metrics_.computerLabelHeight),
                      Fill::Foreground);
}

void Engine::BlankComputerDomino() {
    if (s_.Zombie >= 1 && s_.Zombie <= HandLimit)
        port_.fillBox(Picture::Computers, computerSquare(s_.Zombie, metrics_.computerLabelHeight),
                      Fill::Background);
    if (s_.ComputerDom >= 1 && s_.ComputerArray(s_.ComputerDom, 1) == NoHalf)
        --s_.ComputerDom;
}

void Engine::RestoreGame(const GameState& loaded) {
    FlowGuard guard(*this);
    const Integer zombie = loaded.Zombie;
    s_ = loaded;
    s_.RestoringGame = True;
    s_.PlayerClicked = Variant();
    // What was seen of the round before the file was opened is not known.
    history_.clear();
    for (Picture p : {Picture::BoneYard, Picture::Players, Picture::Computers, Picture::View})
        port_.clearPicture(p);

    for (int i = 1; i <= SetSize; ++i) {
        const Rect square = boneYardSquare(i, s_.BoneYardTop);
        port_.fillBox(Picture::BoneYard, square, Fill::Background);
        if (s_.BoneYardArray(i, 1) < NoHalf)
            port_.fillBox(Picture::BoneYard, square, Fill::Foreground);
    }

    const Integer handCount = s_.Playerdom;
    s_.DrawInHand = 1;
    for (Integer slot = 1; slot <= handCount; ++slot) {
        s_.Playerdom = slot;
        s_.DrawX = Variant::whole(handSlotLeft(slot));
        s_.DrawY = s_.PlayerHandTop;
        Check();
    }
    s_.Playerdom = handCount;

    setPlayerPlayed(s_.PlayerPlayedCaption);
    setComputerPlayed(s_.ComputerPlayedCaption);

    for (s_.Zombie = 1; s_.Zombie <= s_.ComputerDom; ++s_.Zombie)
        if (s_.ComputerArray(s_.Zombie, 1) < NoHalf)
            AddComputerDomino();
    s_.Zombie = zombie;
    s_.DrawInHand = 0;

    // The line exists only once a Set Domino has been laid; before that the
    // arms hold erased entries that must not be painted.
    if (s_.lineStarted()) {
        const Variant leftCount = s_.Dominoleft;
        for (long n = 1; n <= leftCount.toLong(); ++n) {
            s_.Dominoleft = Variant::whole(n);
            if (n == 1)
                TheSetDomino();
            else
                CheckingLeft();
        }
        s_.Dominoleft = leftCount;
        const Variant leftEndX = s_.LeftEndX;
        const Integer leftEndY = s_.LeftEndY;
        const Integer rightCount = s_.DominoRight;
        for (Integer n = 1; n <= rightCount; ++n) {
            s_.DominoRight = n;
            if (n == 1)
                TheSetDomino();
            else
                CheckingRight();
        }
        s_.DominoRight = rightCount;
        // Painting the right arm starts again from the Set Domino; the left
        // arm's anchor stays where its own last domino put it.
        s_.LeftEndX = leftEndX;
        s_.LeftEndY = leftEndY;
    }

    s_.RestoringGame = False;
    sheet_.restart(SheetRestart::Why::Opened, s_);
    say(Text("Messages", "%1,  Click the Left Mouse on one of your Dominos...").arg(s_.PlayerName));
    if (s_.PlayerScore > 0)
        showPlayerScore();
    if (s_.ComputerScore > 0)
        showComputerScore();
}

} // namespace pipwright
