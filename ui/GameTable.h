#pragma once

#include "game/WindowPort.h"
#include "ui/DesignScale.h"
#include "ui/MainLayout.h"

#include <QMap>
#include <QWidget>
#include <array>

class QLabel;
class QPushButton;

namespace pipwright {

class MessageLine;
class NewsLine;
class PictureArea;
class StatusPanels;

// The main window's table: the play field, both hands, the BoneYard, their
// captions and panels, the message line and the status bar. It lays them out
// by the game's rules at the designed size and draws that layout at one scale
// when it is made larger.
class GameTable : public QWidget {
    Q_OBJECT
public:
    explicit GameTable(QWidget* parent);

    // Lays the controls out for an inner area of this size, in pixels at
    // the designed size.
    void layOut(QSize designed);
    const MainLayout& layout() const { return layout_; }
    const DesignScale& scale() const { return scale_; }
    // The size the designed layout is drawn at, from the scale's offset.
    QSize drawnSize() const;
    PictureArea& picture(Picture picture) const;
    QLabel* selectionLabel(SelectionLabel label) const;
    // Longer names widen the caption up to the played-domino panel.
    void setPlayerCaption(const QString& text);
    void showSelectionLabel(SelectionLabel which, const QString& text, int centreX, int top);

    // The controls, by the game's names.
    PictureArea* ViewPic = nullptr;
    QLabel* LblPlayerSelect = nullptr;
    QLabel* LblComputersSelect = nullptr;
    PictureArea* ComputersPic = nullptr;
    QLabel* LblComputer = nullptr;
    PictureArea* BoneYardPic = nullptr;
    QLabel* LblBoneYard = nullptr;
    PictureArea* PlayersPic = nullptr;
    QPushButton* ComPlayerCantPlay = nullptr;
    QLabel* LBLPlayerPlayed = nullptr;
    QLabel* LBLComputerPlayed = nullptr;
    QLabel* LblPlayer = nullptr;
    MessageLine* Label1 = nullptr;
    StatusPanels* StatusBar1 = nullptr;
    NewsLine* News = nullptr;

Q_SIGNALS:
    // A left click on the bare table, outside every control.
    void backgroundClicked();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // Shrinks a caption's font when its text is wider than its room: a long
    // name, or a long translation.
    void fitCaption(QLabel* caption);
    // Draws the designed layout at the scale that fits this size.
    void applyScale(QSize size);
    void placeSelectionLabel(SelectionLabel which);

    MainLayout layout_;
    QSize designInner_; // the inner area at the designed size, in pixels
    DesignScale scale_;
    // Each caption's width at the designed size, in pixels; it changes with
    // the text of the player's caption and of the two selection labels.
    QMap<QLabel*, int> captionWidths_;
    int captionHeight_ = 0;
    std::array<QPoint, 2> selectionAnchors_{}; // centre and top, in play-field units
    bool backgroundPressed_ = false;
};

} // namespace pipwright
