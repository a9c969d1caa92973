#include "SampleGames.h"
#include "game/PlayerName.h"
#include "storage/SavedGame.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace pipwright {
namespace {

std::vector<std::string> linesOf(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end = bytes.find("\r\n"); end != std::string::npos;
         end = bytes.find("\r\n", start)) {
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    EXPECT_EQ(start, bytes.size()) << "the last line is not ended";
    return lines;
}

std::string joined(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines)
        bytes += line + "\r\n";
    return bytes;
}

TEST(SavedGameWriter, FreshGameWritesEmptyFieldsAsNothing) {
    std::string expected = "0,\"Ann\",0,7,,0,\"\"\r\n"
                           ",0,,0,,0,#FALSE#,,0\r\n"
                           "0,,#FALSE#,0,,#FALSE#,\"\"\r\n"
                           "#FALSE#,6,#FALSE#,#FALSE#\r\n";
    for (int i = 0; i < 7; ++i)
        expected += "0,0\r\n";
    for (int a = 0; a <= 6; ++a) {
        for (int b = a; b <= 6; ++b)
            expected += std::to_string(a) + "," + std::to_string(b) + "\r\n";
    }
    EXPECT_EQ(writeSavedGame(samples::freshGame(), false), expected);
}

TEST(SavedGameWriter, GameInPlayWithTimerRunning) {
    const std::vector<std::string> lines = linesOf(writeSavedGame(samples::gameInPlay(), true));
    ASSERT_EQ(lines.size(), 4u + 8 + 8 + 28 + 2 + 2);
    EXPECT_EQ(lines[0], "3,\"Bob\",8,8,2,2,\"3-3\"");
    EXPECT_EQ(lines[1], "3900,1800,6300,1800,9,4,#TRUE#,35,20");
    EXPECT_EQ(lines[2], "9,#FALSE#,#FALSE#,0,#TRUE#,#TRUE#,\"5-5\"");
    EXPECT_EQ(lines[3], "#TRUE#,6,#TRUE#,#TRUE#");
    EXPECT_EQ(lines[5], "7,7") << "a played slot keeps its place";
    const std::vector<std::string> arms(lines.end() - 4, lines.end());
    EXPECT_EQ(arms,
              (std::vector<std::string>{"1,5,3,4500,1800,5100,2100", "2,3,3,3900,1650,4500,1950",
                                        "1,3,5,5100,1800,5700,2100", "2,5,5,5700,1650,6300,1950"}));
}

TEST(SavedGameWriter, SecondsWithAFraction) {
    GameState s = samples::freshGame();
    for (Single seconds : {4.5F, 7.3F, 11.999999F, 12.0F / 7}) {
        s.SecondsToPlay = seconds;
        const LoadResult read = readSavedGame(writeSavedGame(s, false), GameState());
        ASSERT_TRUE(read.game) << read.error.english();
        EXPECT_EQ(read.game->state.SecondsToPlay, seconds);
    }
    s.SecondsToPlay = 4.5F;
    EXPECT_EQ(linesOf(writeSavedGame(s, false))[3], "#FALSE#,4.5,#FALSE#,#FALSE#");
}

struct Sample {
    const char* name;
    std::function<GameState()> make;
    bool timer;
};

const Sample samplesToOpen[] = {
    {"fresh game", samples::freshGame, false},
    {"game in play", samples::gameInPlay, true},
    {"right after a restart", samples::afterRestart, false},
    {"after a tied draw", samples::afterTiedDraw, false},
    {"before the Set Domino", samples::beforeSetDomino, false},
};

TEST(SavedGameReader, EverySavedGameOpensAndSavesToTheSameBytes) {
    for (const Sample& sample : samplesToOpen) {
        SCOPED_TRACE(sample.name);
        const std::string bytes = writeSavedGame(sample.make(), sample.timer);
        const LoadResult read = readSavedGame(bytes, samples::freshGame());
        ASSERT_TRUE(read.game) << read.error.english();
        EXPECT_EQ(read.game->timerWasRunning, sample.timer);
        EXPECT_EQ(writeSavedGame(read.game->state, read.game->timerWasRunning), bytes);
    }
}

// The Master is an expert to a reader that knows two levels: PlayLevel stays
// #TRUE# and one record after the right arm tells it apart. Files without that
// record, old ones among them, open at the level PlayLevel gives, whatever
// level was being played.
TEST(SavedGameReader, MasterLevelIsOneRecordAfterTheRightArm) {
    struct Level {
        const char* name;
        Boolean play, master;
    };
    for (const Level& level : {Level{"novice", False, False}, Level{"expert", True, False},
                               Level{"master", True, True}}) {
        SCOPED_TRACE(level.name);
        GameState saved = samples::gameInPlay();
        saved.PlayLevel = level.play;
        saved.MasterLevel = level.master;
        const std::string bytes = writeSavedGame(saved, false);
        const std::vector<std::string> lines = linesOf(bytes);
        EXPECT_EQ(lines[3].substr(lines[3].rfind(',') + 1), level.play ? "#TRUE#" : "#FALSE#");
        EXPECT_EQ(lines.back() == "\"Master\"", level.master == True);

        GameState current = samples::freshGame();
        current.MasterLevel = True;
        const LoadResult read = readSavedGame(bytes, current);
        ASSERT_TRUE(read.game) << read.error.english();
        EXPECT_EQ(read.game->state.PlayLevel, level.play);
        EXPECT_EQ(read.game->state.MasterLevel, level.master);
        EXPECT_EQ(writeSavedGame(read.game->state, false), bytes);
    }
    // Only an expert game's first record after the last list names the Master;
    // anything else there is left unread.
    struct Trailer {
        Boolean play;
        const char* after;
        Boolean master;
    };
    for (const Trailer& t : {Trailer{False, "\"Master\"\r\n", False},
                             Trailer{True, "\"Expert\"\r\n\"Master\"\r\n", False},
                             Trailer{True, "\"Master\"\r\n\"more\r\n", True}}) {
        SCOPED_TRACE(t.after);
        GameState saved = samples::gameInPlay();
        saved.PlayLevel = t.play;
        const LoadResult read = readSavedGame(writeSavedGame(saved, false) + t.after, GameState());
        ASSERT_TRUE(read.game) << read.error.english();
        EXPECT_EQ(read.game->state.MasterLevel, t.master);
    }
}

TEST(SavedGameReader, KeepsKindsAndTheFieldsNotStored) {
    GameState saved = samples::gameInPlay();
    saved.gameleftarray(2, 4) = Variant::doubleValue(3900.25);
    saved.gameleftarray(2, 5) = Variant::longValue(70000);
    saved.PlayerScore = Variant::integer(195);
    GameState current = samples::freshGame();
    current.GamesWon = Variant::integer(4);
    current.gameleftarray(5, 2) = Variant::integer(6);

    const LoadResult read = readSavedGame(writeSavedGame(saved, false), current);
    ASSERT_TRUE(read.game) << read.error.english();
    const GameState& s = read.game->state;
    EXPECT_EQ(s.gameleftarray(2, 4), Variant::doubleValue(3900.25));
    EXPECT_EQ(s.gameleftarray(2, 3), Variant::integer(3));
    EXPECT_EQ(s.gameleftarray(2, 5), Variant::longValue(70000));
    EXPECT_EQ(s.PlayerScore, Variant::integer(195));
    EXPECT_EQ(s.PlayerCantPlay, Variant::boolean(false));
    EXPECT_EQ(s.GameRightArray(2, 6), 6300);
    EXPECT_EQ(s.GamesWon, Variant::integer(4));
    EXPECT_EQ(s.gameleftarray(5, 2), Variant::integer(6)) << "beyond the count nothing is read";

    const LoadResult fresh = readSavedGame(writeSavedGame(samples::freshGame(), false), current);
    ASSERT_TRUE(fresh.game) << fresh.error.english();
    EXPECT_TRUE(fresh.game->state.Dominoleft.isEmpty());
    EXPECT_TRUE(fresh.game->state.PlayerScore.isEmpty());
}

// What follows the last list is never read: blank lines, and records that
// other programs add.
TEST(SavedGameReader, ToleratesOtherLineEndsAndWhatFollowsTheLastList) {
    std::string bytes = writeSavedGame(samples::gameInPlay(), false);
    std::string lineFeedsOnly;
    for (char c : bytes) {
        if (c != '\r')
            lineFeedsOnly += c;
    }
    EXPECT_TRUE(readSavedGame(lineFeedsOnly + "\n\n", GameState()).game);
    for (const std::string& after : {std::string("\r\n  \r\n"), std::string("1,2\r\n"),
                                     std::string("\"not closed\r\n"), std::string(1, '\0')})
        EXPECT_TRUE(readSavedGame(bytes + after, GameState()).game) << after;
    EXPECT_TRUE(readSavedGame(bytes.substr(0, bytes.size() - 2) + ",\r\n", GameState()).game);
}

// A change to one field of a saved game in play: line, field, new text.
struct Damage {
    int line;
    int field;
    const char* text;
};

std::string damaged(const std::string& bytes, const Damage& d) {
    std::vector<std::string> lines = linesOf(bytes);
    std::vector<std::string> fields;
    std::size_t start = 0;
    const std::string& line = lines[d.line];
    for (std::size_t comma = line.find(','); comma != std::string::npos;
         comma = line.find(',', start)) {
        fields.push_back(line.substr(start, comma - start));
        start = comma + 1;
    }
    fields.push_back(line.substr(start));
    fields[d.field] = d.text;
    std::string rebuilt;
    for (std::size_t i = 0; i < fields.size(); ++i)
        rebuilt += (i ? "," : "") + fields[i];
    lines[d.line] = rebuilt;
    return joined(lines);
}

// Among them: scores play cannot reach, and played captions that are no domino.
TEST(SavedGameReader, RefusesDamagedFields) {
    const std::string tooLong = '"' + std::string(LongestNameBytes + 1, 'A') + '"';
    const Damage damages[] = {
        {0, 1, "\"A\xc2\x85\""},
        {0, 1, "\"\xed\xa0\x80\""},
        {0, 0, "4"},
        {0, 0, "9"},
        {0, 0, "-1"},
        {0, 0, "x"},
        {0, 1, "\"\""},
        {0, 1, tooLong.c_str()},
        {0, 1, "\"A/b\""},
        {0, 1, "\"A b\""},
        {0, 1, "\"A\tb\""},
        {0, 1, "\"bob\""},
        {0, 1, "\"BOB\""},
        {0, 1, "\"Zo\xeb\""},
        {0, 1, "Bob"},
        {0, 1, "\"Bob"},
        {0, 1, "\"Bob\"x"},
        {0, 2, "19"},
        {0, 2, "-1"},
        {0, 3, "19"},
        {0, 4, "29"},
        {0, 4, "\"2\""},
        {0, 4, "1.5"},
        {0, 5, "29"},
        {0, 6, "3-3"},
        {1, 1, "2.5"},
        {1, 8, "40000"},
        {1, 0, "\"x\""},
        {1, 6, "2"},
        {1, 4, "#TRUE"},
        {1, 7, "99999999999"},
        {2, 0, "30"},
        {2, 1, "\"yes\""},
        {3, 1, "0"},
        {3, 1, "13"},
        {3, 1, "nan"},
        {3, 1, "1e1"},
        {3, 1, ""},
        {3, 2, "yes"},
        {4, 0, "8"},
        {4, 1, "-1"},
        {4, 0, "7"},
        {20, 1, "7"},
        {48, 1, "9"},
        {48, 4, "\"x\""},
        {51, 2, "8"},
        {51, 5, "#TRUE#"},
        {51, 0, "70000"},
        {50, 2, "6.5"},
        {3, 3, "\"#TRUE#\""},
        {1, 7, "200"},
        {1, 8, "200"},
        {1, 8, "32005"},
        {0, 6, "\"3-\""},
        {0, 6, "\"7-1\""},
        {0, 6, "\"3-3 \""},
        {2, 6, "\"x\""},
        {2, 6, "\"12-3\""},
    };
    const GameState current = samples::freshGame();
    const std::string before = writeSavedGame(current, false);
    const std::string bytes = writeSavedGame(samples::gameInPlay(), false);
    for (const Damage& d : damages) {
        const std::string file = damaged(bytes, d);
        SCOPED_TRACE(file.substr(0, 200));
        const LoadResult read = readSavedGame(file, current);
        EXPECT_FALSE(read.game) << "line " << d.line << " field " << d.field << " = " << d.text;
        EXPECT_FALSE(read.error.empty());
    }
    EXPECT_EQ(writeSavedGame(current, false), before);
}

TEST(SavedGameReader, RefusesFilesCutShort) {
    const std::string bytes = writeSavedGame(samples::gameInPlay(), true);
    const std::vector<std::string> lines = linesOf(bytes);
    for (std::size_t kept = 0; kept < lines.size(); ++kept) {
        const std::vector<std::string> head(lines.begin(), lines.begin() + kept);
        EXPECT_FALSE(readSavedGame(joined(head), GameState()).game) << kept << " lines";
    }
    EXPECT_FALSE(readSavedGame(bytes.substr(0, 6), GameState()).game);
}

// Fills the left arm's entries from the second on with copies of the first
// domino laid after the Set Domino.
void growLeftArm(GameState& s, int count) {
    for (int n = 3; n <= count; ++n)
        for (int c = 1; c <= 7; ++c)
            s.gameleftarray(n, c) = c == Arm::Index ? Variant::whole(n) : s.gameleftarray(2, c);
    s.Dominoleft = Variant::whole(count);
}

// Files that play could not have left: dominoes that cannot all be distinct
// dominoes of one set (so an arm could grow past its table), or a deal
// marked done before it began.
TEST(SavedGameReader, RefusesGamesThatCannotBePlayedOn) {
    const std::pair<const char*, void (*)(GameState&)> cases[] = {
        {"a domino in a hand and face down in the BoneYard",
         [](GameState& s) {
             s.ComputerArray(3, 1) = s.BoneYardArray(4, 1);
             s.ComputerArray(3, 2) = s.BoneYardArray(4, 2);
         }},
        {"a domino in the line and in a hand",
         [](GameState& s) { s.PlayerArray(2, 1) = s.PlayerArray(2, 2) = 3; }},
        {"a domino twice in the line", [](GameState& s) { growLeftArm(s, 3); }},
        {"a left arm already full", [](GameState& s) { growLeftArm(s, SetSize); }},
        {"sevens marked while who plays first is drawn",
         [](GameState& s) { s.GameStatus = Phase::DrawForFirstPlay; }},
    };
    for (const auto& [name, change] : cases) {
        GameState s = samples::gameInPlay();
        change(s);
        const LoadResult read = readSavedGame(writeSavedGame(s, false), GameState());
        EXPECT_FALSE(read.game) << name;
    }
}

// The computer started and holds its seven; the player has drawn five of his.
GameState midDeal() {
    GameState s = samples::beforeSetDomino();
    s.GameStatus = Phase::DrawingSeven;
    s.plae = Variant::integer(3);
    s.clae = 11;
    s.PlayerHasSeven = Variant::boolean(false);
    for (std::size_t slot : {6, 7}) {
        s.BoneYardArray(2 * slot, 1) = s.PlayerArray(slot, 1);
        s.BoneYardArray(2 * slot, 2) = s.PlayerArray(slot, 2);
    }
    s.Playerdom = 5;
    return s;
}

// "Has seven" marks that disagree with the hands, or a deal in an order play
// never takes: the deal would draw a hand twice or never end.
TEST(SavedGameReader, RefusesDealsThatCannotFinish) {
    ASSERT_TRUE(readSavedGame(writeSavedGame(midDeal(), false), GameState()).game);
    const std::pair<const char*, void (*)(GameState&)> cases[] = {
        {"the player's seven marked with five in hand",
         [](GameState& s) { s.PlayerHasSeven = Variant::boolean(true); }},
        {"the player holds seven unmarked",
         [](GameState& s) {
             s.Playerdom = 7;
             for (std::size_t slot : {6, 7})
                 s.BoneYardArray(2 * slot, 1) = s.BoneYardArray(2 * slot, 2) = NoHalf;
         }},
        {"the computer marked though it draws second",
         [](GameState& s) {
             s.plae = Variant::integer(11);
             s.clae = 3;
         }},
        {"who starts is not known", [](GameState& s) { s.clae = 3; }},
        {"the computer's hand has an eighth slot",
         [](GameState& s) {
             s.ComputerDom = 8;
             s.ComputerArray(8, 1) = s.ComputerArray(8, 2) = NoHalf;
         }},
    };
    for (const auto& [name, change] : cases) {
        GameState s = midDeal();
        change(s);
        EXPECT_FALSE(readSavedGame(writeSavedGame(s, false), GameState()).game) << name;
    }
}

} // namespace
} // namespace pipwright
