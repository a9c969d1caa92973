#pragma once

#include "game/WindowPort.h"

namespace pipwright {

class frmDominos;

// What the engine asks of the main window, shown on its table, its menus and
// its modal windows.
class MainWindowPort : public WindowPort {
public:
    explicit MainWindowPort(frmDominos& form) : form_(form) {}

    void setMessage(const Text& text) override;
    void setStatusPanel(int panel, const Text& text) override;
    void setPlayerPlayed(std::string_view pips) override;
    void setComputerPlayed(std::string_view pips) override;
    void setPlayerCaption(const Text& text) override;
    void showSelectionLabel(SelectionLabel which, const Text& text, int centreX, int top) override;
    void hideSelectionLabel(SelectionLabel label) override;
    void clearPicture(Picture which) override;
    void fillBox(Picture which, const Rect& rect, Fill fill) override;
    void paintHalf(Picture which, int x, int y, int pips, bool standing) override;
    void setMenuEnabled(Menu menu, bool enabled) override;
    void setBusyPointer(bool busy) override;
    void PauseTimer(double seconds) override;
    void messageBox(const Text& title, const Text& text) override;
    void showResultWindow(ResultWindow window, const GameState& state) override;
    void showTimeOutNotice(const Text& caption, const Text& text) override;
    bool timerBoxChecked() const override;
    void setTimer1Enabled(bool enabled) override;
    bool timer1Enabled() const override;
    void gameEnded() override;

private:
    frmDominos& form_;
};

} // namespace pipwright
