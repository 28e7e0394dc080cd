#pragma once

#include <QColor>
#include <QLabel>
#include <QString>
#include <optional>
#include <vector>

namespace quorvant {

// What a label that acts as a control stands for, to the keyboard and to screen readers.
enum class ControlRole { Label, Button, CheckBox, RadioButton, Tab, Link };

// A label that acts as a button: it reports presses, releases, clicks and double clicks, and
// carries a free text tag. Presses and releases come from any mouse button; clicks and double
// clicks from the left one only. The second left press of a double click is reported as a double
// click only, never as a press or a click.
//
// Given a role other than Label, it takes the focus with Tab, shows the pointer over it, and
// Space or Enter click it (Enter unless told otherwise). It may be marked: the active
// tab or language, or a chosen option; a check box or option button of pictures is marked while its
// state is "1".
class ClickLabel : public QLabel {
    Q_OBJECT
  public:
    explicit ClickLabel(QWidget* parent = nullptr);

    const QString& tag() const { return tag_; }
    void setTag(const QString& tag);
    // A rounded face of this colour under the text, for a label that reads as a big button.
    void setFace(QColor colour);

    ControlRole role() const { return role_; }
    void setRole(ControlRole role);
    bool isMarked() const { return marked_; }
    void setMarked(bool marked);
    // The edge that carries the mark of an active tab or language: none draws no mark.
    void setMarkEdge(Qt::Edge edge);
    // The label whose text names this control, for a picture beside its caption.
    void setCaption(const QLabel* caption) { caption_ = caption; }
    // The options that arrow keys move between, this one among them.
    void setGroup(std::vector<ClickLabel*> group) { group_ = std::move(group); }
    // The name a screen reader gives: the caption's text, else the own text, else the tooltip.
    QString spokenName() const;
    // Runs what a click runs.
    void activate() { emit clicked(); }
    // Whether Enter clicks it like Space; otherwise Enter goes on to its window, as in the tool
    // windows, where Enter has a meaning of its own.
    void setEnterClicks(bool enterClicks) { enterClicks_ = enterClicks; }

  signals:
    void pressed();
    void released();
    void clicked();
    void doubleClicked();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    virtual void tagChanged() {}

  private:
    void paintStates(QPainter& painter);
    void moveInGroup(int step);

    QString tag_;
    QColor face_;
    bool pressedInside_ = false;
    ControlRole role_ = ControlRole::Label;
    bool marked_ = false;
    bool enterClicks_ = true;
    std::optional<Qt::Edge> markEdge_;
    const QLabel* caption_ = nullptr;
    std::vector<ClickLabel*> group_;
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

  protected:
    void tagChanged() override;

  private:
    QPixmap picture_;
};

}  // namespace quorvant
