// The view of the table that one side has: built here, on the engine's side,
// from the public parts of the state only.

#include "game/TableView.h"

#include "game/Engine.h"

namespace pipwright {

namespace {

int heldCount(const HandTable& hand, int slots) {
    int count = 0;
    for (int i = 1; i <= std::clamp(slots, 0, SetSize); ++i)
        count += hand(i, 1) != NoHalf;
    return count;
}

} // namespace

TableView Engine::tableView(Seat seat) const {
    const bool player = seat == Seat::Player;
    const HandTable& mine = player ? s_.PlayerArray : s_.ComputerArray;
    const int mySlots = player ? s_.Playerdom : s_.ComputerDom;
    TableView view;
    view.seat = seat;
    for (int i = 1; i <= std::clamp(mySlots, 0, SetSize); ++i)
        if (mine(i, 1) != NoHalf)
            view.hand.push_back(HeldDomino{i, mine(i, 1), mine(i, 2)});
    view.otherCount = player ? heldCount(s_.ComputerArray, s_.ComputerDom)
                             : heldCount(s_.PlayerArray, s_.Playerdom);
    view.boneYardCount = s_.faceDownCount();

    if (s_.lineStarted()) {
        view.L = s_.openEnd(End::Left);
        view.L2 = s_.innerHalf(End::Left);
        view.R = s_.openEnd(End::Right);
        view.R2 = s_.innerHalf(End::Right);
        // The Set Domino is entry 1 of both arms.
        for (End end : {End::Left, End::Right})
            for (int i = end == End::Left ? 1 : 2; i <= s_.armCount(end); ++i)
                view.line.push_back(
                    {s_.armCell(end, i, Arm::Inner), s_.armCell(end, i, Arm::Outer)});
    }
    const int playerScore = static_cast<int>(s_.PlayerScore.toLong());
    view.myScore = player ? playerScore : s_.ComputerScore;
    view.otherScore = player ? s_.ComputerScore : playerScore;
    view.playTimerOn = port_.timerBoxChecked();
    view.winnerRestarts = s_.WinnerReStartsGame != False;
    view.history = history_;
    return view;
}

void Engine::record(TableEvent::Kind kind, Seat seat, int a, int b) {
    const bool started = s_.lineStarted();
    TableEvent event;
    event.kind = kind;
    event.seat = seat;
    event.a = static_cast<std::int8_t>(a);
    event.b = static_cast<std::int8_t>(b);
    event.left = static_cast<std::int8_t>(started ? s_.openEnd(End::Left) : NoHalf);
    event.right = static_cast<std::int8_t>(started ? s_.openEnd(End::Right) : NoHalf);
    history_.push_back(event);
}

} // namespace pipwright
