#include "ui/sorted_lists.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QListWidget>

#include "ui/name_list_model.h"

namespace quorvant {
namespace {

const QStringList kAdded = {"mp.dll", "Rambot", "(None)", "android.dll", "HPB Bot", "0day.dll"};
const QStringList kSorted = {"(None)", "0day.dll", "android.dll", "HPB Bot", "mp.dll", "Rambot"};

TEST(AddSortedEntry, KeepsListsInOrderWithoutRegardToCase) {
    QListWidget list;
    QComboBox dropDown;
    for (const QString& text : kAdded) {
        AddSortedEntry(&list, text);
        AddSortedEntry(&dropDown, text);
    }
    QStringList entries, dropDownEntries;
    for (int row = 0; row < list.count(); ++row) entries << list.item(row)->text();
    for (int row = 0; row < dropDown.count(); ++row) dropDownEntries << dropDown.itemText(row);
    EXPECT_EQ(entries, kSorted);
    EXPECT_EQ(dropDownEntries, kSorted);
}

class AddSortedNamesTest : public ::testing::TestWithParam<bool> {};

// Both with the combo box's own model and with the plain one the map list uses.
TEST_P(AddSortedNamesTest, PutsAWholeFolderAmongTheEntriesThereAndKeepsEachNamesBytes) {
    QComboBox list;
    if (GetParam()) list.setModel(new NameListModel(&list));
    AddSortedEntry(&list, QStringLiteral("(None)"));
    AddSortedEntry(&list, QStringLiteral("m middle"));
    const std::vector<std::string> names = {"zeta.bsp", "!first.bsp", "Alpha.bsp", "caf\xe9.bsp",
                                            "beta.bsp", "Beta.bsp",   "omega.bsp"};
    AddSortedNames(&list, names);
    QStringList entries;
    for (int row = 0; row < list.count(); ++row) entries << list.itemText(row);
    EXPECT_EQ(entries, QStringList({"!first.bsp", "(None)", "Alpha.bsp", "Beta.bsp", "beta.bsp",
                                    QString::fromLocal8Bit("caf\xe9.bsp"), "m middle", "omega.bsp",
                                    "zeta.bsp"}));
    EXPECT_EQ(list.itemData(5).toByteArray(), QByteArray("caf\xe9.bsp"));
    EXPECT_FALSE(list.itemData(1).isValid());  // a typed entry has no bytes of its own
    EXPECT_FALSE(list.itemData(2).isValid());  // nor an ASCII name, whose text gives it back

    list.removeItem(1);
    list.setItemData(0, QByteArray("first"), Qt::UserRole);
    EXPECT_EQ(list.itemText(1), QStringLiteral("Alpha.bsp"));
    EXPECT_EQ(list.itemData(0).toByteArray(), QByteArray("first"));
    EXPECT_EQ(list.itemText(0), QStringLiteral("!first.bsp"));
    list.setItemText(1, QStringLiteral("Typed"));
    EXPECT_EQ(list.itemText(1), QStringLiteral("Typed"));
    EXPECT_FALSE(list.itemData(1).isValid());
    list.clear();
    EXPECT_EQ(list.count(), 0);
}

INSTANTIATE_TEST_SUITE_P(Models, AddSortedNamesTest, ::testing::Bool());

}  // namespace
}  // namespace quorvant
