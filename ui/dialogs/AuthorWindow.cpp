#include "ui/dialogs/AuthorWindow.h"

#include "game/GameState.h"
#include "ui/Twips.h"
#include "ui/dialogs/DialogLook.h"
#include "ui/dialogs/DominoSketch.h"
#include "ui/dialogs/PictureBox.h"

#include <QCoreApplication>
#include <QDialog>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace pipwright {

namespace {

struct AboutLine {
    QString text;
    double points;
    bool bold;
    QRect twips;
};

QList<AboutLine> aboutLines() {
    return {
        {QStringLiteral("Pipwright"), 20, true, {1200, 180, 3525, 600}},
        {QCoreApplication::translate("AuthorWindow", "Version %1")
             .arg(QStringLiteral(PIPWRIGHT_VERSION)),
         9.75,
         true,
         {1200, 780, 3525, 300}},
        {QCoreApplication::translate(
             "AuthorWindow", "A game of dominoes for one player against the computer. Lay the "
                             "double-six set end to end, score every multiple of five on the open "
                             "ends, and be the first to reach 200 points."),
         8.25,
         false,
         {300, 1290, 5325, 1080}},
        {QCoreApplication::translate(
             "AuthorWindow",
             "Three levels of play with hints, an optional play timer, saved games and a record "
             "of the games won and lost each day."),
         8.25,
         false,
         {300, 2430, 5325, 660}},
        {QCoreApplication::translate(
             "AuthorWindow", "Copyright \u00A9 the Pipwright developers.\nReleased under the MIT "
                             "License."),
         8.25,
         true,
         {300, 3240, 5325, 600}},
    };
}

void paintAboutDominoes(QPainter& painter, const QRectF& rect) {
    const qreal width = rect.width() * 0.42;
    sketchDomino(painter, QRectF(rect.left() + 2, rect.top() + 4, width, width * 2), 5, 2);
    painter.save();
    painter.translate(rect.left() + rect.width() * 0.68, rect.top() + rect.height() * 0.52);
    painter.rotate(16);
    sketchDomino(painter, QRectF(-width / 2, -width, width, width * 2), 6, 6);
    painter.restore();
}

} // namespace

void showAuthorWindow(GameState& state, QWidget* parent, const PlacementFrame& frame) {
    QDialog dialog(parent);
    useDialogFrame(&dialog);
    dialog.setObjectName(QStringLiteral("frmAuthor"));
    dialog.setWindowTitle(QCoreApplication::translate("AuthorWindow", "The Author of Pipwright"));
    dialog.setFixedSize(toPixels(QSize(5925, 4710)));
    setBackColour(&dialog, QColor(255, 128, 128));

    auto* picture = new PictureBox(paintAboutDominoes, &dialog);
    picture->setObjectName(QStringLiteral("Picture1"));
    placeTwips(picture, 300, 150, 780, 990);

    int number = 1;
    for (const AboutLine& line : aboutLines()) {
        auto* label = new QLabel(line.text, &dialog);
        label->setObjectName(QStringLiteral("Label%1").arg(number++));
        label->setFont(sansFont(line.points, line.bold));
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        placeTwips(label, line.twips.x(), line.twips.y(), line.twips.width(), line.twips.height());
    }

    auto* ok = new QPushButton(QCoreApplication::translate("AuthorWindow", "&OK"), &dialog);
    ok->setObjectName(QStringLiteral("Command1"));
    ok->setDefault(true);
    placeTwips(ok, 2205, 4170, 1410, 450);
    QObject::connect(ok, &QPushButton::clicked, &dialog, [&] {
        state.AuthorShown = 1;
        dialog.accept();
    });

    placeCentred(&dialog, frame);
    dialog.exec();
}

} // namespace pipwright
