#pragma once

#include <QLabel>

namespace pipwright {

// Label1, the message line. A message too long for the line at the usual
// size is shown in a smaller size rather than cut off.
class MessageLine : public QLabel {
    Q_OBJECT
public:
    explicit MessageLine(QWidget* parent);
    void setMessage(const QString& text);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void fit();
};

} // namespace pipwright
