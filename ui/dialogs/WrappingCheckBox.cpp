#include "ui/dialogs/WrappingCheckBox.h"

#include "ui/dialogs/FittingFont.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>

namespace pipwright {

namespace {
constexpr int TextGap = 4;
}

WrappingCheckBox::WrappingCheckBox(QWidget* parent) : QCheckBox(parent) {}

QRect WrappingCheckBox::indicatorRect() const {
    const int w = style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, this);
    const int h = style()->pixelMetric(QStyle::PM_IndicatorHeight, nullptr, this);
    return {0, (height() - h) / 2, w, h};
}

QRect WrappingCheckBox::textRect() const {
    const int left = indicatorRect().right() + 1 + TextGap;
    return {left, 0, width() - left, height()};
}

QFont WrappingCheckBox::shownFont() const {
    return fittingFont(font(), textRect(), TextFlags, text());
}

void WrappingCheckBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);

    QStyleOptionButton indicator = option;
    indicator.rect = indicatorRect();
    style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &indicator, &painter, this);

    const QRect area = textRect();
    painter.setFont(shownFont());
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(area, TextFlags, text());

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = painter.boundingRect(area, TextFlags, text()).adjusted(-1, 0, 1, 0);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

bool WrappingCheckBox::hitButton(const QPoint& pos) const {
    return rect().contains(pos);
}

} // namespace pipwright
