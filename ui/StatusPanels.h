#pragma once

#include <QStatusBar>
#include <QTimer>
#include <array>

class QLabel;

namespace pipwright {

// StatusBar1: four text panels set by the game and a clock, in two rows. The
// clock shows hours and minutes and wakes once a minute, on the minute.
class StatusPanels : public QStatusBar {
    Q_OBJECT
public:
    explicit StatusPanels(QWidget* parent);

    // Panels are numbered 1 to 5; the fifth is the clock.
    void setPanelText(int panel, const QString& text);
    QString panelText(int panel) const;
    // Draws the texts at a scale of their designed size.
    void setScale(double factor);
    // The height that shows both rows whole at the designed size.
    int designHeightTwips() const;

private:
    void showTime();
    // The two score panels keep room for "Abcdefgh's Score=195" at this scale.
    void keepScorePanelsWhole(double factor);

    std::array<QLabel*, 5> panels_{};
    QTimer clock_;
};

} // namespace pipwright
