#pragma once

#include <QLabel>

namespace pipwright {

// Label1, the message line. A message too long for the line at the usual
// size is shown in a smaller size rather than cut off. Its text is its
// accessible name, so screen readers hear each new message as a name change.
class MessageLine : public QLabel {
    Q_OBJECT
public:
    explicit MessageLine(QWidget* parent);
    void setMessage(const QString& text);
    // Draws the line at a scale of its designed size.
    void setScale(double factor);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void fit();

    double scale_ = 1;
};

} // namespace pipwright
