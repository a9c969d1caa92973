#pragma once

#include <QCheckBox>

namespace pipwright {

// A check box whose long caption wraps inside the box's fixed rectangle, with
// the box and the text centred vertically. The whole rectangle takes clicks.
class WrappingCheckBox : public QCheckBox {
    Q_OBJECT

public:
    explicit WrappingCheckBox(QWidget* parent);

    // The font the caption is painted in: the box's own, or smaller when the
    // caption would not fit the box at it.
    QFont shownFont() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;

private:
    QRect indicatorRect() const;
    QRect textRect() const;
    static constexpr int TextFlags =
        Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;
};

} // namespace pipwright
