#include "ui/MainWindowPort.h"

#include "language/Translation.h"
#include "ui/GameTable.h"
#include "ui/Look.h"
#include "ui/MessageLine.h"
#include "ui/PictureArea.h"
#include "ui/StatusPanels.h"
#include "ui/TableAccessible.h"
#include "ui/dialogs/GameConditionsDialog.h"
#include "ui/dialogs/ResultWindows.h"
#include "ui/frmDominos.h"

#include <QCoreApplication>
#include <QLabel>

namespace pipwright {

void MainWindowPort::setMessage(const Text& text) {
    const QString message = translated(text);
    if (message != form_.table_->Label1->text()) {
        form_.table_->Label1->setMessage(message);
        form_.announce(message);
    }
    form_.describePictures();
}

void MainWindowPort::setStatusPanel(int panel, const Text& text) {
    const QString shown = translated(text);
    // The scores and the games won and lost, when they change.
    if (shown != form_.table_->StatusBar1->panelText(panel) && panel <= 4)
        form_.announce(shown);
    form_.table_->StatusBar1->setPanelText(panel, shown);
}

void MainWindowPort::setPlayerPlayed(std::string_view pips) {
    const QString played = QString::fromUtf8(pips.data(), static_cast<qsizetype>(pips.size()));
    if (!played.isEmpty() && played != form_.table_->LBLPlayerPlayed->text())
        form_.announce(
            QCoreApplication::translate("MainWindowPort", "Player's Selection %1").arg(played));
    form_.table_->LBLPlayerPlayed->setText(played);
}

void MainWindowPort::setComputerPlayed(std::string_view pips) {
    const QString played = QString::fromUtf8(pips.data(), static_cast<qsizetype>(pips.size()));
    // The computer's move, which the panel shows, is told as its selection.
    if (!played.isEmpty() && played != form_.table_->LBLComputerPlayed->text())
        form_.announce(
            QCoreApplication::translate("MainWindowPort", "Computer's Selection %1").arg(played));
    form_.table_->LBLComputerPlayed->setText(played);
}

void MainWindowPort::setPlayerCaption(const Text& text) {
    form_.table_->setPlayerCaption(translated(text));
}

void MainWindowPort::showSelectionLabel(SelectionLabel which, const Text& text, int centreX,
                                        int top) {
    form_.table_->showSelectionLabel(which, translated(text), centreX, top);
}

void MainWindowPort::hideSelectionLabel(SelectionLabel label) {
    form_.selectionLabel(label)->hide();
}

void MainWindowPort::clearPicture(Picture which) {
    form_.picture(which).clear();
    form_.showHighlight();
}

void MainWindowPort::fillBox(Picture which, const Rect& rect, Fill fill) {
    PictureArea& area = form_.picture(which);
    QColor colour;
    switch (fill) {
    case Fill::Foreground:
        colour = area.foreColour();
        break;
    case Fill::Background:
        colour = area.backColour();
        break;
    case Fill::Black:
        colour = colour::Black;
        break;
    case Fill::White:
        colour = colour::White;
        break;
    case Fill::Grey:
        colour = colour::Grey;
        break;
    }
    area.fillBox(rect, colour);
    form_.showHighlight();
}

void MainWindowPort::paintHalf(Picture which, int x, int y, int pips, bool standing) {
    form_.picture(which).paintHalf(x, y, pips, standing);
    form_.showHighlight();
}

void MainWindowPort::setMenuEnabled(Menu menu, bool enabled) {
    form_.menusWanted_[static_cast<std::size_t>(menu)] = enabled;
    form_.updateActions();
}

void MainWindowPort::setBusyPointer(bool busy) {
    for (QWidget* widget : std::initializer_list<QWidget*>{
             &form_, form_.table_->ViewPic, form_.table_->PlayersPic, form_.table_->BoneYardPic,
             form_.table_->ComputersPic, form_.table_->StatusBar1}) {
        if (busy)
            widget->setCursor(Qt::WaitCursor);
        else
            widget->unsetCursor();
    }
}

void MainWindowPort::PauseTimer(double seconds) {
    form_.blocking_.pause(seconds);
}

void MainWindowPort::messageBox(const Text& title, const Text& text) {
    form_.blocking_.messageBox(translated(title), translated(text));
}

void MainWindowPort::showResultWindow(ResultWindow window, const GameState& state) {
    form_.blocking_.result(resultTexts(window, state));
}

void MainWindowPort::showTimeOutNotice(const Text& caption, const Text& text) {
    form_.blocking_.timeOutNotice(translated(caption), translated(text));
}

bool MainWindowPort::timerBoxChecked() const {
    return form_.conditions_ && form_.conditions_->timerBoxChecked();
}

void MainWindowPort::setTimer1Enabled(bool enabled) {
    // A timer given no interval yet never expires, as a zero interval would
    // otherwise make it fire at once and without end.
    if (!enabled)
        form_.Timer1.stop();
    else if (!form_.Timer1.isActive() && form_.Timer1.interval() > 0)
        form_.Timer1.start();
}

bool MainWindowPort::timer1Enabled() const {
    return form_.Timer1.isActive();
}

void MainWindowPort::gameEnded() {
    form_.gameEnded();
}

} // namespace pipwright
