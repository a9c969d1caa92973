#include "ui/dialogs/TimeOutNotice.h"

#include "ui/Twips.h"
#include "ui/dialogs/DialogLook.h"

#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QTimer>
#include <algorithm>

namespace pipwright {

namespace {

constexpr int NoticeTopTwips = 3500;

// The notice goes away by itself only; Escape does not cut it short.
class NoticeDialog : public QDialog {
public:
    explicit NoticeDialog(QWidget* parent)
        : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {}

protected:
    void keyPressEvent(QKeyEvent* event) override { event->accept(); }
};

} // namespace

void showTimeOutNotice(const QString& caption, const QString& text, int leftTwips,
                       const PlacementFrame& frame, QWidget* parent, int closeAfterMs) {
    NoticeDialog notice(parent);
    notice.setObjectName(QStringLiteral("FrmPlayerWaitedTooLong"));
    notice.setWindowTitle(caption);
    setBackColour(&notice, Qt::black);

    // The notice's lines are broken by carriage returns.
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    auto* label = new QLabel(lines, &notice);
    label->setObjectName(QStringLiteral("Label1"));
    label->setFont(sansFont(9.75, true));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignCenter);
    setForeColour(label, Qt::white);
    label->adjustSize();

    QSize size = toPixels(QSize(6735, 3735));
    size = size.expandedTo(label->size() + QSize(24, 24));
    notice.setFixedSize(size);
    label->move((size.width() - label->width()) / 2, (size.height() - label->height()) / 2);
    placeAtDesignPlace(&notice, frame, QPoint(leftTwips, NoticeTopTwips));

    QTimer timer2;
    timer2.setSingleShot(true);
    timer2.setInterval(std::max(0, closeAfterMs));
    QObject::connect(&timer2, &QTimer::timeout, &notice, &QDialog::accept);
    timer2.start();
    notice.exec();
}

} // namespace pipwright
