#pragma once

#include <span>

#include "ui/language_texts.h"

namespace quorvant {

// The map cycle window's texts, in the order the French ones are set.
std::span<const LanguageRow> MapCycleTexts();

// The unit after the count of maps, with its blank.
inline constexpr Texts<> kMapUnits = {" maps", " cartes"};

}  // namespace quorvant
