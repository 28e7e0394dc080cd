#include "app/select_by_text.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QListWidget>

namespace quorvant {
namespace {

// The first entry that matches is selected, once: the entries passed over are not, since each
// would run the list's handler; without a match the selection stays.
TEST(SelectByText, SelectsTheFirstMatchFromTheTopOnceOrNothing) {
    QListWidget list;
    list.addItems({"cstrike", "dod", "tfc", "valve"});
    QStringList selected;
    QObject::connect(&list, &QListWidget::currentRowChanged,
                     [&](int row) { selected << (row < 0 ? "-" : list.item(row)->text()); });
    const std::tuple<const char*, SelectRule, const char*> steps[] = {
        {"tfc", SelectRule::Equal, "tfc"},
        {"ricochet", SelectRule::Equal, "tfc"},
        {"ricochet", SelectRule::AtLeast, "tfc"},   // the successor of a removed entry
        {"Valve", SelectRule::AtLeast, "cstrike"},  // capitals sort first
        {"zzz", SelectRule::AtLeast, "cstrike"}};
    for (const auto& [saved, rule, current] : steps) {
        SelectByText(&list, saved, rule);
        EXPECT_EQ(list.currentItem()->text(), current) << saved;
    }
    EXPECT_EQ(selected, QStringList({"tfc", "cstrike"}));

    QListWidget empty;
    SelectByText(&empty, "valve", SelectRule::AtLeast);
    EXPECT_EQ(empty.currentRow(), -1);
    QComboBox addresses;
    addresses.addItems({"10.0.0.5", "192.0.2.7"});
    addresses.setCurrentIndex(-1);
    SelectByText(&addresses, "192.0.2.7", SelectRule::Equal);
    SelectByText(&addresses, "192.0.2.70", SelectRule::Equal);
    EXPECT_EQ(addresses.currentIndex(), 1);
}

}  // namespace
}  // namespace quorvant
