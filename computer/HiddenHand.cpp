#include "computer/HiddenHand.h"

#include <algorithm>
#include <bit>

namespace pipwright::master {

namespace {

DominoSet lacking(const TableEvent& event) {
    return touching(event.left) | touching(event.right);
}

} // namespace

HiddenHand inferHiddenHand(const TableView& view) {
    const Seat other = otherSeat(view.seat);
    int laid = 0, drawn = 0;
    for (const TableEvent& e : view.history) {
        if (e.seat != other)
            continue;
        laid += e.kind == TableEvent::Kind::Laid;
        drawn += e.kind == TableEvent::Kind::Drew;
    }
    HiddenHand hidden;
    // The hand the side began play with; a round seen only in part (a game
    // opened from a file) starts from the present count.
    hidden.groups.push_back({std::max(0, view.otherCount + laid - drawn), 0});
    for (const TableEvent& e : view.history) {
        if (e.seat != other)
            continue;
        switch (e.kind) {
        case TableEvent::Kind::Drew:
        case TableEvent::Kind::Passed:
            for (auto& group : hidden.groups)
                group.excluded |= lacking(e);
            if (e.kind == TableEvent::Kind::Drew)
                hidden.groups.push_back({1, 0});
            break;
        case TableEvent::Kind::Laid: {
            // Taken from the oldest group it could have come from, which
            // leaves the fewest doubts standing; from the newest if none.
            const DominoSet d = dominoBit(e.a, e.b);
            const int size = static_cast<int>(hidden.groups.size());
            int from = -1;
            for (int g = 0; g < size && from < 0; ++g)
                if (hidden.groups[g].count > 0 && (hidden.groups[g].excluded & d) == 0)
                    from = g;
            for (int g = size - 1; g >= 0 && from < 0; --g)
                if (hidden.groups[g].count > 0)
                    from = g;
            if (from >= 0)
                --hidden.groups[from].count;
            break;
        }
        }
    }
    // Keep the total at the count the table shows.
    int total = 0;
    for (const auto& group : hidden.groups)
        total += group.count;
    for (auto& group : hidden.groups) {
        const int cut = std::min(group.count, std::max(0, total - view.otherCount));
        group.count -= cut;
        total -= cut;
    }
    if (total < view.otherCount)
        hidden.groups.push_back({view.otherCount - total, 0});
    return hidden;
}

DominoSet unseenDominoes(const TableView& view) {
    DominoSet seen = 0;
    for (const HeldDomino& d : view.hand)
        seen |= dominoBit(d.a, d.b);
    for (const TableView::Laid& d : view.line)
        seen |= dominoBit(d.a, d.b);
    return wholeSet() & ~seen;
}

Deal dealUnseen(DominoSet unseen, const HiddenHand& hidden, SearchRandom& random) {
    Deal deal;
    DominoSet left = unseen;
    // Picks one domino of the set at random.
    auto pick = [&](DominoSet from) {
        int k = random.below(std::popcount(from));
        for (; k > 0; --k)
            from &= from - 1;
        return std::countr_zero(from);
    };
    for (const auto& group : hidden.groups) {
        for (int n = 0; n < group.count && left != 0; ++n) {
            DominoSet allowed = left & ~group.excluded;
            // More than the table allows: a wrong guess somewhere; any will do.
            if (allowed == 0)
                allowed = left;
            const int i = pick(allowed);
            deal.other |= DominoSet{1} << i;
            left &= ~(DominoSet{1} << i);
        }
    }
    for (; left != 0; left &= left - 1)
        deal.boneYard[deal.boneYardCount++] = static_cast<std::uint8_t>(std::countr_zero(left));
    for (int i = deal.boneYardCount - 1; i > 0; --i)
        std::swap(deal.boneYard[i], deal.boneYard[random.below(i + 1)]);
    return deal;
}

} // namespace pipwright::master
