#pragma once

#include "ui/dialogs/PictureBox.h"

namespace pipwright {

// The window-filling pictures of the result windows.
void paintWinnerPicture(QPainter& painter, const QRectF& rect);
void paintLoserPicture(QPainter& painter, const QRectF& rect);
void paintTiesPicture(QPainter& painter, const QRectF& rect);

// Small pictures for the score windows.
PictureBox::Painter dominoBadge(int first, int second);
void paintMedalBadge(QPainter& painter, const QRectF& rect);
void paintPadlockBadge(QPainter& painter, const QRectF& rect);

} // namespace pipwright
