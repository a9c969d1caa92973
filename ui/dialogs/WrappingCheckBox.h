#pragma once

#include <QCheckBox>

namespace pipwright {

// A check box whose long caption wraps inside the box's fixed rectangle, with
// the box and the text centred vertically. The whole rectangle takes clicks.
class WrappingCheckBox : public QCheckBox {
    Q_OBJECT

public:
    explicit WrappingCheckBox(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;

private:
    QRect indicatorRect() const;
    QRect textRect() const;
};

} // namespace pipwright
