#include "tests/support/FakeWindow.h"

#include <utility>

namespace pipwright {

namespace {

// Keeping a record of a call is for the tests. It stays out of the way of the
// calls themselves, which the self-play harness makes by the million with
// recording off.
template <typename T, typename... Args>
[[gnu::cold]] [[gnu::noinline]] void keep(std::vector<T>& history, Args&&... args) {
    history.emplace_back(std::forward<Args>(args)...);
}

} // namespace

void FakeWindow::setMessage(std::string_view name, std::string_view text) {
    if (!recording)
        return;
    message.assign(name).append(text);
    messages.push_back(message);
}

void FakeWindow::setStatusPanel(int panel, std::string_view text) {
    if (recording)
        panels[panel] = text;
}

void FakeWindow::showSelectionLabel(SelectionLabel label, std::string_view text, int centreX,
                                    int top) {
    if (recording)
        selectionLabels[label] = Label{true, std::string(text), centreX, top};
}

void FakeWindow::hideSelectionLabel(SelectionLabel label) {
    if (recording)
        selectionLabels[label].visible = false;
}

void FakeWindow::clearPicture(Picture picture) {
    if (recording)
        keep(clears, picture);
}

void FakeWindow::fillBox(Picture picture, const Rect& rect, Fill fill) {
    if (recording)
        keep(boxes, BoxCall{picture, rect, fill});
}

void FakeWindow::paintHalf(Picture picture, int x, int y, int pips, bool standing) {
    if (recording)
        keep(halves, HalfCall{picture, x, y, pips, standing});
}

void FakeWindow::PauseTimer(double seconds) {
    if (recording)
        keep(pauses, seconds);
    if (onPause)
        onPause(seconds);
}

void FakeWindow::messageBox(std::string_view title, std::string_view text) {
    if (recording)
        messageBoxes.emplace_back(title, text);
    if (onMessageBox)
        onMessageBox();
}

void FakeWindow::showResultWindow(ResultWindow window, const GameState& state) {
    if (recording)
        resultWindows.push_back(resultTexts(window, state));
    if (onResultWindow)
        onResultWindow(window);
}

void FakeWindow::showTimeOutNotice(std::string_view, std::string_view text) {
    if (recording)
        timeOutNotices.emplace_back(text);
}

void FakeWindow::clearHistory() {
    messages.clear();
    boxes.clear();
    halves.clear();
    clears.clear();
    pauses.clear();
    messageBoxes.clear();
    resultWindows.clear();
    timeOutNotices.clear();
}

} // namespace pipwright
