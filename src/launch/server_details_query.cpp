#include "launch/server_details_query.h"

#include <QNetworkDatagram>

#include "launch/host_lookup.h"

namespace quorvant {
namespace {

constexpr int kRequestsSent = 2;
constexpr int kChallengesAnswered = 3;

}  // namespace

ServerDetailsQuery::ServerDetailsQuery(const BrowserOptions& options, QObject* parent)
    : QObject(parent), options_(options) {
    wait_.setSingleShot(true);
    wait_.setInterval(options.replyWaitMs);
    connect(&wait_, &QTimer::timeout, this, &ServerDetailsQuery::waited);
    connect(&socket_, &QUdpSocket::readyRead, this, &ServerDetailsQuery::read);
}

void ServerDetailsQuery::ask(const ServerAddress& server) {
    stop();
    server_ = server;
    step_ = Step::Players;
    LookUpHost(this, server.host, options_.scope,
               [this, round = round_](const QHostAddress& address) {
                   if (round == round_) begin(address);
               });
}

void ServerDetailsQuery::stop() {
    ++round_;
    step_ = Step::None;
    wait_.stop();
    socket_.close();
}

void ServerDetailsQuery::begin(const QHostAddress& address) {
    if (address.isNull() ||
        !socket_.bind(QHostAddress::AnyIPv4, 0, QAbstractSocket::DontShareAddress)) {
        const Step was = step_;
        step_ = Step::None;
        if (was != Step::None) {
            emit playersKnown(std::nullopt);
            emit rulesKnown(std::nullopt);
        }
        return;
    }
    address_ = address;
    requests_ = 0;
    request({});
}

void ServerDetailsQuery::request(const std::string& challenge) {
    const bool first = challenge.empty();
    const std::string& sent = first ? std::string(kAskForChallenge) : challenge;
    const std::string bytes = step_ == Step::Players ? PlayersRequest(sent) : RulesRequest(sent);
    socket_.writeDatagram(bytes.data(), qint64(bytes.size()), address_, server_.port);
    if (first) {
        ++requests_;
        challenges_ = 0;
        split_ = {};
        wait_.start();
    }
}

void ServerDetailsQuery::waited() {
    if (requests_ < kRequestsSent) {
        request({});
    } else {
        settle(nullptr);
    }
}

void ServerDetailsQuery::read() {
    for (int turn = 0;
         turn < kDatagramsPerTurn && step_ != Step::None && socket_.hasPendingDatagrams(); ++turn) {
        const QNetworkDatagram datagram = socket_.receiveDatagram(kMaxDatagramSize + 1);
        if (!datagram.senderAddress().isEqual(address_, QHostAddress::ConvertV4MappedToIPv4) ||
            datagram.senderPort() != server_.port)
            continue;
        const QByteArray& bytes = datagram.data();
        const std::optional<std::string> whole =
            split_.add({bytes.constData(), std::size_t(bytes.size())});
        if (!whole) continue;
        const DetailsReply reply = DecodeDetailsReply(*whole);
        if (reply.kind == DetailsKind::Challenge && challenges_ < kChallengesAnswered) {
            ++challenges_;
            request(reply.challenge);
            continue;
        }
        const DetailsKind wanted =
            step_ == Step::Players ? DetailsKind::Players : DetailsKind::Rules;
        if (reply.kind == wanted) settle(&reply);
    }
    if (step_ != Step::None && socket_.hasPendingDatagrams())
        QTimer::singleShot(0, this, &ServerDetailsQuery::read);
}

// One step is known: its list, or nothing; the players are followed by the rules.
void ServerDetailsQuery::settle(const DetailsReply* reply) {
    wait_.stop();
    if (step_ == Step::Players) {
        step_ = Step::Rules;
        requests_ = 0;
        request({});
        emit playersKnown(reply ? std::optional(reply->players) : std::nullopt);
        return;
    }
    step_ = Step::None;
    socket_.close();
    emit rulesKnown(reply ? std::optional(reply->rules) : std::nullopt);
}

}  // namespace quorvant
