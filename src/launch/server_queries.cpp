#include "launch/server_queries.h"

#include <QElapsedTimer>
#include <QHostInfo>
#include <QNetworkDatagram>
#include <QTimer>
#include <QUdpSocket>

namespace quorvant {
namespace {

constexpr int kRequestsSent = 2;        // the first and one repeat
constexpr int kChallengesAnswered = 3;  // per request: a server cannot keep one going
constexpr char kLocalHostName[] = "localhost";

// A looked-up name's address, IPv4 first: most game servers have no other.
QHostAddress Preferred(const QList<QHostAddress>& addresses) {
    for (const QHostAddress& address : addresses) {
        if (address.protocol() == QAbstractSocket::IPv4Protocol) return address;
    }
    return addresses.value(0);
}

}  // namespace

// One server's query: its own socket, so that only that server's replies reach it.
class ServerQueries::Query : public QObject {
  public:
    Query(ServerQueries& owner, ServerAddress server)
        : QObject(&owner),
          owner_(owner),
          server_(std::move(server)),
          loopbackOnly_(owner.scope_ == QueryScope::ThisMachineOnly) {
        wait_.setSingleShot(true);
        wait_.setTimerType(Qt::PreciseTimer);  // a coarse one may end the wait early
        wait_.setInterval(owner.replyWaitMs_);
        connect(&wait_, &QTimer::timeout, this, &Query::waited);
        connect(&socket_, &QUdpSocket::readyRead, this, &Query::read);
    }

    ~Query() override { stop(); }

    const ServerAddress& server() const { return server_; }

    // Nothing more is sent, read or reported, also from events already on their way.
    void stop() {
        stopped_ = true;
        wait_.stop();
        socket_.close();
        socket_.disconnect(this);
        if (lookup_ >= 0) QHostInfo::abortHostLookup(lookup_);
        lookup_ = -1;
    }

    void start() {
        const QString host = QString::fromStdString(server_.host);
        QHostAddress address;
        if (address.setAddress(host)) {
            // From the event loop: even a refusal is reported after `ask` has returned.
            QTimer::singleShot(0, this, [this, address] { send(address); });
        } else if (loopbackOnly_ && host != QLatin1String(kLocalHostName)) {
            QTimer::singleShot(0, this, [this] { send({}); });
        } else {
            lookup_ = QHostInfo::lookupHost(host, this, [this](const QHostInfo& found) {
                lookup_ = -1;
                send(Preferred(found.addresses()));
            });
        }
    }

  private:
    void send(const QHostAddress& address) {
        if (stopped_) return;
        const bool v6 = address.protocol() == QAbstractSocket::IPv6Protocol;
        if (address.isNull() || (loopbackOnly_ && !address.isLoopback()) ||
            !socket_.bind(v6 ? QHostAddress::AnyIPv6 : QHostAddress::AnyIPv4, 0,
                          QAbstractSocket::DontShareAddress)) {
            owner_.end(this, std::nullopt);
            return;
        }
        address_ = address;
        request({});
    }

    void request(const std::string& challenge) {
        const std::string bytes = InfoRequest(challenge);
        socket_.writeDatagram(bytes.data(), qint64(bytes.size()), address_, server_.port);
        sent_.start();
        if (challenge.empty()) {
            ++requests_;
            challenges_ = 0;
            wait_.start();
        }
    }

    void waited() {
        if (requests_ < kRequestsSent) {
            request({});
        } else {
            owner_.end(this, std::nullopt);
        }
    }

    void read() {
        while (socket_.hasPendingDatagrams()) {
            const QNetworkDatagram datagram = socket_.receiveDatagram(kMaxReplySize + 1);
            if (!datagram.senderAddress().isEqual(address_, QHostAddress::ConvertV4MappedToIPv4) ||
                datagram.senderPort() != server_.port) {
                continue;
            }
            const QByteArray& bytes = datagram.data();
            ServerReply reply = DecodeServerReply({bytes.constData(), std::size_t(bytes.size())});
            if (reply.kind == ReplyKind::Challenge && challenges_ < kChallengesAnswered) {
                ++challenges_;
                request(reply.challenge);
                continue;
            }
            // Whatever follows the reply that ends the query is never read.
            std::optional<ServerAnswer> answer;
            if (reply.kind == ReplyKind::Info)
                answer = ServerAnswer{std::move(reply.info), int(sent_.elapsed())};
            owner_.end(this, std::move(answer));
            return;
        }
    }

    ServerQueries& owner_;
    const ServerAddress server_;
    QUdpSocket socket_{this};
    QTimer wait_{this};
    QElapsedTimer sent_;
    QHostAddress address_;
    int lookup_ = -1;
    int requests_ = 0;
    int challenges_ = 0;
    bool stopped_ = false;
    const bool loopbackOnly_;
};

ServerQueries::ServerQueries(QueryScope scope, int replyWaitMs, QObject* parent)
    : QObject(parent), scope_(scope), replyWaitMs_(replyWaitMs) {}

ServerQueries::~ServerQueries() { cancelAll(); }

void ServerQueries::ask(const ServerAddress& server) {
    if (asking(server)) return;
    auto* query = new Query(*this, server);
    queries_.emplace(server, query);
    query->start();
}

bool ServerQueries::asking(const ServerAddress& server) const { return queries_.contains(server); }

void ServerQueries::cancelAll() {
    for (const auto& [server, query] : queries_) release(query);
    queries_.clear();
}

// The query may be in one of its own handlers: it goes once they have returned, and the
// reports it had put off until the event loop go with it.
void ServerQueries::release(Query* query) {
    query->stop();
    query->deleteLater();
}

void ServerQueries::end(Query* query, std::optional<ServerAnswer> answer) {
    QueryResult result{query->server(), std::move(answer)};
    queries_.erase(result.server);
    release(query);
    emit finished(result);
}

}  // namespace quorvant
