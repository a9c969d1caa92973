#include "tests/translations/TranslatedWindows.h"

#include "rules/Presets.h"
#include "tests/dialogs/ModalProbe.h"
#include "ui/ScoreSheetWindow.h"
#include "ui/dialogs/AuthorWindow.h"
#include "ui/dialogs/GameConditionsDialog.h"
#include "ui/dialogs/ResultWindows.h"
#include "ui/frmTitle.h"
#include "ui/table/NewTableDialog.h"
#include "ui/table/TableWindow.h"

#include <QCoreApplication>
#include <QTest>

namespace pipwright::test {

void TranslatedWindowTest::SetUpIn(const QString& qmPath) {
    if (!qmPath.isEmpty()) {
        ASSERT_TRUE(translator_.load(qmPath)) << qmPath.toStdString();
        QCoreApplication::installTranslator(&translator_);
    }
    GameWindowTest::SetUp();
}

void TranslatedWindowTest::TearDown() {
    window.reset();
    QCoreApplication::removeTranslator(&translator_);
}

void TranslatedWindowTest::playToFirstResult() {
    window->random().seed(20261208);
    engine().GameStart();
    for (int clicks = 0; results.empty() && clicks < 500; ++clicks) {
        const GameState& s = state();
        if (s.GameStatus == Phase::DrawForFirstPlay || s.GameStatus == Phase::DrawingSeven) {
            clickBoneYard(firstFaceDown());
        } else if (s.GameStatus == Phase::SetDomino) {
            clickHand(1);
        } else {
            ASSERT_EQ(s.GameStatus, Phase::PlayersTurn);
            playersTurn();
        }
    }
    ASSERT_FALSE(results.empty());
}

void TranslatedWindowTest::forEachWindow(
    const std::function<void(const QString& window, QWidget* shown)>& check) {
    check(QStringLiteral("main"), window.get());
    {
        frmTitle title;
        title.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&title));
        check(QStringLiteral("name"), &title);
    }
    auto modal = [&](const char* name, const std::function<void()>& open) {
        bool seen = false;
        whenModalShows([&](QWidget* shown) {
            ASSERT_NE(shown, nullptr) << name;
            seen = true;
            check(QString::fromLatin1(name), shown);
        });
        open();
        EXPECT_TRUE(seen) << name;
    };
    modal("conditions", [this] { window->conditions().showModal(); });
    modal("about", [this] { showAuthorWindow(state(), window.get()); });
    check(QStringLiteral("score sheet"), &showScoreSheet(engine(), *window));
    for (const ResultTexts& texts : results)
        modal("result", [&] { showResultWindow(texts, window.get()); });
    {
        NewTableDialog newTable(rules::Preset::Partners, nullptr);
        newTable.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&newTable));
        check(QStringLiteral("new table"), &newTable);
    }
    {
        session::TableSetup setup;
        setup.rules = rules::presetInfo(rules::Preset::Partners).defaults;
        TableWindow table(setup);
        table.setAttribute(Qt::WA_DeleteOnClose, false);
        table.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&table));
        check(QStringLiteral("table"), &table);
    }
}

QString withoutMnemonics(QString text) {
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    return text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

} // namespace pipwright::test
