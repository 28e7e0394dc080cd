#pragma once

#include "ui/click_label.h"

namespace quorvant {

// An image check box shows one of two reference pictures and carries the state "0" or "1".
// The picture shown decides the next state, so a box never given a picture turns off first.
inline void ToggleCheckBox(PictureBox& box, const PictureBox& offPicture,
                           const PictureBox& onPicture) {
    const bool wasOff = box.showsPictureOf(offPicture);
    box.setPicture(wasOff ? onPicture.picture() : offPicture.picture());
    box.setTag(wasOff ? QStringLiteral("1") : QStringLiteral("0"));
}

inline bool IsChecked(const PictureBox& box) { return box.tag() == QLatin1String("1"); }

}  // namespace quorvant
