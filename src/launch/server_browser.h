#pragma once

#include <QObject>
#include <map>
#include <optional>
#include <set>
#include <vector>

#include "launch/browser_options.h"
#include "launch/master_query.h"
#include "launch/server_details.h"
#include "launch/server_details_query.h"
#include "launch/server_info_pool.h"
#include "launch/server_list_model.h"

namespace quorvant {

// Where a list of servers comes from.
enum class ServerSource : int { Internet, Lan, Favourites, History, Steam };
inline constexpr int kServerSourceCount = 5;

// How far a list has come, and how it ended.
struct BrowserProgress {
    enum class State {
        Idle,
        Filling,
        Done,
        MasterNoAnswer,
        MasterThrottled,
        MasterTimeLimit,
        NothingOnNetwork,
        Stopped
    };
    State state = State::Idle;
    int servers = 0;            // that answered
    int waiting = 0;            // asked, not yet answered
    bool askingMaster = false;  // the master's list is under way

    bool operator==(const BrowserProgress&) const = default;
};

// A server's players and rules, each once known; nothing when it did not say.
struct ServerDetails {
    bool askingPlayers = true;
    bool askingRules = true;
    std::optional<std::vector<PlayerEntry>> players;
    std::optional<std::vector<RuleEntry>> rules;
};

// The server browser without its window: fills one list from its source, asks the servers on
// it, keeps the user's favourites, and asks the selected server for its players and rules.
class ServerBrowser : public QObject {
    Q_OBJECT
  public:
    explicit ServerBrowser(const BrowserOptions& options, QObject* parent = nullptr);

    ServerListModel& model() { return model_; }
    const ServerListModel& model() const { return model_; }
    ServerListProxy& proxy() { return proxy_; }
    const ServerListProxy& proxy() const { return proxy_; }

    // Lists a source anew. The user's own lists are the addresses given; the master is asked
    // with the filter.
    void list(ServerSource source, const std::vector<ServerAddress>& servers,
              const MasterFilter& filter);
    // Ends the asking: the list keeps what answered, the servers still waiting show as
    // unanswered, and a list that was filling says it was stopped.
    void stop();
    const BrowserProgress& progress() const { return progress_; }

    void setFavourites(const std::vector<ServerAddress>& favourites);
    const std::vector<ServerAddress>& favourites() const { return favourites_; }
    // Adds a server to the favourites, or takes it out.
    void toggleFavourite(const ServerAddress& server);

    // Asks a server for its details unless they are known; `again` asks once more.
    void detailsOf(const ServerAddress& server, bool again = false);
    const ServerDetails* knownDetails(const ServerAddress& server) const;

  signals:
    void progressChanged(const BrowserProgress& progress);
    void favouritesChanged();
    void detailsChanged(const ServerAddress& server);

  private:
    void answered(const ServerAddress& server, const ServerAnswer& answer);
    void unanswered(const ServerAddress& server);
    void masterPage(const std::vector<ServerAddress>& servers);
    void masterFinished(MasterOutcome outcome);
    void poolIdle();
    void report(BrowserProgress::State state);
    void halt();
    void countLater();
    void count();

    const BrowserOptions options_;
    ServerListModel model_;
    ServerListProxy proxy_{model_};
    ServerInfoPool pool_;
    MasterQuery master_;
    ServerDetailsQuery detailsQuery_;
    QTimer progressLater_;
    ServerSource source_ = ServerSource::Internet;
    BrowserProgress progress_;
    std::optional<BrowserProgress::State> masterEnd_;  // how the master's list ended
    std::vector<ServerAddress> favourites_;
    std::map<ServerAddress, ServerDetails> details_;
    std::optional<ServerAddress> detailsAsked_;
};

}  // namespace quorvant
