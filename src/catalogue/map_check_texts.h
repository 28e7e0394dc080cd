#pragma once

#include <QString>

#include "catalogue/map_needs.h"
#include "ui/language.h"

namespace quorvant {

// What the create panel says of a map's content: nothing when the game would find all of it,
// else the files (or, when every file is there, the textures) it lacks, or that the map file
// does not read.
QString MapCheckLine(const QString& map, const MapCheck& check, Language language);

}  // namespace quorvant
