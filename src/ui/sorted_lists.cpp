#include "ui/sorted_lists.h"

#include <QComboBox>
#include <QListWidget>
#include <algorithm>
#include <iterator>
#include <string_view>

#include "app/file_system.h"
#include "ui/name_list_model.h"

namespace quorvant {
namespace {

using Entry = NameListModel::Entry;

// For QString against QString, and ASCII names (QLatin1StringView) against QString.
template <typename Text, typename Other>
bool TextBefore(const Text& a, const Other& b) {
    const int folded = a.compare(b, Qt::CaseInsensitive);
    return folded != 0 ? folded < 0 : a.compare(b, Qt::CaseSensitive) < 0;
}

QLatin1StringView View(const std::string& asciiName) {
    return QLatin1StringView(asciiName.data(), qsizetype(asciiName.size()));
}

bool Before(const QString& a, const QString& b) { return TextBefore(a, b); }

// Whether `entry` goes before `text`, without making a text for an ASCII name.
bool Before(const Entry& entry, const QString& text) {
    if (const std::string* name = entry.asciiName()) return TextBefore(View(*name), text);
    return TextBefore(entry.text(), text);
}

// Two ASCII names compare as their bytes do, in the same order as their texts.
bool Before(const Entry& a, const Entry& b) {
    const std::string* x = a.asciiName();
    const std::string* y = b.asciiName();
    if (x && y) return LessIgnoringCase(std::string_view(*x), std::string_view(*y));
    return Before(a, b.text());
}

// The first position whose entry sorts after `entry`: equal entries keep their order of adding.
template <typename New, typename TextAt>
int InsertionPoint(int count, const New& entry, TextAt textAt) {
    int low = 0, high = count;
    while (low < high) {
        const int middle = (low + high) / 2;
        if (Before(entry, textAt(middle))) {
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

void AddSortedNames(QComboBox* list, std::vector<std::string> names) {
    std::vector<Entry> entries;
    entries.reserve(names.size());
    for (std::string& name : names) entries.push_back(Entry::ForName(std::move(name)));
    const auto less = [](const Entry& a, const Entry& b) { return Before(a, b); };
    // Folder listings come sorted already, but their order may differ outside ASCII.
    if (!std::is_sorted(entries.begin(), entries.end(), less))
        std::stable_sort(entries.begin(), entries.end(), less);

    // The places are found among the entries already there, once for each new one; the runs go
    // in from the last backwards, so that the places of earlier runs stay right.
    QStringList existing;
    for (int row = 0; row < list->count(); ++row) existing.append(list->itemText(row));
    std::vector<int> places;
    places.reserve(entries.size());
    for (const Entry& entry : entries) {
        places.push_back(InsertionPoint(int(existing.size()), entry,
                                        [&existing](int row) { return existing[row]; }));
    }
    auto* model = qobject_cast<NameListModel*>(list->model());
    for (std::size_t end = entries.size(); end > 0;) {
        std::size_t begin = end - 1;
        while (begin > 0 && places[begin - 1] == places[end - 1]) --begin;
        const int at = places[end - 1];
        const auto first = entries.begin() + std::ptrdiff_t(begin);
        const auto last = entries.begin() + std::ptrdiff_t(end);
        if (model) {
            model->insertEntries(at, std::vector<Entry>(std::make_move_iterator(first),
                                                        std::make_move_iterator(last)));
        } else {
            for (auto entry = last; entry-- != first;) {
                const QByteArray bytes = entry->keptBytes();
                list->insertItem(at, entry->text(), bytes.isEmpty() ? QVariant() : QVariant(bytes));
            }
        }
        end = begin;
    }
}

}  // namespace quorvant
