#pragma once

#include <QHostAddress>
#include <QObject>
#include <functional>
#include <string>

#include "launch/server_queries.h"

namespace quorvant {

// Finds the IPv4 address of a host to ask within `scope`, and gives it to `found` from the
// event loop, never at once: a null address when there is none or the scope forbids it. A
// literal address and "localhost" need no lookup; nothing is reported once `context` is gone.
void LookUpHost(QObject* context, const std::string& host, QueryScope scope,
                const std::function<void(const QHostAddress&)>& found);

}  // namespace quorvant
