#pragma once

#include "game/Rect.h"
#include "game/Text.h"

#include <cstddef>
#include <string_view>

namespace pipwright {

struct GameState;

// The four picture areas of the main window. Coordinates inside them are in
// twips from the picture's top-left corner.
enum class Picture { View, Players, BoneYard, Computers };

// Colours the engine asks for. Foreground is the picture's face-down colour and
// Background its erase colour; the others are palette entries 0, 15 and 8.
enum class Fill { Foreground, Background, Black, White, Grey };

enum class Menu {
    OpenGame,
    SaveGame,
    RestartTheRound,
    RestartTheGame,
    GameHistory,
    GameConditions,
    Quit,
    HelpFile,
    Author,
    Hint,
    ScoreSheet,
};
inline constexpr std::size_t MenuCount = 11;

enum class SelectionLabel { Player, Computer };

enum class ResultWindow {
    PlayerWinsRound,
    ComputerWinsRound,
    PlayerScoreWins,
    ComputerScoreWins,
    PlayerScoreTies,
    Winner,
    Loser,
};

// Everything the engine asks of the screen. The Qt main window implements it;
// tests use a fake. Calls marked blocking return only when the pause or the
// modal window is over, and may deliver other events meanwhile.
class WindowPort {
public:
    virtual ~WindowPort() = default;

    // The message line Label1. Most messages speak to the player by name,
    // which is one of the text's arguments.
    virtual void setMessage(const Text& text) = 0;
    // Status-bar panels 1 to 4.
    virtual void setStatusPanel(int panel, const Text& text) = 0;
    // The played-domino panels LBLPlayerPlayed and LBLComputerPlayed: the
    // domino's pips, "6-4", the same in every language.
    virtual void setPlayerPlayed(std::string_view pips) = 0;
    virtual void setComputerPlayed(std::string_view pips) = 0;
    // The caption of LblPlayer.
    virtual void setPlayerCaption(const Text& text) = 0;
    // LblPlayerSelect and LblComputersSelect in the play field: text, placed
    // with its horizontal centre at centreX and its top at top.
    virtual void showSelectionLabel(SelectionLabel label, const Text& text, int centreX,
                                    int top) = 0;
    virtual void hideSelectionLabel(SelectionLabel label) = 0;

    // Painting.
    virtual void clearPicture(Picture picture) = 0;
    virtual void fillBox(Picture picture, const Rect& rect, Fill fill) = 0;
    // One half with 0 to 6 pips in the 300 x 300 square at (x, y); a six is
    // painted in two columns when standing, in two rows when lying.
    virtual void paintHalf(Picture picture, int x, int y, int pips, bool standing) = 0;

    virtual void setMenuEnabled(Menu menu, bool enabled) = 0;
    virtual void setBusyPointer(bool busy) = 0;

    // Blocking: waits while the window keeps handling events.
    virtual void PauseTimer(double seconds) = 0;
    // Blocking: a message box with the stop icon.
    virtual void messageBox(const Text& title, const Text& text) = 0;
    // Blocking: one of the result windows, shown modally. Its texts come from
    // the round-end figures of the state (resultTexts), built only by a window
    // that shows them.
    virtual void showResultWindow(ResultWindow window, const GameState& state) = 0;
    // Blocking: the time-out notice, which closes itself.
    virtual void showTimeOutNotice(const Text& caption, const Text& text) = 0;

    // A game has ended and is counted in GamesWon or GamesLost.
    virtual void gameEnded() {}

    // The play timer Timer1 and the dialog's box ChkToStartTheTimer.
    virtual bool timerBoxChecked() const = 0;
    virtual void setTimer1Enabled(bool enabled) = 0;
    virtual bool timer1Enabled() const = 0;
};

} // namespace pipwright
