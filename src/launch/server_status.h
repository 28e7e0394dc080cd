#pragma once

#include <QObject>
#include <QTimer>
#include <deque>
#include <map>
#include <optional>
#include <vector>

#include "launch/browser_options.h"
#include "launch/join_status_texts.h"
#include "launch/server_queries.h"

namespace quorvant {

// When servers are asked: the server about to be joined `settleMs` after its address stops
// changing and every `repeatMs` while it is watched, the addresses of a list one every
// `paceMs`; a request without a reply is repeated after `replyWaitMs`.
struct StatusTiming {
    int settleMs = 500;
    int repeatMs = 10000;
    int paceMs = 100;
    int replyWaitMs = ServerQueries::kReplyWaitMs;

    bool operator==(const StatusTiming&) const = default;
};

// How a server status model works: its timing and which servers it may ask; and how the
// server browser asks (its scope is this one's).
struct StatusOptions {
    StatusTiming timing;
    QueryScope scope = QueryScope::Anywhere;
    BrowserOptions browser{};
};

// The status of game servers, as the join panel shows it: the server about to be joined, asked
// while it is watched, and the servers of a list, asked one by one. What they answered is kept
// in memory alone, for the display; a status being asked shows as such until it is answered.
// It knows nothing of any window: a binding tells it what to watch and shows what it knows.
class ServerStatusModel : public QObject {
    Q_OBJECT
  public:
    explicit ServerStatusModel(const StatusOptions& options, QObject* parent = nullptr);

    // Watching starts with a question at once and repeats it; it ends with every question
    // under way dropped, and what they would have answered forgotten.
    void watch(bool watching);
    bool watching() const { return watching_; }
    // The server about to be joined changed as it is typed: it is asked once typing settles.
    void setJoined(std::optional<ServerAddress> server);
    const std::optional<ServerAddress>& joined() const { return joined_; }
    // Asks the servers of a list, one every pace, while watching.
    void askEach(std::vector<ServerAddress> servers);

    // What is known of a server: nothing before it was first asked.
    const ServerStatus* statusOf(const std::optional<ServerAddress>& server) const;

  signals:
    // What is known of a server changed.
    void changed(const ServerAddress& server);

  private:
    void askJoined();
    void askNextOfList();
    void asking(const ServerAddress& server);
    void finished(const QueryResult& result);

    ServerQueries queries_;
    QTimer settle_;
    QTimer repeat_;
    QTimer pace_;
    std::optional<ServerAddress> joined_;
    std::deque<ServerAddress> listToAsk_;
    std::map<ServerAddress, ServerStatus> known_;
    bool watching_ = false;
};

}  // namespace quorvant
