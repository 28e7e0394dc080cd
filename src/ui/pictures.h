#pragma once

#include <QPixmap>

// The pictures of the windows, drawn from the program's own vector images.
namespace quorvant::pictures {

QPixmap Background();
QPixmap Splash();
QPixmap CheckBox(bool checked);
QPixmap OptionButton(bool chosen);
QPixmap EnglishFlag();
QPixmap FrenchFlag();
QPixmap Minimise();
QPixmap Close();
QPixmap ArrowUp();
QPixmap ArrowDown();
QPixmap MapCycleEmblem();

}  // namespace quorvant::pictures
