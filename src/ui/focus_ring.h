#pragma once

#include <QColor>
#include <QPointer>
#include <QWidget>

namespace quorvant {

// A ring around the control of a window that has the keyboard's focus, drawn over the window's
// controls, the same for every kind of control (buttons of labels, boxes, fields, lists, even an
// empty one). It shows while the window is used from the keyboard: from the window's opening or
// activation on, and after any key; a mouse press hides it until the next key or activation.
class FocusRing : public QWidget {
    Q_OBJECT
  public:
    explicit FocusRing(QWidget* window);

    // Light on the windows' dark ground: far more than the 3:1 contrast a focus mark needs.
    static inline const QColor kColour{0xf4, 0xf6, 0xfa};
    static constexpr int kWidth = 2;
    static constexpr int kGap = 1;  // between the control and the ring

    // The control the ring is around, shown or not.
    QWidget* control() const { return control_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void follow(QWidget* focused);
    void place();
    bool inWindow(const QObject* object) const;

    QPointer<QWidget> control_;
    bool fromKeyboard_ = true;
};

}  // namespace quorvant
