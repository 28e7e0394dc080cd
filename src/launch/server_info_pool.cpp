#include "launch/server_info_pool.h"

#include <QNetworkDatagram>

#include "launch/host_lookup.h"
#include "launch/split_reply.h"

namespace quorvant {
namespace {

constexpr int kRequestsSent = 2;        // the first and one repeat
constexpr int kChallengesAnswered = 3;  // per request: a server cannot keep one going
constexpr int kTickMs = 20;             // how often waits are checked: the finest wait's grain
constexpr std::size_t kMostFoundOnNetwork = 4096;

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
    if (socket_.state() == QAbstractSocket::BoundState) return true;
    // Any address: what is sent and what is taken is kept within the scope by each step.
    return socket_.bind(QHostAddress::AnyIPv4, 0, QAbstractSocket::DontShareAddress);
}

void ServerInfoPool::ask(const ServerAddress& server) {
    if (!asked_.insert(server).second) return;
    busy_ = true;
    ++resolving_;
    LookUpHost(this, server.host, options_.scope,
               [this, server, round = generation_](const QHostAddress& address) {
                   if (round == generation_) resolved(server, address);
               });
}

void ServerInfoPool::resolved(const ServerAddress& server, const QHostAddress& address) {
    --resolving_;
    if (address.isNull()) {
        if (reportUnanswered({server})) checkIdle();
        return;
    }
    queue_.emplace_back(Endpoint{address.toIPv4Address(), server.port}, server);
    scheduleFill();
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
    if (!tick_.isActive()) tick_.start();
    return true;
}

void ServerInfoPool::stop() {
    ++generation_;
    queue_.clear();
    inFlight_.clear();
    asked_.clear();
    networkChallenges_.clear();
    foundOnNetwork_.clear();
    resolving_ = 0;
    networkUntil_ = -1;
    busy_ = false;
    tick_.stop();
}

int ServerInfoPool::waiting() const {
    std::size_t count = queue_.size() + std::size_t(resolving_);
    for (const auto& [endpoint, asked] : inFlight_) count += asked.servers.size();
    return int(count);
}

void ServerInfoPool::scheduleFill() {
    if (fillPending_) return;
    fillPending_ = true;
    QTimer::singleShot(0, this, &ServerInfoPool::fill);
}

void ServerInfoPool::fill() {
    fillPending_ = false;
    if (queue_.empty()) return;
    if (!bound()) {
        // Without a socket nothing can be asked: everything waiting ends unanswered.
        std::vector<ServerAddress> queued;
        for (auto& [endpoint, server] : queue_) queued.push_back(std::move(server));
        queue_.clear();
        if (reportUnanswered(queued)) checkIdle();
        return;
    }
    while (!queue_.empty() && int(inFlight_.size()) < options_.inFlight) {
        auto [endpoint, server] = std::move(queue_.front());
        queue_.pop_front();
        auto [entry, added] = inFlight_.try_emplace(endpoint);
        entry->second.servers.push_back(std::move(server));
        if (added) send(endpoint, entry->second, {});  // two names of one server: asked once
    }
    if (!inFlight_.empty() && !tick_.isActive()) tick_.start();
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
    // Replies first: a datagram that came without its notice is read before any wait ends.
    if (socket_.hasPendingDatagrams()) read();
    const qint64 now = clock_.elapsed();
    std::vector<ServerAddress> gaveUp;
    for (auto entry = inFlight_.begin(); entry != inFlight_.end();) {
        Asked& asked = entry->second;
        if (asked.deadline > now) {
            ++entry;
        } else if (asked.requests < kRequestsSent) {
            send(entry->first, asked, {});
            ++entry;
        } else {
            gaveUp.insert(gaveUp.end(), asked.servers.begin(), asked.servers.end());
            entry = inFlight_.erase(entry);
        }
    }
    if (networkUntil_ >= 0 && now >= networkUntil_) networkUntil_ = -1;
    if (!reportUnanswered(gaveUp)) return;
    scheduleFill();
    checkIdle();
}

void ServerInfoPool::read() {
    const int round = generation_;
    for (int turn = 0; turn < kDatagramsPerTurn && socket_.hasPendingDatagrams(); ++turn) {
        const QNetworkDatagram datagram = socket_.receiveDatagram(kMaxDatagramSize + 1);
        const Endpoint from{datagram.senderAddress().toIPv4Address(),
                            quint16(datagram.senderPort())};
        const auto entry = inFlight_.find(from);
        if (entry == inFlight_.end()) {
            readFromLocalNetwork(from, View(datagram.data()));
            if (round != generation_) return;
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
        const std::vector<ServerAddress> servers = std::move(asked.servers);
        inFlight_.erase(entry);
        for (const ServerAddress& server : servers) {
            emit answered(server, answer);
            if (round != generation_) return;
        }
    }
    // A flood of datagrams waits for the next turn, so that the windows stay quick.
    if (socket_.hasPendingDatagrams()) QTimer::singleShot(0, this, &ServerInfoPool::read);
    scheduleFill();
    checkIdle();
}

void ServerInfoPool::readFromLocalNetwork(const Endpoint& from, std::string_view datagram) {
    if (networkUntil_ < 0 || foundOnNetwork_.contains(from) ||
        foundOnNetwork_.size() >= kMostFoundOnNetwork)
        return;
    if (options_.scope == QueryScope::ThisMachineOnly && !QHostAddress(from.first).isLoopback())
        return;
    ServerReply reply = DecodeServerReply(datagram);
    if (reply.kind == ReplyKind::Challenge && networkChallenges_[from]++ < kChallengesAnswered) {
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

// Reports each server; false when a report stopped the pool, which then reports nothing more.
bool ServerInfoPool::reportUnanswered(const std::vector<ServerAddress>& servers) {
    const int round = generation_;
    for (const ServerAddress& server : servers) {
        emit unanswered(server);
        if (round != generation_) return false;
    }
    return true;
}

void ServerInfoPool::checkIdle() {
    if (!busy_ || waiting() > 0 || networkUntil_ >= 0) return;
    busy_ = false;
    tick_.stop();
    emit idle();
}

}  // namespace quorvant
