#pragma once

#include <QAccessible>
#include <QObject>
#include <QRect>
#include <QStringList>
#include <QWidget>
#include <array>
#include <functional>
#include <vector>

namespace pipwright {

// What a screen reader is told of one picture of the table: its role and
// name and, for the hand and the line, one item per domino.
struct PictureReading {
    QAccessible::Role role = QAccessible::Graphic;
    QString name;
    QStringList items;
    std::vector<QRect> itemRects; // in the picture's widget pixels, where known
    int focusItem = -1;           // the highlighted domino, -1 for none
    int selectedItem = -1;
};

// Attached to a picture, it gives the picture its accessible interface and
// tells the screen reader what changed since it last looked: names, items,
// the focus item and the selection, each only when it changed.
class PictureReader : public QObject {
    Q_OBJECT
public:
    PictureReader(QWidget* picture, std::function<PictureReading()> read);

    QWidget* picture() const { return picture_; }
    PictureReading read() const { return read_(); }
    // Compares with what was last told and sends the events for the changes.
    void update();
    // Sends the focus event for the focus item, if there is one.
    void focusItem();

    static PictureReader* of(QObject* picture);

private:
    QWidget* picture_;
    std::function<PictureReading()> read_;
    PictureReading told_;
};

// Gives every picture with a reader its own interface. Called once.
void installTableAccessibility();

// What the game tells the player, as a screen reader's notifications. A
// screen reader speaks a notification when it appears, wherever the focus is,
// and reads its text when it gets to it: each piece of news appears in the next
// of a few empty widgets in turn, so one read late still says its own news, not
// a later one. The line itself keeps the last news as its name.
class NewsLine : public QWidget {
    Q_OBJECT
public:
    explicit NewsLine(QWidget* parent);
    void tell(const QString& news);
    // The widgets that show the news, in the order they take turns.
    const std::array<QWidget*, 8>& notices() const { return notices_; }

private:
    std::array<QWidget*, 8> notices_{};
    std::size_t next_ = 0;
};

} // namespace pipwright
