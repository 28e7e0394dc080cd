#include "launch/master_server.h"

#include <algorithm>

#include "launch/split_reply.h"

namespace quorvant {
namespace {

constexpr char kRequest = 0x31;
constexpr std::string_view kPageHeader = "\xFF\xFF\xFF\xFF\x66\x0A";
constexpr std::size_t kRecordSize = 6;
constexpr std::string_view kAppId = "70";

std::string FilterValue(std::string_view value) {
    std::string kept(value);
    std::erase_if(kept, [](char c) { return c == '\\' || c == '\0'; });
    return kept;
}

int Byte(std::string_view bytes, std::size_t at) { return static_cast<unsigned char>(bytes[at]); }

}  // namespace

ServerAddress ServerEndpoint::toAddress() const {
    std::string host;
    for (int shift = 24; shift >= 0; shift -= 8) {
        if (!host.empty()) host += '.';
        host += std::to_string(address >> shift & 0xFF);
    }
    return {host, port};
}

std::string MasterFilterText(const MasterFilter& filter) {
    std::string text = "\\appid\\";
    text += kAppId;
    if (const std::string mod = FilterValue(filter.mod); !mod.empty()) text += "\\gamedir\\" + mod;
    if (const std::string map = FilterValue(filter.map); !map.empty()) text += "\\map\\" + map;
    // The master's names say the opposite of what they mean: "full" 1 keeps servers not full.
    if (filter.notFull) text += "\\full\\1";
    if (filter.notEmpty) text += "\\empty\\1";
    if (filter.noPassword) text += "\\password\\0";
    return text;
}

std::string MasterRequest(const ServerEndpoint& after, std::string_view filterText, int region) {
    const ServerAddress seed = after.toAddress();
    std::string request;
    request += kRequest;
    request += static_cast<char>(region);
    request += seed.host + ':' + std::to_string(seed.port);
    request += '\0';
    request += filterText.substr(0, filterText.find('\0'));  // a NUL would end it early
    request += '\0';
    return request;
}

std::optional<MasterPage> DecodeMasterPage(std::string_view datagram) {
    if (datagram.size() > kMaxDatagramSize || !datagram.starts_with(kPageHeader) ||
        (datagram.size() - kPageHeader.size()) % kRecordSize != 0)
        return std::nullopt;
    MasterPage page;
    for (std::size_t at = kPageHeader.size(); at < datagram.size(); at += kRecordSize) {
        ServerEndpoint server;
        for (std::size_t part = 0; part < 4; ++part)
            server.address = server.address << 8 | std::uint32_t(Byte(datagram, at + part));
        server.port =
            static_cast<std::uint16_t>(Byte(datagram, at + 4) << 8 | Byte(datagram, at + 5));
        if (server.none()) {
            page.last = true;
            break;
        }
        page.servers.push_back(server);
    }
    return page;
}

}  // namespace quorvant
