#pragma once

#include <QByteArray>
#include <QString>
#include <algorithm>
#include <string>
#include <string_view>

// The windows show Unicode text; files, paths and settings are byte strings in the system's
// 8-bit encoding.
namespace quorvant {

inline QString FromBytes(std::string_view bytes) {
    return QString::fromLocal8Bit(bytes.data(), qsizetype(bytes.size()));
}

inline std::string ToBytes(const QString& text) { return text.toLocal8Bit().toStdString(); }

// Whether every byte is ASCII, which every 8-bit encoding shows as itself.
inline bool IsAscii(std::string_view bytes) {
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// What a list entry made from a file or folder name keeps beside its shown `text`: nothing when
// the text gives the name back, as it always does for ASCII; else the name's own bytes.
inline QByteArray BytesToKeep(std::string_view name, const QString& text) {
    if (IsAscii(name) || ToBytes(text) == name) return {};
    return QByteArray(name.data(), qsizetype(name.size()));
}

}  // namespace quorvant
