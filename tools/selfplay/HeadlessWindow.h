#pragma once

#include "game/WindowPort.h"

#include <functional>
#include <utility>

namespace pipwright {

// A window for play without a screen (the self-play harness, the fuzzers):
// shows nothing and never waits. It keeps only the play timer's state, which
// the engine reads back, and tells its owner which result windows were shown.
class HeadlessWindow : public WindowPort {
public:
    explicit HeadlessWindow(std::function<void(ResultWindow)> onResult = {})
        : onResult_(std::move(onResult)) {}

    void setMessage(const Text&) override {}
    void setStatusPanel(int, const Text&) override {}
    void setPlayerPlayed(std::string_view) override {}
    void setComputerPlayed(std::string_view) override {}
    void setPlayerCaption(const Text&) override {}
    void showSelectionLabel(SelectionLabel, const Text&, int, int) override {}
    void hideSelectionLabel(SelectionLabel) override {}
    void clearPicture(Picture) override {}
    void fillBox(Picture, const Rect&, Fill) override {}
    void paintHalf(Picture, int, int, int, bool) override {}
    void setMenuEnabled(Menu, bool) override {}
    void setBusyPointer(bool) override {}
    void PauseTimer(double) override {}
    void messageBox(const Text&, const Text&) override {}
    void showResultWindow(ResultWindow window, const GameState&) override {
        if (onResult_)
            onResult_(window);
    }
    void showTimeOutNotice(const Text&, const Text&) override {}
    bool timerBoxChecked() const override { return timerBox_; }
    void setTimer1Enabled(bool enabled) override { timer1_ = enabled; }
    bool timer1Enabled() const override { return timer1_; }
    void checkTimerBox(bool checked) { timerBox_ = checked; }

private:
    std::function<void(ResultWindow)> onResult_;
    bool timer1_ = false;
    bool timerBox_ = false;
};

} // namespace pipwright
