#include "ui/pictures.h"

#include <QPainter>
#include <QSvgRenderer>

#include "app/background_work.h"

namespace quorvant::pictures {
namespace {

// Renders at the image's own size, so each picture has exactly the size its control expects.
// Into an image, which any thread may draw. An opaque picture is kept without transparency,
// which makes it far quicker to draw on the screen.
QImage RenderImage(const char* name, bool opaque = false) {
    QSvgRenderer renderer(QStringLiteral(":/pictures/%1.svg").arg(QLatin1String(name)));
    QImage picture(renderer.defaultSize(),
                   opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    picture.fill(opaque ? Qt::black : Qt::transparent);
    QPainter painter(&picture);
    renderer.render(&painter);
    return picture;
}

QPixmap Render(const char* name) { return QPixmap::fromImage(RenderImage(name)); }

}  // namespace

const QPixmap& PictureInProgress::picture() {
    if (drawing_.valid()) picture_ = QPixmap::fromImage(drawing_.get());
    return picture_;
}

PictureInProgress Background() {
    return PictureInProgress(InBackground([] { return RenderImage("background", true); }));
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
// Drawn from the vector image at whatever size the desktop asks for.
QIcon AppIcon() { return QIcon(QStringLiteral(":/pictures/app_icon.svg")); }

}  // namespace quorvant::pictures
