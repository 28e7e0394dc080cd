#pragma once

#include <QString>
#include <string>
#include <string_view>

class QLineEdit;

// The game keeps its configuration files in the single-byte code page of Windows: the system's
// own there, Western (Windows-1252) elsewhere, where the system's 8-bit encoding is UTF-8.
namespace quorvant {

// Every byte gives one character and comes back from it; bytes the code page leaves undefined
// stand for the control characters of the same number.
QString FromCodePage(std::string_view bytes);
// A character the code page lacks becomes "?".
std::string ToCodePage(const QString& text);

// A text box showing a value of a file keeps the value's bytes beside its text, so that a value
// the user leaves alone goes back into the file exactly as it came.
void ShowFileValue(QLineEdit* box, std::string_view bytes);
// The kept bytes while the box shows what it was given; else its text in the code page.
std::string FileValueOf(const QLineEdit* box);

}  // namespace quorvant
