#include "launch/server_list.h"

#include <algorithm>

namespace quorvant {
namespace {

char Lower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

bool SameText(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, {}, Lower, Lower);
}

bool Contains(std::string_view text, std::string_view part) {
    return part.empty() || !std::ranges::search(text, part, {}, Lower, Lower).empty();
}

}  // namespace

bool Keeps(const ServerFilter& filter, const ServerInfo& info) {
    if (!filter.mod.empty() && !SameText(info.folder, filter.mod)) return false;
    if (!Contains(info.map, filter.map) || !Contains(info.name, filter.nameSearch)) return false;
    if (filter.notFull && info.maxPlayers > 0 && info.players >= info.maxPlayers) return false;
    if (filter.notEmpty && info.players - info.bots <= 0) return false;
    return !(filter.noPassword && info.passwordNeeded);
}

std::string AddressText(const ServerAddress& server) {
    const bool v6 = server.host.find(':') != std::string::npos;
    const std::string host = v6 ? '[' + server.host + ']' : server.host;
    return host + ':' + std::to_string(server.port);
}

std::string AddressListText(std::span<const ServerAddress> servers) {
    std::string text;
    for (const ServerAddress& server : servers) {
        if (!text.empty()) text += ' ';
        text += AddressText(server);
    }
    return text;
}

std::vector<ServerAddress> ReadAddressList(std::string_view text) {
    std::vector<ServerAddress> servers;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t end = std::min(text.find(' ', at), text.size());
        const std::optional<ServerAddress> server = JoinTarget(text.substr(at, end - at), "");
        if (server && std::ranges::find(servers, *server) == servers.end())
            servers.push_back(*server);
        at = end + 1;
    }
    return servers;
}

}  // namespace quorvant
