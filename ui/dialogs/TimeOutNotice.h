#pragma once

#include "ui/dialogs/WindowPlacement.h"

class QString;
class QWidget;

namespace pipwright {

// FrmPlayerWaitedTooLong: a borderless black notice, shown modally with its
// left edge at leftTwips and its top at 3500 twips in the frame; it closes
// itself after closeAfterMs.
void showTimeOutNotice(const QString& caption, const QString& text, int leftTwips,
                       const PlacementFrame& frame, QWidget* parent, int closeAfterMs = 2000);

} // namespace pipwright
