#pragma once

#include <QElapsedTimer>
#include <QHostAddress>
#include <QObject>
#include <QTimer>
#include <QUdpSocket>
#include <deque>
#include <map>
#include <set>
#include <vector>

#include "launch/browser_options.h"

namespace quorvant {

// Asks many game servers for their information from one UDP socket on the event thread: at
// most `inFlight` at a time, each with its own wait and one repeat, challenges answered. The
// local network is asked by broadcast on its ports; whoever answers is a server found. Every
// server asked is reported once, answered or not.
class ServerInfoPool : public QObject {
    Q_OBJECT
  public:
    explicit ServerInfoPool(const BrowserOptions& options, QObject* parent = nullptr);

    // Asks a server, after those already waiting; a server asked before is not asked again
    // until `stop`.
    void ask(const ServerAddress& server);
    // Asks the local network: every server that answers within the LAN wait is reported. False
    // when it cannot be asked: no broadcast address, or one this pool may not send to.
    bool askLocalNetwork();
    // Drops everything waiting; nothing more is reported.
    void stop();
    // Servers waiting for their address, their turn or their answer.
    int waiting() const;

  signals:
    void answered(const ServerAddress& server, const ServerAnswer& answer);
    void unanswered(const ServerAddress& server);
    // Nothing is waiting any more.
    void idle();

  private:
    using Endpoint = std::pair<quint32, quint16>;
    struct Asked {
        std::vector<ServerAddress> servers;  // the names it was asked by
        QElapsedTimer sent;
        qint64 deadline = 0;
        int requests = 0;
        int challenges = 0;
    };

    bool bound();
    void resolved(const ServerAddress& server, const QHostAddress& address);
    void scheduleFill();
    void fill();
    void send(const Endpoint& endpoint, Asked& asked, const std::string& challenge);
    void expire();
    void read();
    void readFromLocalNetwork(const Endpoint& from, std::string_view datagram);
    bool reportUnanswered(const std::vector<ServerAddress>& servers);
    void checkIdle();

    const BrowserOptions options_;
    QUdpSocket socket_{this};
    QTimer tick_{this};
    QElapsedTimer clock_;
    std::deque<std::pair<Endpoint, ServerAddress>> queue_;
    std::map<Endpoint, Asked> inFlight_;
    std::set<ServerAddress> asked_;
    std::map<Endpoint, int> networkChallenges_;  // answered per server of the local network
    std::set<Endpoint> foundOnNetwork_;
    int resolving_ = 0;  // servers whose address is on its way
    qint64 networkUntil_ = -1;
    bool fillPending_ = false;
    bool busy_ = false;   // something was asked since the last idle
    int generation_ = 0;  // what a round that `stop` ended left on its way reports nothing
};

}  // namespace quorvant
