#include "language/TypedName.h"

#include "game/PlayerName.h"

#include <QStringList>
#include <QTextBoundaryFinder>

namespace pipwright {

namespace {

bool isMark(char32_t c) {
    const QChar::Category kind = QChar::category(c);
    return kind == QChar::Mark_NonSpacing || kind == QChar::Mark_SpacingCombining ||
           kind == QChar::Mark_Enclosing;
}

// The text's characters as a person counts them, each cut to a letter and
// MarksPerCharacter marks; a leading mark with no letter is left out.
QStringList characters(const QString& text) {
    QStringList found;
    QTextBoundaryFinder bounds(QTextBoundaryFinder::Grapheme, text);
    for (qsizetype start = 0, end = bounds.toNextBoundary(); end > start;
         start = end, end = bounds.toNextBoundary()) {
        const QList<uint> points = text.mid(start, end - start).toUcs4();
        if (isMark(points.front()))
            continue;
        const qsizetype kept = std::min<qsizetype>(points.size(), 1 + MarksPerCharacter);
        found << QString::fromUcs4(reinterpret_cast<const char32_t*>(points.constData()), kept);
    }
    return found;
}

// The length of the text's first letter with the marks on it.
qsizetype firstLetterLength(const QString& text) {
    const QList<uint> points = text.toUcs4();
    qsizetype length = 0;
    for (qsizetype i = 0; i < points.size() && (i == 0 || isMark(points[i])); ++i)
        length += QChar::requiresSurrogates(points[i]) ? 2 : 1;
    return length;
}

} // namespace

bool isNameCharacter(char32_t c) {
    return isNameKey(c) || QChar::isLetter(c) || isMark(c);
}

QString madeName(const QString& kept, const QLocale& locale) {
    const QString letters =
        characters(kept.normalized(QString::NormalizationForm_C)).join(QString());
    if (letters.isEmpty())
        return {};
    const QString upper = locale.toUpper(letters.left(firstLetterLength(letters)));
    // A letter that is two in upper case, as ß is SS, keeps the second lower: "Ss".
    const qsizetype raised = firstLetterLength(upper);
    const QString name =
        upper.left(raised) +
        locale.toLower(upper.mid(raised) + letters.mid(firstLetterLength(letters)));
    return characters(name.normalized(QString::NormalizationForm_C))
        .mid(0, LongestName)
        .join(QString());
}

bool isMadeName(std::string_view name) {
    if (!isPlayerName(name))
        return false;
    const QString text = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    for (const char32_t c : text.toUcs4())
        if (!isNameCharacter(c))
            return false;
    return madeName(text) == text;
}

} // namespace pipwright
