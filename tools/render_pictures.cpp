// Draws the program's SVG pictures into the bitmaps the program embeds and installs, with Qt's
// own SVG renderer, at build time: the program itself then needs no SVG support on any system.
// Usage:
//   render_pictures png PICTURE.svg SCALE OUTPUT.png   the picture at its size times SCALE
//   render_pictures square PICTURE.svg SIZE OUTPUT.png a square picture at SIZE pixels
//   render_pictures ico PICTURE.svg OUTPUT.ico         a Windows icon of the usual sizes
#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>
#include <QtEndian>
#include <cmath>
#include <cstdio>

namespace {

QImage Render(QSvgRenderer& picture, QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    picture.render(&painter);
    return image;
}

QByteArray Png(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

void Append16(QByteArray& bytes, quint16 value) {
    const quint16 little = qToLittleEndian(value);
    bytes.append(reinterpret_cast<const char*>(&little), 2);
}

void Append32(QByteArray& bytes, quint32 value) {
    const quint32 little = qToLittleEndian(value);
    bytes.append(reinterpret_cast<const char*>(&little), 4);
}

// An icon file whose images are PNGs, as Windows reads them: a header, one directory entry per
// size, then the images.
QByteArray Icon(QSvgRenderer& picture) {
    const int sizes[] = {16, 20, 24, 32, 40, 48, 64, 128, 256};
    QList<QByteArray> images;
    for (int size : sizes) images.append(Png(Render(picture, QSize(size, size))));
    QByteArray icon;
    Append16(icon, 0);
    Append16(icon, 1);  // an icon, not a cursor
    Append16(icon, quint16(images.size()));
    quint32 offset = 6 + 16 * quint32(images.size());
    for (qsizetype i = 0; i < images.size(); ++i) {
        const int size = sizes[i];
        icon.append(char(size >= 256 ? 0 : size)).append(char(size >= 256 ? 0 : size));
        icon.append(char(0)).append(char(0));  // no palette, reserved
        Append16(icon, 1);                     // colour planes
        Append16(icon, 32);                    // bits per pixel
        Append32(icon, quint32(images[i].size()));
        Append32(icon, offset);
        offset += quint32(images[i].size());
    }
    for (const QByteArray& image : images) icon.append(image);
    return icon;
}

bool Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

}  // namespace

int main(int argc, char* argv[]) {
    // Text in a picture needs the fonts of an application; no display is needed for them, nor
    // are the application's notes on the session it runs in.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type != QtDebugMsg && type != QtInfoMsg && type != QtWarningMsg)
            std::fprintf(stderr, "render_pictures: %s\n", qPrintable(message));
    });
    QGuiApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const QString mode = arguments.value(1);
    if (!(arguments.size() == 5 && (mode == "png" || mode == "square")) &&
        !(arguments.size() == 4 && mode == "ico")) {
        std::fputs(
            "usage: render_pictures png PICTURE.svg SCALE OUTPUT.png\n"
            "       render_pictures square PICTURE.svg SIZE OUTPUT.png\n"
            "       render_pictures ico PICTURE.svg OUTPUT.ico\n",
            stderr);
        return 2;
    }
    QSvgRenderer picture(arguments[2]);
    if (!picture.isValid()) {
        std::fprintf(stderr, "render_pictures: cannot read %s\n", qPrintable(arguments[2]));
        return 1;
    }
    QByteArray bytes;
    if (mode == "ico") {
        bytes = Icon(picture);
    } else {
        const double number = arguments[3].toDouble();
        const QSize size = mode == "square"
                               ? QSize(int(number), int(number))
                               : QSize(int(std::lround(picture.defaultSize().width() * number)),
                                       int(std::lround(picture.defaultSize().height() * number)));
        if (size.isEmpty()) {
            std::fprintf(stderr, "render_pictures: no size in %s\n", qPrintable(arguments[3]));
            return 1;
        }
        bytes = Png(Render(picture, size));
    }
    const QString& output = arguments.back();
    if (bytes.isEmpty() || !Write(output, bytes)) {
        std::fprintf(stderr, "render_pictures: cannot write %s\n", qPrintable(output));
        return 1;
    }
    return 0;
}
