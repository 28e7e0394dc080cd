#include "serverconfig/frm_mapcycle.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include "support/ui_fixture.h"
#include "ui/shape.h"

namespace quorvant {
namespace {

using ::quorvant::testing::ReadFile;
using ::quorvant::testing::WindowTest;
using namespace std::string_literals;

// A cycle in the single-byte code page. A line of one NUL byte, as a popular mod's stock cycle
// ends, is no map.
const std::string kCycle = "// \xe9t\xe9\r\ncaf\xe9\r\n\r\n// night\r\nlast\r\n\0"s;

class MapCycleWindowTest : public WindowTest {
  protected:
    Form1* form = nullptr;
    std::unique_ptr<frm_mapcycle> cycle;

    MapCycleWindowTest() {
        game.addExecutable().addMod("tfc", "game \"TFC\"\r\n").addFile("tfc/mapcycle.txt", kCycle);
        storeSetting("hl_path", game.str());
        form = &loadMainWindow();
    }

    frm_mapcycle& open() {
        cycle = std::make_unique<frm_mapcycle>(*form, dialogs);
        cycle->show();
        cycle->Form_Load();
        return *cycle;
    }

    QStringList maps() const {
        QStringList entries;
        for (int row = 0; row < cycle->lst_maps->count(); ++row)
            entries << cycle->lst_maps->item(row)->text();
        return entries;
    }

    int selectedRow() const {
        const auto selected = cycle->lst_maps->selectedItems();
        return selected.isEmpty() ? -1 : cycle->lst_maps->row(selected.first());
    }

    void add(const char* map) {
        cycle->txt_ajout->setText(QString::fromUtf8(map));
        cycle->Label1_Click();
    }
};

// The mod's maps, each name's bytes as they were whatever the code page. With the mouse, then with
// keys: Enter adds, Delete removes, Esc closes without saving. SAVE writes the cycle in the file's
// format, comments first. A missing file is an empty cycle that the save creates; a save that fails
// says so and keeps the window with its maps.
TEST_F(MapCycleWindowTest, ShowsAddsRemovesMovesSavesAndCreatesTheCycle) {
    frm_mapcycle& window = open();
    const QString cafe = QString::fromLocal8Bit("caf\xe9");
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Mapcycle \u2014 tfc"));
    EXPECT_EQ(maps(), (QStringList{cafe, "last"}));
    EXPECT_EQ(selectedRow(), 0);
    EXPECT_EQ(window.lbl_nbr_maps->text(), QStringLiteral("2 maps"));
    add("2fort");
    add("2fort");
    add("");  // no map
    EXPECT_EQ(maps(), (QStringList{cafe, "last", "2fort", "2fort"}));
    EXPECT_EQ(window.lbl_nbr_maps->text(), QStringLiteral("4 maps"));
    EXPECT_EQ(selectedRow(), 0);

    window.Image2_Click();
    EXPECT_EQ(maps(), (QStringList{"last", cafe, "2fort", "2fort"}));
    EXPECT_EQ(selectedRow(), 1);
    // A double click moves twice: its click, then the double click itself.
    window.lst_maps->setCurrentRow(3);
    QTest::mouseClick(window.Image1, Qt::LeftButton);
    QTest::mouseDClick(window.Image1, Qt::LeftButton);
    QTest::mouseRelease(window.Image1, Qt::LeftButton);
    EXPECT_EQ(maps(), (QStringList{"last", "2fort", cafe, "2fort"}));
    EXPECT_EQ(selectedRow(), 1);
    EXPECT_FALSE(window.Shape3->isFilled());

    window.lst_maps->setCurrentRow(3);
    window.Label2_Click();
    EXPECT_EQ(selectedRow(), -1);  // the last map went: then nothing moves or goes
    window.Image1_Click();
    window.Image2_Click();
    window.Label2_Click();
    EXPECT_EQ(maps(), (QStringList{"last", "2fort", cafe}));

    window.lst_maps->setCurrentRow(0);
    window.Label2_Click();
    EXPECT_EQ(selectedRow(), 0);
    EXPECT_EQ(maps(), (QStringList{"2fort", cafe}));
    EXPECT_EQ(window.lbl_nbr_maps->text(), QStringLiteral("2 maps"));

    window.txt_ajout->setFocus();
    QTest::keyClicks(window.txt_ajout, QStringLiteral("well"));
    QTest::keyClick(window.txt_ajout, Qt::Key_Return);
    QTest::keyClick(window.txt_ajout, Qt::Key_Return);
    EXPECT_EQ(maps(), (QStringList{"2fort", cafe, "well"}));
    window.lst_maps->setFocus();
    window.lst_maps->setCurrentRow(1);
    QTest::keyClick(window.lst_maps, Qt::Key_Delete);
    EXPECT_EQ(maps(), (QStringList{"2fort", "well"}));
    EXPECT_EQ(window.txt_ajout->text(), QString());  // no stray blank typed after a removal
    QTest::keyClick(window.lst_maps, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(ReadFile(game / "tfc/mapcycle.txt"), kCycle);

    QTest::mouseClick(open().Label3, Qt::LeftButton);
    EXPECT_FALSE(cycle->isVisible());
    EXPECT_EQ(ReadFile(game / "tfc/mapcycle.txt"),
              "// \xe9t\xe9\r\n// night\r\ncaf\xe9\r\nlast\r\n\r\n");

    std::filesystem::remove(game / "tfc/mapcycle.txt");
    form->Image2_Click();
    open();
    add("caf\xc3\xa9");
    EXPECT_EQ(cycle->lbl_nbr_maps->text(), QStringLiteral("1 cartes"));
    cycle->Label3_Click();
    EXPECT_EQ(ReadFile(game / "tfc/mapcycle.txt"), "caf\xc3\xa9\r\n\r\n");

    std::filesystem::remove(game / "tfc/mapcycle.txt");
    game.addFolder("tfc/mapcycle.txt");
    open();
    add("dustbowl");
    QTest::mousePress(cycle->Label3, Qt::LeftButton);
    EXPECT_TRUE(cycle->Shape6->isFilled());
    QTest::mouseRelease(cycle->Label3, Qt::LeftButton);
    EXPECT_FALSE(cycle->Shape6->isFilled());
    EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("Can't write mapcycle!")});
    EXPECT_TRUE(cycle->isVisible());
    EXPECT_EQ(maps(), QStringList{"dustbowl"});
}

}  // namespace
}  // namespace quorvant
