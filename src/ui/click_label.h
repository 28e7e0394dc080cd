#pragma once

#include <QColor>
#include <QLabel>
#include <QString>

namespace quorvant {

// A label that acts as a button: it reports presses, releases, clicks and double clicks, and
// carries a free text tag. Presses and releases come from any mouse button; clicks and double
// clicks from the left one only. The second left press of a double click is reported as a double
// click only, never as a press or a click.
class ClickLabel : public QLabel {
    Q_OBJECT
  public:
    explicit ClickLabel(QWidget* parent = nullptr);

    const QString& tag() const { return tag_; }
    void setTag(const QString& tag) { tag_ = tag; }
    // A rounded face of this colour under the text, for a label that reads as a big button.
    void setFace(QColor colour);

  signals:
    void pressed();
    void released();
    void clicked();
    void doubleClicked();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    QString tag_;
    QColor face_;
    bool pressedInside_ = false;
};

// A picture control: shows one picture, whose identity tells which of two reference pictures
// it shows.
class PictureBox : public ClickLabel {
    Q_OBJECT
  public:
    explicit PictureBox(QWidget* parent = nullptr);

    void setPicture(const QPixmap& picture);
    const QPixmap& picture() const { return picture_; }
    bool showsPictureOf(const PictureBox& reference) const;

  private:
    QPixmap picture_;
};

}  // namespace quorvant
