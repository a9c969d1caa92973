#include "ui/dialogs/DialogLook.h"

#include "ui/Twips.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPalette>
#include <QWidget>

namespace pipwright {

QFont sansFont(double pointSize, bool bold) {
    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

void setBackColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setForeColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

QLabel* fittingLabel(QWidget* parent, const QString& objectName, const QFont& font, int leftTwips,
                     int topTwips) {
    auto* label = new QLabel(parent);
    label->setObjectName(objectName);
    label->setFont(font);
    label->setTextFormat(Qt::PlainText);
    label->move(toPixels(QPoint(leftTwips, topTwips)));
    return label;
}

void shrinkToFit(QLabel* label) {
    constexpr double SmallestPoints = 6;
    const int room = label->contentsRect().width() - 4;
    QFont font = label->font();
    while (font.pointSizeF() > SmallestPoints &&
           QFontMetrics(font).horizontalAdvance(label->text()) > room) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
    }
    label->setFont(font);
}

void placeTwips(QWidget* widget, int left, int top, int width, int height) {
    widget->setGeometry(toPixels(QRect(left, top, width, height)));
}

QString plainNumber(double value) {
    return QString::number(value, 'g', 7);
}

void useDialogFrame(QWidget* dialog) {
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint);
}

} // namespace pipwright
