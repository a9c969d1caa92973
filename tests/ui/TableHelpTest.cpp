// What a table tells its player: F1 opens the help at that game's page, in the
// player's language, and a wrong first domino is answered with the one to lead.

#include "rules/Presets.h"
#include "ui/table/TableTexts.h"
#include "ui/table/TableWindow.h"

#include <QLocale>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <gtest/gtest.h>

namespace pipwright {
namespace {

struct HelpCase {
    rules::Preset preset;
    int seats;
    const char* language; // the locale the game runs in
    const char* page;     // the page F1 opens
    const char* heading;  // the page's title, in that language
};

void PrintTo(const HelpCase& c, std::ostream* out) {
    *out << c.page << " in " << c.language;
}

class TableHelp : public testing::TestWithParam<HelpCase> {
protected:
    void TearDown() override { QLocale::setDefault(before_); }
    QLocale before_;
};

// Handles events until the condition holds; false if it never does.
template <typename Condition> bool settle(Condition condition) {
    for (int round = 0; round < 1000 && !condition(); ++round) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return condition();
}

TEST_P(TableHelp, F1OpensTheGamesPageAndBackAndEscapeWork) {
    const HelpCase& c = GetParam();
    QLocale::setDefault(QLocale(QString::fromLatin1(c.language)));
    session::TableSetup setup;
    rules::Choices choices;
    choices.seats = c.seats;
    setup.rules = *rules::choose(c.preset, choices).rules;
    setup.levels.fill(table::Level::Novice);
    TableWindow window(setup);
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    window.setThinkingTime(60 * 60 * 1000);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(settle([&] { return window.isActiveWindow(); }));

    QTest::keyClick(&window, Qt::Key_F1);
    QPointer<QWidget> help = window.findChild<QWidget*>(QStringLiteral("HelpWindow"));
    ASSERT_TRUE(help);
    auto* page = help->findChild<QTextBrowser*>();
    ASSERT_TRUE(page);
    EXPECT_EQ(page->source().fileName(), QString::fromLatin1(c.page));
    EXPECT_TRUE(page->documentTitle().startsWith(QString::fromUtf8(c.heading)))
        << page->documentTitle().toStdString();

    // From the game's page to the contents, and back.
    page->setSource(page->source().resolved(QUrl(QStringLiteral("index.html"))));
    EXPECT_EQ(page->source().fileName(), QStringLiteral("index.html"));
    auto* back = help->findChild<QPushButton*>(QStringLiteral("HelpBack"));
    ASSERT_TRUE(back && back->isEnabled());
    back->click();
    EXPECT_EQ(page->source().fileName(), QString::fromLatin1(c.page));

    // F1 again shows the same window; Escape closes it.
    QTest::keyClick(&window, Qt::Key_F1);
    EXPECT_EQ(window.findChildren<QTextBrowser*>().size(), 1);
    ASSERT_TRUE(settle([&] { return help->isActiveWindow(); }));
    QTest::keyClick(page, Qt::Key_Escape);
    EXPECT_TRUE(settle([&] { return help.isNull(); }));
}

INSTANTIATE_TEST_SUITE_P(
    Presets, TableHelp,
    testing::Values(HelpCase{rules::Preset::Partners, 4, "en", "partners.html", "Partners"},
                    HelpCase{rules::Preset::Block, 3, "es", "block.html", "Dominó de bloqueo"},
                    HelpCase{rules::Preset::Draw, 2, "pt_BR", "draw.html", "Dominó de compra"},
                    HelpCase{rules::Preset::AllFives, 4, "fr", "all-fives.html", "Tous les cinq"},
                    HelpCase{rules::Preset::FivesAndThrees, 3, "de", "fives-and-threes.html",
                             "Fünfer und Dreier"}));

// The domino a hand must be led with is named, whichever double it is.
TEST(TableLead, AWrongFirstDominoNamesTheOneToLead) {
    session::TableSetup setup;
    setup.rules = *rules::choose(rules::Preset::Block, {}).rules;
    setup.levels.fill(table::Level::Novice);
    // A deal where you lead and the highest double dealt is not 6-6.
    for (setup.seed = 1; setup.seed < 500; ++setup.seed) {
        const rules::Game game(setup.rules, setup.seed);
        if (game.leader() == 0 && game.requiredLead() &&
            *game.requiredLead() != rules::Domino::of(6, 6))
            break;
    }
    TableWindow window(setup);
    window.setThinkingTime(60 * 60 * 1000);
    const rules::Domino lead = *window.session().game().requiredLead();
    ASSERT_NE(lead, rules::Domino::of(6, 6));
    ASSERT_TRUE(window.session().humanToPlay());
    for (const rules::Domino other : window.session().game().hand(0))
        if (other != lead) {
            window.clickHand(other);
            window.layOn(rules::End::Left);
            break;
        }
    EXPECT_EQ(window.session().game().line().laidCount(), 0);
    EXPECT_TRUE(window.statusText().contains(tabletext::dominoText(lead)))
        << window.statusText().toStdString();
}

} // namespace
} // namespace pipwright
