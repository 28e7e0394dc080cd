#pragma once

#include <QString>
#include <optional>

#include "launch/server_queries.h"
#include "ui/language.h"

class QFontMetrics;

namespace quorvant {

// What the join panel knows of a server: nothing yet while the first query is under way, then
// the latest result, kept while the next query runs.
struct ServerStatus {
    bool asking = true;
    std::optional<ServerAnswer> answer;
};

// The status line of the joined server: name, map, players, password, round trip.
QString FullStatusLine(const ServerStatus& status, Language language);
// The same shortened with an ellipsis to fit `width`: the name, then the map, give way, so that
// the players, the password and the round trip stay whole.
QString StatusLine(const ServerStatus& status, Language language, const QFontMetrics& metrics,
                   int width);
// The short status beside an address of the history: map, players, round trip.
QString ShortStatus(const ServerStatus& status, Language language);

}  // namespace quorvant
