#pragma once

#include <QString>
#include <string>
#include <vector>

class QComboBox;
class QListWidget;

namespace quorvant {

// Adds an entry to a list kept in ascending order without regard to case, so "(None)" comes
// before every entry beginning with a letter or a digit.
void AddSortedEntry(QListWidget* list, const QString& text);
void AddSortedEntry(QComboBox* list, const QString& text);

// Entries for a whole folder's names, each shown as text with its bytes kept, added in one change
// of the list per place they go to: one by one, a large map folder would cost a rebuild for each.
void AddSortedNames(QComboBox* list, std::vector<std::string> names);

}  // namespace quorvant
