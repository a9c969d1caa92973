#include "ui/NameEntry.h"

#include "game/PlayerName.h"

#include <QCoreApplication>
#include <cctype>
#include <utility>

namespace pipwright {

namespace {

constexpr int Backspace = 8;
constexpr int Enter = 13;

// The name of a player who typed none: in the player's language when that
// is a name the game could have made from keys, else the English one.
std::string defaultName() {
    const std::string name =
        QCoreApplication::translate("NameEntry", "Player").toUtf8().toStdString();
    return isPlayerName(name) ? name : std::string("Player");
}

} // namespace

void NameEntry::offer(std::string name) {
    if (!isPlayerName(name))
        return;
    name_ = std::move(name);
    offered_ = true;
}

bool NameEntry::keyPress(int key) {
    if (std::exchange(offered_, false) && key != Enter)
        name_.clear();
    if (key == Enter) {
        if (name_.empty())
            name_ = defaultName();
        for (char& c : name_)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        name_[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(name_[0])));
        if (name_.size() > LongestName)
            name_.resize(LongestName);
        return true;
    }
    if (key == Backspace) {
        if (!name_.empty())
            name_.pop_back();
        return false;
    }
    if (!isNameKey(key))
        return false;
    name_ += static_cast<char>(key);
    return false;
}

} // namespace pipwright
