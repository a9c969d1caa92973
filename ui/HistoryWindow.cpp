#include "ui/HistoryWindow.h"

#include "ui/HistoryChart.h"
#include "ui/dialogs/DialogLook.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace pipwright {

void showGameHistory(QWidget* owner, const QString& title, const QString& text,
                     const std::vector<HistoryRecord>& records) {
    QDialog window(owner);
    window.setObjectName(QStringLiteral("frmGameHistory"));
    useDialogFrame(&window);
    window.setWindowTitle(title);

    auto* history = new QLabel(text, &window);
    history->setObjectName(QStringLiteral("LblHistory"));
    history->setTextFormat(Qt::PlainText);
    history->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    auto* chart = new HistoryChart(records, &window);
    auto* totals = new QLabel(chart->summary(), &window);
    totals->setObjectName(QStringLiteral("LblHistoryTotals"));
    totals->setTextFormat(Qt::PlainText);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &window);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &window, &QDialog::accept);

    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(history);
    layout->addWidget(chart, 1);
    layout->addWidget(totals);
    layout->addWidget(buttons);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    buttons->button(QDialogButtonBox::Ok)->setFocus();
    window.exec();
}

} // namespace pipwright
