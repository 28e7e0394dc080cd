#pragma once

#include <QString>

#include "catalogue/map_needs.h"
#include "ui/language.h"

namespace quorvant {

// What is said of a map's content: that the game would find all of it, else the files (or, when
// every file is there, the textures) it lacks, or that the map file is missing or does not read.
QString MapCheckLine(const QString& map, const MapCheck& check, Language language);

// The line's tooltip on the create panel: the line, and that a click writes the map's resource
// list `list` ("de_x.res").
QString ResourceListTip(const QString& line, const QString& list, Language language);

enum class ResourceListOutcome { NothingToList, ReplaceQuestion, Written, NotWritten };
QString ResourceListMessage(ResourceListOutcome outcome, const QString& list, std::size_t files,
                            Language language);

}  // namespace quorvant
