#pragma once

class QString;
class QWidget;

namespace pipwright {

// FrmPlayerWaitedTooLong: a borderless black notice, shown modally with its
// left edge at leftTwips and its top at 3500 twips on the screen's available
// area; it closes itself after closeAfterMs.
void showTimeOutNotice(const QString& caption, const QString& text, int leftTwips, QWidget* parent,
                       int closeAfterMs = 2000);

} // namespace pipwright
