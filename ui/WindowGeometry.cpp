#include "ui/WindowGeometry.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QWidget>
#include <algorithm>

namespace pipwright {

namespace {

const QString GeometryKey = QStringLiteral("window/geometry");
const QString ScreenKey = QStringLiteral("window/screen");

QString& settingsFile() {
    static QString file;
    return file;
}

bool screenPresent(const QString& name) {
    const QList<QScreen*> screens = QGuiApplication::screens();
    return std::any_of(screens.cbegin(), screens.cend(),
                       [&](const QScreen* screen) { return screen->name() == name; });
}

} // namespace

// e.g. ~/.config/Pipwright/Pipwright.conf
QSettings keptSettings() {
    if (!settingsFile().isEmpty())
        return QSettings(settingsFile(), QSettings::IniFormat);
    return QSettings(QCoreApplication::applicationName(), QCoreApplication::applicationName());
}

void keepSettingsIn(const QString& file) {
    settingsFile() = file;
}

void openWhereLeft(QWidget& window, QSize designed) {
    const QSettings settings = keptSettings();
    const QByteArray kept = settings.value(GeometryKey).toByteArray();
    if (!kept.isEmpty() && screenPresent(settings.value(ScreenKey).toString()) &&
        window.restoreGeometry(kept))
        return;
    const QScreen* primary = QGuiApplication::primaryScreen();
    const QRect area = primary ? primary->availableGeometry() : QRect(QPoint(), designed);
    window.resize(designed);
    window.move(area.left() + (area.width() - window.width()) / 2,
                area.top() + (area.height() - window.height()) / 2);
}

void keepWhereLeft(const QWidget& window) {
    QSettings settings = keptSettings();
    settings.setValue(GeometryKey, window.saveGeometry());
    settings.setValue(ScreenKey, window.screen() ? window.screen()->name() : QString());
}

} // namespace pipwright
