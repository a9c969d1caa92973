#include "ui/NameEntry.h"

#include "game/PlayerName.h"

#include <cctype>

namespace pipwright {

namespace {

constexpr int Backspace = 8;
constexpr int Enter = 13;

} // namespace

bool NameEntry::keyPress(int key) {
    if (key == Enter) {
        if (name_.empty())
            name_ = "Player";
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
