#pragma once

#include <string>

namespace pipwright {

// Builds the player's name from the keys typed at start-up. Digits, blanks,
// most punctuation and control keys never reach the name; Backspace takes its
// last character off. Enter finishes it: "Player" (in the player's language)
// when empty, first letter upper case and the rest lower, at most 8 characters.
class NameEntry {
public:
    // The last name given, kept as the name while no key but Enter comes;
    // the first other key replaces it.
    void offer(std::string name);
    bool offered() const { return offered_; }
    // Takes one key code; true when it was Enter and the name is finished.
    bool keyPress(int key);
    const std::string& name() const { return name_; }

private:
    std::string name_;
    bool offered_ = false;
};

} // namespace pipwright
