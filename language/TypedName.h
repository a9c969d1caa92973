#pragma once

#include <QLocale>
#include <QString>
#include <string_view>

namespace pipwright {

// The player's name as the start-up window makes it. Letters of every
// alphabet, the marks on them and the keys [ \ ] ^ _ ` make a name; digits,
// blanks, punctuation and control keys never do.
bool isNameCharacter(char32_t c);

// The name made from the characters kept: composed, its first letter upper
// case and the rest lower case by the rules of the locale's language, at most
// LongestName characters as a person counts them. A mark with no letter before
// it is left out. Empty when no letter was kept.
QString madeName(const QString& kept, const QLocale& locale = QLocale());

// Whether the window makes this name (UTF-8): only name characters, and
// making it again gives it back. Such a name fits the game's files.
bool isMadeName(std::string_view name);

} // namespace pipwright
