#pragma once

#include <span>

#include "ui/language_texts.h"

class QWidget;

namespace quorvant {

enum class Language { English, French };

// Sets the texts of a window's controls row by row, in the rows' order; a row whose control the
// window lacks is passed over.
void ApplyLanguageRows(QWidget& window, std::span<const LanguageRow> rows, Language language);

// The language the main window shows, recorded in its Image1's tag: "0" for French.
inline constexpr char kFrenchTag[] = "0";

}  // namespace quorvant
