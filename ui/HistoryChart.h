#pragma once

#include "storage/HistoryFormat.h"

#include <QWidget>
#include <vector>

namespace pipwright {

// The game history as a picture: the games won and lost on each of the last
// days played, as pairs of bars, sized by the system font so that it reads the
// same at any scale. Its accessible name and description say it in words.
class HistoryChart : public QWidget {
    Q_OBJECT
public:
    explicit HistoryChart(const std::vector<HistoryRecord>& records, QWidget* parent = nullptr);

    // "Won 12 and lost 5 of 17 games: 71% won."
    QString summary() const;
    // One line per day drawn: "14/03/2001: 3 won, 1 lost".
    QString description() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<HistoryRecord> days_; // the days drawn, oldest first
    long daysPlayed_ = 0;
    long won_ = 0;
    long lost_ = 0;
};

} // namespace pipwright
