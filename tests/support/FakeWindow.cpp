#include "tests/support/FakeWindow.h"

namespace pipwright {

void FakeWindow::setMessage(const std::string& text) {
    if (!recording)
        return;
    message = text;
    messages.push_back(text);
}

void FakeWindow::setStatusPanel(int panel, const std::string& text) {
    if (recording)
        panels[panel] = text;
}

void FakeWindow::showSelectionLabel(SelectionLabel label, const std::string& text, int centreX,
                                    int top) {
    if (recording)
        selectionLabels[label] = Label{true, text, centreX, top};
}

void FakeWindow::hideSelectionLabel(SelectionLabel label) {
    if (recording)
        selectionLabels[label].visible = false;
}

void FakeWindow::clearPicture(Picture picture) {
    if (recording)
        clears.push_back(picture);
}

void FakeWindow::fillBox(Picture picture, const Rect& rect, Fill fill) {
    if (recording)
        boxes.push_back({picture, rect, fill});
}

void FakeWindow::paintHalf(Picture picture, int x, int y, int pips, bool standing) {
    if (recording)
        halves.push_back({picture, x, y, pips, standing});
}

void FakeWindow::PauseTimer(double seconds) {
    if (recording)
        pauses.push_back(seconds);
    if (onPause)
        onPause(seconds);
}

void FakeWindow::messageBox(const std::string& title, const std::string& text) {
    if (recording)
        messageBoxes.emplace_back(title, text);
    if (onMessageBox)
        onMessageBox();
}

void FakeWindow::showResultWindow(const ResultTexts& texts) {
    if (recording)
        resultWindows.push_back(texts);
    if (onResultWindow)
        onResultWindow(texts);
}

void FakeWindow::showTimeOutNotice(const std::string&, const std::string& text) {
    if (recording)
        timeOutNotices.push_back(text);
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
