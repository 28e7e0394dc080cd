#include "game_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <string>

#include "launch/server_query.h"

namespace quorvant::bench {
namespace {

using Clock = std::chrono::steady_clock;

// A socket on 127.0.0.1 whose waits for a datagram end after `waitMs`.
int LoopbackSocket(int waitMs, std::uint16_t& port) {
    const int fd = socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (bind(fd, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
        getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        close(fd);
        return -1;
    }
    port = ntohs(address.sin_port);
    const timeval wait{0, suseconds_t(waitMs) * 1000};
    setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);
    return fd;
}

std::string Reply(int count) {
    std::string reply(
        "\xFF\xFF\xFF\xFF"
        "I\x30",
        6);
    for (const std::string& text : {"Bench " + std::to_string(count), std::string("de_dust2"),
                                    std::string("cstrike"), std::string("Counter-Strike")})
        reply.append(text.c_str(), text.size() + 1);
    reply.append(
        "\x0a\x00\x0c\x10\x00"
        "dl\x00\x01"
        "1.0",
        13);
    return reply;
}

}  // namespace

GameServer::GameServer() {
    socket_ = LoopbackSocket(50, port_);
    thread_ = std::thread([this] { serve(); });
}

GameServer::~GameServer() {
    stop_ = true;
    thread_.join();
    close(socket_);
}

Clock::time_point GameServer::lastAnswer() const {
    return Clock::time_point(Clock::duration(lastAnswer_.load()));
}

void GameServer::serve() {
    char request[1500];
    while (!stop_) {
        sockaddr_in client{};
        socklen_t length = sizeof client;
        const ssize_t got = recvfrom(socket_, request, sizeof request, 0,
                                     reinterpret_cast<sockaddr*>(&client), &length);
        if (got <= 0 || std::string_view(request, std::size_t(got)) != InfoRequest()) continue;
        const std::string reply = Reply(answers_ + 1);
        lastAnswer_ = Clock::now().time_since_epoch().count();
        sendto(socket_, reply.data(), reply.size(), 0, reinterpret_cast<sockaddr*>(&client),
               length);
        ++answers_;
    }
}

double AnswerArrivalSeconds(GameServer& server) {
    std::uint16_t port = 0;
    const int fd = LoopbackSocket(1000, port);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(server.port());
    const std::string request = InfoRequest();
    sendto(fd, request.data(), request.size(), 0, reinterpret_cast<sockaddr*>(&address),
           sizeof address);
    char reply[1500];
    const ssize_t got = recv(fd, reply, sizeof reply, 0);
    const Clock::time_point arrived = Clock::now();
    close(fd);
    if (got <= 0) return -1;
    return std::chrono::duration<double>(arrived - server.lastAnswer()).count();
}

}  // namespace quorvant::bench
