#pragma once

#include "computer/table/TablePlayer.h"
#include "rules/Events.h"
#include "rules/Game.h"
#include "rules/Presets.h"
#include "session/TableSheet.h"
#include "ui/ScoreSheetWindow.h"

#include <QString>

namespace pipwright::tabletext {

// A seat's name as the player sees it from the bottom seat: "You", "Right",
// "Partner", "Across", "Left".
QString seatName(const rules::RuleSet& rules, int seat);
// A side's name: "You", "Right", "you and Partner", "Left and Right"; at the
// start of a sentence "You and Partner".
QString sideName(const rules::RuleSet& rules, int side, bool atStart = false);
// How many dominoes a seat holds: "1 domino", "5 dominoes".
QString dominoCount(int count);
QString levelName(table::Level level);
// The preset's name and its one line on how it is played.
QString presetTitle(rules::Preset preset);
QString presetLine(rules::Preset preset);
// A domino as the screen reader says it: "6-4".
QString dominoText(rules::Domino domino);
// What happened, told once: "Right: lays 6-4 on the left end".
QString eventText(const rules::RuleSet& rules, const rules::Event& event);
// The hand's end with the award's arithmetic.
QString handEndText(const rules::Game& game, const rules::HandEnded& ended);
QString handEndText(const rules::RuleSet& rules, const rules::HandEnded& ended);
// Each side's score: "You 35, Right 20".
QString scoresText(const rules::Game& game);
QString scoresText(const rules::RuleSet& rules, const std::array<int, rules::MaxSeats>& scores);
// A table's score sheet entry as the sheet's window writes it.
std::vector<SheetLine> sheetLines(const rules::RuleSet& rules,
                                  const session::TableSheet::Entry& entry);
// What the table's score sheet holds, for the screen reader.
QString sheetDescription();
// The line's name with its open ends: "Line, open ends 6 and 3".
QString lineName(const rules::Line& line);
// The hint as the status line gives it.
QString hintText(const rules::Move& move);

} // namespace pipwright::tabletext
