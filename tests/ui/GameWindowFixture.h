#pragma once

#include "ui/PictureArea.h"
#include "ui/frmDominos.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace pipwright {

// The real main window, shown off screen, with its pauses cut to nothing and
// its modal windows replaced by recorders.
class GameWindowTest : public ::testing::Test {
protected:
    void SetUp() override;

    Engine& engine() { return window->engine(); }
    GameState& state() { return window->engine().state(); }
    PictureArea& picture(Picture p) { return window->picture(p); }
    QString label(const char* name) const;
    // A left click at a point given in the picture's drawing units.
    void click(Picture p, int x, int y);

    // Mouse play, as a player would.
    int firstFaceDown() const; // the first face-down BoneYard slot, 0 when none
    void clickBoneYard(int slot);
    void clickHand(int slot);
    void clickEnd(bool left);
    // The player's turn: lays the first domino that fits, else draws, else
    // presses Can't Play. True when a domino was laid.
    bool playersTurn();

    std::unique_ptr<frmDominos> window;
    std::vector<ResultTexts> results;
    std::vector<QString> messageBoxes;
    std::vector<QString> questions; // the titles of the questions asked
    bool answerYes = true;
};

} // namespace pipwright
