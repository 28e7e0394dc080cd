#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <future>

// The pictures of the windows: the program's own vector images, drawn when it is built at the
// scales of common screens (1, 1.5 and 2 pixels a point).
namespace quorvant::pictures {

// A picture drawn on another thread while the window is being built, taken when first needed.
class PictureInProgress {
  public:
    explicit PictureInProgress(std::future<QImage> drawing) : drawing_(std::move(drawing)) {}
    // Waits for the drawing the first time.
    const QPixmap& picture();

  private:
    std::future<QImage> drawing_;
    QPixmap picture_;
};

// The whole window's background: the largest picture, and the slowest to draw.
PictureInProgress Background();
QPixmap Splash();
QPixmap CheckBox(bool checked);
QPixmap OptionButton(bool chosen);
QPixmap EnglishFlag();
QPixmap FrenchFlag();
QPixmap Minimise();
QPixmap Close();
QPixmap ArrowUp();
QPixmap ArrowDown();
QPixmap MapCycleEmblem();
// The program's icon, for every window.
QIcon AppIcon();

}  // namespace quorvant::pictures
