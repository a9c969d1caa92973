#include "language/Translation.h"
#include "rules/Presets.h"
#include "ui/frmTitle.h"
#include "ui/table/NewTableDialog.h"
#include "ui/table/TableWindow.h"

#include <QApplication>
#include <cstdio>
#include <optional>

namespace {

// The preset named by "--table NAME", if the command line asks for a table.
std::optional<pipwright::rules::Preset> tableAsked(const QStringList& arguments, bool& unknown) {
    const qsizetype at = arguments.indexOf(QStringLiteral("--table"));
    if (at < 0)
        return std::nullopt;
    const QString name = arguments.value(at + 1);
    const auto preset = pipwright::rules::presetNamed(name.toStdString());
    unknown = !preset;
    return preset;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pipwright"));
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.pipwright.Pipwright"));
    pipwright::installTranslations(app);
    bool unknown = false;
    if (const auto preset = tableAsked(QApplication::arguments(), unknown)) {
        // Straight to a table, as the desktop menu's actions ask.
        auto* table = new pipwright::TableWindow(pipwright::rememberedSetup(*preset));
        table->show();
        table->activateWindow();
        return QApplication::exec();
    }
    if (unknown) {
        std::fputs(
            "pipwright: --table takes partners, block, draw, all-fives or fives-and-threes\n",
            stderr);
        return 2;
    }
    pipwright::frmTitle title;
    title.show();
    title.activateWindow();
    return QApplication::exec();
}
