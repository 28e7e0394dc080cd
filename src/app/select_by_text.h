#pragma once

#include <QString>

#include "app/select_rule.h"

class QComboBox;
class QListWidget;

namespace quorvant {

// Restores a stored choice: selects the entries from the top, one after the other, each running
// the list's selection handler, until one matches `saved` by `rule`. When none matches, the
// selection goes back to where it was before the search.
void SelectByText(QListWidget* list, const QString& saved, SelectRule rule);
void SelectByText(QComboBox* list, const QString& saved, SelectRule rule);

}  // namespace quorvant
