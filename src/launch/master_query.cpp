#include "launch/master_query.h"

#include <QNetworkDatagram>

#include "launch/host_lookup.h"

#include "launch/split_reply.h"

namespace quorvant {
namespace {

// A bound on a list that never ends: far more pages than the master has servers for.
constexpr int kMostPages = 2000;

}  // namespace

MasterQuery::MasterQuery(const BrowserOptions& options, QObject* parent)
    : QObject(parent), options_(options) {
    for (QTimer* timer : {&wait_, &pace_, &limit_}) timer->setSingleShot(true);
    wait_.setInterval(options.pageWaitMs);
    pace_.setInterval(options.pagePaceMs);
    limit_.setInterval(options.masterTimeLimitMs);
    connect(&wait_, &QTimer::timeout, this, &MasterQuery::waited);
    connect(&pace_, &QTimer::timeout, this, &MasterQuery::send);
    connect(&limit_, &QTimer::timeout, this, [this] { end(MasterOutcome::TimeLimit); });
    connect(&socket_, &QUdpSocket::readyRead, this, &MasterQuery::read);
}

void MasterQuery::start(const MasterFilter& filter) {
    stop();
    running_ = true;
    filterText_ = MasterFilterText(filter);
    after_ = {};
    retries_ = 0;
    pages_ = 0;
    limit_.start();
    const std::optional<ServerAddress> master = JoinTarget(options_.masterServer, "");
    port_ = master ? master->port : 0;
    LookUpHost(this, master ? master->host : std::string(), options_.scope,
               [this, round = ++round_](const QHostAddress& address) {
                   if (round == round_ && running_) reached(address);
               });
}

void MasterQuery::reached(const QHostAddress& address) {
    if (address.isNull() ||
        !socket_.bind(QHostAddress::AnyIPv4, 0, QAbstractSocket::DontShareAddress)) {
        end(MasterOutcome::NoAnswer);
        return;
    }
    address_ = address;
    send();
}

void MasterQuery::stop() {
    if (running_) end(MasterOutcome::Stopped);
}

void MasterQuery::send() {
    if (!running_) return;
    const std::string request = MasterRequest(after_, filterText_);
    socket_.writeDatagram(request.data(), qint64(request.size()), address_, port_);
    wait_.start();
}

void MasterQuery::waited() {
    if (retries_ < options_.pageRetries) {
        ++retries_;
        send();
        return;
    }
    end(pages_ == 0 ? MasterOutcome::NoAnswer : MasterOutcome::Throttled);
}

void MasterQuery::read() {
    for (int turn = 0; running_ && turn < kDatagramsPerTurn && socket_.hasPendingDatagrams();
         ++turn) {
        const QNetworkDatagram datagram = socket_.receiveDatagram(kMaxDatagramSize + 1);
        if (!datagram.senderAddress().isEqual(address_, QHostAddress::ConvertV4MappedToIPv4) ||
            datagram.senderPort() != port_ || !wait_.isActive())
            continue;  // not the master, or a page already answered
        const QByteArray& bytes = datagram.data();
        const std::optional<MasterPage> decoded =
            DecodeMasterPage({bytes.constData(), std::size_t(bytes.size())});
        if (!decoded) continue;
        wait_.stop();
        retries_ = 0;
        ++pages_;
        std::vector<ServerAddress> servers;
        servers.reserve(decoded->servers.size());
        for (const ServerEndpoint& server : decoded->servers) servers.push_back(server.toAddress());
        const bool progressed = !decoded->servers.empty() && decoded->servers.back() != after_;
        if (progressed) after_ = decoded->servers.back();
        emit page(servers);
        if (!running_) return;
        if (decoded->last || !progressed || pages_ >= kMostPages) {
            end(MasterOutcome::Complete);
            return;
        }
        pace_.start();
    }
    // A flood waits for the next turn of the event loop.
    if (running_ && socket_.hasPendingDatagrams()) QTimer::singleShot(0, this, &MasterQuery::read);
}

void MasterQuery::end(MasterOutcome outcome) {
    if (!running_) return;
    running_ = false;
    for (QTimer* timer : {&wait_, &pace_, &limit_}) timer->stop();
    ++round_;  // a lookup on its way reports nothing
    socket_.close();
    emit finished(outcome);
}

}  // namespace quorvant
