#pragma once

#include <optional>
#include <string>
#include <vector>

#include "catalogue/map_list_check.h"
#include "ui/click_label.h"
#include "ui/tool_window.h"

class QLabel;
class QLineEdit;
class QListWidget;

namespace quorvant {

class Dialogs;
class Form1;
class Shape;

// "Mapcycle": edits the map rotation of the mod selected in the main window. Changes stay in the
// window until SAVE writes mapcycle.txt; closing any other way discards them.
class frm_mapcycle : public ToolWindow {
    Q_OBJECT
  public:
    frm_mapcycle(Form1& mainWindow, Dialogs& dialogs);

    // Reads the mod's map cycle, in the main window's language.
    void Form_Load();

    void Label1_Click();  // ADD the typed name, also Enter anywhere
    void Label2_Click();  // REMOVE the selected map, also Delete in the list
    void Image1_Click();  // move the selected map up
    void Image1_DblClick();
    void Image2_Click();  // move it down
    void Image2_DblClick();
    void Label3_Click();  // SAVE, then close
    void Label4_Click();  // CLOSE without saving, also Esc
    void txt_ajout_KeyPress(int key);
    void lst_maps_KeyDown(int key);
    void lst_maps_Click();  // shows the selected map's picture
    void Label5_Click();    // CHECK every map of the cycle: what of its content is missing

    void Label1_MouseDown();
    void Label1_MouseUp();
    void Label2_MouseDown();
    void Label2_MouseUp();
    void Label3_MouseDown();
    void Label3_MouseUp();
    void Label4_MouseDown();
    void Label4_MouseUp();
    void Image1_MouseDown();
    void Image1_MouseUp();
    void Image2_MouseDown();
    void Image2_MouseUp();
    void Label5_MouseDown();
    void Label5_MouseUp();

    QListWidget* lst_maps;  // the cycle in order; each entry keeps the map's bytes as read
    QLineEdit* txt_ajout;
    ClickLabel* lbl_nbr_maps;  // its tag is the unit after the count: " maps" or " cartes"
    ClickLabel* Label1;
    ClickLabel* Label2;
    ClickLabel* Label3;
    ClickLabel* Label4;
    PictureBox* Image1;
    PictureBox* Image2;
    Shape* Shape8;
    Shape* Shape2;
    Shape* Shape6;
    Shape* Shape7;
    Shape* Shape3;
    Shape* Shape4;
    Shape* Shape1;
    Shape* Shape5;
    PictureBox* pic;
    Shape* Line1;
    Shape* Line2;
    Shape* Line3;
    Shape* Line5;
    Shape* Line4;
    Shape* Shape9;
    Shape* Shape10;
    ClickLabel* Label5;
    QListWidget* lst_check;  // a line for each map of the cycle, in its order
    QLabel* img_map;         // the selected map seen from above

    // The comment lines of the file, each with its CR LF, written back ahead of the maps.
    std::string txt_commentaires;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildControls();
    void connectHandlers();
    void describeControls();
    void showCount();
    void moveSelected(int step);
    std::string mapCyclePath() const;
    std::string mapAt(int row) const;            // the map's bytes, as the cycle names it
    std::vector<std::string> cycleMaps() const;  // the maps' bytes, in the list's order

    Form1& mainWindow_;
    Dialogs& dialogs_;
    // mapcycle.txt as the window read it; nothing when it was there but could not be read.
    std::optional<std::string> opened_;
    MapListCheck check_;  // of lst_check's maps; goes first, before the list it fills
};

}  // namespace quorvant
