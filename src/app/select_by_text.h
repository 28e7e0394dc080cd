#pragma once

#include <QString>

#include "app/select_rule.h"

class QComboBox;
class QListWidget;

namespace quorvant {

// Restores a stored choice: selects the first entry from the top that matches `saved` by `rule`,
// running the list's selection handler once. When none matches, the selection stays as it was.
void SelectByText(QListWidget* list, const QString& saved, SelectRule rule);
void SelectByText(QComboBox* list, const QString& saved, SelectRule rule);

}  // namespace quorvant
