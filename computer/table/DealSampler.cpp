#include "computer/table/DealSampler.h"

#include "computer/table/Knowledge.h"

#include <algorithm>
#include <bit>

namespace pipwright::table {

namespace {

using rules::Domino;
using rules::DominoSet;
using rules::PublicEvent;

// The dominoes that match either end open before the event.
DominoSet lacking(const PublicEvent& e) {
    return DominoSet::touching(e.left.open) | DominoSet::touching(e.right.open);
}

// One domino of a non-empty set, at random.
Domino pick(DominoSet from, rules::SplitMix64& random) {
    std::uint32_t bits = from.bits();
    for (int k = random.below(from.size()); k > 0; --k)
        bits &= bits - 1;
    return Domino::at(std::countr_zero(bits));
}

// One seat's groups, oldest first, from its part of the record.
std::vector<DealSampler::Group> groupsOf(const rules::SeatView& view, int seat) {
    int laid = 0, drawn = 0;
    for (const PublicEvent& e : view.record)
        if (e.seat == seat) {
            laid += e.kind == PublicEvent::Kind::Laid;
            drawn += e.kind == PublicEvent::Kind::Drew;
        }
    const int count = view.handCounts[seat];
    std::vector<DealSampler::Group> groups{{seat, std::max(0, count + laid - drawn), {}}};
    for (const PublicEvent& e : view.record) {
        if (e.seat != seat)
            continue;
        if (e.kind != PublicEvent::Kind::Laid) {
            for (auto& g : groups)
                g.excluded = g.excluded | lacking(e);
            if (e.kind == PublicEvent::Kind::Drew)
                groups.push_back({seat, 1, {}});
            continue;
        }
        // From the oldest group it could have come from; the newest if none.
        const auto from = std::find_if(groups.begin(), groups.end(), [&](const auto& g) {
            return g.count > 0 && !g.excluded.contains(e.domino);
        });
        if (from != groups.end()) {
            --from->count;
            continue;
        }
        const auto last =
            std::find_if(groups.rbegin(), groups.rend(), [](const auto& g) { return g.count > 0; });
        if (last != groups.rend())
            --last->count;
    }
    // Keep the total at the count the table shows.
    int total = 0;
    for (const auto& g : groups)
        total += g.count;
    for (auto& g : groups) {
        const int cut = std::min(g.count, std::max(0, total - count));
        g.count -= cut;
        total -= cut;
    }
    if (total < count)
        groups.push_back({seat, count - total, {}});
    return groups;
}

} // namespace

DealSampler::DealSampler(const rules::SeatView& view)
    : seat_(view.seat), hand_(view.hand), boneYardCount_(view.boneYardCount),
      unseen_(unseenDominoes(view)) {
    for (int seat = 0; seat < view.rules.seats; ++seat)
        if (seat != view.seat)
            for (const Group& g : groupsOf(view, seat))
                if (g.count > 0)
                    groups_.push_back(g);
    std::stable_sort(groups_.begin(), groups_.end(), [&](const Group& a, const Group& b) {
        return unseen_.without(a.excluded).size() - a.count <
               unseen_.without(b.excluded).size() - b.count;
    });
}

bool DealSampler::fillAtRandom(rules::SplitMix64& random, std::vector<DominoSet>& filled) const {
    DominoSet left = unseen_;
    for (std::size_t g = 0; g < groups_.size(); ++g) {
        filled[g] = {};
        for (int n = 0; n < groups_[g].count; ++n) {
            const DominoSet allowed = left.without(groups_[g].excluded);
            if (allowed.empty())
                return false;
            const Domino d = pick(allowed, random);
            filled[g].insert(d);
            left.erase(d);
        }
    }
    return true;
}

void DealSampler::fillByMatching(rules::SplitMix64& random, std::vector<DominoSet>& filled) const {
    // One place per domino a group holds; each place takes a domino it allows.
    std::vector<int> places;
    for (std::size_t g = 0; g < groups_.size(); ++g)
        for (int n = 0; n < groups_[g].count; ++n)
            places.push_back(static_cast<int>(g));
    for (int i = static_cast<int>(places.size()) - 1; i > 0; --i)
        std::swap(places[i], places[random.below(i + 1)]);
    std::array<int, rules::DominoCount> holder{};
    holder.fill(-1);
    std::array<bool, rules::DominoCount> tried{};
    // Finds a domino for the place, moving others along if need be.
    auto place = [&](auto&& self, int p) -> bool {
        for (const Domino d : unseen_.without(groups_[places[p]].excluded)) {
            if (tried[d.index()])
                continue;
            tried[d.index()] = true;
            if (holder[d.index()] < 0 || self(self, holder[d.index()])) {
                holder[d.index()] = p;
                return true;
            }
        }
        return false;
    };
    for (int p = 0; p < static_cast<int>(places.size()); ++p) {
        tried.fill(false);
        place(place, p);
    }
    std::fill(filled.begin(), filled.end(), DominoSet{});
    DominoSet left = unseen_;
    for (const Domino d : unseen_)
        if (holder[d.index()] >= 0) {
            filled[places[holder[d.index()]]].insert(d);
            left.erase(d);
        }
    // A record no deal can meet: the places still short take what is left.
    for (std::size_t g = 0; g < groups_.size(); ++g)
        while (filled[g].size() < groups_[g].count && !left.empty()) {
            const Domino d = pick(left, random);
            filled[g].insert(d);
            left.erase(d);
        }
}

rules::HiddenDeal DealSampler::sample(rules::SplitMix64& random) const {
    constexpr int Attempts = 16;
    std::vector<DominoSet> filled(groups_.size());
    bool done = false;
    for (int attempt = 0; attempt < Attempts && !done; ++attempt)
        done = fillAtRandom(random, filled);
    if (!done)
        fillByMatching(random, filled);

    rules::HiddenDeal deal;
    deal.hands[seat_] = hand_;
    DominoSet rest = unseen_;
    for (std::size_t g = 0; g < groups_.size(); ++g) {
        deal.hands[groups_[g].seat] = deal.hands[groups_[g].seat] | filled[g];
        rest = rest.without(filled[g]);
    }
    std::array<Domino, rules::DominoCount> order{};
    int n = 0;
    for (const Domino d : rest)
        order[n++] = d;
    for (int i = n - 1; i > 0; --i)
        std::swap(order[i], order[random.below(i + 1)]);
    deal.boneYardCount = std::min(boneYardCount_, n);
    for (int i = 0; i < n; ++i) {
        if (i < deal.boneYardCount)
            deal.boneYard[i] = order[i];
        else
            deal.outOfPlay.insert(order[i]);
    }
    return deal;
}

} // namespace pipwright::table
