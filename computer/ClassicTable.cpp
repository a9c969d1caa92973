#include "computer/ClassicTable.h"

#include "rules/Presets.h"

#include <algorithm>
#include <array>
#include <vector>

namespace pipwright {

namespace {

using rules::Domino;
using rules::End;

// A walk along the line from the left open end to the right one, each
// domino once: Hierholzer's walk over the values its dominoes join.
std::optional<std::vector<Domino>> walkFrom(int from, int to, const std::vector<Domino>& dominoes) {
    std::vector<bool> used(dominoes.size(), false);
    std::vector<std::pair<int, int>> stack{{from, -1}}; // value reached, domino taken
    std::vector<int> walk;
    while (!stack.empty()) {
        const int value = stack.back().first;
        int next = -1;
        for (std::size_t i = 0; i < dominoes.size() && next < 0; ++i)
            if (!used[i] && dominoes[i].has(value))
                next = static_cast<int>(i);
        if (next >= 0) {
            used[next] = true;
            stack.emplace_back(dominoes[next].otherHalf(value), next);
            continue;
        }
        if (stack.back().second >= 0)
            walk.push_back(stack.back().second);
        stack.pop_back();
    }
    if (walk.size() != dominoes.size())
        return std::nullopt;
    std::reverse(walk.begin(), walk.end());
    std::vector<Domino> order;
    int value = from;
    for (const int i : walk) {
        if (!dominoes[i].has(value))
            return std::nullopt;
        value = dominoes[i].otherHalf(value);
        order.push_back(dominoes[i]);
    }
    if (value != to)
        return std::nullopt;
    return order;
}

// The line with these dominoes and these open ends, and whether its left is
// the table's right.
std::optional<std::pair<rules::Line, bool>> lineOf(const TableView& table) {
    std::vector<Domino> dominoes;
    for (const TableView::Laid& d : table.line)
        dominoes.push_back(Domino::of(d.a, d.b));
    rules::Line line;
    if (dominoes.size() == 1) {
        line.lay(dominoes[0], End::First);
        return std::pair{line, line.left().open != table.L};
    }
    // A double at an end lies last on that end.
    const bool leftDouble = table.L == table.L2, rightDouble = table.R == table.R2;
    const auto take = [&](int value) {
        const auto at = std::find(dominoes.begin(), dominoes.end(), Domino::of(value, value));
        if (at == dominoes.end())
            return false;
        dominoes.erase(at);
        return true;
    };
    const bool leftTaken = leftDouble && take(table.L);
    const bool rightTaken = rightDouble && take(table.R);
    auto walk = walkFrom(table.L, table.R, dominoes);
    if (!walk)
        return std::nullopt;
    if (leftTaken)
        walk->insert(walk->begin(), Domino::of(table.L, table.L));
    if (rightTaken)
        walk->push_back(Domino::of(table.R, table.R));
    if (walk->empty())
        return std::nullopt;
    // The first domino goes down low half left; the rest extend the end that
    // leads away from the table's left.
    line.lay(walk->front(), End::First);
    const bool swapped = walk->front().low != table.L;
    for (std::size_t i = 1; i < walk->size(); ++i)
        line.lay((*walk)[i], swapped ? End::Left : End::Right);
    const rules::OpenEnd& left = swapped ? line.right() : line.left();
    const rules::OpenEnd& right = swapped ? line.left() : line.right();
    if (left.open != table.L || right.open != table.R)
        return std::nullopt;
    return std::pair{line, swapped};
}

} // namespace

rules::RuleSet classicRules() {
    return rules::presetInfo(rules::Preset::AllFives).defaults;
}

std::optional<ClassicSeat> classicSeat(const TableView& table) {
    ClassicSeat seat;
    rules::SeatView& v = seat.view;
    v.rules = classicRules();
    v.seat = 0;
    for (const HeldDomino& d : table.hand)
        v.hand.insert(Domino::of(d.a, d.b));
    if (table.lineStarted()) {
        const auto line = lineOf(table);
        if (!line)
            return std::nullopt;
        v.line = line->first;
        seat.swapped = line->second;
    }
    if (!(v.hand & v.line.laid()).empty())
        return std::nullopt;
    const int unseen = rules::DominoCount - v.hand.size() - v.line.laidCount();
    if (table.otherCount < 0 || table.otherCount > unseen)
        return std::nullopt;
    v.handCounts = {v.hand.size(), table.otherCount, 0, 0};
    v.boneYardCount = std::clamp(table.boneYardCount, 0, unseen - table.otherCount);
    v.outOfPlayCount = unseen - table.otherCount - v.boneYardCount;
    v.scores = {table.myScore, table.otherScore, 0, 0};
    v.turn = 0;
    return seat;
}

} // namespace pipwright
