#pragma once

#include <QPointer>
#include <QString>
#include <QTextBrowser>

namespace pipwright {

// The game's help: its pages in a window owned by the main window, with Back
// and Forward above the page; Escape closes it.
class HelpViewer {
public:
    // Keeps the owner window; the help file is the pages built into the game.
    void InitTheHelp(QWidget* owner);
    // Shows the contents page, opening the window when it is not open.
    void ShowTheHelp();
    // Shows one page of the help ("partners.html"), opening the window when it is not open.
    void ShowTheHelp(const QString& page);
    void CloseTheHelp();

    // The help window and its page, while open.
    QWidget* window() const { return frame_; }
    QTextBrowser* page() const { return browser_; }

private:
    void openTheWindow();
    void placeBesideOwner();

    QPointer<QWidget> owner_;
    QString helpFolder_;
    QPointer<QWidget> frame_;
    QPointer<QTextBrowser> browser_;
};

} // namespace pipwright
