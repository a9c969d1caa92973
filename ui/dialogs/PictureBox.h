#pragma once

#include <QWidget>
#include <functional>

namespace pipwright {

// A decorative picture: paints itself with the given function into its whole
// rectangle, antialiased.
class PictureBox : public QWidget {
    Q_OBJECT

public:
    using Painter = std::function<void(QPainter&, const QRectF&)>;

    PictureBox(Painter painter, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Painter painter_;
};

} // namespace pipwright
