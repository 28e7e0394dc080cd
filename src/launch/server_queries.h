#pragma once

#include <QObject>
#include <map>
#include <optional>

#include "launch/server_address.h"
#include "launch/server_query.h"

namespace quorvant {

struct ServerAnswer {
    ServerInfo info;
    int roundTripMs = 0;  // from the request that was answered to its answer
};

struct QueryResult {
    ServerAddress server;
    std::optional<ServerAnswer> answer;  // none: no answer, or none that held together
};

// Which servers may be asked: any, or only those of this machine (the loopback range), as the
// tests ask: a query for another address then ends unanswered, without a lookup or a datagram.
enum class QueryScope { Anywhere, ThisMachineOnly };

// Asks game servers for their information over UDP on the event thread, never waiting: a host
// name is looked up in the background, each request is repeated once after `replyWaitMs`
// without a reply, a challenge is answered, and the first reply that holds the information ends
// the query. At most one query per server is under way.
class ServerQueries : public QObject {
    Q_OBJECT
  public:
    static constexpr int kReplyWaitMs = 1500;

    explicit ServerQueries(QueryScope scope, int replyWaitMs = kReplyWaitMs,
                           QObject* parent = nullptr);
    ~ServerQueries() override;

    // Starts a query unless one for the same server is under way.
    void ask(const ServerAddress& server);
    bool asking(const ServerAddress& server) const;
    // Drops every query under way; none of them reports.
    void cancelAll();

  signals:
    void finished(const QueryResult& result);

  private:
    class Query;
    void end(Query* query, std::optional<ServerAnswer> answer);
    static void release(Query* query);

    std::map<ServerAddress, Query*> queries_;
    const QueryScope scope_;
    const int replyWaitMs_;
};

}  // namespace quorvant
