#include "ui/PictureTexts.h"

#include "game/GameState.h"

#include <QCoreApplication>
#include <QStringList>

namespace pipwright {

namespace {

QString readerText(const char* source) {
    return QCoreApplication::translate("PictureTexts", source);
}

} // namespace

QString dominoText(int first, int second) {
    return QStringLiteral("%1-%2").arg(first).arg(second);
}

QStringList lineItems(const GameState& s) {
    QStringList items;
    // Between rounds the arms keep their last counts; the line is empty.
    if (!s.lineStarted())
        return items;
    // The left arm is read from its end inwards, outer half first; the Set
    // Domino and the right arm inner half first.
    for (int n = s.armCount(End::Left); n >= 2; --n)
        items << dominoText(s.armCell(End::Left, n, Arm::Outer),
                            s.armCell(End::Left, n, Arm::Inner));
    for (int n = 1; n <= s.armCount(End::Right); ++n)
        items << dominoText(s.armCell(End::Right, n, Arm::Inner),
                            s.armCell(End::Right, n, Arm::Outer));
    return items;
}

QString lineText(const GameState& s) {
    if (!s.lineStarted())
        return readerText(QT_TRANSLATE_NOOP("PictureTexts", "The line: no dominoes laid"));
    const int laid = static_cast<int>(s.Dominoleft.toLong()) + s.DominoRight - 1;
    const char* source =
        laid == 1 ? QT_TRANSLATE_NOOP("PictureTexts",
                                      "The line: left end %1, right end %2, 1 domino laid")
                  : QT_TRANSLATE_NOOP("PictureTexts",
                                      "The line: left end %1, right end %2, %3 dominoes laid");
    QString text = readerText(source).arg(s.openEnd(End::Left)).arg(s.openEnd(End::Right));
    return laid == 1 ? text : text.arg(laid);
}

QString boneYardText(const GameState& s) {
    const int count = s.faceDownCount();
    return count == 1
               ? readerText(QT_TRANSLATE_NOOP("PictureTexts", "BoneYard: 1 domino face down"))
               : readerText(QT_TRANSLATE_NOOP("PictureTexts", "BoneYard: %1 dominoes face down"))
                     .arg(count);
}

} // namespace pipwright
