#pragma once

#include "game/Text.h"

#include <QString>

class QCoreApplication;

namespace pipwright {

// The text in the player's language: its source translated whole in its
// context, then its arguments, each translated the same way, filled in; its
// line breaks as a window shows them.
QString translated(const Text& text);

// Loads the game's translation and Qt's own for the first of the desktop's
// languages (LANGUAGE, then LANG) that the game ships, and makes it the
// default locale. Any other language keeps the English source texts, and so
// does LANG=C whatever LANGUAGE lists. Returns the language chosen, empty for
// English.
QString installTranslations(QCoreApplication& app);

} // namespace pipwright
