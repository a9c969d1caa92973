#include "rules/SeatView.h"

#include "rules/Game.h"

namespace pipwright::rules {

MoveList legalMoves(const SeatView& view) {
    if (view.phase != Phase::Playing || view.turn != view.seat)
        return {};
    return movesOpen(view.rules, view.line, view.hand, view.boneYardCount, view.requiredLead);
}

} // namespace pipwright::rules
