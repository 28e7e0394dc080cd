#include "launch/server_address.h"

#include <charconv>

namespace quorvant {
namespace {

std::string_view Trimmed(std::string_view text) {
    constexpr std::string_view kBlanks = " \t\r\n";
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

std::optional<std::uint16_t> PortNumber(std::string_view text) {
    unsigned value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value == 0 || value > 65535)
        return std::nullopt;
    return static_cast<std::uint16_t>(value);
}

// The host and the port text written after it, if any. A bare address with several colons is
// an IPv6 address without a port.
std::pair<std::string_view, std::optional<std::string_view>> SplitPort(std::string_view address) {
    if (address.starts_with('[')) {
        const std::size_t close = address.find(']');
        if (close == std::string_view::npos) return {address, std::nullopt};
        const std::string_view after = address.substr(close + 1);
        if (after.empty()) return {address.substr(1, close - 1), std::nullopt};
        if (!after.starts_with(':')) return {address, std::nullopt};
        return {address.substr(1, close - 1), after.substr(1)};
    }
    const std::size_t colon = address.find(':');
    if (colon == std::string_view::npos || address.find(':', colon + 1) != std::string_view::npos)
        return {address, std::nullopt};
    return {address.substr(0, colon), address.substr(colon + 1)};
}

}  // namespace

std::optional<ServerAddress> JoinTarget(std::string_view address, std::string_view port) {
    const auto [host, written] = SplitPort(Trimmed(address));
    if (host.empty()) return std::nullopt;
    const std::string_view portText = Trimmed(port);
    std::optional<std::uint16_t> number = kDefaultGamePort;
    if (!portText.empty()) {
        number = PortNumber(portText);
    } else if (written) {
        number = PortNumber(*written);
    }
    if (!number) return std::nullopt;
    return ServerAddress{std::string(host), *number};
}

std::optional<ServerAddress> ListedTarget(std::string_view address, std::string_view port) {
    const auto [host, written] = SplitPort(Trimmed(address));
    if (written) return JoinTarget(address, "");
    const auto withPort = JoinTarget(address, port);
    return withPort ? withPort : JoinTarget(address, "");
}

}  // namespace quorvant
