#include "tests/translations/TranslatedWindows.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>

namespace pipwright::test {
namespace {

// In the pseudo language every marked text reads ⟦source⟧. A text the player
// meets that holds words but no ⟦ was never marked for translation. Texts
// without letters (numbers, pips like "6-4", clocks) and names are fine.
const QString Opening = QStringLiteral("\u27E6");
const QRegularExpression Names(QStringLiteral("\\b(Tess|Pipwright)\\b"));

bool unmarked(const QString& text) {
    if (text.contains(Opening))
        return false;
    return QString(text).remove(Names).contains(QRegularExpression(QStringLiteral("\\p{L}")));
}

void collect(QAccessibleInterface* item, const QString& where, QStringList& out, int depth = 0) {
    if (!item || depth > 2)
        return;
    for (QAccessible::Text kind : {QAccessible::Name, QAccessible::Description})
        if (unmarked(item->text(kind)))
            out << where + QStringLiteral(" reads \"%1\"").arg(item->text(kind));
    for (int i = 0; i < item->childCount(); ++i)
        if (QAccessibleInterface* child = item->child(i); child && !child->object())
            collect(child, where + QStringLiteral("[%1]").arg(i), out, depth + 1);
}

// OK, Close and the like come with Qt's own translations.
bool qtStandardButton(QWidget* w) {
    auto* box = qobject_cast<QDialogButtonBox*>(w->parentWidget());
    auto* button = qobject_cast<QAbstractButton*>(w);
    return box && button && box->standardButton(button) != QDialogButtonBox::NoButton;
}

// Every text of the window the player sees or hears: its title, labels,
// buttons, frames, menus, and what a screen reader says of each control.
QStringList unmarkedTexts(QWidget* root) {
    QStringList found;
    auto note = [&](const QString& where, const QString& text) {
        if (unmarked(text))
            found << where + QStringLiteral(" shows \"%1\"").arg(text);
    };
    note(QStringLiteral("title"), root->windowTitle());
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* w : widgets) {
        const QString where = w->objectName().isEmpty()
                                  ? QString::fromLatin1(w->metaObject()->className())
                                  : w->objectName();
        if (auto* menu = qobject_cast<QMenu*>(w)) {
            note(where, menu->title());
            for (QAction* action : menu->actions())
                note(action->objectName(), action->text());
            continue;
        }
        if ((w != root && !w->isVisibleTo(root)) || qtStandardButton(w))
            continue;
        if (auto* label = qobject_cast<QLabel*>(w))
            note(where, label->text());
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            note(where, button->text());
        if (auto* frame = qobject_cast<QGroupBox*>(w))
            note(where, frame->title());
        note(where + QStringLiteral(" name"), w->accessibleName());
        note(where + QStringLiteral(" description"), w->accessibleDescription());
        collect(QAccessible::queryAccessibleInterface(w), where, found);
    }
    found.removeDuplicates();
    return found;
}

class PseudoLanguage : public TranslatedWindowTest {
protected:
    void SetUp() override { SetUpIn(QStringLiteral(":/pseudo/pipwright_pseudo.qm")); }
};

TEST_F(PseudoLanguage, EveryTextThePlayerMeetsIsMarkedForTranslation) {
    playToFirstResult();
    forEachWindow([](const QString& window, QWidget* shown) {
        const QStringList found = unmarkedTexts(shown);
        EXPECT_TRUE(found.isEmpty())
            << window.toStdString() << ":\n  " << found.join(QStringLiteral("\n  ")).toStdString();
    });
}

} // namespace
} // namespace pipwright::test
