#pragma once

#include <QPixmap>

// The pictures of the main window.
namespace quorvant::pictures {

QPixmap Background();
QPixmap CheckBox(bool checked);
QPixmap OptionButton(bool chosen);

}  // namespace quorvant::pictures
