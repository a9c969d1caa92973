#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QLabel;
class QWidget;

namespace pipwright {

// The platform's sans-serif at a given point size.
QFont sansFont(double pointSize, bool bold);

// Paints a widget's background in one solid colour.
void setBackColour(QWidget* widget, const QColor& colour);
// Text colour of a label or a frame caption.
void setForeColour(QWidget* widget, const QColor& colour);

// A label at (leftTwips, topTwips) that sizes itself to its text.
QLabel* fittingLabel(QWidget* parent, const QString& objectName, const QFont& font, int leftTwips,
                     int topTwips);

// Lowers a one-line label's point size, if need be, until its text fits the
// label's width.
void shrinkToFit(QLabel* label);

// The frame of a dialog: a title and a close button, no minimise or maximise.
void useDialogFrame(QWidget* dialog);

// Places a child at its design rectangle, in twips.
void placeTwips(QWidget* widget, int left, int top, int width, int height);

// A Single as the game writes numbers: plain decimal, no trailing zeros.
QString plainNumber(double value);

} // namespace pipwright
