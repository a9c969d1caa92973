#include "ui/GameTable.h"

#include "ui/Look.h"
#include "ui/MessageLine.h"
#include "ui/PictureArea.h"
#include "ui/StatusPanels.h"
#include "ui/TableAccessible.h"
#include "ui/Twips.h"
#include "ui/dialogs/FittingFont.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <algorithm>
#include <cmath>
#include <utility>

namespace pipwright {

namespace {

// Design sizes of controls, in twips.
constexpr QSize PlayersDesign{6345, 600};
constexpr int PlayerSelectWidth = 1905;
constexpr int ComputerSelectWidth = 2220;
constexpr QSize CantPlayDesign{1365, 320};
constexpr QSize PlayedDesign{480, 330};
constexpr int BoneYardLabelWidth = 2025;
constexpr int ComputerLabelWidth = 2160;
constexpr int PlayerLabelWidth = 1845;
constexpr int Label1Height = 375;

QFont captionFont() {
    return gameFont(9.75, true);
}

QFont panelFont() {
    return gameFont(8.25, true);
}

// The pixel that a point inside a picture lies in at the designed size.
int designPixel(int twips) {
    return static_cast<int>(std::floor(double(twips) / TwipsPerPixel));
}

// A caption's width at the designed size, in pixels: wide enough for its text.
int captionWidth(const QLabel* label, int designWidth, int slack) {
    return toPixels(std::max(designWidth, textWidthTwips(captionFont(), label->text()) + slack));
}

// A caption in bold blue on the system window colour.
QLabel* captionLabel(QWidget* parent, const char* name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(captionFont());
    label->setTextFormat(Qt::PlainText);
    label->setAutoFillBackground(true);
    QPalette look = label->palette();
    look.setColor(QPalette::Window, look.color(QPalette::Base));
    look.setColor(QPalette::WindowText, colour::Blue);
    label->setPalette(look);
    label->setAttribute(Qt::WA_NoMousePropagation);
    return label;
}

QLabel* playedPanel(QWidget* parent, const char* name) {
    auto* panel = new QLabel(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setFont(panelFont());
    panel->setTextFormat(Qt::PlainText);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setAlignment(Qt::AlignCenter);
    panel->setAutoFillBackground(true);
    QPalette look = panel->palette();
    look.setColor(QPalette::Window, colour::LightGrey);
    look.setColor(QPalette::WindowText, colour::Black);
    panel->setPalette(look);
    panel->setAttribute(Qt::WA_NoMousePropagation);
    return panel;
}

PictureArea* pictureArea(QWidget* parent, const char* name, const QColor& fore) {
    auto* area = new PictureArea(colour::LightGrey, fore, parent);
    area->setObjectName(QString::fromLatin1(name));
    return area;
}

} // namespace

GameTable::GameTable(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("InnerArea"));
    ViewPic = pictureArea(this, "ViewPic", colour::Black);
    ComputersPic = pictureArea(this, "ComputersPic", colour::FaceDown);
    BoneYardPic = pictureArea(this, "BoneYardPic", colour::FaceDown);
    PlayersPic = pictureArea(this, "PlayersPic", colour::Black);
    // The controls drawn over the pictures are the table's own, so that a
    // screen reader finds the hand and the line holding their dominoes only.
    LblPlayerSelect = captionLabel(this, "LblPlayerSelect", tr("Player's Selection"));
    LblComputersSelect = captionLabel(this, "LblComputersSelect", tr("Computer's Selection"));
    LblComputer = captionLabel(this, "LblComputer", tr("Computer's Dominos"));
    LblBoneYard = captionLabel(this, "LblBoneYard", tr("BoneYard Dominos"));
    ComPlayerCantPlay = new QPushButton(tr("Can't Play"), this);
    ComPlayerCantPlay->setObjectName(QStringLiteral("ComPlayerCantPlay"));
    LBLPlayerPlayed = playedPanel(this, "LBLPlayerPlayed");
    LBLComputerPlayed = playedPanel(this, "LBLComputerPlayed");
    LblPlayer = captionLabel(this, "LblPlayer", tr("Player's Dominos"));
    captionHeight_ = toPixels(textHeightTwips(captionFont()));
    captionWidths_ = {
        {LblPlayerSelect, captionWidth(LblPlayerSelect, PlayerSelectWidth, 60)},
        {LblComputersSelect, captionWidth(LblComputersSelect, ComputerSelectWidth, 60)},
        {LblComputer, captionWidth(LblComputer, ComputerLabelWidth, 60)},
        {LblBoneYard, captionWidth(LblBoneYard, BoneYardLabelWidth, 60)},
        {LblPlayer, captionWidth(LblPlayer, PlayerLabelWidth, 60)},
    };
    Label1 = new MessageLine(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setMessage(QStringLiteral("Label1"));
    StatusBar1 = new StatusPanels(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    News = new NewsLine(this);
}

void GameTable::layOut(QSize designed) {
    // The picture borders, measured on PlayersPic at its design size.
    PlayersPic->resize(toPixels(PlayersDesign));
    LayoutInput in;
    in.innerWidth = toTwips(designed.width());
    in.innerHeight = toTwips(designed.height());
    in.statusBarHeight = StatusBar1->designHeightTwips();
    in.horizontalAllowance = toTwips(PlayersPic->width() - PlayersPic->contentsRect().width());
    in.verticalAllowance = toTwips(PlayersPic->height() - PlayersPic->contentsRect().height());
    // Captions are measured in the font they are shown in, so each label
    // fits exactly above the row it names.
    // The player's caption may show a long name smaller; its row keeps the
    // height of the captions' own font, which the BoneYard's shows.
    in.boneYardCaptionHeight = textHeightTwips(LblBoneYard->font());
    in.playerCaptionHeight = in.boneYardCaptionHeight;
    in.playerLabelWidth = toTwips(captionWidths_.value(LblPlayer));
    in.cantPlayWidth = CantPlayDesign.width();
    in.playedWidth = PlayedDesign.width();
    in.label1Height = Label1Height;
    layout_ = layOutMainWindow(in);
    designInner_ = toPixels(QSize(in.innerWidth, in.innerHeight));
    applyScale(designed);
}

void GameTable::applyScale(QSize size) {
    scale_ = DesignScale::fit(designInner_, size);
    const double factor = scale_.factor;
    StatusBar1->setScale(factor);
    StatusBar1->setGeometry(scale_.place(layout_.statusBar));
    // The status bar answers its panels' new fonts now, in this paint, rather
    // than with a second one; when their height changes it builds a new
    // layout, which asks once more.
    for (int requests = 0; requests < 2; ++requests)
        QCoreApplication::sendPostedEvents(StatusBar1, QEvent::LayoutRequest);
    Label1->setScale(factor);
    Label1->setGeometry(scale_.place(layout_.label1));
    for (const auto& [area, twips] :
         {std::pair{BoneYardPic, layout_.boneYardPic}, std::pair{PlayersPic, layout_.playersPic},
          std::pair{ComputersPic, layout_.computersPic}, std::pair{ViewPic, layout_.viewPic}}) {
        area->setFrameScale(factor);
        area->setGeometry(scale_.place(twips));
        area->setScale(TwipsPerPixel / factor, TwipsPerPixel / factor);
    }
    // The play field measures its inner area in the numbers of its outer size.
    const QSize viewInner = ViewPic->contentsRect().size();
    ViewPic->setScale(double(layout_.viewPic.width()) / viewInner.width(),
                      double(layout_.viewPic.height()) / viewInner.height());

    const QFont caption = scale_.font(captionFont());
    for (auto it = captionWidths_.cbegin(); it != captionWidths_.cend(); ++it) {
        it.key()->setFont(caption);
        it.key()->resize(scale_.scaled(it.value()), scale_.scaled(captionHeight_));
    }
    fitCaption(LblPlayer);
    const QFont panel = scale_.font(panelFont());
    ComPlayerCantPlay->setFont(panel);
    ComPlayerCantPlay->setFixedSize(scale_.pixels(CantPlayDesign));
    for (QLabel* played : {LBLPlayerPlayed, LBLComputerPlayed}) {
        played->setFont(panel);
        played->setLineWidth(std::max(1, scale_.scaled(1)));
        played->resize(scale_.pixels(PlayedDesign));
    }

    auto place = [](QWidget* control, PictureArea* area, QPoint twips) {
        control->move(area->pos() + area->toWidget(twips.x(), twips.y()));
    };
    place(LblBoneYard, BoneYardPic, layout_.lblBoneYard);
    place(LblPlayer, PlayersPic, layout_.lblPlayer);
    place(LblComputer, ComputersPic, layout_.lblComputer);
    place(ComPlayerCantPlay, PlayersPic, layout_.cantPlay);
    place(LBLPlayerPlayed, PlayersPic, layout_.playerPlayed);
    place(LBLComputerPlayed, PlayersPic, layout_.computerPlayed);
    placeSelectionLabel(SelectionLabel::Player);
    placeSelectionLabel(SelectionLabel::Computer);
}

void GameTable::placeSelectionLabel(SelectionLabel which) {
    QLabel* label = selectionLabel(which);
    const QPoint& at = selectionAnchors_[static_cast<std::size_t>(which)];
    const QPoint anchor = ViewPic->pos() + ViewPic->toWidget(at.x(), at.y());
    label->move(anchor.x() - label->width() / 2, anchor.y());
}

QSize GameTable::drawnSize() const {
    return {scale_.scaled(designInner_.width()), scale_.scaled(designInner_.height())};
}

void GameTable::setPlayerCaption(const QString& text) {
    LblPlayer->setText(text);
    const int room = designPixel(layout_.playerPlayed.x()) - designPixel(layout_.lblPlayer.x()) - 2;
    const int wanted = captionWidth(LblPlayer, 0, 60);
    const int design = toPixels(PlayerLabelWidth);
    const int width = std::min(std::max(wanted, design), std::max(room, design));
    captionWidths_[LblPlayer] = width;
    LblPlayer->resize(scale_.scaled(width), LblPlayer->height());
    fitCaption(LblPlayer);
}

void GameTable::fitCaption(QLabel* caption) {
    // Across only: the caption's height is its font's own.
    const QRect across(0, 0, caption->contentsRect().width(), QWIDGETSIZE_MAX);
    caption->setFont(fittingFont(scale_.font(captionFont()), across, int(caption->alignment()),
                                 caption->text()));
}

void GameTable::showSelectionLabel(SelectionLabel which, const QString& text, int centreX,
                                   int top) {
    QLabel* label = selectionLabel(which);
    label->setText(text);
    const int width = captionWidth(
        label, which == SelectionLabel::Player ? PlayerSelectWidth : ComputerSelectWidth, 90);
    captionWidths_[label] = width;
    label->resize(scale_.scaled(width), label->height());
    label->setAlignment(Qt::AlignCenter);
    selectionAnchors_[static_cast<std::size_t>(which)] = QPoint(centreX, top);
    placeSelectionLabel(which);
    label->show();
}

PictureArea& GameTable::picture(Picture picture) const {
    switch (picture) {
    case Picture::View:
        return *ViewPic;
    case Picture::Players:
        return *PlayersPic;
    case Picture::BoneYard:
        return *BoneYardPic;
    case Picture::Computers:
        break;
    }
    return *ComputersPic;
}

QLabel* GameTable::selectionLabel(SelectionLabel label) const {
    return label == SelectionLabel::Player ? LblPlayerSelect : LblComputersSelect;
}

void GameTable::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (!designInner_.isEmpty())
        applyScale(size());
}

void GameTable::mousePressEvent(QMouseEvent* event) {
    // Presses that controls pass on (the status bar, the captions) are not on
    // the bare background.
    backgroundPressed_ = event->button() == Qt::LeftButton && !childAt(event->position().toPoint());
    QWidget::mousePressEvent(event);
}

void GameTable::mouseReleaseEvent(QMouseEvent* event) {
    QWidget::mouseReleaseEvent(event);
    if (std::exchange(backgroundPressed_, false) && event->button() == Qt::LeftButton &&
        rect().contains(event->position().toPoint()))
        Q_EMIT backgroundClicked();
}

} // namespace pipwright
