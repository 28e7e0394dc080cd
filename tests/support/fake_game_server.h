#pragma once

#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QNetworkDatagram>
#include <QUdpSocket>
#include <functional>
#include <string>
#include <vector>

// Game servers and a master server played by a test on this machine's loopback addresses,
// each with a real UDP socket of the test's event loop.
namespace quorvant::testing {

using Replies = std::function<std::vector<std::string>(const std::string& request)>;

// The same replies to every request.
inline Replies Always(const std::vector<std::string>& replies) {
    return [replies](const std::string&) { return replies; };
}

inline qint64 Now() { return QDeadlineTimer::current().deadline(); }

// A game server that answers each request as its test says, and notes them.
class FakeServer {
  public:
    explicit FakeServer(Replies replies, const QHostAddress& address = QHostAddress::LocalHost,
                        quint16 port = 0)
        : replies_(std::move(replies)) {
        EXPECT_TRUE(socket_.bind(address, port)) << address.toString().toStdString() << port;
        QObject::connect(&socket_, &QUdpSocket::readyRead, [this] { answer(); });
    }
    QString address() const {
        return QStringLiteral("%1:%2").arg(socket_.localAddress().toString()).arg(port());
    }
    quint16 port() const { return socket_.localPort(); }

    std::vector<std::string> requests;
    std::vector<qint64> times;  // of the requests, in ms of Now()

  private:
    void answer() {
        while (socket_.hasPendingDatagrams()) {
            const QNetworkDatagram request = socket_.receiveDatagram();
            requests.push_back(request.data().toStdString());
            times.push_back(Now());
            for (const std::string& reply : replies_(requests.back()))
                socket_.writeDatagram(request.makeReply(QByteArray::fromStdString(reply)));
        }
    }

    Replies replies_;
    QUdpSocket socket_;
};

}  // namespace quorvant::testing
