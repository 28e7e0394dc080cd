#pragma once

#include <QString>

class QComboBox;
class QListWidget;

namespace quorvant {

// Adds an entry to a list kept in ascending order without regard to case, so "(None)" comes
// before every entry beginning with a letter or a digit.
void AddSortedEntry(QListWidget* list, const QString& text);
void AddSortedEntry(QComboBox* list, const QString& text);

}  // namespace quorvant
