#pragma once

#include <QSettings>
#include <QSize>

class QWidget;

namespace pipwright {

// The main window reopens where it was left: its place, size, maximised state
// and screen, kept under the program's own name. With nothing kept it opens at
// the designed size, centred; when the kept screen is gone, the same on the
// primary screen.
void openWhereLeft(QWidget& window, QSize designed);
void keepWhereLeft(const QWidget& window);

// What the game keeps between launches, under the program's own name, or in
// the given file once one is named (tests keep theirs apart).
QSettings keptSettings();
void keepSettingsIn(const QString& file);

} // namespace pipwright
