#include "ui/PictureTexts.h"

#include "game/GameState.h"

#include <QStringList>

namespace pipwright {

namespace {

QString dominoes(int count) {
    return count == 1 ? QStringLiteral("1 domino") : QStringLiteral("%1 dominoes").arg(count);
}

} // namespace

QString handText(const GameState& s, int highlightedSlot) {
    const long selected = s.GameStatus == Phase::PlayersTurn ? s.PlayerClicked.toLong() : 0;
    QStringList held;
    for (int slot = 1; slot <= s.Playerdom; ++slot) {
        if (s.PlayerArray(slot, 1) == NoHalf)
            continue;
        QString domino =
            QStringLiteral("%1-%2").arg(s.PlayerArray(slot, 1)).arg(s.PlayerArray(slot, 2));
        if (slot == highlightedSlot)
            domino += QStringLiteral(" (highlighted)");
        if (slot == selected)
            domino += QStringLiteral(" (selected)");
        held << domino;
    }
    return QStringLiteral("Your dominoes: ") +
           (held.isEmpty() ? QStringLiteral("none") : held.join(QStringLiteral(", ")));
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
