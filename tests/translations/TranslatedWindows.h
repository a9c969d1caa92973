#pragma once

#include "tests/ui/GameWindowFixture.h"

#include <QString>
#include <QTranslator>
#include <functional>

namespace pipwright::test {

// The main window built after a translation is installed, so that every text
// it makes is in that language. An empty path keeps the English sources.
class TranslatedWindowTest : public GameWindowTest {
protected:
    void SetUpIn(const QString& qmPath);
    void TearDown() override;

    // Plays the round through the window until its first result: the first
    // domino that fits, else a draw, else Can't Play.
    void playToFirstResult();
    // Each of the game's windows while it is on screen: the main window, the
    // name window, Playing Conditions, About, the score sheet and the result
    // windows of the round played, by a short name.
    void forEachWindow(const std::function<void(const QString& window, QWidget* shown)>& check);

private:
    QTranslator translator_;
};

// A text as the player reads it: mnemonic markers taken out.
QString withoutMnemonics(QString text);

} // namespace pipwright::test
