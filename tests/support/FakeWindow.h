#pragma once

#include "game/ResultTexts.h"
#include "game/WindowPort.h"

#include <array>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace pipwright {

// A window that records what the engine asks of it. Pauses, message boxes and
// modal windows return at once, after running the matching hook, so a test can
// act in the middle of a flow.
class FakeWindow : public WindowPort {
public:
    // Texts are kept in English.
    void setMessage(const Text& text) override;
    void setStatusPanel(int panel, const Text& text) override;
    void setPlayerPlayed(std::string_view pips) override { playerPlayed = pips; }
    void setComputerPlayed(std::string_view pips) override { computerPlayed = pips; }
    void setPlayerCaption(const Text& text) override { playerCaption = text.english(); }
    void showSelectionLabel(SelectionLabel label, const Text& text, int centreX, int top) override;
    void hideSelectionLabel(SelectionLabel label) override;

    void clearPicture(Picture picture) override;
    void fillBox(Picture picture, const Rect& rect, Fill fill) override;
    void paintHalf(Picture picture, int x, int y, int pips, bool standing) override;

    void setMenuEnabled(Menu menu, bool enabled) override { menus[menu] = enabled; }
    void setBusyPointer(bool busy) override { busyPointer = busy; }

    void PauseTimer(double seconds) override;
    void messageBox(const Text& title, const Text& text) override;
    void showResultWindow(ResultWindow window, const GameState& state) override;
    void showTimeOutNotice(const Text& caption, const Text& text) override;

    bool timerBoxChecked() const override { return timerBox; }
    void setTimer1Enabled(bool enabled) override { timer1 = enabled; }
    bool timer1Enabled() const override { return timer1; }
    void gameEnded() override { ++gamesEnded; }

    int gamesEnded = 0;
    std::string message;
    std::vector<std::string> messages;
    std::map<int, std::string> panels;
    std::string playerPlayed, computerPlayed, playerCaption;
    struct Label {
        bool visible = false;
        std::string text;
        int centreX = 0, top = 0;
    };
    std::map<SelectionLabel, Label> selectionLabels;
    // Whether each menu entry is enabled, indexed by the entry.
    struct MenuStates {
        std::array<bool, MenuCount> enabled{};
        bool& operator[](Menu m) { return enabled[static_cast<std::size_t>(m)]; }
    } menus;
    bool busyPointer = false;
    bool timerBox = false;
    bool timer1 = false;

    struct BoxCall {
        Picture picture = Picture::View;
        Rect rect;
        Fill fill = Fill::Background;
    };
    struct HalfCall {
        Picture picture;
        int x, y, pips;
        bool standing;
    };
    std::vector<BoxCall> boxes;
    std::vector<HalfCall> halves;
    std::vector<Picture> clears;
    std::vector<double> pauses;
    std::vector<std::pair<std::string, std::string>> messageBoxes;
    struct ResultWindowShown {
        ResultWindow window = ResultWindow::Winner;
        std::string caption;
        std::vector<std::string> labels;
    };
    std::vector<ResultWindowShown> resultWindows;
    std::vector<std::string> timeOutNotices;

    std::function<void(double)> onPause;
    std::function<void(ResultWindow)> onResultWindow;
    std::function<void()> onMessageBox;
    void clearHistory();
};

} // namespace pipwright
