#pragma once

#include <QComboBox>
#include <QListWidget>
#include <QString>
#include <string>

#include "ui/text_conversion.h"

// Reading the state a handler works from out of the controls.
namespace quorvant {

// A list's selected entry, or null. The current entry does not count: a list given the focus
// makes its first entry current without anyone choosing it.
inline QListWidgetItem* SelectedItem(const QListWidget* list) {
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? nullptr : selected.first();
}

// The text of a list's selected entry; the empty text when nothing is selected.
inline QString SelectedText(const QListWidget* list) {
    const QListWidgetItem* item = SelectedItem(list);
    return item ? item->text() : QString();
}

// The bytes an entry stands for: the file or folder name it was made from, which a name that is
// not valid in the system's encoding does not survive being shown. Entries typed or made from
// text give their text's bytes.
inline std::string EntryBytes(const QVariant& data, const QString& text) {
    return data.isValid() ? data.toByteArray().toStdString() : ToBytes(text);
}

inline std::string SelectedBytes(const QListWidget* list) {
    const QListWidgetItem* item = SelectedItem(list);
    return item ? EntryBytes(item->data(Qt::UserRole), item->text()) : std::string();
}

inline std::string CurrentBytes(const QComboBox* list) {
    return EntryBytes(list->currentData(), list->currentText());
}

// Whether a control is set to show, whatever its window does: panels inside a hidden panel
// keep their own state.
inline bool Shown(const QWidget* widget) { return !widget->isHidden(); }

}  // namespace quorvant
