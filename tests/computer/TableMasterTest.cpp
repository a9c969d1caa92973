#include "computer/table/DealSampler.h"
#include "computer/table/Expert.h"
#include "computer/table/Hint.h"
#include "computer/table/Master.h"
#include "computer/table/Novice.h"
#include "rules/Presets.h"

#include <gtest/gtest.h>
#include <string>

namespace pipwright::table {

namespace {

using rules::DominoSet;
using rules::PublicEvent;

struct Table {
    rules::Preset preset;
    int seats;
    bool partners;
};

rules::RuleSet rulesOf(const Table& t) {
    rules::Choices choices;
    choices.seats = t.seats;
    choices.partners = t.partners;
    return *rules::choose(t.preset, choices).rules;
}

std::string nameOf(const Table& t) {
    return std::string(rules::presetInfo(t.preset).name) + " at " + std::to_string(t.seats) +
           (t.partners ? " in partnerships" : "");
}

// What the record rules out of a seat's hand now: the ends of each pass or
// draw it made, unless it drew afterwards.
DominoSet ruledOut(const rules::SeatView& view, int seat) {
    DominoSet out;
    for (const PublicEvent& e : view.record) {
        if (e.seat != seat)
            continue;
        if (e.kind == PublicEvent::Kind::Drew)
            out = {};
        else if (e.kind == PublicEvent::Kind::Passed)
            out = out | DominoSet::touching(e.left.open) | DominoSet::touching(e.right.open);
    }
    return out;
}

const Table Tables[] = {
    {rules::Preset::Draw, 3, false},     {rules::Preset::Draw, 4, true},
    {rules::Preset::Block, 4, false},    {rules::Preset::Partners, 4, true},
    {rules::Preset::AllFives, 2, false}, {rules::Preset::FivesAndThrees, 3, false},
};

// Plays games with beginners, who pass and draw often, and deals the hidden
// dominoes at every turn: every deal fits the view and its record.
TEST(DealSampler, NeverDealsASeatWhatItsRecordRulesOut) {
    for (const Table& t : Tables) {
        rules::Game game(rulesOf(t), 5);
        rules::SplitMix64 random(9);
        int checked = 0;
        for (int step = 0; step < 600 && game.phase() != rules::Phase::GameOver; ++step) {
            if (game.phase() == rules::Phase::HandOver) {
                game.dealNextHand();
                continue;
            }
            const rules::SeatView view = game.view(game.turn());
            const DealSampler sampler(view);
            for (int k = 0; k < 4; ++k) {
                const rules::HiddenDeal deal = sampler.sample(random);
                ASSERT_NO_THROW(rules::Game::fromView(view, deal, 1)) << nameOf(t);
                for (int seat = 0; seat < t.seats; ++seat)
                    if (seat != view.seat) {
                        ASSERT_TRUE((deal.hands[seat] & ruledOut(view, seat)).empty())
                            << nameOf(t) << ", seat " << seat << ", step " << step;
                        // The oracle agrees with the table as it is.
                        ASSERT_TRUE((game.hand(seat) & ruledOut(view, seat)).empty());
                    }
            }
            game.apply(chooseNoviceMove(view, random.next()));
            ++checked;
        }
        EXPECT_GT(checked, 100) << nameOf(t);
    }
}

// The same view from two tables whose hidden hands differ: the Master's
// choice and the hint are the same, for it reads nothing but the view.
TEST(Master, ChoosesFromTheViewAlone) {
    for (const Table& t : Tables) {
        rules::Game game(rulesOf(t), 21);
        rules::SplitMix64 random(4);
        int compared = 0;
        for (int step = 0; step < 120 && game.phase() != rules::Phase::GameOver; ++step) {
            if (game.phase() == rules::Phase::HandOver) {
                game.dealNextHand();
                continue;
            }
            const rules::SeatView view = game.view(game.turn());
            if (step % 15 == 0 && rules::legalMoves(view).size() > 1) {
                const rules::Game other =
                    rules::Game::fromView(view, DealSampler(view).sample(random), 3);
                rules::SeatView otherView = other.view(view.seat);
                otherView.record = view.record;
                const rules::Move chosen = chooseMasterMove(view, 77);
                EXPECT_TRUE(rules::legalMoves(view).contains(chosen)) << nameOf(t);
                EXPECT_EQ(chooseMasterMove(otherView, 77), chosen) << nameOf(t);
                EXPECT_EQ(hintFor(otherView, 77), chosen) << nameOf(t);
                ++compared;
            }
            game.apply(chooseExpertMove(view, 0));
        }
        EXPECT_GT(compared, 0) << nameOf(t);
    }
}

} // namespace

} // namespace pipwright::table
