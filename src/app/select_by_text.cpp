#include "app/select_by_text.h"

#include <QComboBox>
#include <QListWidget>

namespace quorvant {
namespace {

// The first entry matching the rule is selected, once: selecting each entry on the way would run
// the list's selection handler for every one of them, which for a late mod in a large
// installation lists hundreds of map folders. Without a match the selection stays.
template <typename List, typename Select, typename TextAt>
void SelectMatching(List* list, const QString& saved, SelectRule rule, Select select,
                    TextAt textAt) {
    for (int index = 0; index < list->count(); ++index) {
        if (MatchesRule(textAt(index), saved, rule)) {
            select(index);
            return;
        }
    }
}

}  // namespace

void SelectByText(QListWidget* list, const QString& saved, SelectRule rule) {
    SelectMatching(
        list, saved, rule, [list](int index) { list->setCurrentRow(index); },
        [list](int index) { return list->item(index)->text(); });
}

void SelectByText(QComboBox* list, const QString& saved, SelectRule rule) {
    SelectMatching(
        list, saved, rule, [list](int index) { list->setCurrentIndex(index); },
        [list](int index) { return list->itemText(index); });
}

}  // namespace quorvant
