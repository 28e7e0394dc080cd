#pragma once

#include <QListWidget>
#include <QString>

// Reading the state a handler works from out of the controls.
namespace quorvant {

// The text of a list's selected entry; the empty text when nothing is selected.
inline QString SelectedText(const QListWidget* list) {
    const QListWidgetItem* item = list->currentItem();
    return item ? item->text() : QString();
}

// Whether a control is set to show, whatever its window does: panels inside a hidden panel
// keep their own state.
inline bool Shown(const QWidget* widget) { return !widget->isHidden(); }

}  // namespace quorvant
