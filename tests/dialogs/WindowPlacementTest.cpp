#include "ui/dialogs/WindowPlacement.h"

#include <QWidget>
#include <gtest/gtest.h>

namespace pipwright {
namespace {

// A 300 x 200 window over the main window's inside area: centred, at a design
// place scaled with the main window, or centred across and halfway down, and
// always moved back whole onto the screen.
TEST(WindowPlacement, OverTheMainWindowAndWholeOnItsScreen) {
    const QRect screen(0, 0, 1600, 1000);
    enum class Place { Centred, DesignPlace, HalfDown };
    struct Case {
        const char* name = "";
        Place place = Place::Centred;
        PlacementFrame frame;
        QPoint at;
    };
    const Case cases[] = {
        {"centred", Place::Centred, {QRect(100, 50, 648, 460), 1, screen}, {274, 180}},
        {"design place at 1.5",
         Place::DesignPlace,
         {QRect(100, 50, 972, 690), 1.5, screen},
         {214, 202}}, // (1140, 1515) twips
        {"half down", Place::HalfDown, {QRect(100, 50, 648, 460), 1, screen}, {274, 280}},
        {"past the right edge",
         Place::Centred,
         {QRect(1400, 50, 648, 460), 1, screen},
         {1300, 180}},
        {"below the bottom",
         Place::DesignPlace,
         {QRect(100, 900, 648, 460), 2, screen},
         {252, 800}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QWidget window;
        window.resize(300, 200);
        if (c.place == Place::Centred)
            placeCentred(&window, c.frame);
        else if (c.place == Place::DesignPlace)
            placeAtDesignPlace(&window, c.frame, {1140, 1515});
        else
            placeCentredAcrossHalfDown(&window, c.frame);
        EXPECT_EQ(window.pos(), c.at);
    }
}

} // namespace
} // namespace pipwright
