#pragma once

#include <span>

#include "ui/language.h"

// The main window's texts in each language, row by row in the order they are applied.
namespace quorvant {

std::span<const LanguageRow> LanguageRows();

}  // namespace quorvant
