#include "catalogue/map_picture.h"

#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <algorithm>
#include <vector>

#include "app/file_io.h"
#include "app/native_path.h"
#include "catalogue/map_needs.h"
#include "ui/controls.h"

namespace quorvant {

QImage DrawMapOutline(const MapOutline& outline, QSize size) {
    QImage picture(size, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    const float width = std::max(outline.maxX - outline.minX, 1.0F);
    const float height = std::max(outline.maxY - outline.minY, 1.0F);
    const float scale =
        std::min(float(size.width() - 2) / width, float(size.height() - 2) / height);
    const float left = (float(size.width()) - width * scale) / 2;
    const float top = (float(size.height()) - height * scale) / 2;
    std::vector<QLineF> lines;
    lines.reserve(outline.lines.size() / 4);
    // North up: the map's y grows upwards, the picture's downwards.
    const auto x = [&](float value) { return double(left + (value - outline.minX) * scale); };
    const auto y = [&](float value) { return double(top + (outline.maxY - value) * scale); };
    for (std::size_t at = 0; at + 3 < outline.lines.size(); at += 4) {
        lines.emplace_back(x(outline.lines[at]), y(outline.lines[at + 1]), x(outline.lines[at + 2]),
                           y(outline.lines[at + 3]));
    }
    QPainter painter(&picture);
    painter.setPen(QPen(kAccent, 0));
    painter.drawLines(lines.data(), int(lines.size()));
    return picture;
}

QImage MapPicture(const std::string& gameFolder, const std::string& mod, const std::string& mapFile,
                  QSize size) {
    const std::string overview = OverviewPath(gameFolder, mod, mapFile);
    if (!overview.empty()) {
        const QImage image(QString::fromLocal8Bit(overview.c_str()));
        if (!image.isNull())
            return image.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    const std::optional<MapOutline> outline = LoadMapOutline(gameFolder, mod, mapFile);
    return outline ? DrawMapOutline(*outline, size) : QImage();
}

void ShowMapPicture(QLabel* label, const std::string& gameFolder, const std::string& mod,
                    const std::string& mapFile) {
    const qreal density = label->devicePixelRatioF();
    QPixmap shown = QPixmap::fromImage(
        MapPicture(gameFolder, mod, mapFile, (QSizeF(label->size()) * density).toSize()));
    shown.setDevicePixelRatio(density);
    label->setPixmap(shown);
}

QIcon MissingContentMark() {
    QIcon mark;
    for (const int size : {16, 32}) {  // sharp on screens of either density
        QPixmap picture(size, size);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(kAccent);
        const double edge = size / 8.0;
        painter.drawEllipse(QRectF(edge, edge, size - 2 * edge, size - 2 * edge));
        painter.setBrush(Qt::black);
        const double bar = size / 8.0;
        painter.drawRect(QRectF((size - bar) / 2, size * 0.28, bar, size * 0.28));
        painter.drawRect(QRectF((size - bar) / 2, size * 0.64, bar, bar));
        painter.end();
        mark.addPixmap(picture);
    }
    return mark;
}

}  // namespace quorvant
