#include "ui/screen_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

namespace quorvant {

QList<QRect> ScreenAreas() {
    QList<QRect> areas;
    for (const QScreen* screen : QGuiApplication::screens()) areas << screen->availableGeometry();
    return areas;
}

QPoint KeptOnScreens(QRect window, const QList<QRect>& screens) {
    const QRect strip(window.topLeft(), QSize(window.width(), kTitleStripHeight));
    const auto onAScreen = [&screens](QPoint point) {
        return std::any_of(screens.begin(), screens.end(),
                           [point](const QRect& screen) { return screen.contains(point); });
    };
    if (screens.isEmpty() || (onAScreen(strip.topLeft()) && onAScreen(strip.topRight()) &&
                              onAScreen(strip.bottomLeft()) && onAScreen(strip.bottomRight())))
        return window.topLeft();
    // Into the screen that holds most of the strip, else the one nearest to it.
    const auto nearness = [&strip](const QRect& screen) {
        const QRect common = screen.intersected(strip);
        if (!common.isEmpty()) return qint64(common.width()) * common.height();
        const QPoint gap = screen.center() - strip.center();
        return -(qint64(gap.x()) * gap.x() + qint64(gap.y()) * gap.y());
    };
    const QRect screen = *std::max_element(
        screens.begin(), screens.end(),
        [&nearness](const QRect& a, const QRect& b) { return nearness(a) < nearness(b); });
    const int x =
        std::max(screen.left(), std::min(window.left(), screen.right() + 1 - window.width()));
    const int y =
        std::max(screen.top(), std::min(window.top(), screen.bottom() + 1 - strip.height()));
    return {x, y};
}

QPoint WithinArea(QRect window, QRect area) {
    const auto within = [](int start, int length, int areaStart, int areaLength) {
        return std::max(areaStart, std::min(start, areaStart + areaLength - length));
    };
    return {within(window.x(), window.width(), area.x(), area.width()),
            within(window.y(), window.height(), area.y(), area.height())};
}

}  // namespace quorvant
