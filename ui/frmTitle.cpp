#include "ui/frmTitle.h"

#include "ui/Look.h"
#include "ui/Twips.h"
#include "ui/WindowGeometry.h"
#include "ui/WindowIcon.h"
#include "ui/frmDominos.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTimer>
#include <algorithm>

namespace pipwright {

namespace {

constexpr QSize InnerDesign{7050, 1680};
constexpr QPoint LabelDesign{135, 495};
constexpr QRect TextDesign{5040, 480, 1710, 600};
constexpr int Gap = 150;
const QString NameKey = QStringLiteral("player/name");

} // namespace

QString keptPlayerName() {
    return keptSettings().value(NameKey).toString();
}

frmTitle::frmTitle() : QWidget(nullptr, Qt::Tool) {
    setObjectName(QStringLiteral("frmTitle"));
    setWindowTitle(QStringLiteral("Pipwright"));
    setWindowIcon(dominoIcon());
    setAutoFillBackground(true);
    QPalette look = palette();
    look.setColor(QPalette::Window, QColor(255, 128, 128));
    setPalette(look);

    Label1 = new QLabel(tr("What is Your Name?"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(gameFont(24, true));
    Label1->setAutoFillBackground(true);
    QPalette labelLook = Label1->palette();
    labelLook.setColor(QPalette::Window, labelLook.color(QPalette::Base));
    labelLook.setColor(QPalette::WindowText, labelLook.color(QPalette::Text));
    Label1->setPalette(labelLook);
    Label1->adjustSize();

    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setFont(gameFont(18));
    Text1->setMaxLength(8);
    QPalette boxLook = Text1->palette();
    boxLook.setColor(QPalette::Base, QColor(255, 128, 0));
    Text1->setPalette(boxLook);
    Text1->installEventFilter(this);

    Form_Load();
}

frmTitle::~frmTitle() = default;

void frmTitle::Form_Load() {
    // The fonts here are wider than the design's; the box moves right of the
    // question when needed and the window keeps its right margin.
    Label1->move(toPixels(LabelDesign));
    QRect box = toPixels(TextDesign);
    box.moveLeft(std::max(box.left(), Label1->geometry().right() + 1 + toPixels(Gap)));
    box.setWidth(std::max(box.width(), Text1->fontMetrics().averageCharWidth() * 8 + 16));
    Text1->setGeometry(box);
    const int rightMargin = toPixels(InnerDesign.width() - TextDesign.right());
    const QSize inner(std::max(toPixels(InnerDesign.width()), box.right() + 1 + rightMargin),
                      toPixels(InnerDesign.height()));
    setFixedSize(inner);
    const QRect screenArea = screen()->availableGeometry();
    move(screenArea.left() + (screenArea.width() - width()) / 2,
         screenArea.top() + (screenArea.height() - height()) / 2);
    // The last name given stands selected: typing replaces it, Enter keeps it.
    const QString kept = keptPlayerName();
    name_.offer(kept.toStdString());
    if (name_.offered()) {
        Text1->setText(kept);
        Text1->selectAll();
    }
    Text1->setFocus();
}

void frmTitle::loadGame() {
    if (!game_)
        game_ = std::make_unique<frmDominos>();
}

frmDominos& frmTitle::game() {
    loadGame();
    return *game_;
}

void frmTitle::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    // The main window loads once this window is on screen, so the question
    // shows without waiting for it; no key is handled before it has loaded.
    if (!game_)
        QTimer::singleShot(0, this, &frmTitle::loadGame);
}

bool frmTitle::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Text1 && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            Text1_KeyPress(13);
            return true;
        }
        if (key->key() == Qt::Key_Backspace)
            Text1_KeyPress(8);
        else if (key->text().isEmpty())
            // While the last name stands offered, keys that only move the
            // cursor are ignored, so the box and the name never part.
            return name_.offered();
        else
            for (const char32_t c : key->text().toUcs4())
                Text1_KeyPress(c);
    } else if (watched == Text1 && event->type() == QEvent::InputMethod) {
        // Letters composed with dead keys or an input method arrive whole.
        for (const char32_t c : static_cast<QInputMethodEvent*>(event)->commitString().toUcs4())
            Text1_KeyPress(c);
    }
    return QWidget::eventFilter(watched, event);
}

void frmTitle::Text1_KeyPress(char32_t key) {
    if (handedOver_ || !name_.keyPress(key))
        return;
    handedOver_ = true;
    keptSettings().setValue(NameKey, QString::fromStdString(name_.name()));
    game().engine().state().PlayerName = name_.name();
    game_->show();
    close();
}

void frmTitle::closeEvent(QCloseEvent* event) {
    event->accept();
    // Closed before a name was given: nothing else is on screen, so the game ends.
    if (!handedOver_)
        QCoreApplication::quit();
}

} // namespace pipwright
