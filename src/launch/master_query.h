#pragma once

#include <QElapsedTimer>
#include <QHostAddress>
#include <QObject>
#include <QTimer>
#include <QUdpSocket>
#include <vector>

#include "launch/browser_options.h"

namespace quorvant {

// How a list from the master server ended: whole; without any answer; cut off when the
// master stopped answering (it throttles askers); at the time limit; or stopped by the user.
enum class MasterOutcome { Complete, NoAnswer, Throttled, TimeLimit, Stopped };

// Asks the master server for its list of game servers, page after page from one socket, paced,
// a lost page asked again, never past the time limit.
class MasterQuery : public QObject {
    Q_OBJECT
  public:
    explicit MasterQuery(const BrowserOptions& options, QObject* parent = nullptr);

    void start(const MasterFilter& filter);
    // Ends the list as stopped; a list not under way is left as it is.
    void stop();
    bool running() const { return running_; }

  signals:
    void page(const std::vector<ServerAddress>& servers);
    void finished(MasterOutcome outcome);

  private:
    void reached(const QHostAddress& address);
    void send();
    void waited();
    void read();
    void end(MasterOutcome outcome);

    const BrowserOptions options_;
    QUdpSocket socket_{this};
    QTimer wait_{this};
    QTimer pace_{this};
    QTimer limit_{this};
    QHostAddress address_;
    quint16 port_ = 0;
    std::string filterText_;
    ServerEndpoint after_;
    int retries_ = 0;
    int pages_ = 0;
    int round_ = 0;  // what an earlier start left on its way reports nothing
    bool running_ = false;
};

}  // namespace quorvant
