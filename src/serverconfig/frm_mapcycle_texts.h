#pragma once

#include <span>

#include "ui/language_texts.h"

namespace quorvant {

// The map cycle window's texts, in the order the French ones are set.
std::span<const LanguageRow> MapCycleTexts();

inline constexpr char kEnglishMapUnit[] = " maps";
inline constexpr char kFrenchMapUnit[] = " cartes";

}  // namespace quorvant
