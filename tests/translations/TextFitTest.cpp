#include "tests/translations/TranslatedWindows.h"
#include "ui/dialogs/WrappingCheckBox.h"

#include <QAction>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionGroupBox>

namespace pipwright::test {
namespace {

// The fixed-size controls whose texts must show whole at the designed size,
// by window and object name; "*" is every label and button of the window.
struct Control {
    const char* window;
    const char* name;
};

constexpr Control Controls[] = {
    {"main", "LblPlayerSelect"},
    {"main", "LblComputersSelect"},
    {"main", "LblComputer"},
    {"main", "LblBoneYard"},
    {"main", "LblPlayer"},
    {"main", "ComPlayerCantPlay"},
    {"main", "LBLPlayerPlayed"},
    {"main", "LBLComputerPlayed"},
    {"main", "Label1"},
    {"main", "Panel1"},
    {"main", "Panel2"},
    {"main", "Panel3"},
    {"main", "Panel4"},
    {"main", "Panel5"},
    {"name", "Label1"},
    {"conditions", "Frame1"},
    {"conditions", "Frame2"},
    {"conditions", "Frame3"},
    {"conditions", "ChkToStartTheTimer"},
    {"conditions", "LblTimeToPlay"},
    {"conditions", "CHKNovicePlayer"},
    {"conditions", "CHKExpertPlayer"},
    {"conditions", "CHKMasterPlayer"},
    {"conditions", "ChkEachDraws"},
    {"conditions", "ChkWinnerStarts"},
    {"conditions", "ChkGameHistory"},
    {"conditions", "Command1"},
    {"about", "Label2"},
    {"about", "Label3"},
    {"about", "Label4"},
    {"about", "Label5"},
    {"about", "Command1"},
    {"result", "*"},
    {"new table", "*"},
    {"table", "*"},
};

// A word wider than the box is cut. The lines may overhang the box by less
// than half a line in all, split between top and bottom when centred: a
// line's letters stand inside its height. One line too many never fits.
bool fitsWrapped(const QFontMetrics& m, const QRect& area, int flags, const QString& text) {
    const QRect needed = m.boundingRect(area, flags | Qt::TextWordWrap, text);
    return needed.width() <= area.width() && needed.height() < area.height() + m.height() / 2;
}

bool fitsLines(const QFontMetrics& m, const QRect& area, const QString& text) {
    const QStringList lines = text.split(QLatin1Char('\n'));
    int widest = 0;
    for (const QString& line : lines)
        widest = std::max(widest, m.horizontalAdvance(line));
    return widest <= area.width() && m.height() * int(lines.size()) <= area.height();
}

// Whether the control's text shows whole in its own font and size.
bool fits(QWidget* w) {
    const QFontMetrics m(w->font());
    if (auto* label = qobject_cast<QLabel*>(w)) {
        const QRect area = label->contentsRect().adjusted(label->margin(), label->margin(),
                                                          -label->margin(), -label->margin());
        // A label with a buddy shows its mnemonic underlined, not as "&".
        const QString text = label->buddy() ? withoutMnemonics(label->text()) : label->text();
        return label->wordWrap() ? fitsWrapped(m, area, int(label->alignment()), text)
                                 : fitsLines(m, area, text);
    }
    if (auto* box = qobject_cast<WrappingCheckBox*>(w)) {
        const int indicator = box->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, box);
        const QRect area = box->rect().adjusted(indicator + 4, 0, 0, 0);
        return fitsWrapped(QFontMetrics(box->shownFont()), area, Qt::AlignLeft | Qt::AlignVCenter,
                           withoutMnemonics(box->text()));
    }
    if (auto* button = qobject_cast<QPushButton*>(w)) {
        const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
        return fitsLines(m, button->rect().adjusted(margin, 0, -margin, 0),
                         withoutMnemonics(button->text()));
    }
    if (auto* frame = qobject_cast<QGroupBox*>(w)) {
        QStyleOptionGroupBox option;
        option.initFrom(frame);
        option.text = frame->title();
        option.subControls = QStyle::SC_GroupBoxLabel;
        const QRect title = frame->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                           QStyle::SC_GroupBoxLabel, frame);
        return title.left() >= 0 && title.right() < frame->width();
    }
    return true;
}

class TextFit : public TranslatedWindowTest, public testing::WithParamInterface<const char*> {
protected:
    void SetUp() override {
        const QString language = QString::fromLatin1(GetParam());
        SetUpIn(language.isEmpty() ? QString()
                                   : QStringLiteral(":/i18n/pipwright_%1.qm").arg(language));
        // The widest name the name window lets a player type.
        state().PlayerName = "Mmmmmmmm";
    }
};

TEST_P(TextFit, EveryFixedSizeControlHoldsItsTextWhole) {
    playToFirstResult();
    forEachWindow([](const QString& window, QWidget* shown) {
        for (const Control& c : Controls) {
            if (window != QLatin1String(c.window))
                continue;
            QList<QWidget*> controls;
            if (QLatin1String(c.name) == QLatin1String("*")) {
                for (QWidget* w : shown->findChildren<QWidget*>())
                    if (qobject_cast<QLabel*>(w) || qobject_cast<QPushButton*>(w))
                        controls << w;
            } else {
                controls << shown->findChild<QWidget*>(QString::fromLatin1(c.name));
                EXPECT_NE(controls.front(), nullptr) << c.window << " " << c.name;
            }
            for (QWidget* w : controls) {
                if (!w || !w->isVisibleTo(shown))
                    continue;
                EXPECT_TRUE(fits(w)) << c.window << " " << w->objectName().toStdString()
                                     << " cuts \"" << w->property("text").toString().toStdString()
                                     << w->property("title").toString().toStdString() << "\" at "
                                     << w->width() << "x" << w->height();
            }
        }
    });
}

// The letter Alt takes to an entry, lower case; none when the text has none.
QChar mnemonicOf(const QString& text) {
    for (qsizetype i = text.indexOf(QLatin1Char('&')); i >= 0 && i + 1 < text.size();
         i = text.indexOf(QLatin1Char('&'), i + 2))
        if (text[i + 1] != QLatin1Char('&'))
            return text[i + 1].toLower();
    return {};
}

TEST_P(TextFit, EveryMenuGivesEachEntryItsOwnLetter) {
    forEachWindow([](const QString& window, QWidget* shown) {
        auto* main = qobject_cast<QMainWindow*>(shown);
        if (!main)
            return;
        QList<QMenu*> menus = {nullptr};
        menus += main->menuBar()->findChildren<QMenu*>();
        for (QMenu* menu : menus) {
            const QList<QAction*> entries = menu ? menu->actions() : main->menuBar()->actions();
            QHash<QChar, QString> taken;
            for (QAction* entry : entries) {
                const QChar letter = mnemonicOf(entry->text());
                if (letter.isNull() || !entry->isVisible())
                    continue;
                EXPECT_FALSE(taken.contains(letter))
                    << window.toStdString() << ": \"" << entry->text().toStdString() << "\" and \""
                    << taken.value(letter).toStdString() << "\" share "
                    << QString(letter).toStdString();
                taken.insert(letter, entry->text());
            }
        }
    });
}

INSTANTIATE_TEST_SUITE_P(EveryLanguage, TextFit, testing::Values("", "es", "pt_BR", "fr", "de"),
                         [](const testing::TestParamInfo<const char*>& info) {
                             const std::string name = info.param;
                             return name.empty() ? std::string("en") : name;
                         });

} // namespace
} // namespace pipwright::test
