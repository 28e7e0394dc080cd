#include "ui/sorted_lists.h"

#include <QComboBox>
#include <QListWidget>

#include "ui/text_conversion.h"

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

int InsertionPoint(const QListWidget* list, const QString& text) {
    return InsertionPoint(list->count(), text, [list](int row) { return list->item(row)->text(); });
}

int InsertionPoint(const QComboBox* list, const QString& text) {
    return InsertionPoint(list->count(), text, [list](int row) { return list->itemText(row); });
}

}  // namespace

void AddSortedEntry(QListWidget* list, const QString& text) {
    list->insertItem(InsertionPoint(list, text), text);
}

void AddSortedEntry(QComboBox* list, const QString& text) {
    list->insertItem(InsertionPoint(list, text), text);
}

void AddSortedName(QListWidget* list, std::string_view name) {
    const QString text = FromBytes(name);
    const int row = InsertionPoint(list, text);
    list->insertItem(row, text);
    list->item(row)->setData(Qt::UserRole, QByteArray(name.data(), qsizetype(name.size())));
}

void AddSortedName(QComboBox* list, std::string_view name) {
    const QString text = FromBytes(name);
    list->insertItem(InsertionPoint(list, text), text,
                     QByteArray(name.data(), qsizetype(name.size())));
}

}  // namespace quorvant
