// Prints the language the game picks from the environment, and its Quit entry.
#include "language/Translation.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QString chosen = pipwright::installTranslations(app);
    std::printf("%s|%s\n", qPrintable(chosen.isEmpty() ? QStringLiteral("en") : chosen),
                qPrintable(QCoreApplication::translate("GameMenus", "&Quit")));
    return 0;
}
