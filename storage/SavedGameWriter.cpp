#include "storage/FieldText.h"
#include "storage/SavedGame.h"

#include <algorithm>
#include <initializer_list>

namespace pipwright {

namespace {

void record(std::string& out, std::initializer_list<std::string> fields) {
    bool first = true;
    for (const std::string& field : fields) {
        if (!first)
            out += ',';
        out += field;
        first = false;
    }
    out += "\r\n";
}

std::string number(Integer value) {
    return wholeText(value);
}
std::string flag(Boolean value) {
    return booleanText(value != False);
}

// Rows to write for a count, kept inside the table.
int rowsFor(long count) {
    return static_cast<int>(std::clamp<long>(count, 0, SetSize));
}

void writeSlots(std::string& out, const HandTable& table, int rows) {
    for (int i = 1; i <= rows; ++i)
        record(out, {number(table(i, 1)), number(table(i, 2))});
}

} // namespace

std::string writeSavedGame(const GameState& s, bool timerRunning) {
    std::string out;
    record(out, {number(s.GameStatus), quotedText(s.PlayerName), number(s.Playerdom),
                 number(s.ComputerDom), variantText(s.Dominoleft), number(s.DominoRight),
                 quotedText(s.PlayerPlayedCaption)});
    record(out, {variantText(s.LeftEndX), number(s.LeftEndY), variantText(s.RightEndX),
                 number(s.RightEndY), variantText(s.plae), number(s.clae),
                 flag(s.WinnerReStartsGame), variantText(s.PlayerScore), number(s.ComputerScore)});
    record(out, {number(s.Zombie), variantText(s.PlayerCantPlay), flag(s.ComputerCantPlay),
                 number(s.DrawInHand), variantText(s.PlayerHasSeven), flag(s.ComputerHasSeven),
                 quotedText(s.ComputerPlayedCaption)});
    record(out, {booleanText(timerRunning), singleText(s.SecondsToPlay), flag(s.KeepGameHistory),
                 flag(s.PlayLevel)});

    writeSlots(out, s.PlayerArray, rowsFor(s.Playerdom));
    writeSlots(out, s.ComputerArray, rowsFor(s.ComputerDom));
    writeSlots(out, s.BoneYardArray, SetSize);

    for (int i = 1; i <= rowsFor(s.Dominoleft.toLong()); ++i) {
        const auto& a = s.gameleftarray;
        record(out, {variantText(a(i, 1)), variantText(a(i, 2)), variantText(a(i, 3)),
                     variantText(a(i, 4)), variantText(a(i, 5)), variantText(a(i, 6)),
                     variantText(a(i, 7))});
    }
    for (int i = 1; i <= rowsFor(s.DominoRight); ++i) {
        const auto& a = s.GameRightArray;
        record(out, {number(a(i, 1)), number(a(i, 2)), number(a(i, 3)), number(a(i, 4)),
                     number(a(i, 5)), number(a(i, 6)), number(a(i, 7))});
    }
    if (s.PlayLevel != False && s.MasterLevel != False)
        record(out, {quotedText(MasterRecord)});
    return out;
}

} // namespace pipwright
