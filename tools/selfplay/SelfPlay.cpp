#include "tools/selfplay/SelfPlay.h"

#include "computer/MasterChoice.h"
#include "computer/TimedDecision.h"
#include "storage/SavedGame.h"
#include "tools/selfplay/SheetCheck.h"

#include <ostream>

namespace pipwright {

namespace {

// A game takes a few hundred clicks; one that needs this many is stuck.
constexpr long ActionsPerGame = 5000;
constexpr long ReportedViolations = 10;
constexpr std::uint64_t PlayerSeedSalt = 0x9e3779b97f4a7c15ULL;

} // namespace

SelfPlay::SelfPlay(const SelfPlayOptions& options, std::ostream& diagnostics)
    : options_(options), diagnostics_(diagnostics),
      window_([this](ResultWindow shown) { resultShown(shown); }), random_(options.seed),
      playerRandom_(options.seed ^ PlayerSeedSalt), activations_(options.seed),
      playerSeeds_(options.seed ^ PlayerSeedSalt), engine_(window_, random_),
      computer_(engine_, options.seed) {
    engine_.setComputer(&computer_);
    engine_.Form_Load(Metrics{});
    engine_.state().PlayerName = "Tester";
    engine_.state().PlayLevel = options.computerExpert || options.computerMaster ? True : False;
    engine_.state().MasterLevel = options.computerMaster ? True : False;
    engine_.state().WinnerReStartsGame = options.winnerStarts ? True : False;
    computer_.timeDecisions(&result_.decisionMs);
    engine_.Form_Activate();
    checkState("the first showing");
}

SelfPlayResult SelfPlay::run() {
    while (result_.games < options_.games) {
        if (act() == Outcome::Stuck) {
            abandonGame("no click to make");
            continue;
        }
        if (++actionsThisGame_ > ActionsPerGame)
            abandonGame("too many clicks");
        saveAndReopen();
        // Now and then a modal window closes over the main window.
        if (activations_() % 2 == 0) {
            engine_.Form_Activate();
            checkState("an activation");
        }
    }
    return result_;
}

// Every state between actions saves to a file that opens to the same game. The
// game plays on as it was, so the round the Master has seen and the score sheet
// stay whole; the play fuzzer plays on from reopened games.
void SelfPlay::saveAndReopen() {
    const std::string bytes = writeSavedGame(engine_.state(), window_.timer1Enabled());
    const LoadResult read = readSavedGame(bytes, engine_.state());
    if (!read.game) {
        violation("the saved game does not open: " + read.error.english());
        return;
    }
    if (writeSavedGame(read.game->state, read.game->timerWasRunning) != bytes)
        violation("the reopened game saves to other bytes");
    for (const auto& line : checkInvariants(read.game->state))
        violation("the reopened game: " + line.english());
}

void SelfPlay::resultShown(ResultWindow shown) {
    switch (shown) {
    case ResultWindow::Winner:
        ++result_.playerWins;
        break;
    case ResultWindow::Loser:
        ++result_.computerWins;
        break;
    default:
        ++result_.hands;
        return;
    }
    checkSheet();
    ++result_.games;
    actionsThisGame_ = 0;
}

// The final scores still stand while the game's last window is shown.
void SelfPlay::checkSheet() {
    const GameState& s = engine_.state();
    const auto faults = sheetFaults(engine_.scoreSheet(), s.PlayerScore.toLong(), s.ComputerScore);
    if (faults.empty()) {
        ++result_.sheetsAddedUp;
        return;
    }
    if (++result_.invariantViolations <= ReportedViolations)
        for (const auto& line : faults)
            reportGame() << ", score sheet: " << line << '\n';
}

// Starts a diagnostic line with the seed and the game, so any fault can be played again.
std::ostream& SelfPlay::reportGame() {
    return diagnostics_ << "seed " << options_.seed << ", game " << result_.games + 1;
}

void SelfPlay::checkState(const char* after) {
    auto broken = checkInvariants(engine_.state());
    if (broken.empty())
        return;
    if (++result_.invariantViolations <= ReportedViolations)
        for (const auto& line : broken)
            reportGame() << ", after " << after << ": " << line.english() << '\n';
}

void SelfPlay::violation(const std::string& what) {
    if (++result_.invariantViolations <= ReportedViolations)
        reportGame() << ", phase " << engine_.state().GameStatus << ": " << what << '\n';
}

void SelfPlay::abandonGame(const char* why) {
    ++result_.invariantViolations;
    if (result_.invariantViolations <= ReportedViolations)
        reportGame() << " abandoned (" << why << "), phase " << engine_.state().GameStatus << '\n';
    ++result_.games;
    actionsThisGame_ = 0;
    drewThisTurn_ = false;
    engine_.mnuRestartTheGame_Click();
    checkState("a restart");
}

SelfPlay::Outcome SelfPlay::act() {
    GameState& s = engine_.state();
    switch (s.GameStatus) {
    case Phase::DrawForFirstPlay:
    case Phase::DrawingSeven: {
        const int slot = pickFaceDown();
        if (slot == 0)
            return Outcome::Stuck;
        clickBoneYard(slot);
        return Outcome::Acted;
    }
    case Phase::SetDomino: {
        SetChoice choice;
        if (options_.playerMaster) {
            const std::uint64_t seed = playerSeed();
            choice.slot = timedDecision(&result_.decisionMs, [&] {
                return masterSetDomino(engine_.tableView(Seat::Player), seed);
            });
        } else {
            choice = chooseSetDomino(HandView{s.PlayerArray, s.Playerdom},
                                     HandView{s.ComputerArray, s.ComputerDom},
                                     options_.playerExpert, playerRandom_);
        }
        if (choice.slot == 0)
            return Outcome::Stuck;
        clickHandSlot(choice.slot);
        return Outcome::Acted;
    }
    case Phase::PlayersTurn:
        return takeTurn();
    default:
        return Outcome::Stuck;
    }
}

SelfPlay::Outcome SelfPlay::takeTurn() {
    GameState& s = engine_.state();
    auto move = playerMove();
    if (move) {
        drewThisTurn_ = false;
        clickHandSlot(move->slot);
        clickEnd(move->end);
        return Outcome::Acted;
    }
    if (const int slot = pickFaceDown()) {
        clickBoneYard(slot);
        // The square is taken only when its domino went into the hand.
        drewThisTurn_ = s.GameStatus == Phase::PlayersTurn && s.BoneYardArray(slot, 1) == NoHalf;
        return Outcome::Acted;
    }
    drewThisTurn_ = false;
    engine_.ComPlayerCantPlay_Click();
    checkState("Can't Play");
    return Outcome::Acted;
}

std::uint64_t SelfPlay::playerSeed() {
    return playerSeeds_.next();
}

std::optional<Move> SelfPlay::playerMove() {
    const GameState& s = engine_.state();
    if (options_.playerMaster) {
        const std::uint64_t seed = playerSeed();
        return timedDecision(&result_.decisionMs,
                             [&] { return masterMove(engine_.tableView(Seat::Player), seed); });
    }
    HandView mine{s.PlayerArray, s.Playerdom};
    LineEnds ends = lineEnds(s);
    return drewThisTurn_ ? chooseAfterDraw(mine, ends)
                         : chooseMove(mine, HandView{s.ComputerArray, s.ComputerDom}, ends,
                                      options_.playerExpert);
}

// Any face-down square, each as likely; 0 when the BoneYard is empty.
int SelfPlay::pickFaceDown() {
    const GameState& s = engine_.state();
    const int count = s.faceDownCount();
    if (count == 0)
        return 0;
    const int wanted = playerRandom_.draw(count);
    int faceDown = 0;
    for (int k = 1; k <= SetSize; ++k)
        if (s.BoneYardArray(k, 1) != NoHalf && ++faceDown == wanted)
            return k;
    return 0;
}

void SelfPlay::clickBoneYard(int slot) {
    const Rect square = boneYardSquare(slot, engine_.state().BoneYardTop);
    engine_.BoneYardPic_MouseDown(square.left + 125, square.top + 125);
    engine_.BoneYardPic_Click();
    checkState("a BoneYard click");
}

void SelfPlay::clickHandSlot(int slot) {
    engine_.PlayersPic_MouseDown(handSlotLeft(slot) + HalfSize / 2,
                                 engine_.state().PlayerHandTop + HalfSize);
    engine_.PlayersPic_Click();
    checkState("a hand click");
}

// Clicks inside the end's rectangle, away from the other end's where they overlap.
void SelfPlay::clickEnd(End end) {
    const GameState& s = engine_.state();
    const End otherEnd = end == End::Left ? End::Right : End::Left;
    const Rect target = s.endRect(end);
    const Rect other = s.endRect(otherEnd);
    const int midX = (target.left + target.right) / 2;
    const int midY = (target.top + target.bottom) / 2;
    int x = midX, y = midY;
    for (auto [px, py] : {std::pair{midX, midY}, std::pair{target.left + 1, target.top + 1},
                          std::pair{target.right - 1, target.bottom - 1},
                          std::pair{target.left + 1, target.bottom - 1},
                          std::pair{target.right - 1, target.top + 1}}) {
        if (!other.contains(px, py)) {
            x = px;
            y = py;
            break;
        }
    }
    engine_.ViewPic_MouseDown(x, y);
    engine_.ViewPic_Click();
    checkState("a play-field click");
}

} // namespace pipwright
