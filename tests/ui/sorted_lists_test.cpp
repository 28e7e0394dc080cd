#include "ui/sorted_lists.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QListWidget>

namespace quorvant {
namespace {

const QStringList kAdded = {"mp.dll", "Rambot", "(None)", "android.dll", "HPB Bot", "0day.dll"};
const QStringList kSorted = {"(None)", "0day.dll", "android.dll", "HPB Bot", "mp.dll", "Rambot"};

TEST(AddSortedEntry, KeepsAListInOrderWithoutRegardToCase) {
    QListWidget list;
    for (const QString& text : kAdded) AddSortedEntry(&list, text);
    QStringList entries;
    for (int row = 0; row < list.count(); ++row) entries << list.item(row)->text();
    EXPECT_EQ(entries, kSorted);
}

TEST(AddSortedEntry, KeepsADropDownListInOrderWithoutRegardToCase) {
    QComboBox list;
    for (const QString& text : kAdded) AddSortedEntry(&list, text);
    QStringList entries;
    for (int row = 0; row < list.count(); ++row) entries << list.itemText(row);
    EXPECT_EQ(entries, kSorted);
}

}  // namespace
}  // namespace quorvant
