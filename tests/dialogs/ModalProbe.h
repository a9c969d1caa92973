#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace pipwright::test {

enum class AfterCheck { Close, LeaveOpen };

// Arms a single-shot timer that hands the modal window opened by the next
// call to check. Unless told otherwise the window is closed afterwards,
// whatever check did, so a failed expectation never leaves a test waiting.
inline void whenModalShows(std::function<void(QWidget*)> check,
                           AfterCheck after = AfterCheck::Close) {
    QTimer::singleShot(0, [check = std::move(check), after] {
        QWidget* modal = QApplication::activeModalWidget();
        check(modal);
        if (after == AfterCheck::Close && modal != nullptr && modal->isVisible()) {
            modal->close();
        }
    });
}

// Clicks the window's OK button.
void clickOk(QWidget* window);

} // namespace pipwright::test
