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
    // The game's texts break their lines with \r, as its windows' labels took them.
    return QString::fromStdString(fillIn(format.toStdString(), filled))
        .replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

namespace {

// As gettext does: the C locale for messages (LC_ALL, else LC_MESSAGES, else
// LANG) means English whatever LANGUAGE lists.
bool messagesInPlainC() {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = qEnvironmentVariable(name);
        if (!value.isEmpty())
            return value == QLatin1String("C") || value.startsWith(QLatin1String("C.")) ||
                   value == QLatin1String("POSIX");
    }
    return true;
}

} // namespace

QString installTranslations(QCoreApplication& app) {
    // English's plural forms, under every language: a language's own come first.
    auto* plurals = new QTranslator(&app);
    if (plurals->load(QStringLiteral(":/i18n/plurals_en.qm")))
        QCoreApplication::installTranslator(plurals);
    else
        delete plurals;
    if (messagesInPlainC())
        return {};
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
