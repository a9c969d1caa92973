#include "ui/MainLayout.h"

namespace pipwright {

namespace {

constexpr int HalfSide = 300;
constexpr int Gap = 50;
constexpr int HandSlots = 18;
constexpr int ComputerColumns = 9;
constexpr int ComputerSquare = 262;

} // namespace

MainLayout layOutMainWindow(const LayoutInput& in) {
    MainLayout out;
    out.statusBar =
        QRect(0, in.innerHeight - in.statusBarHeight, in.innerWidth, in.statusBarHeight);

    // The BoneYard row along the bottom, above the status bar.
    const int boneYardHeight = in.verticalAllowance + 250 + Gap + Gap + in.boneYardCaptionHeight;
    out.boneYardPic =
        QRect(70, out.statusBar.top() - boneYardHeight - 25, in.innerWidth - 170, boneYardHeight);
    out.lblBoneYard = QPoint(25, 0);

    // The player's hand: room for 18 standing dominoes with gaps and margins.
    const int playersWidth =
        HandSlots * HalfSide + (HandSlots - 1) * Gap + Gap + Gap + in.horizontalAllowance;
    const int playersHeight =
        2 * HalfSide + Gap + Gap + in.playerCaptionHeight + in.verticalAllowance + 75;
    out.playersPic = QRect(out.boneYardPic.left(), out.boneYardPic.top() - playersHeight - 25,
                           playersWidth, playersHeight);
    out.lblPlayer = QPoint(25, 0);
    out.playerHandTop = in.playerCaptionHeight + 75 + 75;

    // The button, flanked at equal distances by the two played-domino panels.
    out.cantPlay = QPoint(out.lblPlayer.x() + in.playerLabelWidth + 1500, 20);
    out.playerPlayed = QPoint(out.cantPlay.x() - 900, out.cantPlay.y() - 40);
    const int gap = out.cantPlay.x() - out.playerPlayed.x() - in.playedWidth;
    out.computerPlayed = QPoint(out.cantPlay.x() + in.cantPlayWidth + gap, out.playerPlayed.y());

    // The computer's hand beside the player's, cut at the BoneYard's right edge.
    const int computersLeft = out.playersPic.left() + out.playersPic.width() + Gap;
    int computersWidth = ComputerColumns * ComputerSquare + (ComputerColumns - 1) * Gap + Gap +
                         Gap + in.horizontalAllowance;
    const int boneYardRight = out.boneYardPic.left() + out.boneYardPic.width();
    if (computersLeft + computersWidth > boneYardRight)
        computersWidth = boneYardRight - computersLeft;
    out.computersPic =
        QRect(computersLeft, out.playersPic.top(), computersWidth, out.playersPic.height());
    out.lblComputer = QPoint(25, 0);

    // The message line, and the play field filling the rest.
    out.label1 = QRect(out.boneYardPic.left(), out.playersPic.top() - in.label1Height - 25,
                       out.boneYardPic.width(), in.label1Height);
    out.viewPic = QRect(out.boneYardPic.left(), 0, out.boneYardPic.width(), out.label1.top() - Gap);
    return out;
}

} // namespace pipwright
