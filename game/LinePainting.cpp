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

void storeRect(GameState& s, bool left, int n, const Rect& r) {
    if (left) {
        s.gameleftarray(n, Arm::Left) = Variant::whole(r.left);
        s.gameleftarray(n, Arm::Top) = Variant::whole(r.top);
        s.gameleftarray(n, Arm::Right) = Variant::whole(r.right);
        s.gameleftarray(n, Arm::Bottom) = Variant::whole(r.bottom);
    } else {
        s.GameRightArray(n, Arm::Left) = static_cast<Integer>(r.left);
        s.GameRightArray(n, Arm::Top) = static_cast<Integer>(r.top);
        s.GameRightArray(n, Arm::Right) = static_cast<Integer>(r.right);
        s.GameRightArray(n, Arm::Bottom) = static_cast<Integer>(r.bottom);
    }
}

Rect storedRect(const GameState& s, bool left, int n) {
    if (left)
        return Rect{static_cast<int>(s.gameleftarray(n, Arm::Left).toLong()),
                    static_cast<int>(s.gameleftarray(n, Arm::Top).toLong()),
                    static_cast<int>(s.gameleftarray(n, Arm::Right).toLong()),
                    static_cast<int>(s.gameleftarray(n, Arm::Bottom).toLong())};
    return Rect{s.GameRightArray(n, Arm::Left), s.GameRightArray(n, Arm::Top),
                s.GameRightArray(n, Arm::Right), s.GameRightArray(n, Arm::Bottom)};
}

int half(const GameState& s, bool left, int n, int column) {
    return left ? static_cast<int>(s.gameleftarray(n, column).toLong())
                : s.GameRightArray(n, column);
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
    const int inner = half(s_, true, 1, Arm::Inner);
    const int outer = half(s_, true, 1, Arm::Outer);
    const SetPlacement set = setDominoPlacement(inner == outer);
    storeRect(s_, true, 1, set.domino.rect);
    storeRect(s_, false, 1, set.domino.rect);
    s_.LeftEndX = Variant::whole(set.leftAnchorX);
    s_.LeftEndY = static_cast<Integer>(set.leftAnchorY);
    s_.RightEndX = Variant::whole(set.rightAnchorX);
    s_.RightEndY = static_cast<Integer>(set.rightAnchorY);
    paintLineEntry(set.domino, inner, outer);
    ActivateTheMenus();
}

void Engine::CheckingLeft() {
    const int n = s_.leftCount();
    const bool isDouble = half(s_, true, n, Arm::Inner) == half(s_, true, n, Arm::Outer);
    const bool previousDouble =
        n >= 2 && half(s_, true, n - 1, Arm::Inner) == half(s_, true, n - 1, Arm::Outer);
    auto placement = leftPlacement(n, isDouble, previousDouble,
                                   static_cast<int>(s_.LeftEndX.toLong()), s_.LeftEndY);
    if (!placement) {
        // Past the last painted position: clicks on the last painted domino
        // still play on this end.
        storeRect(s_, true, n, storedRect(s_, true, n - 1));
        return;
    }
    storeRect(s_, true, n, placement->rect);
    s_.LeftEndX = Variant::whole(placement->anchorX);
    s_.LeftEndY = static_cast<Integer>(placement->anchorY);
    DominoLeftShow();
    paintLineEntry(*placement, half(s_, true, n, Arm::Inner), half(s_, true, n, Arm::Outer));
}

void Engine::CheckingRight() {
    const int n = s_.rightCount();
    const bool isDouble = half(s_, false, n, Arm::Inner) == half(s_, false, n, Arm::Outer);
    const bool previousDouble =
        n >= 2 && half(s_, false, n - 1, Arm::Inner) == half(s_, false, n - 1, Arm::Outer);
    auto placement = rightPlacement(n, isDouble, previousDouble,
                                    static_cast<int>(s_.RightEndX.toLong()), s_.RightEndY);
    if (!placement) {
        storeRect(s_, false, n, storedRect(s_, false, n - 1));
        return;
    }
    storeRect(s_, false, n, placement->rect);
    s_.RightEndX = Variant::whole(placement->anchorX);
    s_.RightEndY = static_cast<Integer>(placement->anchorY);
    DominoRightShow();
    paintLineEntry(*placement, half(s_, false, n, Arm::Inner), half(s_, false, n, Arm::Outer));
}

void Engine::DominoLeftShow() {
    flashEnd(storedRect(s_, true, s_.leftCount()));
}

void Engine::DominoRightShow() {
    flashEnd(storedRect(s_, false, s_.rightCount()));
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
    if (s_.GameStatus >= Phase::PlayersTurn) {
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
    sayToPlayer(",  Click the Left Mouse on one of your Dominos...");
    if (s_.PlayerScore > 0)
        showPlayerScore();
    if (s_.ComputerScore > 0)
        showComputerScore();
}

} // namespace pipwright
