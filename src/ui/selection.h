#pragma once

#include <QListWidget>
#include <QString>

namespace quorvant {

// The text of a list's selected entry; the empty text when nothing is selected.
inline QString SelectedText(const QListWidget* list) {
    const QListWidgetItem* item = list->currentItem();
    return item ? item->text() : QString();
}

}  // namespace quorvant
