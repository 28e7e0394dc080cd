#pragma once

#include <QElapsedTimer>
#include <QHostAddress>
#include <QObject>
#include <QTimer>
#include <QUdpSocket>
#include <optional>
#include <vector>

#include "launch/browser_options.h"
#include "launch/server_details.h"
#include "launch/split_reply.h"

namespace quorvant {

// Asks one server for its players, then its rules, each with its challenge and its split
// replies joined, each within the reply wait and once repeated.
class ServerDetailsQuery : public QObject {
    Q_OBJECT
  public:
    explicit ServerDetailsQuery(const BrowserOptions& options, QObject* parent = nullptr);

    // Drops what was under way and asks this server.
    void ask(const ServerAddress& server);
    void stop();

  signals:
    // Nothing: the server did not answer, or not with a list.
    void playersKnown(const std::optional<std::vector<PlayerEntry>>& players);
    void rulesKnown(const std::optional<std::vector<RuleEntry>>& rules);

  private:
    enum class Step { None, Players, Rules };

    void begin(const QHostAddress& address);
    void request(const std::string& challenge);
    void waited();
    void read();
    void settle(const DetailsReply* reply);

    const BrowserOptions options_;
    QUdpSocket socket_{this};
    QTimer wait_{this};
    ServerAddress server_;
    QHostAddress address_;
    SplitReply split_;
    Step step_ = Step::None;
    int requests_ = 0;
    int challenges_ = 0;
    int round_ = 0;
};

}  // namespace quorvant
