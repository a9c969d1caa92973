#include "game/Invariants.h"
#include "game/PlayerName.h"
#include "storage/FieldText.h"
#include "storage/SavedGame.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace pipwright {

namespace {

constexpr long LongMin = std::numeric_limits<Long>::min();
constexpr long LongMax = std::numeric_limits<Long>::max();
constexpr Single FewestSeconds = 1;
constexpr Single MostSeconds = 12;
// The points that win a game.
constexpr long TargetScore = 200;
// The computer's slot index runs one past its last slot at the end of a scan.
constexpr int ZombieLimit = SetSize + 1;

struct Refusal {
    Text reason;
};

// Takes the fields of a saved game one after another, each into a target of
// its type, and refuses at the first field that does not fit.
class FieldReader {
public:
    explicit FieldReader(std::string_view bytes) : cursor_(bytes) {}

    [[noreturn]] void refuse(const Text& what) const {
        throw Refusal{Text("SavedGame", "line %1: %2").arg(line_).arg(what)};
    }

    Field take(const Text& what) {
        std::optional<Field> field = cursor_.next();
        if (!field) {
            line_ = cursor_.line();
            if (!cursor_.malformed().empty())
                refuse(cursor_.malformed());
            refuse(Text("SavedGame", "the file ends before %1").arg(what));
        }
        line_ = field->line;
        return *field;
    }

    long whole(const Text& what, long low, long high) {
        const Field f = take(what);
        if (f.shape == Field::Shape::Empty)
            return checkRange(0, what, low, high);
        if (f.shape != Field::Shape::Bare || !isNumberText(f.text))
            refuse(Text("SavedGame", "%1 is not a number").arg(what));
        const std::optional<long long> value = wholeValue(f.text);
        if (!value)
            refuse(Text("SavedGame", "%1 is not a whole number that fits").arg(what));
        return checkRange(*value, what, low, high);
    }

    Integer integer(const Text& what) {
        return static_cast<Integer>(
            whole(what, std::numeric_limits<Integer>::min(), std::numeric_limits<Integer>::max()));
    }

    Boolean boolean(const Text& what) {
        const Field f = take(what);
        if (f.shape == Field::Shape::Empty)
            return False;
        if (f.shape == Field::Shape::Bare) {
            if (f.text == "#TRUE#" || f.text == "-1")
                return True;
            if (f.text == "#FALSE#" || f.text == "0")
                return False;
        }
        refuse(Text("SavedGame", "%1 is not #TRUE# or #FALSE#").arg(what));
    }

    Single single(const Text& what) {
        const Field f = take(what);
        if (f.shape == Field::Shape::Empty)
            return 0;
        Single value = 0;
        if (f.shape == Field::Shape::Bare && isNumberText(f.text)) {
            const char* last = f.text.data() + f.text.size();
            auto [end, ec] = std::from_chars(f.text.data(), last, value);
            if (ec == std::errc() && end == last && std::isfinite(value))
                return value;
        }
        refuse(Text("SavedGame", "%1 is not a number that fits").arg(what));
    }

    std::string text(const Text& what) {
        const Field f = take(what);
        if (f.shape == Field::Shape::Bare)
            refuse(Text("SavedGame", "%1 is not a quoted text").arg(what));
        return std::string(f.text);
    }

    // A Variant keeps the kind it was written with.
    Variant variant(const Text& what) {
        const Field f = take(what);
        switch (f.shape) {
        case Field::Shape::Empty:
            return {};
        case Field::Shape::Quoted:
            return Variant::string(std::string(f.text));
        case Field::Shape::Bare:
            break;
        }
        if (f.text == "#TRUE#" || f.text == "#FALSE#")
            return Variant::boolean(f.text == "#TRUE#");
        if (!isNumberText(f.text))
            refuse(Text("SavedGame", "%1 is not a value").arg(what));
        if (const std::optional<long long> value = wholeValue(f.text)) {
            checkRange(*value, what, LongMin, LongMax);
            return Variant::whole(static_cast<long>(*value));
        }
        double value = 0;
        const char* last = f.text.data() + f.text.size();
        auto [end, ec] = std::from_chars(f.text.data(), last, value);
        if (ec != std::errc() || end != last || value < LongMin || value > LongMax)
            refuse(Text("SavedGame", "%1 is not a number that fits").arg(what));
        return Variant::doubleValue(value);
    }

    // A Variant that the game only ever fills with a number.
    Variant number(const Text& what) {
        Variant v = variant(what);
        if (!v.isEmpty() && !v.isNumeric())
            refuse(Text("SavedGame", "%1 is not a number").arg(what));
        return v;
    }

    // A Variant flag: Empty, a Boolean or a number.
    Variant flag(const Text& what) {
        Variant v = variant(what);
        if (v.kind() == Variant::Kind::String)
            refuse(Text("SavedGame", "%1 is not #TRUE# or #FALSE#").arg(what));
        return v;
    }

    // A Variant holding a whole number in a range; Empty counts as 0.
    Variant wholeVariant(const Text& what, long low, long high) {
        Variant v = number(what);
        if (v.number() != std::trunc(v.number()))
            refuse(Text("SavedGame", "%1 is not a whole number").arg(what));
        checkRange(v.toLong(), what, low, high);
        return v;
    }

    // Whether the first record after the last list is the Master level. What
    // follows there is optional: anything else, even a damaged record, is left
    // unread.
    bool masterRecordFollows() {
        const std::optional<Field> field = cursor_.next();
        return field && field->shape == Field::Shape::Quoted && field->text == MasterRecord;
    }

private:
    long checkRange(long long value, const Text& what, long low, long high) {
        if (value < low || value > high)
            refuse(Text("SavedGame", "%1 is %2, not %3 to %4")
                       .arg(what)
                       .arg(value)
                       .arg(low)
                       .arg(high));
        return static_cast<long>(value);
    }

    FieldCursor cursor_;
    int line_ = 1;
};

// A hand or BoneYard slot holds a domino (0 to 6 twice) or nothing (7, 7).
void readSlots(FieldReader& in, HandTable& table, int rows, const Text& place) {
    const Text half = Text("SavedGame", "a half in %1").arg(place);
    for (int i = 1; i <= rows; ++i) {
        const auto first = static_cast<Integer>(in.whole(half, 0, NoHalf));
        const auto second = static_cast<Integer>(in.whole(half, 0, NoHalf));
        if ((first == NoHalf) != (second == NoHalf))
            in.refuse(Text("SavedGame", "a slot in %1 holds 7 in one half only").arg(place));
        table(i, 1) = first;
        table(i, 2) = second;
    }
}

void readLeftArm(FieldReader& in, GameState& s) {
    const int rows = static_cast<int>(s.Dominoleft.toLong());
    for (int i = 1; i <= rows; ++i) {
        s.gameleftarray(i, Arm::Index) = in.number(Text("SavedGame", "a left arm entry"));
        s.gameleftarray(i, Arm::Inner) =
            in.wholeVariant(Text("SavedGame", "a half in the left arm"), 0, NoHalf);
        s.gameleftarray(i, Arm::Outer) =
            in.wholeVariant(Text("SavedGame", "a half in the left arm"), 0, NoHalf);
        for (int column = Arm::Left; column <= Arm::Bottom; ++column)
            s.gameleftarray(i, column) = in.number(Text("SavedGame", "a left arm rectangle"));
    }
}

// The right arm is read as Variants and kept as Integers.
void readRightArm(FieldReader& in, GameState& s) {
    constexpr long low = std::numeric_limits<Integer>::min();
    constexpr long high = std::numeric_limits<Integer>::max();
    for (int i = 1; i <= s.DominoRight; ++i) {
        for (int column = Arm::Index; column <= Arm::Bottom; ++column) {
            const bool half = column == Arm::Inner || column == Arm::Outer;
            const Variant v =
                half ? in.wholeVariant(Text("SavedGame", "a half in the right arm"), 0, NoHalf)
                     : in.wholeVariant(Text("SavedGame", "a right arm entry"), low, high);
            s.GameRightArray(i, column) = static_cast<Integer>(v.toLong());
        }
    }
}

// Until who plays first is drawn, no side holds its seven: play clears both
// marks before every draw, and the deal that follows trusts them.
bool sevenMarkedBeforeTheDraw(const GameState& s) {
    return s.GameStatus == Phase::DrawForFirstPlay &&
           (s.PlayerHasSeven == True || s.ComputerHasSeven == True);
}

// While the hands are dealt, each "has seven" mark says whether that side
// holds its seven, and the side that starts draws first; otherwise the deal
// draws a hand twice or never ends. What is wrong, or nothing.
std::optional<Text> dealFault(const GameState& s) {
    if (s.GameStatus != Phase::DrawingSeven)
        return std::nullopt;
    const bool playerMarked = s.PlayerHasSeven == True;
    const bool computerMarked = s.ComputerHasSeven == True;
    if (s.plae == s.clae)
        return Text("SavedGame", "the hands are dealt before who plays first is known");
    if (s.ComputerDom != 7)
        return Text("SavedGame", "the computer draws other than seven dominoes");
    if (playerMarked != s.holdsSeven(s.PlayerArray, s.Playerdom) || s.Playerdom > 7)
        return Text("SavedGame", "the player's seven is marked other than the hand holds it");
    if (computerMarked && !s.holdsSeven(s.ComputerArray, s.ComputerDom))
        return Text("SavedGame", "the computer's seven is marked but not in its hand");
    const bool playerStarts = s.plae > s.clae;
    if (playerStarts ? computerMarked && !playerMarked : playerMarked && !computerMarked)
        return Text("SavedGame", "the side that draws second holds its seven first");
    return std::nullopt;
}

// Empty, or the two halves of a domino joined by "-".
bool isPlayedCaption(const std::string& caption) {
    const auto pip = [](char c) { return c >= '0' && c <= '6'; };
    return caption.empty() ||
           (caption.size() == 3 && pip(caption[0]) && caption[1] == '-' && pip(caption[2]));
}

// Scores stay below the target between moves: reaching it ends the game and
// both start again from 0.
bool scoresPlayCanReach(const GameState& s) {
    return s.PlayerScore < TargetScore && s.ComputerScore < TargetScore;
}

void readGame(FieldReader& in, GameState& s, bool& timerRunning) {
    s.GameStatus = static_cast<Integer>(
        in.whole(Text("SavedGame", "the phase code"), Phase::DrawForFirstPlay, Phase::PlayersTurn));
    s.PlayerName = in.text(Text("SavedGame", "the player's name"));
    if (!isPlayerName(s.PlayerName))
        in.refuse(Text("SavedGame", "the player's name is not one the start-up window makes"));
    s.Playerdom = static_cast<Integer>(
        in.whole(Text("SavedGame", "the player's domino count"), 0, HandLimit));
    s.ComputerDom = static_cast<Integer>(
        in.whole(Text("SavedGame", "the computer's domino count"), 0, HandLimit));
    s.Dominoleft = in.wholeVariant(Text("SavedGame", "the left arm count"), 0, SetSize);
    s.DominoRight =
        static_cast<Integer>(in.whole(Text("SavedGame", "the right arm count"), 0, SetSize));
    s.PlayerPlayedCaption = in.text(Text("SavedGame", "the player's played domino"));
    if (!isPlayedCaption(s.PlayerPlayedCaption))
        in.refuse(Text("SavedGame", "the player's played domino is not two halves joined by -"));

    s.LeftEndX = in.number(Text("SavedGame", "the left end"));
    s.LeftEndY = in.integer(Text("SavedGame", "the left end"));
    s.RightEndX = in.number(Text("SavedGame", "the right end"));
    s.RightEndY = in.integer(Text("SavedGame", "the right end"));
    s.plae = in.number(Text("SavedGame", "the player's draw"));
    s.clae = in.integer(Text("SavedGame", "the computer's draw"));
    s.WinnerReStartsGame = in.boolean(Text("SavedGame", "the winner-starts setting"));
    s.PlayerScore = in.number(Text("SavedGame", "the player's score"));
    s.ComputerScore = in.integer(Text("SavedGame", "the computer's score"));

    s.Zombie = static_cast<Integer>(
        in.whole(Text("SavedGame", "the computer's slot index"), 0, ZombieLimit));
    s.PlayerCantPlay = in.flag(Text("SavedGame", "the player's Can't Play"));
    s.ComputerCantPlay = in.boolean(Text("SavedGame", "the computer's Can't Play"));
    s.DrawInHand = in.integer(Text("SavedGame", "the drawing place"));
    s.PlayerHasSeven = in.flag(Text("SavedGame", "the player's seven"));
    s.ComputerHasSeven = in.boolean(Text("SavedGame", "the computer's seven"));
    s.ComputerPlayedCaption = in.text(Text("SavedGame", "the computer's played domino"));
    if (!isPlayedCaption(s.ComputerPlayedCaption))
        in.refuse(Text("SavedGame", "the computer's played domino is not two halves joined by -"));

    timerRunning = in.boolean(Text("SavedGame", "the play timer")) != False;
    s.SecondsToPlay = in.single(Text("SavedGame", "the time to play"));
    if (s.SecondsToPlay < FewestSeconds || s.SecondsToPlay > MostSeconds)
        in.refuse(Text("SavedGame", "the time to play is not 1 to 12 seconds"));
    s.KeepGameHistory = in.boolean(Text("SavedGame", "the game history setting"));
    s.PlayLevel = in.boolean(Text("SavedGame", "the level of play"));

    readSlots(in, s.PlayerArray, s.Playerdom, Text("SavedGame", "the player's hand"));
    readSlots(in, s.ComputerArray, s.ComputerDom, Text("SavedGame", "the computer's hand"));
    readSlots(in, s.BoneYardArray, SetSize, Text("SavedGame", "the BoneYard"));
    readLeftArm(in, s);
    readRightArm(in, s);
    // A Master game adds one record after the right arm; whatever else
    // follows the last list is left unread.
    s.MasterLevel = s.PlayLevel == True && in.masterRecordFollows() ? True : False;

    // The dominoes must make one set, placed as play places them; then no
    // arm can grow past its table.
    const std::vector<Text> faults = checkInvariants(s);
    if (!faults.empty())
        throw Refusal{Text("SavedGame", "the dominoes are not a game that can be played: %1")
                          .arg(faults.front())};
    if (sevenMarkedBeforeTheDraw(s))
        throw Refusal{Text("SavedGame", "a side holds its seven before who plays first is drawn")};
    if (std::optional<Text> fault = dealFault(s))
        throw Refusal{std::move(*fault)};
    if (!scoresPlayCanReach(s))
        throw Refusal{Text("SavedGame", "a score is one play cannot reach")};
}

} // namespace

LoadResult readSavedGame(std::string_view bytes, const GameState& current) {
    LoadResult result;
    LoadedGame loaded{current, false};
    FieldReader in(bytes);
    try {
        readGame(in, loaded.state, loaded.timerWasRunning);
    } catch (const Refusal& refusal) {
        result.error = refusal.reason;
        return result;
    }
    result.game = std::move(loaded);
    return result;
}

} // namespace pipwright
