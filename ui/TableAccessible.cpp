#include "ui/TableAccessible.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace pipwright {

namespace {

PictureReading readingOf(const QWidget* picture) {
    const PictureReader* reader = PictureReader::of(const_cast<QWidget*>(picture));
    return reader ? reader->read() : PictureReading{};
}

// One domino of the hand or of the line. Its place in the list is fixed; the
// domino it names is read from the game each time it is asked.
class DominoItem : public QAccessibleInterface {
public:
    DominoItem(QWidget* picture, int index) : picture_(picture), index_(index) {}

    bool isValid() const override { return picture_ && PictureReader::of(picture_); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        return picture_ ? picture_->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(picture_);
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation) const override {
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}

    QString text(QAccessible::Text t) const override {
        if (!isValid())
            return {};
        if (t == QAccessible::Name) {
            const PictureReading r = readingOf(picture_);
            return index_ < r.items.size() ? r.items[index_] : QString();
        }
        return {};
    }
    QRect rect() const override {
        if (!isValid())
            return {};
        const PictureReading r = readingOf(picture_);
        if (std::size_t(index_) < r.itemRects.size())
            return QRect(picture_->mapToGlobal(r.itemRects[std::size_t(index_)].topLeft()),
                         r.itemRects[std::size_t(index_)].size());
        return QRect(picture_->mapToGlobal(QPoint(0, 0)), picture_->size());
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!isValid())
            return s;
        const PictureReading r = readingOf(picture_);
        s.focusable = picture_->focusPolicy() != Qt::NoFocus;
        s.selectable = true;
        s.focused = picture_->hasFocus() && r.focusItem == index_;
        s.selected = r.selectedItem == index_;
        s.invisible = !picture_->isVisible() || index_ >= r.items.size();
        return s;
    }

private:
    QPointer<QWidget> picture_;
    int index_;
};

// A picture of the table: the hand and the line are lists of their dominoes,
// the others a picture with a name.
class PictureAccessible : public QAccessibleWidget {
public:
    explicit PictureAccessible(QWidget* picture)
        : QAccessibleWidget(picture, readingOf(picture).role) {}
    ~PictureAccessible() override {
        for (QAccessible::Id id : ids_)
            QAccessible::deleteAccessibleInterface(id);
    }

    QAccessible::Role role() const override { return readingOf(widget()).role; }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name)
            return readingOf(widget()).name;
        return QAccessibleWidget::text(t);
    }
    int childCount() const override { return int(readingOf(widget()).items.size()); }
    QAccessibleInterface* child(int index) const override {
        return index >= 0 && index < childCount() ? item(index) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (std::size_t i = 0; i < items_.size(); ++i)
            if (items_[i] == child)
                return int(i) < childCount() ? int(i) : -1;
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        for (int i = 0; i < childCount(); ++i)
            if (item(i)->rect().contains(x, y))
                return item(i);
        return nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        const int focus = readingOf(widget()).focusItem;
        return widget()->hasFocus() && focus >= 0 ? child(focus) : nullptr;
    }

    // Item n, made when first asked for and kept while the picture lives.
    QAccessibleInterface* item(int index) const {
        while (items_.size() <= std::size_t(index)) {
            auto* made = new DominoItem(widget(), int(items_.size()));
            ids_.push_back(QAccessible::registerAccessibleInterface(made));
            items_.push_back(made);
        }
        return items_[std::size_t(index)];
    }

private:
    mutable std::vector<QAccessibleInterface*> items_;
    mutable std::vector<QAccessible::Id> ids_;
};

QAccessibleInterface* pictureItem(QWidget* picture, int index) {
    auto* iface = dynamic_cast<PictureAccessible*>(QAccessible::queryAccessibleInterface(picture));
    return iface ? iface->item(index) : nullptr;
}

void send(QAccessibleInterface* iface, QAccessible::Event type) {
    if (!iface)
        return;
    QAccessibleEvent event(iface, type);
    QAccessible::updateAccessibility(&event);
}

void sendStateChange(QAccessibleInterface* iface, QAccessible::State changed) {
    if (!iface)
        return;
    QAccessibleStateChangeEvent event(iface, changed);
    QAccessible::updateAccessibility(&event);
}

// One of the widgets that show the news in turn.
class NewsNotice : public QWidget {
public:
    using QWidget::QWidget;
};

QAccessibleInterface* tableFactory(const QString&, QObject* object) {
    if (auto* notice = dynamic_cast<NewsNotice*>(object))
        return new QAccessibleWidget(notice, QAccessible::Notification);
    auto* widget = qobject_cast<QWidget*>(object);
    return widget && PictureReader::of(widget) ? new PictureAccessible(widget) : nullptr;
}

} // namespace

PictureReader::PictureReader(QWidget* picture, std::function<PictureReading()> read)
    : QObject(picture), picture_(picture), read_(std::move(read)) {
    setObjectName(QStringLiteral("PictureReader"));
}

PictureReader* PictureReader::of(QObject* picture) {
    return picture ? picture->findChild<PictureReader*>(QStringLiteral("PictureReader"),
                                                        Qt::FindDirectChildrenOnly)
                   : nullptr;
}

void PictureReader::update() {
    const PictureReading now = read();
    if (!QAccessible::isActive()) {
        told_ = now;
        return;
    }
    QAccessibleInterface* self = QAccessible::queryAccessibleInterface(picture_);
    if (now.name != told_.name)
        send(self, QAccessible::NameChanged);
    const auto had = told_.items.size();
    const auto has = now.items.size();
    for (qsizetype i = 0; i < std::max(had, has); ++i) {
        QAccessibleInterface* item = pictureItem(picture_, int(i));
        if (i >= had)
            send(item, QAccessible::ObjectCreated);
        else if (i >= has)
            send(item, QAccessible::ObjectDestroyed);
        else if (now.items[i] != told_.items[i])
            send(item, QAccessible::NameChanged);
    }
    if (now.selectedItem != told_.selectedItem) {
        QAccessible::State selected;
        selected.selected = true;
        for (int i : {told_.selectedItem, now.selectedItem})
            if (i >= 0)
                sendStateChange(pictureItem(picture_, i), selected);
    }
    const bool focusMoved = now.focusItem != told_.focusItem;
    told_ = now;
    if (focusMoved && picture_->hasFocus()) {
        if (now.focusItem >= 0)
            focusItem();
        else
            send(self, QAccessible::Focus);
    }
}

void PictureReader::focusItem() {
    if (told_.focusItem >= 0 && QAccessible::isActive())
        send(pictureItem(picture_, told_.focusItem), QAccessible::Focus);
}

void installTableAccessibility() {
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(tableFactory);
    // A picture that takes focus then tells which of its dominoes has it, after
    // the widget's own focus event.
    QObject::connect(qApp, &QApplication::focusChanged, qApp, [](QWidget*, QWidget* now) {
        if (PictureReader* reader = PictureReader::of(now))
            QMetaObject::invokeMethod(reader, &PictureReader::focusItem, Qt::QueuedConnection);
    });
}

NewsLine::NewsLine(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("NewsLine"));
    setFixedSize(0, 0);
    setFocusPolicy(Qt::NoFocus);
    hide();
    // Beside the line, not in it: a widget in a hidden one never appears.
    for (QWidget*& notice : notices_) {
        notice = new NewsNotice(parent);
        notice->setObjectName(QStringLiteral("News"));
        notice->setFixedSize(0, 0);
        notice->setFocusPolicy(Qt::NoFocus);
        notice->hide();
    }
}

void NewsLine::tell(const QString& news) {
    if (news.isEmpty())
        return;
    setAccessibleName(news);
    QWidget* notice = notices_[next_];
    next_ = (next_ + 1) % notices_.size();
    notice->setAccessibleName(news);
    notice->hide();
    notice->show();
}

} // namespace pipwright
