#include "ui/MessageLine.h"

#include "ui/Look.h"

#include <QFontMetrics>

namespace pipwright {

namespace {

constexpr double UsualPoints = 13.5;
constexpr double SmallestPoints = 8;

} // namespace

MessageLine::MessageLine(QWidget* parent) : QLabel(parent) {
    setFont(gameFont(UsualPoints));
    // Messages carry the player's name: shown as typed, never as markup.
    setTextFormat(Qt::PlainText);
    setAutoFillBackground(true);
    QPalette look = palette();
    look.setColor(QPalette::Window, colour::LightGrey);
    look.setColor(QPalette::WindowText, colour::Red);
    setPalette(look);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setAttribute(Qt::WA_NoMousePropagation);
}

void MessageLine::setMessage(const QString& text) {
    setText(text);
    fit();
}

void MessageLine::setScale(double factor) {
    scale_ = factor;
    fit();
}

void MessageLine::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    fit();
}

void MessageLine::fit() {
    const int room = contentsRect().width() - 2 * margin() - 2;
    double points = UsualPoints;
    QFont font = gameFont(points * scale_);
    while (points > SmallestPoints && QFontMetrics(font).horizontalAdvance(text()) > room) {
        points -= 0.5;
        font.setPointSizeF(points * scale_);
    }
    setFont(font);
}

} // namespace pipwright
