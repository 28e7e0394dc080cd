#pragma once

#include <QString>
#include <string>
#include <string_view>

// The windows show Unicode text; files, paths and settings are byte strings in the system's
// 8-bit encoding.
namespace quorvant {

inline QString FromBytes(std::string_view bytes) {
    return QString::fromLocal8Bit(bytes.data(), qsizetype(bytes.size()));
}

inline std::string ToBytes(const QString& text) { return text.toLocal8Bit().toStdString(); }

}  // namespace quorvant
