#include "ui/sorted_lists.h"

#include <QComboBox>
#include <QListWidget>
#include <algorithm>

#include "ui/name_list_model.h"
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

NameListModel::Entry EntryFor(const std::pair<QString, const std::string*>& entry) {
    return {entry.first, BytesToKeep(*entry.second, entry.first)};
}

}  // namespace

void AddSortedEntry(QListWidget* list, const QString& text) {
    list->insertItem(InsertionPoint(list, text), text);
}

void AddSortedEntry(QComboBox* list, const QString& text) {
    list->insertItem(InsertionPoint(list, text), text);
}

void AddSortedNames(QComboBox* list, const std::vector<std::string>& names) {
    std::vector<std::pair<QString, const std::string*>> entries;
    entries.reserve(names.size());
    for (const std::string& name : names) entries.emplace_back(FromBytes(name), &name);
    const auto less = [](const auto& a, const auto& b) {
        return LessIgnoringCase(a.first, b.first);
    };
    // Folder listings come sorted already, but their order may differ outside ASCII.
    if (!std::is_sorted(entries.begin(), entries.end(), less))
        std::stable_sort(entries.begin(), entries.end(), less);

    // The places are found among the entries already there, once for each new one; the runs go
    // in from the last backwards, so that the places of earlier runs stay right.
    QStringList existing;
    for (int row = 0; row < list->count(); ++row) existing.append(list->itemText(row));
    std::vector<int> places;
    places.reserve(entries.size());
    for (const auto& entry : entries) {
        places.push_back(InsertionPoint(int(existing.size()), entry.first,
                                        [&existing](int row) { return existing[row]; }));
    }
    auto* model = qobject_cast<NameListModel*>(list->model());
    for (std::size_t end = entries.size(); end > 0;) {
        std::size_t begin = end - 1;
        while (begin > 0 && places[begin - 1] == places[end - 1]) --begin;
        const int at = places[end - 1];
        if (model) {
            std::vector<NameListModel::Entry> run;
            run.reserve(end - begin);
            for (std::size_t i = begin; i < end; ++i) run.push_back(EntryFor(entries[i]));
            model->insertEntries(at, std::move(run));
        } else {
            for (std::size_t i = end; i-- > begin;) {
                const NameListModel::Entry entry = EntryFor(entries[i]);
                list->insertItem(at, entry.text,
                                 entry.bytes.isEmpty() ? QVariant() : QVariant(entry.bytes));
            }
        }
        end = begin;
    }
}

}  // namespace quorvant
