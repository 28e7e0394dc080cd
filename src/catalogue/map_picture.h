#pragma once

#include <QIcon>
#include <QImage>
#include <QSize>
#include <string>

class QLabel;

#include "catalogue/bsp_map.h"

namespace quorvant {

// A map seen from above: its edges projected and scaled to fit `size`, centred, in the accent
// colour on a transparent ground.
QImage DrawMapOutline(const MapOutline& outline, QSize size);

// The picture of a map of the mod: its overview image (overviews/<map>.bmp) when the mod has
// one, else a drawing of its geometry; a null image when the map does not read.
QImage MapPicture(const std::string& gameFolder, const std::string& mod, const std::string& mapFile,
                  QSize size);

// Shows the map's picture in `label`, sharp at the label's screen density; nothing when the map
// does not read.
void ShowMapPicture(QLabel* label, const std::string& gameFolder, const std::string& mod,
                    const std::string& mapFile);

// The mark of a map with missing content in a list of maps: a small accent-coloured disc with
// an exclamation mark.
QIcon MissingContentMark();

}  // namespace quorvant
