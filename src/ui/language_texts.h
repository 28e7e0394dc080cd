#pragma once

#include <span>

// The main window's texts in English and French, row by row in the order they are applied.
namespace quorvant {

enum class TextKind { Caption, Tooltip };

struct LanguageRow {
    const char* control;
    TextKind kind;
    const char* english;  // UTF-8; null when the row copies another control's text
    const char* french;
    const char* sameAs = nullptr;  // the control whose text of this kind the row copies
};

std::span<const LanguageRow> LanguageRows();

}  // namespace quorvant
