#pragma once

#include <span>

#include "ui/language_texts.h"

namespace quorvant {

// The server options window's texts, in the order the French ones are set.
std::span<const LanguageRow> ServerOptionsTexts();

}  // namespace quorvant
