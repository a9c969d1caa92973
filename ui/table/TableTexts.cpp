#include "ui/table/TableTexts.h"

#include <QCoreApplication>
#include <QStringList>

// The texts of a table, translated in a context of their own.
class TableTexts {
    Q_DECLARE_TR_FUNCTIONS(TableTexts)
};

namespace pipwright::tabletext {

using rules::Preset;

namespace {

// The seats of a table seen from seat 0; play passes to the right.
enum class Place { You, Right, Across, Left };

Place placeOf(const rules::RuleSet& rules, int seat) {
    if (seat == 0)
        return Place::You;
    if (rules.seats == 2)
        return Place::Across;
    if (rules.seats == 3)
        return seat == 1 ? Place::Right : Place::Left;
    return seat == 1 ? Place::Right : seat == 2 ? Place::Across : Place::Left;
}

// The sides' seats, in seat order.
QList<int> seatsOf(const rules::RuleSet& rules, int side) {
    QList<int> seats;
    for (int seat = 0; seat < rules.seats; ++seat)
        if (rules::sideOf(rules, seat) == side)
            seats.append(seat);
    return seats;
}

} // namespace

QString seatName(const rules::RuleSet& rules, int seat) {
    switch (placeOf(rules, seat)) {
    case Place::You:
        return TableTexts::tr("You");
    case Place::Right:
        return TableTexts::tr("Right");
    case Place::Across:
        return rules.partners ? TableTexts::tr("Partner") : TableTexts::tr("Across");
    case Place::Left:
        break;
    }
    return TableTexts::tr("Left");
}

QString sideName(const rules::RuleSet& rules, int side, bool atStart) {
    const QList<int> seats = seatsOf(rules, side);
    if (seats.size() == 1)
        return seats[0] == 0 && !atStart ? TableTexts::tr("you") : seatName(rules, seats[0]);
    if (seats[0] == 0)
        return (atStart ? TableTexts::tr("You and %1") : TableTexts::tr("you and %1"))
            .arg(seatName(rules, seats[1]));
    // The opponents, named from the left as the player sees them.
    return TableTexts::tr("%1 and %2").arg(seatName(rules, seats[1]), seatName(rules, seats[0]));
}

QString dominoCount(int count) {
    return count == 1 ? TableTexts::tr("1 domino") : TableTexts::tr("%1 dominoes").arg(count);
}

QString levelName(table::Level level) {
    switch (level) {
    case table::Level::Novice:
        return TableTexts::tr("Novice");
    case table::Level::Expert:
        return TableTexts::tr("Expert");
    case table::Level::Master:
        break;
    }
    return TableTexts::tr("Master");
}

QString presetTitle(Preset preset) {
    switch (preset) {
    case Preset::Partners:
        return TableTexts::tr("Partners");
    case Preset::Block:
        return TableTexts::tr("Block");
    case Preset::Draw:
        return TableTexts::tr("Draw");
    case Preset::AllFives:
        return TableTexts::tr("All Fives");
    case Preset::FivesAndThrees:
        break;
    }
    return TableTexts::tr("Fives and Threes");
}

QString presetLine(Preset preset) {
    switch (preset) {
    case Preset::Partners:
        return TableTexts::tr(
            "Four at the table, partners opposite, all 28 dealt; the side that goes out "
            "takes the pips left in every hand.");
    case Preset::Block:
        return TableTexts::tr(
            "Seven each, no drawing: pass when nothing fits; the winner takes the "
            "others' pips less their own.");
    case Preset::Draw:
        return TableTexts::tr(
            "Draw from the BoneYard until a domino fits; the winner takes the others' "
            "pips less their own.");
    case Preset::AllFives:
        return TableTexts::tr(
            "Draw when stuck; score the open ends whenever they add up to a multiple "
            "of five.");
    case Preset::FivesAndThrees:
        break;
    }
    return TableTexts::tr(
        "Score the ends by fives and threes (15 scores 8); knock when nothing fits.");
}

QString dominoText(rules::Domino domino) {
    return QStringLiteral("%1-%2").arg(domino.low).arg(domino.high);
}

QString eventText(const rules::RuleSet& rules, const rules::Event& event) {
    if (const auto* laid = std::get_if<rules::Laid>(&event)) {
        const QString who = seatName(rules, laid->seat);
        // The matched half first, then the half it leaves open.
        const rules::Domino d = laid->domino;
        const int open = laid->end == rules::End::Right ? laid->right : laid->left;
        const QString domino = laid->end == rules::End::First
                                   ? dominoText(d)
                                   : QStringLiteral("%1-%2").arg(d.otherHalf(open)).arg(open);
        QString text = laid->end == rules::End::First
                           ? TableTexts::tr("%1: leads %2").arg(who, domino)
                       : laid->end == rules::End::Left
                           ? TableTexts::tr("%1: lays %2 on the left end").arg(who, domino)
                           : TableTexts::tr("%1: lays %2 on the right end").arg(who, domino);
        if (laid->score > 0)
            text += TableTexts::tr(", scores %1").arg(laid->score);
        return text;
    }
    if (const auto* drew = std::get_if<rules::Drew>(&event))
        return TableTexts::tr("%1: draws").arg(seatName(rules, drew->seat));
    if (const auto* passed = std::get_if<rules::Passed>(&event))
        return TableTexts::tr("%1: passes").arg(seatName(rules, passed->seat));
    if (const auto* ended = std::get_if<rules::GameEnded>(&event))
        return TableTexts::tr("%1 won the game").arg(sideName(rules, ended->side, true));
    return {};
}

QString handEndText(const rules::Game& game, const rules::HandEnded& ended) {
    return handEndText(game.rules(), ended);
}

QString handEndText(const rules::RuleSet& rules, const rules::HandEnded& ended) {
    QString how;
    switch (ended.how) {
    case rules::HandEnd::Out:
        how = TableTexts::tr("%1 went out.").arg(seatName(rules, ended.winner));
        break;
    case rules::HandEnd::Blocked:
        how = TableTexts::tr("The game is blocked.");
        break;
    case rules::HandEnd::Target:
        return TableTexts::tr("%1 reached %2.")
            .arg(sideName(rules, rules::sideOf(rules, ended.winner), true))
            .arg(rules.target);
    }
    if (ended.winner == rules::NoSeat)
        return how + QLatin1Char(' ') +
               (rules.blockedHandWon ? TableTexts::tr("The lowest hands are level: nobody scores.")
                                     : TableTexts::tr("A blocked hand scores nothing."));
    const int winningSide = rules::sideOf(rules, ended.winner);
    if (ended.award == 0)
        return how + QLatin1Char(' ') +
               TableTexts::tr("Nothing to %1.").arg(sideName(rules, winningSide));
    // Who holds what: the losing sides first, then the winning side's pips.
    QStringList losers, losersPips, winners;
    for (int seat = 0; seat < rules.seats; ++seat) {
        if (ended.pips[std::size_t(seat)] == 0)
            continue;
        const QString name = seatName(rules, seat);
        const QString pips = QString::number(ended.pips[std::size_t(seat)]);
        if (rules::sideOf(rules, seat) == winningSide)
            winners.append(TableTexts::tr("%1 %2").arg(name, pips));
        else {
            losers.append(name);
            losersPips.append(pips);
        }
    }
    const QString joinAnd = TableTexts::tr(" and ");
    // "You hold", as "Left and Right hold".
    const bool oneOther = losers.size() == 1 && rules::sideOf(rules, 0) == winningSide;
    QString held = losers.isEmpty()
                       ? QString()
                       : (oneOther ? TableTexts::tr("%1 holds %2") : TableTexts::tr("%1 hold %2"))
                             .arg(losers.join(joinAnd), losersPips.join(joinAnd));
    // The winners' own pips count only where the award takes them in.
    if (!winners.isEmpty() && rules.award != rules::Award::OpponentsHands) {
        const bool less = rules.award == rules::Award::LosersLessWinner;
        held += (held.isEmpty() ? QString()
                 : less         ? TableTexts::tr(", less ")
                                : QStringLiteral(", ")) +
                winners.join(joinAnd);
    }
    return how + QLatin1Char(' ') +
           TableTexts::tr("%1: %2, to %3")
               .arg(held)
               .arg(ended.award)
               .arg(sideName(rules, winningSide));
}

QString scoresText(const rules::Game& game) {
    return scoresText(game.rules(), game.scores());
}

QString scoresText(const rules::RuleSet& rules, const std::array<int, rules::MaxSeats>& scores) {
    QStringList parts;
    for (int side = 0; side < rules::sideCount(rules); ++side)
        parts.append(TableTexts::tr("%1 %2")
                         .arg(sideName(rules, side, side == 0))
                         .arg(scores[std::size_t(side)]));
    return parts.join(QStringLiteral(", "));
}

std::vector<SheetLine> sheetLines(const rules::RuleSet& rules,
                                  const session::TableSheet::Entry& entry) {
    using Sheet = session::TableSheet;
    if (const auto* begins = std::get_if<Sheet::HandBegins>(&entry))
        return {{TableTexts::tr("Hand %1").arg(begins->number), true}};
    if (const auto* count = std::get_if<Sheet::Count>(&entry))
        return {{eventText(rules, count->laid)}};
    if (const auto* end = std::get_if<Sheet::HandEnd>(&entry)) {
        QStringList pips;
        for (int seat = 0; seat < rules.seats; ++seat)
            pips.append(TableTexts::tr("%1 %2")
                            .arg(seatName(rules, seat))
                            .arg(end->ended.pips[std::size_t(seat)]));
        return {{handEndText(rules, end->ended)},
                {TableTexts::tr("Pips left: %1").arg(pips.join(QStringLiteral(", ")))},
                {TableTexts::tr("Score: %1").arg(scoresText(rules, end->ended.totals)), true}};
    }
    const auto& winner = std::get<Sheet::Winner>(entry);
    return {{eventText(rules, winner.won), true},
            {TableTexts::tr("Score: %1").arg(scoresText(rules, winner.totals)), true}};
}

QString sheetDescription() {
    return TableTexts::tr("Every count that scored and every hand's award of the present game");
}

QString lineName(const rules::Line& line) {
    if (line.empty())
        return TableTexts::tr("Line, empty");
    return TableTexts::tr("Line, open ends %1 and %2").arg(line.left().open).arg(line.right().open);
}

QString hintText(const rules::Move& move) {
    switch (move.kind) {
    case rules::Move::Kind::Draw:
        return TableTexts::tr("Hint: draw");
    case rules::Move::Kind::Pass:
        return TableTexts::tr("Hint: pass");
    case rules::Move::Kind::Lay:
        break;
    }
    const QString domino = dominoText(move.domino);
    return move.end == rules::End::First ? TableTexts::tr("Hint: lead %1").arg(domino)
           : move.end == rules::End::Left
               ? TableTexts::tr("Hint: lay %1 on the left end").arg(domino)
               : TableTexts::tr("Hint: lay %1 on the right end").arg(domino);
}

} // namespace pipwright::tabletext
