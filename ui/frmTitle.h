#pragma once

#include "ui/NameEntry.h"

#include <QWidget>
#include <memory>

class QLabel;
class QLineEdit;

namespace pipwright {

class frmDominos;

// The last name the player gave, as kept between launches; empty when none was.
QString keptPlayerName();

// The start-up window: asks for the player's name. It loads the main window
// hidden, and on Enter hands the name over, shows the main window and closes.
class frmTitle : public QWidget {
    Q_OBJECT
public:
    frmTitle();
    ~frmTitle() override;

    // The main window, loaded hidden when this window is first shown.
    frmDominos& game();

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Places the question and the name box.
    void Form_Load();
    void loadGame();
    // A character typed in the name box; Enter hands the name to the main window.
    void Text1_KeyPress(char32_t key);

    std::unique_ptr<frmDominos> game_;
    NameEntry name_;
    bool handedOver_ = false;
    QLabel* Label1 = nullptr;
    QLineEdit* Text1 = nullptr;
};

} // namespace pipwright
