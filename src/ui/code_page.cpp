#include "ui/code_page.h"

#include <QByteArray>
#include <QLineEdit>
#include <QVariant>
#include <algorithm>
#include <array>
#include <iterator>

#include "ui/text_conversion.h"

namespace quorvant {
namespace {

constexpr char kBytesProperty[] = "fileBytes";
constexpr char kTextProperty[] = "fileText";

#ifndef Q_OS_WIN
// The characters of bytes 0x80 to 0x9F; from 0xA0 on, byte and character are the same number.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char ByteFor(char32_t character) {
    if (character < 0x80 || (character >= 0xA0 && character <= 0xFF)) return char(character);
    const auto found = std::find(kHighControls.begin(), kHighControls.end(), character);
    return found == kHighControls.end() ? '?' : char(0x80 + (found - kHighControls.begin()));
}
#endif

}  // namespace

QString FromCodePage(std::string_view bytes) {
#ifdef Q_OS_WIN
    return FromBytes(bytes);
#else
    QString text(qsizetype(bytes.size()), Qt::Uninitialized);
    std::transform(bytes.begin(), bytes.end(), text.begin(), [](char byte) {
        const auto code = static_cast<unsigned char>(byte);
        return QChar(code >= 0x80 && code < 0xA0 ? kHighControls[code - 0x80] : char16_t(code));
    });
    return text;
#endif
}

std::string ToCodePage(const QString& text) {
#ifdef Q_OS_WIN
    // Character by character, so that one the code page lacks is one "?", as elsewhere.
    std::string bytes;
    for (char32_t character : text.toUcs4()) {
        const QString one = QString::fromUcs4(&character, 1);
        const std::string converted = ToBytes(one);
        bytes += FromBytes(converted) == one ? converted : "?";
    }
    return bytes;
#else
    const auto characters = text.toUcs4();
    std::string bytes;
    bytes.reserve(std::size_t(characters.size()));
    std::transform(characters.begin(), characters.end(), std::back_inserter(bytes), ByteFor);
    return bytes;
#endif
}

void ShowFileValue(QLineEdit* box, std::string_view bytes) {
    box->setText(FromCodePage(bytes));
    box->setProperty(kBytesProperty, QByteArray(bytes.data(), qsizetype(bytes.size())));
    box->setProperty(kTextProperty, box->text());
}

std::string FileValueOf(const QLineEdit* box) {
    const QVariant shown = box->property(kTextProperty);
    if (shown.isValid() && shown.toString() == box->text()) {
        return box->property(kBytesProperty).toByteArray().toStdString();
    }
    return ToCodePage(box->text());
}

}  // namespace quorvant
