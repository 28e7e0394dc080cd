#pragma once

#include <cstdint>
#include <iterator>
#include <string>
#include <vector>

#include "launch/master_server.h"
#include "launch/server_list.h"
#include "launch/server_queries.h"

namespace quorvant {

// Datagrams a socket reads before the event loop runs again: a flood waits its turn.
inline constexpr int kDatagramsPerTurn = 64;

// How the server browser asks: where the master server and the local network are (settings,
// so that tests point them at this machine), how many servers it asks at once, how long it
// waits, and which servers it may ask at all.
struct BrowserOptions {
    std::string masterServer{kDefaultMasterServer};
    std::string lanBroadcast{kDefaultLanBroadcast};
    std::vector<std::uint16_t> lanPorts{std::begin(kLanPorts), std::end(kLanPorts)};
    int inFlight = 64;
    int replyWaitMs = 1000;  // a server's request is sent once more after this, then given up
    int pageWaitMs = 2000;   // a master's page is asked again after this
    int pageRetries = 2;
    int pagePaceMs = 300;  // between pages: the master drops askers that ask faster
    int masterTimeLimitMs = 60000;
    int lanWaitMs = 2000;
    QueryScope scope = QueryScope::Anywhere;
};

}  // namespace quorvant
