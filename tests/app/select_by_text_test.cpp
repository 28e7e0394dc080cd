#include "app/select_by_text.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QListWidget>

namespace quorvant {
namespace {

class SelectByTextTest : public ::testing::Test {
  protected:
    QListWidget list;
    QStringList selected;

    SelectByTextTest() {
        list.addItems({"cstrike", "dod", "tfc", "valve"});
        QObject::connect(&list, &QListWidget::currentRowChanged, [this](int row) {
            selected << (row < 0 ? QStringLiteral("-") : list.item(row)->text());
        });
    }
};

TEST_F(SelectByTextTest, SelectsTheFirstMatchFromTheTopOnce) {
    SelectByText(&list, QStringLiteral("tfc"), SelectRule::Equal);
    // The entries passed over are not selected: each would run the list's handler.
    EXPECT_EQ(selected, QStringList({"tfc"}));
    EXPECT_EQ(list.currentRow(), 2);
}

TEST_F(SelectByTextTest, AtLeastFindsTheSuccessorOfARemovedEntry) {
    SelectByText(&list, QStringLiteral("ricochet"), SelectRule::AtLeast);
    EXPECT_EQ(list.currentItem()->text(), QStringLiteral("tfc"));
    SelectByText(&list, QStringLiteral("Valve"), SelectRule::AtLeast);  // capitals sort first
    EXPECT_EQ(list.currentItem()->text(), QStringLiteral("cstrike"));
}

TEST_F(SelectByTextTest, NoMatchKeepsTheEarlierSelectionUntouched) {
    list.setCurrentRow(1);
    selected.clear();
    SelectByText(&list, QStringLiteral("ricochet"), SelectRule::Equal);
    EXPECT_EQ(list.currentRow(), 1);
    EXPECT_TRUE(selected.isEmpty());

    QListWidget empty;
    SelectByText(&empty, QStringLiteral("valve"), SelectRule::AtLeast);
    EXPECT_EQ(empty.currentRow(), -1);
}

TEST(SelectByTextInComboBox, SelectsTheEqualAddressOrNone) {
    QComboBox addresses;
    addresses.setEditable(true);
    addresses.addItems({"10.0.0.5", "192.0.2.7"});
    addresses.setCurrentIndex(-1);
    SelectByText(&addresses, QStringLiteral("192.0.2.7"), SelectRule::Equal);
    EXPECT_EQ(addresses.currentIndex(), 1);
    SelectByText(&addresses, QStringLiteral("192.0.2.70"), SelectRule::Equal);
    EXPECT_EQ(addresses.currentIndex(), 1);
}

}  // namespace
}  // namespace quorvant
