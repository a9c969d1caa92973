#include "ui/HelpViewer.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

namespace pipwright {

void HelpViewer::InitTheHelp(QWidget* owner) {
    owner_ = owner;
    helpFolder_ = QStringLiteral("qrc:/help/");
}

void HelpViewer::ShowTheHelp() {
    ShowTheHelp(QStringLiteral("index.html"));
}

void HelpViewer::ShowTheHelp(const QString& page) {
    if (!frame_)
        openTheWindow();
    browser_->setSource(QUrl(helpFolder_ + page));
    frame_->show();
    frame_->raise();
    frame_->activateWindow();
}

void HelpViewer::openTheWindow() {
    frame_ = new QWidget(owner_, Qt::Window);
    frame_->setObjectName(QStringLiteral("HelpWindow"));
    frame_->setAttribute(Qt::WA_DeleteOnClose);
    frame_->setWindowTitle(QCoreApplication::translate("HelpViewer", "Pipwright Help"));
    browser_ = new QTextBrowser(frame_);
    browser_->setOpenExternalLinks(true);

    auto* back = new QPushButton(QCoreApplication::translate("HelpViewer", "Back"), frame_);
    auto* forward = new QPushButton(QCoreApplication::translate("HelpViewer", "Forward"), frame_);
    back->setObjectName(QStringLiteral("HelpBack"));
    forward->setObjectName(QStringLiteral("HelpForward"));
    for (QPushButton* button : {back, forward}) {
        button->setEnabled(false);
        button->setFocusPolicy(Qt::TabFocus);
    }
    QObject::connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    QObject::connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    QObject::connect(browser_, &QTextBrowser::backwardAvailable, back, &QWidget::setEnabled);
    QObject::connect(browser_, &QTextBrowser::forwardAvailable, forward, &QWidget::setEnabled);
    QWidget* frame = frame_;
    QObject::connect(new QShortcut(QKeySequence::Cancel, frame_), &QShortcut::activated, frame_,
                     [frame] { frame->close(); });
    QObject::connect(new QShortcut(QKeySequence::Back, frame_), &QShortcut::activated, browser_,
                     &QTextBrowser::backward);
    QObject::connect(new QShortcut(QKeySequence::Forward, frame_), &QShortcut::activated, browser_,
                     &QTextBrowser::forward);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(frame_);
    layout->addLayout(buttons);
    layout->addWidget(browser_, 1);
    frame_->resize(560, 480);
    placeBesideOwner();
    browser_->setFocus();
}

void HelpViewer::placeBesideOwner() {
    if (!owner_)
        return;
    // To the right of the game when the screen has room, else over its left.
    const QRect screenArea = owner_->screen()->availableGeometry();
    const QRect game = owner_->frameGeometry();
    QPoint corner(game.right() + 1, game.top());
    if (corner.x() + frame_->width() > screenArea.right())
        corner.setX(std::max(screenArea.left(), game.left()));
    frame_->move(corner);
}

void HelpViewer::CloseTheHelp() {
    if (frame_)
        frame_->close();
}

} // namespace pipwright
