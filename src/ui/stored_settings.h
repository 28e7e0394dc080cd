#pragma once

#include <QString>
#include <string_view>

#include "app/settings.h"
#include "ui/text_conversion.h"

// The settings as the windows use them: as window texts.
namespace quorvant {

inline QString StoredSetting(std::string_view name) { return FromBytes(ReadSetting(name)); }

inline void StoreSetting(std::string_view name, const QString& value) {
    WriteSetting(name, ToBytes(value));
}

}  // namespace quorvant
