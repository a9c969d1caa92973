#include "GameWindowFixture.h"

#include <QLabel>
#include <QTest>

namespace pipwright {

void GameWindowTest::SetUp() {
    window = std::make_unique<frmDominos>();
    window->setPauseScale(0);
    auto& calls = window->blockingCalls();
    calls.result = [this](const ResultTexts& texts) { results.push_back(texts); };
    calls.messageBox = [this](const QString& title, const QString&) {
        messageBoxes.push_back(title);
    };
    calls.timeOutNotice = [](const QString&, const QString&) {};
    state().PlayerName = "Tess";
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
}

QString GameWindowTest::label(const char* name) const {
    auto* found = window->findChild<QLabel*>(QString::fromLatin1(name));
    return found ? found->text() : QStringLiteral("<no such label>");
}

void GameWindowTest::click(Picture p, int x, int y) {
    PictureArea& area = picture(p);
    QTest::mouseClick(&area, Qt::LeftButton, {}, area.toWidget(x, y));
}

} // namespace pipwright
