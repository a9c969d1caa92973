#pragma once

#include "game/ComputerSeat.h"
#include "game/GameState.h"
#include "game/Geometry.h"
#include "game/Random.h"
#include "game/ScoreSheet.h"
#include "game/TableView.h"
#include "game/WindowPort.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace pipwright {

// Heights the window layout measures, in twips.
struct Metrics {
    Integer boneYardLabelHeight = 240; // LblBoneYard's caption
    Integer computerLabelHeight = 240; // LblComputer's caption
    Integer playerHandTop = 540;       // top of the player's row in PlayersPic
};

// Owns the game state and runs the rules: the round flow, the player's moves,
// scoring and the end of rounds. It talks to the screen only through the
// window port and hands the computer's moves to its seat.
class Engine {
public:
    Engine(WindowPort& port, RandomSource& random);

    void setComputer(ComputerSeat* computer) { computer_ = computer; }

    GameState& state() { return s_; }
    const GameState& state() const { return s_; }
    WindowPort& port() { return port_; }
    RandomSource& random() { return random_; }
    const Metrics& metrics() const { return metrics_; }

    // Window lifecycle.
    // The window has loaded: sets the starting values and shuffles a BoneYard.
    void Form_Load(const Metrics& metrics);
    // The window is active again: clears the round's flags and, at the draw
    // for first play, asks for the draw.
    void Form_Activate();

    // Input. Mouse-downs store the position in twips; clicks act on it.
    void BoneYardPic_MouseDown(int x, int y);
    void PlayersPic_MouseDown(int x, int y);
    void ViewPic_MouseDown(int x, int y);
    // A BoneYard square: the draw for first play, drawing seven, or a draw.
    void BoneYardPic_Click();
    // The player's hand: the Set Domino, or selecting a domino to lay.
    void PlayersPic_Click();
    // The play field: lays the selected domino on the end clicked.
    void ViewPic_Click();
    // Lays the selected domino on the named end, as a click on that end alone
    // would: the keys' way to play, even where both ends are one domino.
    void laySelectedOn(End end);
    // "Can't Play": passes when nothing fits and the BoneYard is empty.
    void ComPlayerCantPlay_Click();
    void mnuRestartTheGame_Click();
    void mnuRestartTheRound_Click();
    // The play timer ran out: the computer takes the player's turn.
    void Timer1_Timer();

    // A flow is running while any of the handlers above is between its first
    // and last step (it may be waiting in a pause or a modal window). Input
    // that arrives then is ignored; an action passed here runs at once when no
    // flow is running, else as soon as the running flow has returned.
    bool flowRunning() const { return flowDepth_ > 0; }
    void runWhenIdle(std::function<void()> action);

    // Round flow.
    // Sets up a round's BoneYard: clears it and the arms, shuffles and deals.
    void GameStart();
    // Takes the clicked BoneYard domino into the player's seven.
    void PlayerSelects7Dominos();
    // Draws the clicked BoneYard domino into the player's hand, if nothing fits.
    void AddPlayerDomino();
    // Disables the menu entries that could disturb a running flow.
    void KillTheMenus();
    // Enables them again.
    void ActivateTheMenus();
    void MousePointerHourglass();
    void MousePointerArrow();

    // Scoring and round end.
    // Scores the open ends for the side that laid the last domino.
    void DetermineTheScore();
    // Ends the round or the game when a hand is empty or both sides are blocked.
    void CheckForWin();

    // Painting of dominoes and of the line.
    // Paints the domino of hand slot Playerdom, standing, at (DrawX, DrawY).
    void Check();
    // Places and paints the Set Domino in the middle of the field.
    void TheSetDomino();
    // Places, flashes and paints the last domino of the left arm.
    void CheckingLeft();
    // The same for the right arm.
    void CheckingRight();
    // Flashes the left end domino.
    void DominoLeftShow();
    // Flashes the right end domino.
    void DominoRightShow();
    // Erases the selected domino from the player's hand picture.
    void BlankPlayerDomino();
    // Paints the face-down square of the computer's slot Zombie.
    void AddComputerDomino();
    // Erases that square, and shrinks the computer's hand past an empty last slot.
    void BlankComputerDomino();
    // Waits while the window keeps handling events.
    void PauseTimer(double seconds) { port_.PauseTimer(seconds); }

    // Messages and panels.
    void say(const Text& text);                  // Label1
    void setPlayerPlayed(std::string_view pips); // LBLPlayerPlayed
    void setComputerPlayed(std::string_view pips);
    // Panel 1, "Ann's Score=12"; after a blocked round won and on a restarted
    // round it reads "Ann' Score=12".
    void showPlayerScore(bool apostropheOnly = false);
    void showComputerScore();

    // Queries used by both sides.
    bool playerCanMatch() const;    // a present domino matches L or R
    bool boneYardHasDomino() const; // some slot is still face down
    bool playTimerInUse() const { return port_.timerBoxChecked(); }
    // A random BoneYard slot still face down, or 0 when the BoneYard is empty.
    int drawFaceDownSlot();

    // The table as one side sees it, and the round's public record behind it.
    TableView tableView(Seat seat) const;
    const RoundHistory& history() const { return history_; }
    // Every count that scored and every award of the present game.
    ScoreSheet& scoreSheet() { return sheet_; }
    const ScoreSheet& scoreSheet() const { return sheet_; }
    // Notes a domino laid (a, b), a draw or a pass, with the ends open now.
    void record(TableEvent::Kind kind, Seat seat, int a = 0, int b = 0);

    // Replaces the game by a state read from a saved file and repaints the
    // window from it: BoneYard, hands, played captions, computer's squares and
    // the line, whose rectangles and anchors are rebuilt.
    void RestoreGame(const GameState& loaded);

private:
    // Marks a running flow; see flowRunning().
    class FlowGuard {
    public:
        explicit FlowGuard(Engine& engine) : engine_(engine) { ++engine_.flowDepth_; }
        // When the outermost flow returns, what was asked for meanwhile runs.
        ~FlowGuard() {
            if (--engine_.flowDepth_ == 0 && !engine_.draining_ && !engine_.deferred_.empty())
                engine_.runDeferred();
        }
        FlowGuard(const FlowGuard&) = delete;
        FlowGuard& operator=(const FlowGuard&) = delete;

    private:
        Engine& engine_;
    };
    void runDeferred();
    // The draw for first play: its prompt, and both played panels blank.
    void promptTheDraw();
    void playerDrawForFirstPlay();
    void drawSevenRules();
    void playerSetDomino(int slot);
    void playerSelect();
    void laySelected(bool inLeft, bool inRight);
    void layPlayerDomino(End end, bool matchFirstHalf);
    void placeArmEnd(End end);
    void recordStarter(bool playerStarts);
    void prepareNextRound(bool playerStarts);
    void restart();
    void clearTheTable();
    bool gameEnd(bool playerWon);
    // Notes on the score sheet the domino just laid, which scored `points`.
    void noteLayScored(Seat seat, long points);
    void paintLineEntry(const Placement& placement, int inner, int outer);
    void flashEnd(const Rect& rect);
    void paintBoneYard();
    bool boneYardTestPasses() const;
    void takeFromBoneYard(int slot);

    WindowPort& port_;
    RandomSource& random_;
    ComputerSeat* computer_ = nullptr;
    GameState s_;
    RoundHistory history_;
    ScoreSheet sheet_;
    Metrics metrics_;
    int flowDepth_ = 0;
    bool draining_ = false;
    std::vector<std::function<void()>> deferred_;
};

} // namespace pipwright
