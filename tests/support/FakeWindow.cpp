#include "tests/support/FakeWindow.h"

namespace pipwright {

void FakeWindow::setMessage(const Text& text) {
    message = text.english();
    messages.push_back(message);
}

void FakeWindow::setStatusPanel(int panel, const Text& text) {
    panels[panel] = text.english();
}

void FakeWindow::showSelectionLabel(SelectionLabel label, const Text& text, int centreX, int top) {
    selectionLabels[label] = Label{true, text.english(), centreX, top};
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

void FakeWindow::messageBox(const Text& title, const Text& text) {
    messageBoxes.emplace_back(title.english(), text.english());
    if (onMessageBox)
        onMessageBox();
}

void FakeWindow::showResultWindow(ResultWindow window, const GameState& state) {
    const ResultTexts texts = resultTexts(window, state);
    ResultWindowShown shown{texts.window, texts.caption.english(), {}};
    for (const Text& label : texts.labels)
        shown.labels.push_back(label.english());
    resultWindows.push_back(std::move(shown));
    if (onResultWindow)
        onResultWindow(window);
}

void FakeWindow::showTimeOutNotice(const Text&, const Text& text) {
    timeOutNotices.push_back(text.english());
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
