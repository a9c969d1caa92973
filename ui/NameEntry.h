#pragma once

#include <string>

namespace pipwright {

// Builds the player's name from the keys typed at start-up. Digits, blanks,
// most punctuation and control keys never reach the name; Backspace takes its
// last character off. Enter finishes it: "Player" (in the player's language)
// when empty, first letter upper case and the rest lower, at most 8 characters.
class NameEntry {
public:
    // Takes one key code; true when it was Enter and the name is finished.
    bool keyPress(int key);
    const std::string& name() const { return name_; }

private:
    std::string name_;
};

} // namespace pipwright
