#include "ui/dialogs/ResultWindows.h"

#include "tests/dialogs/ModalProbe.h"

#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace pipwright {
namespace {

using test::whenModalShows;

// A result window's texts as they are shown in English.
struct EnglishTexts {
    ResultWindow window;
    std::string caption;
    std::vector<std::string> labels;

    ResultTexts asTexts() const {
        ResultTexts t{window, Text::verbatim(caption), {}};
        for (const std::string& label : labels)
            t.labels.push_back(Text::verbatim(label));
        return t;
    }
};

struct ResultCase {
    const char* name;
    EnglishTexts texts;
    const char* objectName;
    const char* caption;
};

void PrintTo(const ResultCase& c, std::ostream* out) {
    *out << c.name;
}

class ResultWindows : public testing::TestWithParam<ResultCase> {};

TEST_P(ResultWindows, ShowCaptionAndLabelsInsideTheWindowUntilOk) {
    const ResultCase& c = GetParam();
    bool seen = false;
    whenModalShows([&](QWidget* modal) {
        ASSERT_NE(modal, nullptr);
        seen = true;
        EXPECT_EQ(modal->objectName(), c.objectName);
        EXPECT_EQ(modal->windowTitle(), c.caption);
        const auto labels = modal->findChildren<QLabel*>(QRegularExpression("^Label\\d$"));
        ASSERT_EQ(labels.size(), static_cast<qsizetype>(c.texts.labels.size()));
        for (std::size_t i = 0; i < c.texts.labels.size(); ++i) {
            const auto* label = modal->findChild<QLabel*>(QStringLiteral("Label%1").arg(i + 1));
            ASSERT_NE(label, nullptr) << i;
            EXPECT_EQ(label->text().toStdString(), c.texts.labels[i]);
            EXPECT_EQ(label->textFormat(), Qt::PlainText) << "names show as typed";
            EXPECT_LE(label->geometry().right(), modal->width()) << label->text().toStdString();
        }
        const auto* ok = modal->findChild<QPushButton*>("Command1");
        ASSERT_NE(ok, nullptr);
        EXPECT_TRUE(modal->rect().contains(ok->geometry()));
        test::clickOk(modal);
    });
    showResultWindow(c.texts.asTexts(), nullptr);
    EXPECT_TRUE(seen);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    EveryWindow, ResultWindows,
    testing::Values(
        ResultCase{"Winner", {ResultWindow::Winner, "", {}}, "frmWinner", "W I N N E R"},
        ResultCase{"Loser", {ResultWindow::Loser, "", {}}, "frmLoser", "You Lost"},
        ResultCase{"Ties",
                   {ResultWindow::PlayerScoreTies,
                    "Ann, You and the Computer Tied with a Score of 45",
                    {}},
                   "FrmPlayerScoreTies",
                   "Ann, You and the Computer Tied with a Score of 45"},
        ResultCase{"PlayerWinsRound",
                   {ResultWindow::PlayerWinsRound,
                    "Abcdefgh, You Win this Round...",
                    {"Abcdefgh,  You Win this Round.", "The Computer's Dominos have a value of 123",
                     "Your Score of 185 will be increased by 125 to 310"}},
                   "FrmPlayerWinsRound",
                   "Abcdefgh, You Win this Round..."},
        ResultCase{"ComputerWinsRound",
                   {ResultWindow::ComputerWinsRound,
                    "Ann, You Lost this Round...",
                    {"Ann,  The Computer Won this Round..", "Your Dominos have a value of 0",
                     "The Computer's Score of 40 will be increased by 0 to 40"}},
                   "FrmComputerWinsRound",
                   "Ann, You Lost this Round..."},
        ResultCase{
            "PlayerScoreWins",
            {ResultWindow::PlayerScoreWins,
             "Ann,  You Win this Round...",
             {"Ann,  You Win this Round...", "Your 3 Dominos have a value of 20.  The Computer",
              "had 4 Dominos with a value of 27.  Your score of 60",
              "will be increased by 5 to 65."}},
            "FrmPlayerScoreWins",
            "Ann,  You Win this Round..."},
        ResultCase{
            "ComputerScoreWins",
            {ResultWindow::ComputerScoreWins,
             "Sorry, Ann,  The Computer Won this Round...",
             {"Ann,  You Lost this Round...", "Your 4 Dominos have a value of 27.  The Computer",
              "had 3 Dominos with a value of 20.  The Computer's",
              "Score of 60 will be increased by 5 to 65."}},
            "FrmComputerScoreWins",
            "Sorry, Ann,  The Computer Won this Round..."}),
    [](const testing::TestParamInfo<ResultCase>& info) { return std::string(info.param.name); });

TEST(ResultWindowsTies, ShowTheTiesPanel) {
    QString panel;
    whenModalShows([&](QWidget* modal) {
        if (const auto* label = modal->findChild<QLabel*>("SSPanel1")) {
            panel = label->text();
        }
        test::clickOk(modal);
    });
    showResultWindow(
        EnglishTexts{ResultWindow::PlayerScoreTies, "Ann, You and the Computer Tied", {}}.asTexts(),
        nullptr);
    EXPECT_EQ(panel, "Sorry, Ties Don't Count");
}

TEST(ResultWindowsTexts, MissingLabelsStayEmptyAndExtraOnesAreDropped) {
    QStringList shown;
    whenModalShows([&](QWidget* modal) {
        for (int i = 1; i <= 4; ++i) {
            if (const auto* label = modal->findChild<QLabel*>(QStringLiteral("Label%1").arg(i))) {
                shown << label->text();
            }
        }
        test::clickOk(modal);
    });
    showResultWindow(EnglishTexts{ResultWindow::PlayerWinsRound, "x", {"one"}}.asTexts(), nullptr);
    EXPECT_EQ(shown, QStringList({"one", "", ""}));

    shown.clear();
    whenModalShows([&](QWidget* modal) {
        shown << QString::number(modal->findChildren<QLabel*>().size());
        test::clickOk(modal);
    });
    showResultWindow(EnglishTexts{ResultWindow::Winner, "", {"stray"}}.asTexts(), nullptr);
    EXPECT_EQ(shown, QStringList({"0"}));
}

} // namespace
} // namespace pipwright
