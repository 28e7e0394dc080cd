#include "server_farm.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>

#include "launch/master_server.h"
#include "launch/server_query.h"

namespace quorvant::bench {
namespace {

constexpr std::size_t kPageSize = 231;  // what the master sends in one datagram

int BoundSocket(std::uint16_t& port) {
    const int fd = socket(AF_INET, SOCK_DGRAM | SOCK_NONBLOCK, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (fd < 0 || bind(fd, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
        getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0)
        std::abort();
    port = ntohs(address.sin_port);
    return fd;
}

std::string InfoReply(std::size_t number) {
    std::string reply("\xFF\xFF\xFF\xFFI\x30", 6);
    for (const std::string& text :
         {"Farm " + std::to_string(number), std::string(number % 2 ? "de_dust2" : "cs_office"),
          std::string("cstrike"), std::string("Counter-Strike")})
        reply.append(text.c_str(), text.size() + 1);
    reply += char(10);
    reply += char(0);
    reply += char(number % 17);
    reply += char(16);
    reply += char(number % 3);
    reply.append(
        "dl\0\x01"
        "1.0\0",
        9);
    return reply;
}

sockaddr_in Loopback(std::uint16_t port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(port);
    return address;
}

// The page after `seed` of the farm's list, the ending record on the last.
std::string Page(const std::vector<std::uint16_t>& ports, std::string_view seed) {
    std::size_t first = 0;
    if (const std::size_t colon = seed.rfind(':'); colon != std::string_view::npos) {
        const int port = std::atoi(std::string(seed.substr(colon + 1)).c_str());
        const auto at = std::find(ports.begin(), ports.end(), std::uint16_t(port));
        if (at != ports.end()) first = std::size_t(at - ports.begin()) + 1;
    }
    std::string page("\xFF\xFF\xFF\xFF\x66\x0A", 6);
    const auto record = [&page](std::string_view address, std::uint16_t port) {
        page += address;
        page += char(port >> 8);
        page += char(port & 0xFF);
    };
    const std::size_t end = std::min(ports.size(), first + kPageSize);
    for (std::size_t at = first; at < end; ++at)
        record(std::string_view("\x7F\x00\x00\x01", 4), ports[at]);
    if (end == ports.size()) record(std::string_view("\0\0\0\0", 4), 0);
    return page;
}

}  // namespace

ServerFarm::ServerFarm(int servers) {
    master_ = BoundSocket(masterPort_);
    for (int server = 0; server < servers; ++server) {
        std::uint16_t port = 0;
        sockets_.push_back(BoundSocket(port));
        ports_.push_back(port);
    }
    thread_ = std::thread([this] { serve(); });
}

ServerFarm::~ServerFarm() {
    stop_ = true;
    thread_.join();
    for (int fd : sockets_) close(fd);
    close(master_);
}

std::string ServerFarm::masterAddress() const { return "127.0.0.1:" + std::to_string(masterPort_); }

void ServerFarm::serve() {
    std::vector<pollfd> polled;
    polled.push_back({master_, POLLIN, 0});
    for (int fd : sockets_) polled.push_back({fd, POLLIN, 0});
    std::vector<std::string> replies;
    for (std::size_t server = 0; server < sockets_.size(); ++server)
        replies.push_back(InfoReply(server));
    const std::string request = InfoRequest();
    char datagram[1500];
    while (!stop_) {
        if (poll(polled.data(), polled.size(), 50) <= 0) continue;
        if (polled[0].revents & POLLIN) answerMaster();
        for (std::size_t at = 1; at < polled.size(); ++at) {
            if (!(polled[at].revents & POLLIN)) continue;
            sockaddr_in client{};
            socklen_t length = sizeof client;
            const ssize_t got = recvfrom(polled[at].fd, datagram, sizeof datagram, 0,
                                         reinterpret_cast<sockaddr*>(&client), &length);
            if (got <= 0 || std::string_view(datagram, std::size_t(got)) != request) continue;
            const std::string& reply = replies[at - 1];
            sendto(polled[at].fd, reply.data(), reply.size(), 0,
                   reinterpret_cast<sockaddr*>(&client), length);
        }
    }
}

void ServerFarm::answerMaster() {
    char datagram[1500];
    sockaddr_in client{};
    socklen_t length = sizeof client;
    const ssize_t got = recvfrom(master_, datagram, sizeof datagram, 0,
                                 reinterpret_cast<sockaddr*>(&client), &length);
    if (got < 3 || datagram[0] != 0x31) return;
    const std::string_view seed(datagram + 2, ::strnlen(datagram + 2, std::size_t(got) - 2));
    const std::string page = Page(ports_, seed);
    sendto(master_, page.data(), page.size(), 0, reinterpret_cast<sockaddr*>(&client), length);
}

std::size_t FillFloor(const ServerFarm& farm, int inFlight) {
    std::uint16_t ownPort = 0;
    const int fd = BoundSocket(ownPort);
    const sockaddr_in master = Loopback(std::uint16_t(
        std::atoi(farm.masterAddress().substr(farm.masterAddress().rfind(':') + 1).c_str())));
    std::vector<std::uint16_t> listed;
    ServerEndpoint after;
    char datagram[1500];
    pollfd polled{fd, POLLIN, 0};
    for (bool last = false; !last;) {
        const std::string request = MasterRequest(after, "\\appid\\70\\gamedir\\cstrike");
        sendto(fd, request.data(), request.size(), 0, reinterpret_cast<const sockaddr*>(&master),
               sizeof master);
        if (poll(&polled, 1, 1000) <= 0) break;
        const ssize_t got = recv(fd, datagram, sizeof datagram, 0);
        const auto page = DecodeMasterPage({datagram, std::size_t(got > 0 ? got : 0)});
        if (!page || page->servers.empty()) break;
        for (const ServerEndpoint& server : page->servers) listed.push_back(server.port);
        after = page->servers.back();
        last = page->last;
    }
    const std::string request = InfoRequest();
    std::size_t next = 0;
    std::size_t waiting = 0;
    std::size_t answered = 0;
    while (answered < listed.size()) {
        while (waiting < std::size_t(inFlight) && next < listed.size()) {
            const sockaddr_in server = Loopback(listed[next++]);
            sendto(fd, request.data(), request.size(), 0,
                   reinterpret_cast<const sockaddr*>(&server), sizeof server);
            ++waiting;
        }
        if (poll(&polled, 1, 1000) <= 0) break;
        while (recv(fd, datagram, sizeof datagram, MSG_DONTWAIT) > 0) {
            ++answered;
            --waiting;
        }
    }
    close(fd);
    return answered;
}

void AllowManySockets() {
    rlimit limit{};
    if (getrlimit(RLIMIT_NOFILE, &limit) != 0) return;
    limit.rlim_cur = limit.rlim_max;
    setrlimit(RLIMIT_NOFILE, &limit);
}

}  // namespace quorvant::bench
