#pragma once

#include <QColor>
#include <QWidget>

namespace quorvant {

// A rectangle drawn on a window: its border always, its inside only while it is filled.
// Mouse presses pass through it to whatever lies beneath.
class Shape : public QWidget {
    Q_OBJECT
  public:
    explicit Shape(QWidget* parent = nullptr);

    bool isFilled() const { return filled_; }
    void setFilled(bool filled);
    void setColours(QColor border, QColor fill);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    bool filled_ = false;
    QColor border_ = Qt::transparent;
    QColor fill_ = Qt::transparent;
};

}  // namespace quorvant
