#include "ui/sorted_lists.h"

#include <QComboBox>
#include <QListWidget>

namespace quorvant {
namespace {

bool LessIgnoringCase(const QString& a, const QString& b) {
    const int folded = a.compare(b, Qt::CaseInsensitive);
    return folded != 0 ? folded < 0 : a < b;
}

// The first position whose entry sorts after `text`: equal entries keep their order of adding.
template <typename TextAt>
int InsertionPoint(int count, const QString& text, TextAt textAt) {
    int low = 0, high = count;
    while (low < high) {
        const int middle = (low + high) / 2;
        if (LessIgnoringCase(text, textAt(middle))) {
            high = middle;
        } else {
            low = middle + 1;
        }
    }
    return low;
}

}  // namespace

void AddSortedEntry(QListWidget* list, const QString& text) {
    list->insertItem(
        InsertionPoint(list->count(), text, [list](int row) { return list->item(row)->text(); }),
        text);
}

void AddSortedEntry(QComboBox* list, const QString& text) {
    list->insertItem(
        InsertionPoint(list->count(), text, [list](int row) { return list->itemText(row); }), text);
}

}  // namespace quorvant
