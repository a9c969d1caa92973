#include "ui/HelpViewer.h"

#include <QCoreApplication>
#include <QScreen>
#include <QTextBrowser>
#include <QUrl>
#include <algorithm>

namespace pipwright {

void HelpViewer::InitTheHelp(QWidget* owner) {
    owner_ = owner;
    helpFile_ = QStringLiteral("qrc:/help/index.html");
}

void HelpViewer::ShowTheHelp() {
    if (!browser_) {
        browser_ = new QTextBrowser(owner_);
        browser_->setWindowFlag(Qt::Window);
        browser_->setAttribute(Qt::WA_DeleteOnClose);
        browser_->setWindowTitle(QCoreApplication::translate("HelpViewer", "Pipwright Help"));
        browser_->setOpenExternalLinks(true);
        browser_->resize(560, 480);
        placeBesideOwner();
    }
    browser_->setSource(QUrl(helpFile_));
    browser_->show();
    browser_->raise();
    browser_->activateWindow();
}

void HelpViewer::placeBesideOwner() {
    if (!owner_)
        return;
    // To the right of the game when the screen has room, else over its left.
    const QRect screenArea = owner_->screen()->availableGeometry();
    const QRect game = owner_->frameGeometry();
    QPoint corner(game.right() + 1, game.top());
    if (corner.x() + browser_->width() > screenArea.right())
        corner.setX(std::max(screenArea.left(), game.left()));
    browser_->move(corner);
}

void HelpViewer::CloseTheHelp() {
    if (browser_)
        browser_->close();
}

} // namespace pipwright
