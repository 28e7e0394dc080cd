#include "ui/pictures.h"

#include <QGuiApplication>
#include <QString>
#include <iterator>

#include "app/background_work.h"

namespace quorvant::pictures {
namespace {

// The scales the pictures are drawn at when the program is built.
constexpr double kScales[] = {1.0, 1.5, 2.0};

// The finest screen's scale, rounded up to a scale the pictures were drawn at, so that they are
// never enlarged where one that size exists.
double PictureScale() {
    const double screen = qApp ? qApp->devicePixelRatio() : 1.0;
    for (double scale : kScales) {
        if (scale >= screen - 0.01) return scale;
    }
    return kScales[std::size(kScales) - 1];
}

// The picture drawn at `scale`, laid out at the size of its vector image. Into an image, which
// any thread may load. An opaque picture is kept without transparency, which makes it far
// quicker to draw on the screen.
QImage LoadImage(const char* name, double scale, bool opaque = false) {
    QImage picture(QStringLiteral(":/pictures/%1@%2x.png").arg(QLatin1String(name)).arg(scale));
    if (opaque) picture = picture.convertToFormat(QImage::Format_RGB32);
    picture.setDevicePixelRatio(scale);
    return picture;
}

QPixmap Render(const char* name) { return QPixmap::fromImage(LoadImage(name, PictureScale())); }

}  // namespace

const QPixmap& PictureInProgress::picture() {
    if (drawing_.valid()) picture_ = QPixmap::fromImage(drawing_.get());
    return picture_;
}

PictureInProgress Background() {
    const double scale = PictureScale();
    return PictureInProgress(
        InBackground([scale] { return LoadImage("background", scale, true); }));
}
QPixmap Splash() { return Render("splash"); }
QPixmap CheckBox(bool checked) { return Render(checked ? "check_on" : "check_off"); }
QPixmap OptionButton(bool chosen) { return Render(chosen ? "option_on" : "option_off"); }
QPixmap EnglishFlag() { return Render("flag_en"); }
QPixmap FrenchFlag() { return Render("flag_fr"); }
QPixmap Minimise() { return Render("minimise"); }
QPixmap Close() { return Render("close"); }
QPixmap ArrowUp() { return Render("arrow_up"); }
QPixmap ArrowDown() { return Render("arrow_down"); }
QPixmap MapCycleEmblem() { return Render("map_cycle"); }
// Drawn at the sizes desktops ask for.
QIcon AppIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/pictures/app_icon_%1.png").arg(size), QSize(size, size));
    return icon;
}

}  // namespace quorvant::pictures
