#include "ui/table/TableDrawing.h"

#include "ui/table/TableTexts.h"
#include "ui/table/TilePainter.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QLineF>
#include <QMouseEvent>
#include <QPainter>
#include <QRadialGradient>

namespace pipwright {

using rules::Domino;
using rules::End;
using session::HumanSeat;

namespace {

const QColor Gold(250, 205, 80);
const QColor Focus(120, 190, 255);
const QColor Marked(255, 140, 60);

QRectF lerp(const QRectF& a, const QRectF& b, double t) {
    return {a.x() + (b.x() - a.x()) * t, a.y() + (b.y() - a.y()) * t,
            a.width() + (b.width() - a.width()) * t, a.height() + (b.height() - a.height()) * t};
}

void paintPanel(QPainter& p, const QRectF& r, bool glowing) {
    p.save();
    if (glowing) {
        p.setPen(QPen(Gold, 5));
        p.setBrush(QColor(60, 45, 0, 170));
    } else {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 90));
    }
    p.drawRoundedRect(r, 14, 14);
    p.restore();
}

QFont fontOf(double pixels, bool bold = false) {
    QFont font = QApplication::font();
    font.setPixelSize(int(pixels));
    font.setBold(bold);
    return font;
}

// Draws the text in the box, smaller when a translation would not fit whole.
void drawFitted(QPainter& p, const QRectF& box, int flags, const QString& text, double pixels,
                bool bold = false) {
    QFont font = fontOf(pixels, bold);
    while (font.pixelSize() > 8) {
        const QRectF needed = QFontMetricsF(font).boundingRect(box, flags | Qt::TextWordWrap, text);
        if (needed.width() <= box.width() && needed.height() <= box.height())
            break;
        font.setPixelSize(font.pixelSize() - 1);
    }
    p.setFont(font);
    p.drawText(box, flags | Qt::TextWordWrap, text);
}

std::vector<Domino> inOrder(rules::DominoSet set) {
    std::vector<Domino> dominoes;
    for (Domino d : set)
        dominoes.push_back(d);
    return dominoes;
}

TileLook faceDown(bool down) {
    TileLook look;
    look.faceDown = down;
    return look;
}

} // namespace

TableDrawing::TableDrawing(const session::TableSession& session, QWidget* parent)
    : QWidget(parent), session_(session) {
    setObjectName(QStringLiteral("TableDrawing"));
    setMinimumSize(640, 400);
    movement_.setDuration(250);
    movement_.setStartValue(0.0);
    movement_.setEndValue(1.0);
    movement_.setEasingCurve(QEasingCurve::OutCubic);
    connect(&movement_, &QVariantAnimation::valueChanged, this, qOverload<>(&QWidget::update));
    connect(&movement_, &QVariantAnimation::finished, this, [this] {
        moved_.reset();
        update();
    });
    for (QTimer& timer : passShown_) {
        timer.setSingleShot(true);
        timer.setInterval(1500);
        connect(&timer, &QTimer::timeout, this, qOverload<>(&QWidget::update));
    }
}

std::vector<Domino> TableDrawing::handShown() const {
    return inOrder(session_.game().hand(HumanSeat));
}

void TableDrawing::setHighlight(int index) {
    highlight_ = index;
    update();
}

void TableDrawing::showLaid(const rules::Laid& laid) {
    lastLaid_ = laid.domino;
    if (movementOn_ && isVisible()) {
        moved_ = laid.domino;
        movedFrom_ = seatOrigin(laid.seat);
        movement_.stop();
        movement_.start();
    }
    update();
}

void TableDrawing::showPass(int seat) {
    passShown_[std::size_t(seat)].start();
    update();
}

void TableDrawing::setSummary(const QStringList& lines) {
    summary_ = lines;
    update();
}

void TableDrawing::forgetHand() {
    lastLaid_.reset();
    moved_.reset();
    movement_.stop();
    summary_.clear();
    for (QTimer& timer : passShown_)
        timer.stop();
    update();
}

QTransform TableDrawing::canvasTransform() const {
    const double scale = std::min(width() / CanvasWidth, height() / CanvasHeight);
    QTransform t;
    t.translate((width() - CanvasWidth * scale) / 2, (height() - CanvasHeight * scale) / 2);
    t.scale(scale, scale);
    return t;
}

QRectF TableDrawing::toWidget(const QRectF& onCanvas) const {
    return canvasTransform().mapRect(onCanvas);
}

QPointF TableDrawing::toCanvas(const QPointF& inWidget) const {
    return canvasTransform().inverted().map(inWidget);
}

std::vector<LineTile> TableDrawing::lineShown() const {
    std::vector<LineTile> tiles = lineOfHand(session_.game().record());
    placeLine(tiles, canvas::lineArea());
    return tiles;
}

QRectF TableDrawing::summaryButtonPlace() const {
    const QRectF panel = canvas::endOfHandPanel();
    return toWidget(QRectF(panel.center().x() - 130, panel.bottom() - 80, 260, 56));
}

std::optional<int> TableDrawing::handIndexAt(const QPointF& inWidget) const {
    const QPointF at = toCanvas(inWidget);
    const int count = int(handShown().size());
    for (int i = 0; i < count; ++i)
        // The raised dominoes are hit where they are drawn and where they rest.
        if (canvas::handTile(i, count).adjusted(0, -30, 0, 0).contains(at))
            return i;
    return std::nullopt;
}

std::optional<End> TableDrawing::endAt(const QPointF& inWidget) const {
    const QPointF at = toCanvas(inWidget);
    const std::vector<LineTile> tiles = lineShown();
    if (tiles.empty())
        return canvas::lineArea().contains(at) ? std::optional(End::First) : std::nullopt;
    // Each end's domino, and a margin around it the size of a half.
    auto zone = [](const LineTile& tile) {
        const double m = std::min(tile.rect.width(), tile.rect.height());
        return tile.rect.adjusted(-m, -m, m, m);
    };
    const LineTile& left = tiles.front();
    const LineTile& right = tiles.back();
    const bool inLeft = zone(left).contains(at), inRight = zone(right).contains(at);
    if (inLeft && inRight) {
        // One domino holds both ends (or they touch): the nearer half decides.
        const QLineF toLeft(at, left.rect.center()), toRight(at, right.rect.center());
        if (&left == &right)
            return (at.x() < left.rect.center().x()) != left.reversed ? End::Left : End::Right;
        return toLeft.length() <= toRight.length() ? End::Left : End::Right;
    }
    if (inLeft)
        return End::Left;
    if (inRight)
        return End::Right;
    return std::nullopt;
}

QRectF TableDrawing::seatOrigin(int seat) const {
    if (seat == HumanSeat) {
        const int count = int(handShown().size()) + 1;
        return canvas::handTile(count / 2, count);
    }
    const int count = std::max(1, session_.game().hand(seat).size());
    return canvas::seatTile(session_.game().rules(), seat, count / 2, count, false);
}

void TableDrawing::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    // The felt, brighter under the lamp in the middle.
    QRadialGradient felt(rect().center(), std::max(width(), height()) * 0.75);
    felt.setColorAt(0, QColor(38, 122, 70));
    felt.setColorAt(1, QColor(12, 58, 32));
    p.fillRect(rect(), felt);
    p.setTransform(canvasTransform());
    p.setPen(QPen(QColor(255, 255, 255, 28), 3));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(175, 185, 1250, 590), 40, 40);
    paintPanels(p);
    paintLine(p);
    paintSeats(p);
    paintHand(p);
    paintSummary(p);
}

void TableDrawing::paintPanels(QPainter& p) const {
    const rules::Game& game = session_.game();
    const rules::RuleSet& rules = game.rules();
    p.setPen(Qt::white);
    const QRectF scores = canvas::scorePanel();
    paintPanel(p, scores, false);
    QString text = tabletext::presetTitle(rules.preset) + QLatin1Char('\n');
    for (int side = 0; side < rules::sideCount(rules); ++side)
        text += tr("%1: %2").arg(tabletext::sideName(rules, side, true)).arg(game.score(side)) +
                QLatin1Char('\n');
    drawFitted(p, scores.adjusted(16, 10, -16, -10), Qt::AlignLeft | Qt::AlignTop, text.trimmed(),
               24);
    if (rules.drawWhenStuck) {
        const QRectF yard = canvas::boneYardPanel();
        paintPanel(p, yard, false);
        for (int i = 0; i < std::min(3, game.boneYardCount()); ++i)
            paintTile(p, QRectF(yard.left() + 14 + i * 8, yard.top() + 14 - i * 4, 30, 60), 0, 0,
                      faceDown(true));
        p.setPen(Qt::white);
        drawFitted(p, yard.adjusted(70, 0, -8, 0), Qt::AlignVCenter | Qt::AlignLeft,
                   tr("BoneYard\n%1").arg(game.boneYardCount()), 22);
    }
}

void TableDrawing::paintSeats(QPainter& p) const {
    const rules::Game& game = session_.game();
    const rules::RuleSet& rules = game.rules();
    const bool handOver = game.phase() != rules::Phase::Playing;
    for (int seat = 0; seat < rules.seats; ++seat) {
        const QRectF panel = canvas::seatPanel(rules, seat);
        const bool toPlay = !handOver && game.turn() == seat;
        paintPanel(p, panel, toPlay);
        p.setPen(Qt::white);
        drawFitted(p, QRectF(panel.left() + 12, panel.top() + 6, panel.width() - 24, 36),
                   Qt::AlignLeft | Qt::AlignTop, tabletext::seatName(rules, seat), 26, true);
        const int count = game.hand(seat).size();
        const QString detail =
            seat == HumanSeat ? tabletext::dominoCount(count)
                              : tr("%1 · %2").arg(tabletext::levelName(
                                                      session_.setup().levels[std::size_t(seat)]),
                                                  tabletext::dominoCount(count));
        drawFitted(p, QRectF(panel.left() + 12, panel.bottom() - 38, panel.width() - 24, 32),
                   Qt::AlignLeft | Qt::AlignBottom, detail, 20);
        if (passShown_[std::size_t(seat)].isActive()) {
            const QRectF bubble(panel.right() - 96, panel.top() - 44, 110, 48);
            p.setPen(QPen(QColor(90, 30, 20), 2));
            p.setBrush(QColor(255, 236, 200));
            p.drawRoundedRect(bubble, 22, 22);
            drawFitted(p, bubble.adjusted(6, 0, -6, 0), Qt::AlignCenter, tr("Pass"), 26, true);
        }
        if (seat == HumanSeat)
            continue;
        // The other seats hold their dominoes face down until the hand ends.
        const std::vector<Domino> held = inOrder(game.hand(seat));
        for (int i = 0; i < int(held.size()); ++i) {
            const QRectF r = canvas::seatTile(rules, seat, i, int(held.size()), handOver);
            paintTile(p, r, held[std::size_t(i)].low, held[std::size_t(i)].high,
                      faceDown(!handOver));
        }
    }
}

void TableDrawing::paintLine(QPainter& p) const {
    const std::vector<LineTile> tiles = lineShown();
    const bool dim = !summary_.isEmpty();
    const bool playerTurn = session_.humanToPlay();
    const std::optional<Domino> chosen = pressed_ && dragAt_ ? pressed_ : session_.selected();
    for (const LineTile& tile : tiles) {
        QRectF r = tile.rect;
        if (moved_ && tile.domino == *moved_)
            r = lerp(movedFrom_, tile.rect, movement_.currentValue().toDouble());
        TileLook look;
        look.dimmed = dim;
        if (lastLaid_ && tile.domino == *lastLaid_ && !moved_)
            look.outline = Marked;
        const bool shownFirst = tile.reversed;
        paintTile(p, r, shownFirst ? tile.second : tile.first,
                  shownFirst ? tile.first : tile.second, look);
    }
    // Where the chosen domino may go: its ends glow.
    if (!playerTurn || !chosen || dim)
        return;
    p.setBrush(QColor(250, 205, 80, 60));
    p.setPen(QPen(Gold, 4, Qt::DashLine));
    for (End end : session_.placesFor(*chosen)) {
        QRectF r = canvas::lineArea().adjusted(200, 120, -200, -120);
        if (end == End::Left)
            r = tiles.front().rect.adjusted(-8, -8, 8, 8);
        else if (end == End::Right)
            r = tiles.back().rect.adjusted(-8, -8, 8, 8);
        p.drawRoundedRect(r, 10, 10);
    }
}

void TableDrawing::paintHand(QPainter& p) const {
    const std::vector<Domino> hand = handShown();
    const bool playerTurn = session_.humanToPlay();
    const std::optional<Domino> selected = session_.selected();
    const int count = int(hand.size());
    for (int i = 0; i < count; ++i) {
        const Domino d = hand[std::size_t(i)];
        QRectF r = canvas::handTile(i, count);
        const bool fits = playerTurn && session_.fits(d);
        TileLook look;
        look.dimmed = playerTurn && !fits;
        look.outlineWidth = 4;
        if (fits)
            r.translate(0, -14);
        if (selected && *selected == d) {
            r.translate(0, -16);
            look.outline = Gold;
            look.outlineWidth = 6;
        } else if (i == highlight_) {
            look.outline = Focus;
        } else if (fits) {
            look.outline = QColor(250, 205, 80, 150);
        }
        if (dragAt_ && pressed_ && *pressed_ == d) {
            look.dimmed = true;
            look.outline = QColor();
        }
        paintTile(p, r, d.low, d.high, look);
    }
    if (dragAt_ && pressed_) {
        TileLook dragged;
        dragged.outline = Gold;
        const QRectF r = canvas::handTile(0, 7);
        paintTile(p, QRectF(*dragAt_ - QPointF(r.width() / 2, r.height() / 2), r.size()),
                  pressed_->low, pressed_->high, dragged);
    }
}

void TableDrawing::paintSummary(QPainter& p) const {
    if (summary_.isEmpty())
        return;
    const rules::Game& game = session_.game();
    const QRectF panel = canvas::endOfHandPanel();
    p.setPen(QPen(Gold, 4));
    p.setBrush(QColor(10, 30, 18, 245));
    p.drawRoundedRect(panel, 24, 24);
    p.setPen(Qt::white);
    // The title and what the hand was worth.
    drawFitted(p, QRectF(panel.left() + 30, panel.top() + 16, panel.width() - 60, 46),
               Qt::AlignHCenter | Qt::AlignVCenter, summary_[0], 36, true);
    if (summary_.size() > 1)
        drawFitted(p, QRectF(panel.left() + 30, panel.top() + 66, panel.width() - 60, 72),
                   Qt::AlignHCenter | Qt::AlignVCenter, summary_[1], 27);
    // Every hand face up, with its pips.
    const int seats = game.rules().seats;
    const double rowHeight = 68;
    for (int seat = 0; seat < seats; ++seat) {
        const double top = panel.top() + 150 + seat * rowHeight;
        const std::vector<Domino> held = inOrder(game.hand(seat));
        p.setPen(Qt::white);
        drawFitted(p, QRectF(panel.left() + 40, top, 200, rowHeight - 8),
                   Qt::AlignLeft | Qt::AlignVCenter, tabletext::seatName(game.rules(), seat), 26,
                   true);
        for (int i = 0; i < int(held.size()); ++i)
            paintTile(p, QRectF(panel.left() + 250 + i * 36, top + 2, 29, 58),
                      held[std::size_t(i)].low, held[std::size_t(i)].high, TileLook{});
        p.setPen(QColor(255, 230, 160));
        drawFitted(p, QRectF(panel.right() - 160, top, 120, rowHeight - 8),
                   Qt::AlignRight | Qt::AlignVCenter, QString::number(game.hand(seat).pips()), 30,
                   true);
    }
    p.setPen(Qt::white);
    for (int i = 2; i < summary_.size(); ++i)
        drawFitted(p,
                   QRectF(panel.left() + 30, panel.top() + 160 + seats * rowHeight + (i - 2) * 40,
                          panel.width() - 60, 40),
                   Qt::AlignHCenter | Qt::AlignVCenter, summary_[i], 26);
}

void TableDrawing::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    pressAt_ = event->position();
    pressed_.reset();
    if (const std::optional<int> i = handIndexAt(event->position()))
        pressed_ = handShown()[std::size_t(*i)];
}

void TableDrawing::mouseMoveEvent(QMouseEvent* event) {
    if (!pressed_ || !session_.humanToPlay())
        return;
    if (!dragAt_ &&
        (event->position() - pressAt_).manhattanLength() < QApplication::startDragDistance())
        return;
    dragAt_ = toCanvas(event->position());
    update();
}

void TableDrawing::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const std::optional<Domino> pressed = pressed_;
    const bool dragged = dragAt_.has_value();
    pressed_.reset();
    dragAt_.reset();
    update();
    if (dragged) {
        if (const std::optional<End> end = endAt(event->position()))
            Q_EMIT dropped(*pressed, *end);
        return;
    }
    if (pressed) {
        Q_EMIT handClicked(*pressed);
        return;
    }
    if (const std::optional<End> end = endAt(event->position()))
        Q_EMIT endClicked(*end);
}

void TableDrawing::mouseDoubleClickEvent(QMouseEvent* event) {
    if (const std::optional<int> i = handIndexAt(event->position()))
        Q_EMIT handDoubleClicked(handShown()[std::size_t(*i)]);
}

} // namespace pipwright
