#pragma once

#include <QString>
#include <string_view>

class QComboBox;
class QListWidget;

namespace quorvant {

// Adds an entry to a list kept in ascending order without regard to case, so "(None)" comes
// before every entry beginning with a letter or a digit.
void AddSortedEntry(QListWidget* list, const QString& text);
void AddSortedEntry(QComboBox* list, const QString& text);

// An entry for a file or folder name: shown as text, its bytes kept with it.
void AddSortedName(QListWidget* list, std::string_view name);
void AddSortedName(QComboBox* list, std::string_view name);

}  // namespace quorvant
