#include "language/Translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace pipwright {

QString translated(const Text& text) {
    if (text.source() == nullptr)
        return QString::fromStdString(text.verbatimText());
    std::vector<std::string> filled;
    filled.reserve(text.args().size());
    for (const Text& a : text.args())
        filled.push_back(translated(a).toStdString());
    const QString format = QCoreApplication::translate(text.context(), text.source());
    return QString::fromStdString(fillIn(format.toStdString(), filled));
}

QString installTranslations(QCoreApplication& app) {
    auto* game = new QTranslator(&app);
    if (!game->load(QLocale::system(), QStringLiteral("pipwright"), QStringLiteral("_"),
                    QStringLiteral(":/i18n"))) {
        delete game;
        return {};
    }
    QCoreApplication::installTranslator(game);
    const QLocale chosen(game->language());
    QLocale::setDefault(chosen);
    auto* qt = new QTranslator(&app);
    if (qt->load(chosen, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    return game->language();
}

} // namespace pipwright
