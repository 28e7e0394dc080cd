#include "launch/master_query.h"

#include <QHostInfo>
#include <QNetworkDatagram>

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
    const auto reached = [this, round = ++round_](const QHostAddress& address) {
        if (round != round_ || !running_) return;
        lookup_ = -1;
        const bool allowed = options_.scope == QueryScope::Anywhere || address.isLoopback();
        if (address.protocol() != QAbstractSocket::IPv4Protocol || !allowed ||
            !socket_.bind(QHostAddress::AnyIPv4, 0)) {
            end(MasterOutcome::NoAnswer);
            return;
        }
        address_ = address;
        send();
    };
    QHostAddress address;
    if (!master) {
        QTimer::singleShot(0, this, [this] { end(MasterOutcome::NoAnswer); });
    } else if (address.setAddress(QString::fromStdString(master->host)) ||
               options_.scope == QueryScope::ThisMachineOnly) {
        port_ = master->port;
        QTimer::singleShot(0, this, [reached, address] { reached(address); });
    } else {
        port_ = master->port;
        lookup_ = QHostInfo::lookupHost(QString::fromStdString(master->host), this,
                                        [reached](const QHostInfo& found) {
                                            QHostAddress first;
                                            for (const QHostAddress& a : found.addresses()) {
                                                if (a.protocol() == QAbstractSocket::IPv4Protocol)
                                                    first = a;
                                            }
                                            reached(first);
                                        });
    }
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
    while (running_ && socket_.hasPendingDatagrams()) {
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
}

void MasterQuery::end(MasterOutcome outcome) {
    if (!running_) return;
    running_ = false;
    for (QTimer* timer : {&wait_, &pace_, &limit_}) timer->stop();
    if (lookup_ >= 0) QHostInfo::abortHostLookup(lookup_);
    lookup_ = -1;
    socket_.close();
    emit finished(outcome);
}

}  // namespace quorvant
