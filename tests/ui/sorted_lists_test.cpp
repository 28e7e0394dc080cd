#include "ui/sorted_lists.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QListWidget>

#include "ui/name_list_model.h"

namespace quorvant {
namespace {

class AddSortedTest : public ::testing::TestWithParam<bool> {};

// Typed entries and a whole folder of names each go where they sort without regard to case, both
// with the combo box's own model and with the plain one the map list uses; names keep their bytes.
TEST_P(AddSortedTest, KeepsListsInOrderWithoutRegardToCaseAndEachNamesBytes) {
    QComboBox list;
    if (GetParam()) list.setModel(new NameListModel(&list));
    QListWidget bots;
    for (const char* text : {"Rambot", "(None)", "m middle", "HPB Bot"}) {
        AddSortedEntry(&list, text);
        AddSortedEntry(&bots, text);
    }
    AddSortedNames(&list, {"zeta.bsp", "!first.bsp", "Alpha.bsp", "caf\xe9.bsp", "beta.bsp",
                           "Beta.bsp", "omega.bsp"});
    QStringList entries, botEntries;
    for (int row = 0; row < list.count(); ++row) entries << list.itemText(row);
    for (int row = 0; row < bots.count(); ++row) botEntries << bots.item(row)->text();
    EXPECT_EQ(entries, QStringList({"!first.bsp", "(None)", "Alpha.bsp", "Beta.bsp", "beta.bsp",
                                    QString::fromLocal8Bit("caf\xe9.bsp"), "HPB Bot", "m middle",
                                    "omega.bsp", "Rambot", "zeta.bsp"}));
    EXPECT_EQ(botEntries, QStringList({"(None)", "HPB Bot", "m middle", "Rambot"}));
#ifdef _WIN32
    EXPECT_FALSE(list.itemData(5).isValid());  // Windows' code page gives the name back
#else
    EXPECT_EQ(list.itemData(5).toByteArray(), QByteArray("caf\xe9.bsp"));  // UTF-8 cannot
#endif
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
}

INSTANTIATE_TEST_SUITE_P(Models, AddSortedTest, ::testing::Bool());

}  // namespace
}  // namespace quorvant
