#include "ui/PictureTexts.h"

#include "game/GameState.h"

#include <QStringList>

namespace pipwright {

namespace {

QString dominoes(int count) {
    return count == 1 ? QStringLiteral("1 domino") : QStringLiteral("%1 dominoes").arg(count);
}

} // namespace

QString dominoText(int first, int second) {
    return QStringLiteral("%1-%2").arg(first).arg(second);
}

QStringList lineItems(const GameState& s) {
    QStringList items;
    if (s.Dominoleft < 1)
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
        return QStringLiteral("The line: no dominoes laid");
    const int laid = static_cast<int>(s.Dominoleft.toLong()) + s.DominoRight - 1;
    return QStringLiteral("The line: left end %1, right end %2, %3 laid")
        .arg(s.openEnd(End::Left))
        .arg(s.openEnd(End::Right))
        .arg(dominoes(laid));
}

QString boneYardText(const GameState& s) {
    return QStringLiteral("BoneYard: %1 face down").arg(dominoes(s.faceDownCount()));
}

} // namespace pipwright
