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

TEST(AddSortedNames, PutsAWholeFolderAmongTheEntriesThereAndKeepsEachNamesBytes) {
    QComboBox list;
    AddSortedEntry(&list, QStringLiteral("(None)"));
    AddSortedEntry(&list, QStringLiteral("m middle"));
    const std::vector<std::string> names = {"zeta.bsp",    "!first.bsp", "Alpha.bsp",
                                            "caf\xe9.bsp", "beta.bsp",   "omega.bsp"};
    AddSortedNames(&list, names);
    QStringList entries;
    for (int row = 0; row < list.count(); ++row) entries << list.itemText(row);
    EXPECT_EQ(entries, QStringList({"!first.bsp", "(None)", "Alpha.bsp", "beta.bsp",
                                    QString::fromLocal8Bit("caf\xe9.bsp"), "m middle", "omega.bsp",
                                    "zeta.bsp"}));
    EXPECT_EQ(list.itemData(4).toByteArray(), QByteArray("caf\xe9.bsp"));
    EXPECT_FALSE(list.itemData(1).isValid());  // a typed entry has no bytes of its own
}

}  // namespace
}  // namespace quorvant
