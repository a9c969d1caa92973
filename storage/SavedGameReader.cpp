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
    std::string reason;
};

// Takes the fields of a saved game one after another, each into a target of
// its type, and refuses at the first field that does not fit.
class FieldReader {
public:
    explicit FieldReader(std::string_view bytes) : cursor_(bytes) {}

    [[noreturn]] void refuse(const std::string& what) const {
        throw Refusal{"line " + std::to_string(line_) + ": " + what};
    }

    Field take(const char* what) {
        std::optional<Field> field = cursor_.next();
        if (!field) {
            line_ = cursor_.line();
            if (!cursor_.malformed().empty())
                refuse(cursor_.malformed());
            refuse(std::string("the file ends before ") + what);
        }
        line_ = field->line;
        return *field;
    }

    long whole(const char* what, long low, long high) {
        const Field f = take(what);
        if (f.shape == Field::Shape::Empty)
            return checkRange(0, what, low, high);
        if (f.shape != Field::Shape::Bare || !isNumberText(f.text))
            refuse(std::string(what) + " is not a number");
        const std::optional<long long> value = wholeValue(f.text);
        if (!value)
            refuse(std::string(what) + " is not a whole number that fits");
        return checkRange(*value, what, low, high);
    }

    Integer integer(const char* what) {
        return static_cast<Integer>(
            whole(what, std::numeric_limits<Integer>::min(), std::numeric_limits<Integer>::max()));
    }

    Boolean boolean(const char* what) {
        const Field f = take(what);
        if (f.shape == Field::Shape::Empty)
            return False;
        if (f.shape == Field::Shape::Bare) {
            if (f.text == "#TRUE#" || f.text == "-1")
                return True;
            if (f.text == "#FALSE#" || f.text == "0")
                return False;
        }
        refuse(std::string(what) + " is not #TRUE# or #FALSE#");
    }

    Single single(const char* what) {
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
        refuse(std::string(what) + " is not a number that fits");
    }

    std::string text(const char* what) {
        const Field f = take(what);
        if (f.shape == Field::Shape::Bare)
            refuse(std::string(what) + " is not a quoted text");
        return std::string(f.text);
    }

    // A Variant keeps the kind it was written with.
    Variant variant(const char* what) {
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
            refuse(std::string(what) + " is not a value");
        if (const std::optional<long long> value = wholeValue(f.text)) {
            checkRange(*value, what, LongMin, LongMax);
            return Variant::whole(static_cast<long>(*value));
        }
        double value = 0;
        const char* last = f.text.data() + f.text.size();
        auto [end, ec] = std::from_chars(f.text.data(), last, value);
        if (ec != std::errc() || end != last || value < LongMin || value > LongMax)
            refuse(std::string(what) + " is not a number that fits");
        return Variant::doubleValue(value);
    }

    // A Variant that the game only ever fills with a number.
    Variant number(const char* what) {
        Variant v = variant(what);
        if (!v.isEmpty() && !v.isNumeric())
            refuse(std::string(what) + " is not a number");
        return v;
    }

    // A Variant flag: Empty, a Boolean or a number.
    Variant flag(const char* what) {
        Variant v = variant(what);
        if (v.kind() == Variant::Kind::String)
            refuse(std::string(what) + " is not #TRUE# or #FALSE#");
        return v;
    }

    // A Variant holding a whole number in a range; Empty counts as 0.
    Variant wholeVariant(const char* what, long low, long high) {
        Variant v = number(what);
        if (v.number() != std::trunc(v.number()))
            refuse(std::string(what) + " is not a whole number");
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
    long checkRange(long long value, const char* what, long low, long high) {
        if (value < low || value > high)
            refuse(std::string(what) + " is " + std::to_string(value) + ", not " +
                   std::to_string(low) + " to " + std::to_string(high));
        return static_cast<long>(value);
    }

    FieldCursor cursor_;
    int line_ = 1;
};

// A hand or BoneYard slot holds a domino (0 to 6 twice) or nothing (7, 7).
void readSlots(FieldReader& in, HandTable& table, int rows, const std::string& place) {
    const std::string half = "a half in " + place;
    for (int i = 1; i <= rows; ++i) {
        const auto first = static_cast<Integer>(in.whole(half.c_str(), 0, NoHalf));
        const auto second = static_cast<Integer>(in.whole(half.c_str(), 0, NoHalf));
        if ((first == NoHalf) != (second == NoHalf))
            in.refuse("a slot in " + place + " holds 7 in one half only");
        table(i, 1) = first;
        table(i, 2) = second;
    }
}

void readLeftArm(FieldReader& in, GameState& s) {
    const int rows = static_cast<int>(s.Dominoleft.toLong());
    for (int i = 1; i <= rows; ++i) {
        s.gameleftarray(i, Arm::Index) = in.number("a left arm entry");
        s.gameleftarray(i, Arm::Inner) = in.wholeVariant("a half in the left arm", 0, NoHalf);
        s.gameleftarray(i, Arm::Outer) = in.wholeVariant("a half in the left arm", 0, NoHalf);
        for (int column = Arm::Left; column <= Arm::Bottom; ++column)
            s.gameleftarray(i, column) = in.number("a left arm rectangle");
    }
}

// The right arm is read as Variants and kept as Integers.
void readRightArm(FieldReader& in, GameState& s) {
    constexpr long low = std::numeric_limits<Integer>::min();
    constexpr long high = std::numeric_limits<Integer>::max();
    for (int i = 1; i <= s.DominoRight; ++i) {
        for (int column = Arm::Index; column <= Arm::Bottom; ++column) {
            const bool half = column == Arm::Inner || column == Arm::Outer;
            const Variant v = half ? in.wholeVariant("a half in the right arm", 0, NoHalf)
                                   : in.wholeVariant("a right arm entry", low, high);
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
const char* dealFault(const GameState& s) {
    if (s.GameStatus != Phase::DrawingSeven)
        return nullptr;
    const bool playerMarked = s.PlayerHasSeven == True;
    const bool computerMarked = s.ComputerHasSeven == True;
    if (s.plae == s.clae)
        return "the hands are dealt before who plays first is known";
    if (s.ComputerDom != 7)
        return "the computer draws other than seven dominoes";
    if (playerMarked != s.holdsSeven(s.PlayerArray, s.Playerdom) || s.Playerdom > 7)
        return "the player's seven is marked other than the hand holds it";
    if (computerMarked && !s.holdsSeven(s.ComputerArray, s.ComputerDom))
        return "the computer's seven is marked but not in its hand";
    const bool playerStarts = s.plae > s.clae;
    if (playerStarts ? computerMarked && !playerMarked : playerMarked && !computerMarked)
        return "the side that draws second holds its seven first";
    return nullptr;
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
        in.whole("the phase code", Phase::DrawForFirstPlay, Phase::PlayersTurn));
    s.PlayerName = in.text("the player's name");
    if (!isPlayerName(s.PlayerName))
        in.refuse("the player's name is not one the start-up window makes");
    s.Playerdom = static_cast<Integer>(in.whole("the player's domino count", 0, HandLimit));
    s.ComputerDom = static_cast<Integer>(in.whole("the computer's domino count", 0, HandLimit));
    s.Dominoleft = in.wholeVariant("the left arm count", 0, SetSize);
    s.DominoRight = static_cast<Integer>(in.whole("the right arm count", 0, SetSize));
    s.PlayerPlayedCaption = in.text("the player's played domino");
    if (!isPlayedCaption(s.PlayerPlayedCaption))
        in.refuse("the player's played domino is not two halves joined by -");

    s.LeftEndX = in.number("the left end");
    s.LeftEndY = in.integer("the left end");
    s.RightEndX = in.number("the right end");
    s.RightEndY = in.integer("the right end");
    s.plae = in.number("the player's draw");
    s.clae = in.integer("the computer's draw");
    s.WinnerReStartsGame = in.boolean("the winner-starts setting");
    s.PlayerScore = in.number("the player's score");
    s.ComputerScore = in.integer("the computer's score");

    s.Zombie = static_cast<Integer>(in.whole("the computer's slot index", 0, ZombieLimit));
    s.PlayerCantPlay = in.flag("the player's Can't Play");
    s.ComputerCantPlay = in.boolean("the computer's Can't Play");
    s.DrawInHand = in.integer("the drawing place");
    s.PlayerHasSeven = in.flag("the player's seven");
    s.ComputerHasSeven = in.boolean("the computer's seven");
    s.ComputerPlayedCaption = in.text("the computer's played domino");
    if (!isPlayedCaption(s.ComputerPlayedCaption))
        in.refuse("the computer's played domino is not two halves joined by -");

    timerRunning = in.boolean("the play timer") != False;
    s.SecondsToPlay = in.single("the time to play");
    if (s.SecondsToPlay < FewestSeconds || s.SecondsToPlay > MostSeconds)
        in.refuse("the time to play is not 1 to 12 seconds");
    s.KeepGameHistory = in.boolean("the game history setting");
    s.PlayLevel = in.boolean("the level of play");

    readSlots(in, s.PlayerArray, s.Playerdom, "the player's hand");
    readSlots(in, s.ComputerArray, s.ComputerDom, "the computer's hand");
    readSlots(in, s.BoneYardArray, SetSize, "the BoneYard");
    readLeftArm(in, s);
    readRightArm(in, s);
    // A Master game adds one record after the right arm; whatever else
    // follows the last list is left unread.
    s.MasterLevel = s.PlayLevel == True && in.masterRecordFollows() ? True : False;

    // The dominoes must make one set, placed as play places them; then no
    // arm can grow past its table.
    const std::vector<std::string> faults = checkInvariants(s);
    if (!faults.empty())
        throw Refusal{"the dominoes are not a game that can be played: " + faults.front()};
    if (sevenMarkedBeforeTheDraw(s))
        throw Refusal{"a side holds its seven before who plays first is drawn"};
    if (const char* fault = dealFault(s))
        throw Refusal{fault};
    if (!scoresPlayCanReach(s))
        throw Refusal{"a score is one play cannot reach"};
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
