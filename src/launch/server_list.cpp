#include "launch/server_list.h"

#include <algorithm>

#include "app/file_system.h"

namespace quorvant {
namespace {

char Lower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

bool SameLetter(char a, char b) { return Lower(a) == Lower(b); }

bool Contains(std::string_view text, std::string_view part) {
    return std::search(text.begin(), text.end(), part.begin(), part.end(), SameLetter) !=
               text.end() ||
           part.empty();
}

// A host name, an IPv4 address, or an IPv6 one: what an address of a list can be. Anything
// else (brackets inside, other signs) would not be written back as it was read.
bool PlausibleHost(std::string_view host) {
    const auto nameCharacter = [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
               c == '.' || c == '-' || c == '_';
    };
    const auto v6Character = [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F') ||
               c == ':' || c == '.';
    };
    const bool v6 = host.find(':') != std::string_view::npos;
    return !host.empty() && std::all_of(host.begin(), host.end(), [&](char c) {
        return v6 ? v6Character(c) : nameCharacter(c);
    });
}

}  // namespace

bool Keeps(const ServerFilter& filter, const ServerInfo& info) {
    if (!filter.mod.empty() && !EqualIgnoringCase(info.folder, filter.mod)) return false;
    if (!filter.map.empty() && !EqualIgnoringCase(info.map, filter.map)) return false;
    if (!Contains(info.name, filter.nameSearch)) return false;
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
        if (server && PlausibleHost(server->host) &&
            std::find(servers.begin(), servers.end(), *server) == servers.end())
            servers.push_back(*server);
        at = end + 1;
    }
    return servers;
}

}  // namespace quorvant
