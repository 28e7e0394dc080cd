#include "launch/server_info_pool.h"

#include <QHostInfo>
#include <QNetworkDatagram>

#include "launch/split_reply.h"

namespace quorvant {
namespace {

constexpr int kRequestsSent = 2;        // the first and one repeat
constexpr int kChallengesAnswered = 3;  // per request: a server cannot keep one going
constexpr int kTickMs = 20;             // how often waits are checked: the finest wait's grain
constexpr char kLocalHostName[] = "localhost";

std::string_view View(const QByteArray& bytes) {
    return {bytes.constData(), std::size_t(bytes.size())};
}

}  // namespace

ServerInfoPool::ServerInfoPool(const BrowserOptions& options, QObject* parent)
    : QObject(parent), options_(options) {
    tick_.setInterval(kTickMs);
    connect(&tick_, &QTimer::timeout, this, &ServerInfoPool::expire);
    connect(&socket_, &QUdpSocket::readyRead, this, &ServerInfoPool::read);
    clock_.start();
}

bool ServerInfoPool::bound() {
    return socket_.state() == QAbstractSocket::BoundState || socket_.bind(QHostAddress::AnyIPv4, 0);
}

void ServerInfoPool::ask(const ServerAddress& server) {
    if (!asked_.insert(server).second) return;
    busy_ = true;
    QHostAddress address;
    if (address.setAddress(QString::fromStdString(server.host))) {
        enqueue(server, address);
    } else {
        lookUp(server);
    }
}

void ServerInfoPool::lookUp(const ServerAddress& server) {
    const QString host = QString::fromStdString(server.host);
    ++lookups_;
    if (options_.scope == QueryScope::ThisMachineOnly && host != QLatin1String(kLocalHostName)) {
        // Reported from the event loop, as an answer would be.
        QTimer::singleShot(0, this, [this, server, round = generation_] {
            if (round != generation_) return;
            --lookups_;
            giveUp(server);
        });
        return;
    }
    QHostInfo::lookupHost(host, this, [this, server, round = generation_](const QHostInfo& found) {
        if (round != generation_) return;
        --lookups_;
        QHostAddress address;
        for (const QHostAddress& candidate : found.addresses()) {
            if (candidate.protocol() == QAbstractSocket::IPv4Protocol) address = candidate;
        }
        enqueue(server, address);
    });
}

void ServerInfoPool::enqueue(const ServerAddress& server, const QHostAddress& address) {
    bool v4 = false;
    const quint32 ip = address.toIPv4Address(&v4);
    // The socket speaks IPv4: game servers of this engine have no other.
    if (!v4 || (options_.scope == QueryScope::ThisMachineOnly && !address.isLoopback())) {
        QTimer::singleShot(0, this, [this, server, round = generation_] {
            if (round == generation_) giveUp(server);
        });
        return;
    }
    queue_.emplace_back(Endpoint{ip, server.port}, server);
    QTimer::singleShot(0, this, &ServerInfoPool::fill);
}

bool ServerInfoPool::askLocalNetwork() {
    QHostAddress broadcast;
    if (!broadcast.setAddress(QString::fromStdString(options_.lanBroadcast)) || !bound())
        return false;
    if (options_.scope == QueryScope::ThisMachineOnly && !broadcast.isLoopback()) return false;
    busy_ = true;
    networkUntil_ = clock_.elapsed() + options_.lanWaitMs;
    const std::string request = InfoRequest();
    for (std::uint16_t port : options_.lanPorts)
        socket_.writeDatagram(request.data(), qint64(request.size()), broadcast, port);
    tick_.start();
    return true;
}

void ServerInfoPool::stop() {
    ++generation_;
    queue_.clear();
    inFlight_.clear();
    asked_.clear();
    foundOnNetwork_.clear();
    lookups_ = 0;
    networkUntil_ = -1;
    busy_ = false;
    tick_.stop();
}

int ServerInfoPool::waiting() const { return int(queue_.size() + inFlight_.size()) + lookups_; }

void ServerInfoPool::fill() {
    if (queue_.empty() || !bound()) return;
    while (!queue_.empty() && int(inFlight_.size()) < options_.inFlight) {
        auto [endpoint, server] = std::move(queue_.front());
        queue_.pop_front();
        auto [entry, added] = inFlight_.try_emplace(endpoint);
        if (!added) continue;  // two names of one server: asked once
        entry->second.server = std::move(server);
        send(endpoint, entry->second, {});
    }
    tick_.start();
}

void ServerInfoPool::send(const Endpoint& endpoint, Asked& asked, const std::string& challenge) {
    const std::string request = InfoRequest(challenge);
    socket_.writeDatagram(request.data(), qint64(request.size()), QHostAddress(endpoint.first),
                          endpoint.second);
    asked.sent.start();
    if (challenge.empty()) {
        ++asked.requests;
        asked.challenges = 0;
        asked.deadline = clock_.elapsed() + options_.replyWaitMs;
    }
}

void ServerInfoPool::expire() {
    const qint64 now = clock_.elapsed();
    std::vector<Endpoint> late;
    for (auto& [endpoint, asked] : inFlight_) {
        if (asked.deadline <= now) late.push_back(endpoint);
    }
    for (const Endpoint& endpoint : late) {
        Asked& asked = inFlight_.at(endpoint);
        if (asked.requests < kRequestsSent) {
            send(endpoint, asked, {});
            continue;
        }
        const ServerAddress server = asked.server;
        inFlight_.erase(endpoint);
        emit unanswered(server);
    }
    if (networkUntil_ >= 0 && now >= networkUntil_) networkUntil_ = -1;
    fill();
    checkIdle();
}

void ServerInfoPool::read() {
    while (socket_.hasPendingDatagrams()) {
        const QNetworkDatagram datagram = socket_.receiveDatagram(kMaxDatagramSize + 1);
        const Endpoint from{datagram.senderAddress().toIPv4Address(),
                            quint16(datagram.senderPort())};
        const auto entry = inFlight_.find(from);
        if (entry == inFlight_.end()) {
            readFromLocalNetwork(from, View(datagram.data()));
            continue;
        }
        ServerReply reply = DecodeServerReply(View(datagram.data()));
        Asked& asked = entry->second;
        if (reply.kind == ReplyKind::Challenge && asked.challenges < kChallengesAnswered) {
            ++asked.challenges;
            send(from, asked, reply.challenge);
            continue;
        }
        if (reply.kind != ReplyKind::Info) continue;  // garbage: the wait decides
        const ServerAnswer answer{std::move(reply.info), int(asked.sent.elapsed())};
        const ServerAddress server = asked.server;
        inFlight_.erase(entry);
        emit answered(server, answer);
    }
    fill();
    checkIdle();
}

void ServerInfoPool::readFromLocalNetwork(const Endpoint& from, std::string_view datagram) {
    if (networkUntil_ < 0 || foundOnNetwork_.contains(from)) return;
    ServerReply reply = DecodeServerReply(datagram);
    if (reply.kind == ReplyKind::Challenge) {
        // Answered to the server itself: a broadcast asks everyone again.
        const std::string request = InfoRequest(reply.challenge);
        socket_.writeDatagram(request.data(), qint64(request.size()), QHostAddress(from.first),
                              from.second);
        return;
    }
    if (reply.kind != ReplyKind::Info) return;
    foundOnNetwork_.insert(from);
    const ServerAddress server{QHostAddress(from.first).toString().toStdString(), from.second};
    asked_.insert(server);
    // The round trip of a broadcast is unknown per server; the time since it went is an upper
    // bound.
    const int sinceBroadcast = int(clock_.elapsed() - (networkUntil_ - options_.lanWaitMs));
    emit answered(server, ServerAnswer{std::move(reply.info), sinceBroadcast});
}

void ServerInfoPool::giveUp(const ServerAddress& server) {
    emit unanswered(server);
    checkIdle();
}

void ServerInfoPool::checkIdle() {
    if (!busy_ || waiting() > 0 || networkUntil_ >= 0) return;
    busy_ = false;
    tick_.stop();
    emit idle();
}

}  // namespace quorvant
