#pragma once

#include <QString>
#include <string>

namespace pipwright {

// Builds the player's name from the characters typed at start-up. Letters of
// any alphabet make the name; digits, blanks, most punctuation and control
// keys never reach it; Backspace takes its last character off. Enter finishes
// it: "Player" (in the player's language) when empty, first letter upper case
// and the rest lower, at most 8 characters.
class NameEntry {
public:
    // The last name given, kept as the name while no key but Enter comes;
    // the first other key replaces it.
    void offer(std::string name);
    bool offered() const { return offered_; }
    // Takes one character typed, by its code point (13 for Enter, 8 for
    // Backspace); true when it was Enter and the name is finished.
    bool keyPress(char32_t key);
    // The finished name, in UTF-8.
    const std::string& name() const { return name_; }

private:
    QString kept_;
    std::string name_;
    bool offered_ = false;
};

} // namespace pipwright
