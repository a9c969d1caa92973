#include "ui/dialogs/ResultWindows.h"

#include "language/Translation.h"
#include "ui/Twips.h"
#include "ui/dialogs/DialogLook.h"
#include "ui/dialogs/ResultPictures.h"

#include <QCoreApplication>
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>
#include <vector>

namespace pipwright {

namespace {

enum class Placement { DesignPlace, Centred, CentredAcrossHalfDown };

struct PictureDesign {
    const char* name;
    QRect twips;
    PictureBox::Painter painter;
};

struct WindowDesign {
    const char* name;
    const char* fixedCaption; // nullptr: the caption is set at run time
    QSize inner;              // twips
    QColor back;
    Placement placement;
    QPoint designPlace; // twips, for Placement::DesignPlace
    bool sizable;
    PictureBox::Painter fullPicture;
    std::vector<PictureDesign> pictures;
    int labelLeft;
    std::vector<int> labelTops;
    QRect button; // twips; a negative left centres it across the window
    double buttonPoints;
    bool buttonBold;
};

WindowDesign designOf(ResultWindow window) {
    switch (window) {
    case ResultWindow::Winner:
        return {"frmWinner",
                QT_TRANSLATE_NOOP("ResultDialog", "W I N N E R"),
                {6690, 4395},
                QColor(255, 128, 255),
                Placement::DesignPlace,
                {1140, 1515},
                true,
                paintWinnerPicture,
                {},
                0,
                {},
                {2685, 3960, 945, 375},
                8.25,
                false};
    case ResultWindow::Loser:
        return {"frmLoser",
                QT_TRANSLATE_NOOP("ResultDialog", "You Lost"),
                {6690, 4140},
                QColor(255, 0, 0),
                Placement::Centred,
                {},
                false,
                paintLoserPicture,
                {},
                0,
                {},
                {2700, 3780, 1005, 330},
                8.25,
                false};
    case ResultWindow::PlayerScoreTies:
        return {"FrmPlayerScoreTies",
                nullptr,
                {8535, 5805},
                QColor(255, 192, 128),
                Placement::Centred,
                {},
                false,
                paintTiesPicture,
                {},
                0,
                {},
                {3600, 5190, 1275, 495},
                9.75,
                true};
    case ResultWindow::ComputerScoreWins:
        return {"FrmComputerScoreWins",
                nullptr,
                {7080, 3705},
                QColor(128, 255, 255),
                Placement::DesignPlace,
                {1260, 2610},
                false,
                {},
                {{"Picture1", {2580, 195, 480, 480}, dominoBadge(6, 5)},
                 {"Picture2", {3765, 180, 480, 480}, dominoBadge(4, 2)},
                 {"Picture3", {3105, 825, 540, 540}, paintPadlockBadge}},
                180,
                {1485, 1890, 2265, 2655},
                {3150, 3120, 840, 360},
                8.25,
                false};
    case ResultWindow::PlayerScoreWins:
        return {"FrmPlayerScoreWins",
                nullptr,
                {7080, 3045},
                QColor(0, 255, 255),
                Placement::DesignPlace,
                {1260, 2610},
                true,
                {},
                {{"Picture1", {800, 255, 480, 480}, dominoBadge(3, 2)},
                 {"Picture2", {3360, 255, 480, 480}, paintMedalBadge},
                 {"Picture3", {5920, 255, 480, 480}, dominoBadge(4, 1)}},
                180,
                {945, 1350, 1725, 2115},
                {3132, 2580, 840, 360},
                8.25,
                false};
    case ResultWindow::PlayerWinsRound:
        return {"FrmPlayerWinsRound",
                nullptr,
                {6060, 1830},
                QColor(255, 192, 128),
                Placement::CentredAcrossHalfDown,
                {},
                true,
                {},
                {},
                200,
                {150, 525, 885},
                {-1, 1350, 930, 315},
                8.25,
                false};
    case ResultWindow::ComputerWinsRound:
        return {"FrmComputerWinsRound",
                nullptr,
                {7530, 1830},
                QColor(255, 192, 128),
                Placement::CentredAcrossHalfDown,
                {},
                false,
                {},
                {},
                150,
                {150, 525, 885},
                {-1, 1350, 930, 315},
                8.25,
                false};
    }
    return designOf(ResultWindow::Winner);
}

// A result window; its window-filling picture follows the window's size.
class ResultDialog : public QDialog {
public:
    explicit ResultDialog(QWidget* parent) : QDialog(parent) { useDialogFrame(this); }
    PictureBox* fullPicture = nullptr;

protected:
    void resizeEvent(QResizeEvent* event) override {
        QDialog::resizeEvent(event);
        if (fullPicture != nullptr) {
            fullPicture->setGeometry(rect());
        }
    }
};

QLabel* makeTiesPanel(QWidget* parent) {
    auto* panel =
        new QLabel(QCoreApplication::translate("ResultDialog", "Sorry, Ties Don't Count"), parent);
    panel->setObjectName(QStringLiteral("SSPanel1"));
    panel->setFont(sansFont(18, true));
    panel->setAlignment(Qt::AlignCenter);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(3);
    setBackColour(panel, QColor(255, 0, 0));
    setForeColour(panel, QColor(0, 0, 255));
    placeTwips(panel, 195, 75, 4320, 750);
    shrinkToFit(panel);
    return panel;
}

void place(QDialog& dialog, const WindowDesign& design, const PlacementFrame& frame) {
    switch (design.placement) {
    case Placement::DesignPlace:
        placeAtDesignPlace(&dialog, frame, design.designPlace);
        break;
    case Placement::Centred:
        placeCentred(&dialog, frame);
        break;
    case Placement::CentredAcrossHalfDown:
        placeCentredAcrossHalfDown(&dialog, frame);
        break;
    }
}

} // namespace

void showResultWindow(const ResultTexts& texts, QWidget* parent, const PlacementFrame& frame) {
    const WindowDesign design = designOf(texts.window);
    ResultDialog dialog(parent);
    dialog.setObjectName(QString::fromLatin1(design.name));
    dialog.setWindowTitle(design.fixedCaption != nullptr
                              ? QCoreApplication::translate("ResultDialog", design.fixedCaption)
                              : translated(texts.caption));
    setBackColour(&dialog, design.back);

    if (design.fullPicture) {
        dialog.fullPicture = new PictureBox(design.fullPicture, &dialog);
        dialog.fullPicture->setObjectName(QStringLiteral("Picture1"));
    }
    if (texts.window == ResultWindow::PlayerScoreTies) {
        makeTiesPanel(&dialog);
    }

    // Labels fit their text; a window too narrow for its longest label widens.
    int width = toPixels(design.inner.width());
    const int margin = toPixels(design.labelLeft);
    for (std::size_t i = 0; i < design.labelTops.size(); ++i) {
        QLabel* label = fittingLabel(&dialog, QStringLiteral("Label%1").arg(i + 1),
                                     sansFont(12, true), design.labelLeft, design.labelTops[i]);
        if (i < texts.labels.size()) {
            label->setText(translated(texts.labels[i]));
        }
        label->adjustSize();
        width = qMax(width, label->geometry().right() + 1 + margin);
    }
    // Pictures and button keep their place in the middle of a widened window.
    const int shift = (width - toPixels(design.inner.width())) / 2;
    for (const PictureDesign& picture : design.pictures) {
        auto* box = new PictureBox(picture.painter, &dialog);
        box->setObjectName(QString::fromLatin1(picture.name));
        box->setGeometry(toPixels(picture.twips).translated(shift, 0));
    }
    const int height = toPixels(design.inner.height());
    if (design.sizable) {
        dialog.resize(width, height);
    } else {
        dialog.setFixedSize(width, height);
    }

    auto* ok = new QPushButton(QCoreApplication::translate("ResultDialog", "&OK"), &dialog);
    ok->setObjectName(QStringLiteral("Command1"));
    ok->setFont(sansFont(design.buttonPoints, design.buttonBold));
    ok->setDefault(true);
    QRect button = toPixels(design.button);
    if (design.button.left() < 0) {
        button.moveLeft((width - button.width()) / 2);
    } else {
        button.translate(shift, 0);
    }
    ok->setGeometry(button);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);

    place(dialog, design, frame);
    dialog.exec();
}

} // namespace pipwright
