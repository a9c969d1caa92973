#include "ui/NameEntry.h"

#include "language/TypedName.h"

#include <QCoreApplication>
#include <utility>

namespace pipwright {

namespace {

constexpr char32_t Backspace = 8;
constexpr char32_t Enter = 13;

// The name of a player who typed none: in the player's language when that
// is a name the game could have made from keys, else the English one.
std::string defaultName() {
    const std::string name =
        QCoreApplication::translate("NameEntry", "Player").toUtf8().toStdString();
    return isMadeName(name) ? name : std::string("Player");
}

} // namespace

void NameEntry::offer(std::string name) {
    if (!isMadeName(name))
        return;
    name_ = std::move(name);
    offered_ = true;
}

bool NameEntry::keyPress(char32_t key) {
    // The offered name stands on Enter; any other key starts a name afresh.
    if (std::exchange(offered_, false) && key == Enter)
        return true;
    if (key == Enter) {
        const QString made = madeName(kept_);
        name_ = made.isEmpty() ? defaultName() : made.toStdString();
        return true;
    }
    if (key == Backspace) {
        if (!kept_.isEmpty())
            kept_.chop(kept_.size() > 1 && kept_.back().isLowSurrogate() ? 2 : 1);
        return false;
    }
    if (isNameCharacter(key))
        kept_ += QString::fromUcs4(&key, 1);
    return false;
}

} // namespace pipwright
