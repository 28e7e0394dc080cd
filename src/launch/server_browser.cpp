#include "launch/server_browser.h"

#include <algorithm>

namespace quorvant {
namespace {

// A bound on what is kept of servers once selected.
constexpr std::size_t kKnownDetails = 256;
constexpr int kProgressMs = 100;

}  // namespace

ServerBrowser::ServerBrowser(const BrowserOptions& options, QObject* parent)
    : QObject(parent), options_(options), pool_(options), master_(options), detailsQuery_(options) {
    progressLater_.setSingleShot(true);
    progressLater_.setInterval(kProgressMs);
    connect(&progressLater_, &QTimer::timeout, this, &ServerBrowser::count);
    connect(&pool_, &ServerInfoPool::answered, this, &ServerBrowser::answered);
    connect(&pool_, &ServerInfoPool::unanswered, this, &ServerBrowser::unanswered);
    connect(&pool_, &ServerInfoPool::idle, this, &ServerBrowser::poolIdle);
    connect(&master_, &MasterQuery::page, this, &ServerBrowser::masterPage);
    connect(&master_, &MasterQuery::finished, this, &ServerBrowser::masterFinished);
    connect(&detailsQuery_, &ServerDetailsQuery::playersKnown, this,
            [this](const std::optional<std::vector<PlayerEntry>>& players) {
                if (!detailsAsked_) return;
                ServerDetails& details = details_[*detailsAsked_];
                details.askingPlayers = false;
                details.players = players;
                emit detailsChanged(*detailsAsked_);
            });
    connect(&detailsQuery_, &ServerDetailsQuery::rulesKnown, this,
            [this](const std::optional<std::vector<RuleEntry>>& rules) {
                if (!detailsAsked_) return;
                ServerDetails& details = details_[*detailsAsked_];
                details.askingRules = false;
                details.rules = rules;
                emit detailsChanged(*detailsAsked_);
            });
}

void ServerBrowser::list(ServerSource source, const std::vector<ServerAddress>& servers,
                         const MasterFilter& filter) {
    halt();
    source_ = source;
    model_.clear();
    masterEnd_.reset();
    progress_ = {};
    report(BrowserProgress::State::Filling);
    switch (source) {
        case ServerSource::Internet:
            master_.start(filter);
            break;
        case ServerSource::Lan:
            if (!pool_.askLocalNetwork()) report(BrowserProgress::State::NothingOnNetwork);
            break;
        default:
            for (const ServerAddress& server : servers) {
                model_.addAsked(server);
                pool_.ask(server);
            }
            model_.flush();
            if (servers.empty()) report(BrowserProgress::State::Done);
            break;
    }
    if (progress_.state == BrowserProgress::State::Filling) count();
}

void ServerBrowser::stop() {
    const bool wasFilling = progress_.state == BrowserProgress::State::Filling;
    halt();
    detailsQuery_.stop();
    for (auto& [server, details] : details_) {
        if (details.askingPlayers || details.askingRules) details = {false, false, {}, {}};
    }
    if (wasFilling) report(BrowserProgress::State::Stopped);
}

// Ends the asking; the servers still waiting show as unanswered.
void ServerBrowser::halt() {
    master_.stop();
    pool_.stop();
    progressLater_.stop();
    model_.flush();
    model_.settle();
}

void ServerBrowser::setFavourites(const std::vector<ServerAddress>& favourites) {
    favourites_ = favourites;
    model_.setFavourites({favourites_.begin(), favourites_.end()});
}

void ServerBrowser::toggleFavourite(const ServerAddress& server) {
    const auto found = std::ranges::find(favourites_, server);
    if (found == favourites_.end()) {
        favourites_.push_back(server);
    } else {
        favourites_.erase(found);
    }
    model_.setFavourites({favourites_.begin(), favourites_.end()});
    emit favouritesChanged();
}

void ServerBrowser::detailsOf(const ServerAddress& server, bool again) {
    if (!again && details_.contains(server)) return;
    if (!details_.contains(server) && details_.size() >= kKnownDetails) details_.clear();
    details_[server] = ServerDetails{};
    detailsAsked_ = server;
    detailsQuery_.ask(server);
    emit detailsChanged(server);
}

const ServerDetails* ServerBrowser::knownDetails(const ServerAddress& server) const {
    const auto found = details_.find(server);
    return found == details_.end() ? nullptr : &found->second;
}

void ServerBrowser::answered(const ServerAddress& server, const ServerAnswer& answer) {
    model_.answered(server, answer);
    countLater();
}

void ServerBrowser::unanswered(const ServerAddress& server) {
    model_.unanswered(server);
    countLater();
}

void ServerBrowser::masterPage(const std::vector<ServerAddress>& servers) {
    for (const ServerAddress& server : servers) pool_.ask(server);
    countLater();
}

// The counts of a filling list are told a few times a second, not at every answer.
void ServerBrowser::countLater() {
    if (!progressLater_.isActive()) progressLater_.start();
}

void ServerBrowser::count() {
    if (progress_.state != BrowserProgress::State::Filling) return;
    progress_.servers = model_.answeredCount();
    progress_.waiting = pool_.waiting();
    progress_.askingMaster = master_.running();
    emit progressChanged(progress_);
}

void ServerBrowser::masterFinished(MasterOutcome outcome) {
    using State = BrowserProgress::State;
    switch (outcome) {
        case MasterOutcome::NoAnswer:
            masterEnd_ = State::MasterNoAnswer;
            break;
        case MasterOutcome::Throttled:
            masterEnd_ = State::MasterThrottled;
            break;
        case MasterOutcome::TimeLimit:
            masterEnd_ = State::MasterTimeLimit;
            break;
        case MasterOutcome::Stopped:
            return;  // `stop` reports it
        case MasterOutcome::Complete:
            masterEnd_ = State::Done;
            break;
    }
    if (pool_.waiting() == 0) poolIdle();
}

void ServerBrowser::poolIdle() {
    using State = BrowserProgress::State;
    if (progress_.state != State::Filling) return;
    if (source_ == ServerSource::Internet && master_.running()) return;  // more pages to come
    model_.flush();
    progress_.servers = model_.answeredCount();
    progress_.waiting = 0;
    State end = masterEnd_.value_or(State::Done);
    if (source_ == ServerSource::Lan && progress_.servers == 0) end = State::NothingOnNetwork;
    report(end);
}

void ServerBrowser::report(BrowserProgress::State state) {
    progressLater_.stop();
    progress_.state = state;
    progress_.servers = model_.answeredCount();
    progress_.waiting = pool_.waiting();
    progress_.askingMaster = master_.running();
    emit progressChanged(progress_);
}

}  // namespace quorvant
