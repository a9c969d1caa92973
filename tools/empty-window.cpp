// An empty window, built like the game, for start-up comparisons.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Empty"));
    window.resize(470, 112);
    window.show();
    return QApplication::exec();
}
