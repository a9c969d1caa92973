#include "ui/dialogs/PictureBox.h"

#include <QPainter>

namespace pipwright {

PictureBox::PictureBox(Painter painter, QWidget* parent)
    : QWidget(parent), painter_(std::move(painter)) {}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter_(painter, QRectF(rect()));
}

} // namespace pipwright
