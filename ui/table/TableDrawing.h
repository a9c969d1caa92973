#pragma once

#include "session/TableSession.h"
#include "ui/table/TableLayout.h"

#include <QPointer>
#include <QTimer>
#include <QVariantAnimation>
#include <QWidget>
#include <array>
#include <optional>

namespace pipwright {

// The table as the player sees it: felt, the seats around it, the line in
// the middle and the player's hand along the bottom, drawn on a logical
// canvas scaled to the widget. It reads the session and reports where the
// player clicked or dropped; the window turns that into commands.
class TableDrawing : public QWidget {
    Q_OBJECT
public:
    TableDrawing(const session::TableSession& session, QWidget* parent);

    // The player's hand in the order it is shown.
    std::vector<rules::Domino> handShown() const;
    // The keyboard's place in the hand, -1 for none.
    int highlight() const { return highlight_; }
    void setHighlight(int index);
    void setMovement(bool on) { movementOn_ = on; }
    bool movement() const { return movementOn_; }
    bool moving() const { return movement_.state() == QAbstractAnimation::Running; }
    // A domino was laid: move it from its seat to its place.
    void showLaid(const rules::Laid& laid);
    // Shows "Pass" beside the seat for a moment.
    void showPass(int seat);
    // The lines shown over the table at a hand's end; none while a hand is played.
    void setSummary(const QStringList& lines);
    void forgetHand();

    // Geometry for the window: canvas rectangles in widget pixels, and back.
    QRectF toWidget(const QRectF& onCanvas) const;
    QPointF toCanvas(const QPointF& inWidget) const;
    std::optional<int> handIndexAt(const QPointF& inWidget) const;
    // The end of the line under the point: Left, Right, or First on an empty line.
    std::optional<rules::End> endAt(const QPointF& inWidget) const;
    std::vector<LineTile> lineShown() const;
    QRectF summaryButtonPlace() const;

Q_SIGNALS:
    void handClicked(rules::Domino domino);
    void handDoubleClicked(rules::Domino domino);
    void endClicked(rules::End end);
    void dropped(rules::Domino domino, rules::End end);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QTransform canvasTransform() const;
    void paintSeats(QPainter& p) const;
    void paintLine(QPainter& p) const;
    void paintHand(QPainter& p) const;
    void paintPanels(QPainter& p) const;
    void paintSummary(QPainter& p) const;
    QRectF seatOrigin(int seat) const;

    const session::TableSession& session_;
    int highlight_ = -1;
    bool movementOn_ = true;
    QVariantAnimation movement_;
    std::optional<rules::Domino> moved_;
    QRectF movedFrom_;
    std::optional<rules::Domino> lastLaid_;
    std::array<QTimer, rules::MaxSeats> passShown_;
    QStringList summary_;
    // A press on the hand that may become a drag.
    std::optional<rules::Domino> pressed_;
    QPointF pressAt_;
    std::optional<QPointF> dragAt_;
};

} // namespace pipwright
