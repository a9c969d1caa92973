#include "ui/HistoryWindow.h"

#include "rules/Presets.h"
#include "storage/GameHistory.h"
#include "ui/HistoryChart.h"
#include "ui/dialogs/DialogLook.h"
#include "ui/table/TableTexts.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace pipwright {

namespace {

// The history window's chooser texts.
class HistoryWindowTexts {
    Q_DECLARE_TR_FUNCTIONS(HistoryWindow)
};

} // namespace

std::vector<HistoryView> playerHistories(const std::string& playerName,
                                         const QString& classicText) {
    std::vector<HistoryView> views;
    if (!classicText.isEmpty())
        views.push_back({HistoryWindowTexts::tr("Classic game"), classicText,
                         historyRecords(playerName).value_or(std::vector<HistoryRecord>{})});
    for (const rules::PresetInfo& info : rules::presets()) {
        std::optional<std::vector<HistoryRecord>> records = historyRecords(playerName, info.name);
        if (!records || records->empty())
            continue;
        QString text = historyText(playerName, info.name).value_or(QString());
        views.push_back({tabletext::presetTitle(info.preset),
                         text.replace(QLatin1Char('\r'), QLatin1Char('\n')), std::move(*records)});
    }
    return views;
}

QDialog* gameHistoryWindow(QWidget* owner, const QString& title,
                           const std::vector<HistoryView>& views, int first) {
    if (views.empty())
        return nullptr;
    auto* window = new QDialog(owner);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setObjectName(QStringLiteral("frmGameHistory"));
    useDialogFrame(window);
    window->setWindowTitle(title);

    auto* layout = new QVBoxLayout(window);
    auto* chooser = new QComboBox(window);
    chooser->setObjectName(QStringLiteral("CboHistoryGame"));
    for (const HistoryView& view : views)
        chooser->addItem(view.game);
    if (views.size() > 1) {
        auto* row = new QFormLayout;
        row->addRow(HistoryWindowTexts::tr("&Game:"), chooser);
        layout->addLayout(row);
    } else {
        chooser->hide();
    }
    auto* history = new QLabel(window);
    history->setObjectName(QStringLiteral("LblHistory"));
    history->setTextFormat(Qt::PlainText);
    history->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    auto* totals = new QLabel(window);
    totals->setObjectName(QStringLiteral("LblHistoryTotals"));
    totals->setTextFormat(Qt::PlainText);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, window);
    QObject::connect(buttons, &QDialogButtonBox::accepted, window, &QDialog::accept);

    first = std::clamp(first, 0, int(views.size()) - 1);
    auto* chart = new HistoryChart(views[std::size_t(first)].records, window);
    history->setText(views[std::size_t(first)].text);
    totals->setText(chart->summary());
    chooser->setCurrentIndex(first);
    layout->addWidget(history);
    layout->addWidget(chart, 1);
    layout->addWidget(totals);
    layout->addWidget(buttons);
    // Another game chosen: its text, chart and totals.
    QObject::connect(chooser, &QComboBox::currentIndexChanged, window, [=](int at) mutable {
        const HistoryView& view = views[std::size_t(at)];
        history->setText(view.text);
        auto* drawn = new HistoryChart(view.records, window);
        delete layout->replaceWidget(chart, drawn);
        delete chart;
        chart = drawn;
        totals->setText(chart->summary());
    });
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    buttons->button(QDialogButtonBox::Ok)->setFocus();
    return window;
}

void showGameHistory(QWidget* owner, const QString& title, const std::vector<HistoryView>& views,
                     int first) {
    if (QDialog* window = gameHistoryWindow(owner, title, views, first))
        window->exec();
}

} // namespace pipwright
