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

    std::unique_ptr<frmDominos> window;
    std::vector<ResultTexts> results;
    std::vector<QString> messageBoxes;
};

} // namespace pipwright
