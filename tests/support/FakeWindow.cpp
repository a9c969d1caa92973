#include "tests/support/FakeWindow.h"

namespace pipwright {

void FakeWindow::setMessage(std::string_view name, std::string_view text) {
    message.assign(name).append(text);
    messages.push_back(message);
}

void FakeWindow::setStatusPanel(int panel, std::string_view text) {
    panels[panel] = text;
}

void FakeWindow::showSelectionLabel(SelectionLabel label, std::string_view text, int centreX,
                                    int top) {
    selectionLabels[label] = Label{true, std::string(text), centreX, top};
}

void FakeWindow::hideSelectionLabel(SelectionLabel label) {
    selectionLabels[label].visible = false;
}

void FakeWindow::clearPicture(Picture picture) {
    clears.emplace_back(picture);
}

void FakeWindow::fillBox(Picture picture, const Rect& rect, Fill fill) {
    boxes.push_back(BoxCall{picture, rect, fill});
}

void FakeWindow::paintHalf(Picture picture, int x, int y, int pips, bool standing) {
    halves.push_back(HalfCall{picture, x, y, pips, standing});
}

void FakeWindow::PauseTimer(double seconds) {
    pauses.emplace_back(seconds);
    if (onPause)
        onPause(seconds);
}

void FakeWindow::messageBox(std::string_view title, std::string_view text) {
    messageBoxes.emplace_back(title, text);
    if (onMessageBox)
        onMessageBox();
}

void FakeWindow::showResultWindow(ResultWindow window, const GameState& state) {
    resultWindows.push_back(resultTexts(window, state));
    if (onResultWindow)
        onResultWindow(window);
}

void FakeWindow::showTimeOutNotice(std::string_view, std::string_view text) {
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
