#include "ui/sorted_lists.h"

#include <QComboBox>
#include <QListWidget>
#include <QStandardItemModel>
#include <algorithm>

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

void AddSortedNames(QComboBox* list, const std::vector<std::string>& names) {
    // A combo box's own model; one given another model gets its entries one by one.
    auto* model = qobject_cast<QStandardItemModel*>(list->model());
    if (!model) {
        for (const std::string& name : names) {
            const QString text = FromBytes(name);
            list->insertItem(InsertionPoint(list, text), text, QByteArray::fromStdString(name));
        }
        return;
    }
    std::vector<std::pair<QString, const std::string*>> entries;
    entries.reserve(names.size());
    for (const std::string& name : names) entries.emplace_back(FromBytes(name), &name);
    std::stable_sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
        return LessIgnoringCase(a.first, b.first);
    });
    // From the last run backwards, so that the places found for earlier runs stay right.
    for (std::size_t end = entries.size(); end > 0;) {
        const int at = InsertionPoint(list, entries[end - 1].first);
        std::size_t begin = end - 1;
        while (begin > 0 && InsertionPoint(list, entries[begin - 1].first) == at) --begin;
        QList<QStandardItem*> rows;
        rows.reserve(qsizetype(end - begin));
        for (std::size_t i = begin; i < end; ++i) {
            auto* row = new QStandardItem(entries[i].first);
            const std::string& name = *entries[i].second;
            row->setData(QByteArray(name.data(), qsizetype(name.size())), Qt::UserRole);
            rows.append(row);
        }
        model->invisibleRootItem()->insertRows(at, rows);
        end = begin;
    }
}

}  // namespace quorvant
