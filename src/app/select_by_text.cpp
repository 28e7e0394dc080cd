#include "app/select_by_text.h"

#include <QComboBox>
#include <QListWidget>

namespace quorvant {
namespace {

template <typename List, typename Select, typename TextAt>
void SelectMatching(List* list, int before, const QString& saved, SelectRule rule, Select select,
                    TextAt textAt) {
    for (int index = 0; index < list->count(); ++index) {
        select(index);
        if (MatchesRule(textAt(index), saved, rule)) return;
    }
    select(before);
}

}  // namespace

void SelectByText(QListWidget* list, const QString& saved, SelectRule rule) {
    SelectMatching(
        list, list->currentRow(), saved, rule, [list](int index) { list->setCurrentRow(index); },
        [list](int index) { return list->item(index)->text(); });
}

void SelectByText(QComboBox* list, const QString& saved, SelectRule rule) {
    SelectMatching(
        list, list->currentIndex(), saved, rule,
        [list](int index) { list->setCurrentIndex(index); },
        [list](int index) { return list->itemText(index); });
}

}  // namespace quorvant
