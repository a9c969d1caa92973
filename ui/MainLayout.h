#pragma once

#include <QPoint>
#include <QRect>

namespace pipwright {

// What the main window's layout is computed from, in twips.
struct LayoutInput {
    int innerWidth = 0; // the window's inner area, below the menu bar
    int innerHeight = 0;
    int statusBarHeight = 360;
    int horizontalAllowance = 0; // a picture's outer minus inner size
    int verticalAllowance = 0;
    int boneYardCaptionHeight = 0; // text heights of the pictures' captions
    int playerCaptionHeight = 0;
    int playerLabelWidth = 1845; // LblPlayer
    int cantPlayWidth = 1365;    // ComPlayerCantPlay
    int playedWidth = 480;       // LBLPlayerPlayed
    int label1Height = 375;
};

// Where Form_Load puts the controls, in twips. Pictures and the status bar are
// in the window's inner area; the controls inside a picture are relative to
// that picture's inner area.
struct MainLayout {
    QRect statusBar;
    QRect boneYardPic;
    QRect playersPic;
    QRect computersPic;
    QRect label1;
    QRect viewPic;
    QPoint lblBoneYard;
    QPoint lblPlayer;
    QPoint lblComputer;
    QPoint cantPlay;
    QPoint playerPlayed;
    QPoint computerPlayed;
    int playerHandTop = 0;
};

MainLayout layOutMainWindow(const LayoutInput& in);

} // namespace pipwright
