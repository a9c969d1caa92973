// Table files: what a save holds comes back, and what damage does is refused
// at the line it is on, with nothing opened.

#include "storage/table/TableFile.h"

#include "SampleGames.h"
#include "rules/Presets.h"
#include "storage/SavedGameFile.h"
#include "storage/SavedTableFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <sstream>

namespace pipwright {
namespace {

using session::TableSession;

session::TableSetup setupOf(rules::Preset preset, int seats) {
    session::TableSetup setup;
    rules::Choices choices;
    choices.seats = seats;
    setup.rules = *rules::choose(preset, choices).rules;
    setup.levels = {table::Level::Novice, table::Level::Expert, table::Level::Master,
                    table::Level::Novice};
    setup.seed = 11;
    return setup;
}

// A session moved on by this many moves, the computers' own and the player's
// first legal one, a new hand dealt whenever one ends.
TableSession playedFor(const session::TableSetup& setup, int moves) {
    TableSession session(setup);
    for (int i = 0; i < moves && session.game().phase() != rules::Phase::GameOver; ++i) {
        if (session.game().phase() == rules::Phase::HandOver)
            session.nextHand();
        else if (session.computerToPlay())
            session.playComputerTurn();
        else
            session.replay(session.humanMoves()[0]);
    }
    return session;
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + '\n';
    return text;
}

// The 1-based number of the first line beginning with prefix, after line from.
int lineStarting(const std::vector<std::string>& lines, const std::string& prefix, int from = 0) {
    for (int i = from; i < int(lines.size()); ++i)
        if (lines[std::size_t(i)].rfind(prefix, 0) == 0)
            return i + 1;
    return 0;
}

TEST(TableFile, EveryPresetOpensToTheSameTableAndTheSameBytes) {
    for (const rules::PresetInfo& info : rules::presets())
        for (int seats = info.minSeats; seats <= info.maxSeats; ++seats)
            for (const int moves : {0, 9, 60, 400}) {
                const TableSession session = playedFor(setupOf(info.preset, seats), moves);
                const std::string bytes = tables::writeTableFile(session);
                const tables::TableFileRead read = tables::readTableFile(bytes);
                ASSERT_TRUE(read.session) << info.name << ' ' << seats << ' ' << moves << ": "
                                          << read.error.english() << '\n'
                                          << bytes;
                EXPECT_TRUE(read.session->game() == session.game());
                EXPECT_EQ(read.session->decisions(), session.decisions());
                EXPECT_EQ(read.session->moves(), session.moves());
                EXPECT_EQ(tables::writeTableFile(*read.session), bytes);
            }
}

// The computers of a reopened table make the moves they would have made.
TEST(TableFile, ComputersGoOnAsTheyWouldHave) {
    for (const rules::PresetInfo& info : rules::presets()) {
        TableSession played = playedFor(setupOf(info.preset, info.maxSeats), 23);
        const std::unique_ptr<TableSession> reopened =
            tables::readTableFile(tables::writeTableFile(played)).session;
        ASSERT_TRUE(reopened) << info.name;
        for (int step = 0; step < 80 && played.game().phase() != rules::Phase::GameOver; ++step) {
            for (TableSession* session : {&played, reopened.get()}) {
                if (session->game().phase() == rules::Phase::HandOver)
                    session->nextHand();
                else if (session->computerToPlay())
                    session->playComputerTurn();
                else
                    session->replay(session->humanMoves()[0]);
            }
            ASSERT_TRUE(reopened->game() == played.game()) << info.name << " step " << step;
        }
    }
}

struct Damage {
    const char* what;
    // Damages the lines of a good file; the line the refusal must name.
    std::function<int(std::vector<std::string>&)> apply;
};

TEST(TableFile, DamageIsRefusedAtItsLine) {
    const std::vector<Damage> damages = {
        {"a later version", [](auto& l) { return l[0] = "pipwright-table 2", 1; }},
        {"line endings of another system",
         [](auto& l) {
             for (auto& line : l)
                 line += '\r';
             return 1;
         }},
        {"an unknown preset",
         [](auto& l) { return l[1].replace(l[1].find("all-fives"), 9, "poker"), 2; }},
        {"seats no table has",
         [](auto& l) { return l[1].replace(l[1].find("seats=3"), 7, "seats=9"), 2; }},
        {"a target the preset does not offer",
         [](auto& l) { return l[1].replace(l[1].find("target=200"), 10, "target=150"), 2; }},
        {"a level too few", [](auto& l) { return l[2] = "levels novice,expert decisions=0", 3; }},
        {"a level unknown",
         [](auto& l) { return l[2].replace(l[2].find("master"), 6, "wizard"), 3; }},
        {"decisions that differ from the moves",
         [](auto& l) { return l[2].replace(l[2].find("decisions="), 10, "decisions=9"), 3; }},
        {"a deal changed",
         [](auto& l) {
             const int at = lineStarting(l, "deal 2");
             std::swap(l[std::size_t(at - 1)], l[std::size_t(at - 2)]);
             return at - 1;
         }},
        {"a lay's score changed",
         [](auto& l) {
             const int at = lineStarting(l, "lay", 10);
             l[std::size_t(at - 1)] += "0";
             return at;
         }},
        {"a lay of a domino not held",
         [](auto& l) {
             const int at = lineStarting(l, "lay", 10);
             std::string& line = l[std::size_t(at - 1)];
             line = line.substr(0, 6) + "9-9" + line.substr(9);
             return at;
         }},
        {"a move by the wrong seat",
         [](auto& l) {
             const int at = lineStarting(l, "lay", 10);
             std::string& line = l[std::size_t(at - 1)];
             line[4] = line[4] == '1' ? '2' : '1';
             return at;
         }},
        {"a move left out",
         [](auto& l) {
             const int at = lineStarting(l, "lay", 10);
             l.erase(l.begin() + at - 1);
             return at;
         }},
        {"a hand dealt in the middle of one",
         [](auto& l) {
             const int at = lineStarting(l, "lay", 10);
             l.insert(l.begin() + at - 1, "hand 9 lead=1");
             return at;
         }},
        {"cut before the state",
         [](auto& l) {
             l.resize(std::size_t(lineStarting(l, "state") - 1));
             return int(l.size()) + 1;
         }},
        {"a hand in the state changed",
         [](auto& l) {
             const int at = lineStarting(l, "holds 2");
             l[std::size_t(at - 1)] += " 6-6";
             return at;
         }},
        {"the random state changed",
         [](auto& l) {
             const int at = lineStarting(l, "random");
             l[std::size_t(at - 1)] += "1";
             return at;
         }},
        {"a line after the state", [](auto& l) { return l.push_back("pass 1"), int(l.size()); }},
    };
    const TableSession session = playedFor(setupOf(rules::Preset::AllFives, 3), 70);
    const std::vector<std::string> good = linesOf(tables::writeTableFile(session));
    ASSERT_GT(lineStarting(good, "hand 2"), 0) << "the game has gone past its first hand";
    for (const Damage& damage : damages) {
        std::vector<std::string> lines = good;
        const int line = damage.apply(lines);
        const tables::TableFileRead read = tables::readTableFile(joined(lines));
        EXPECT_FALSE(read.session) << damage.what;
        EXPECT_EQ(read.line, line) << damage.what << ": " << read.error.english();
        EXPECT_EQ(read.error.english().rfind("line " + std::to_string(line) + ": ", 0), 0u)
            << damage.what << ": " << read.error.english();
    }
}

class TableFileOnDisk : public ::testing::Test {
protected:
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    QTemporaryDir dir;
};

TEST_F(TableFileOnDisk, SavesOpensAndKeepsAnOldFileWhenRefused) {
    const TableSession session = playedFor(setupOf(rules::Preset::Draw, 4), 30);
    ASSERT_TRUE(saveTable(path("t.table"), session).ok);
    const OpenedTable opened = openTable(path("t.table"));
    ASSERT_TRUE(opened.session) << opened.reason.toStdString();
    EXPECT_TRUE(opened.session->game() == session.game());
    EXPECT_FALSE(saveTable(dir.filePath("missing/t.table"), session).ok);
}

TEST_F(TableFileOnDisk, EachWindowRefusesTheOthersFile) {
    const FileOutcome saved =
        saveTable(path("t.table"), playedFor(setupOf(rules::Preset::Block, 2), 5));
    ASSERT_TRUE(saved.ok) << saved.reason.toStdString();
    ASSERT_TRUE(savePresentGame(path("g.txt"), samples::gameInPlay(), false).ok);
    const OpenedGame classic = openPreviousGame(path("t.table"), samples::freshGame());
    EXPECT_FALSE(classic.game);
    EXPECT_TRUE(classic.reason.contains(QStringLiteral("table"))) << classic.reason.toStdString();
    const OpenedTable table = openTable(path("g.txt"));
    EXPECT_FALSE(table.session);
    EXPECT_TRUE(table.reason.contains(QStringLiteral("Open a Previous Game")))
        << table.reason.toStdString();
}

} // namespace
} // namespace pipwright
