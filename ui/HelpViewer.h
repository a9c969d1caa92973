#pragma once

#include <QPointer>
#include <QString>
#include <QTextBrowser>

namespace pipwright {

// The game's help: its pages in a browser window owned by the main window.
class HelpViewer {
public:
    // Keeps the owner window; the help file is the pages built into the game.
    void InitTheHelp(QWidget* owner);
    // Shows the contents page, opening the window when it is not open.
    void ShowTheHelp();
    void CloseTheHelp();

    QTextBrowser* window() const { return browser_; }

private:
    void placeBesideOwner();

    QPointer<QWidget> owner_;
    QString helpFile_;
    QPointer<QTextBrowser> browser_;
};

} // namespace pipwright
