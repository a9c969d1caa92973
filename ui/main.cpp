#include "language/Translation.h"
#include "ui/frmTitle.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pipwright"));
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.pipwright.Pipwright"));
    pipwright::installTranslations(app);
    pipwright::frmTitle title;
    title.show();
    title.activateWindow();
    return QApplication::exec();
}
