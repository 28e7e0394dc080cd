#include "launch/server_status.h"

namespace quorvant {
namespace {

// A bound on what is kept: addresses typed one after the other must not pile up.
constexpr std::size_t kKnownServers = 64;

}  // namespace

ServerStatusModel::ServerStatusModel(const StatusOptions& options, QObject* parent)
    : QObject(parent), queries_(options.scope, options.timing.replyWaitMs) {
    settle_.setSingleShot(true);
    settle_.setInterval(options.timing.settleMs);
    repeat_.setInterval(options.timing.repeatMs);
    repeat_.setTimerType(Qt::PreciseTimer);  // a coarse one drifts by up to half a second
    pace_.setInterval(options.timing.paceMs);
    connect(&settle_, &QTimer::timeout, this, &ServerStatusModel::askJoined);
    connect(&repeat_, &QTimer::timeout, this, &ServerStatusModel::askJoined);
    connect(&pace_, &QTimer::timeout, this, &ServerStatusModel::askNextOfList);
    connect(&queries_, &ServerQueries::finished, this, &ServerStatusModel::finished);
}

void ServerStatusModel::watch(bool watching) {
    watching_ = watching;
    if (watching) {
        askJoined();
        return;
    }
    settle_.stop();
    repeat_.stop();
    pace_.stop();
    listToAsk_.clear();
    queries_.cancelAll();
    // A question cut short leaves nothing to wait for.
    std::vector<ServerAddress> forgotten;
    for (const auto& [server, status] : known_) {
        if (status.asking) forgotten.push_back(server);
    }
    for (const ServerAddress& server : forgotten) {
        known_.erase(server);
        emit changed(server);
    }
}

void ServerStatusModel::setJoined(std::optional<ServerAddress> server) {
    joined_ = std::move(server);
    if (watching_) settle_.start();
}

void ServerStatusModel::askEach(std::vector<ServerAddress> servers) {
    listToAsk_.assign(servers.begin(), servers.end());
    askNextOfList();
    pace_.start();
}

const ServerStatus* ServerStatusModel::statusOf(const std::optional<ServerAddress>& server) const {
    if (!server) return nullptr;
    const auto known = known_.find(*server);
    return known == known_.end() ? nullptr : &known->second;
}

void ServerStatusModel::askJoined() {
    if (!joined_ || !watching_) return;
    asking(*joined_);
    repeat_.start();  // the next one a whole repeat after this one
}

void ServerStatusModel::askNextOfList() {
    if (listToAsk_.empty() || !watching_) {
        pace_.stop();
        return;
    }
    asking(listToAsk_.front());
    listToAsk_.pop_front();
}

void ServerStatusModel::asking(const ServerAddress& server) {
    if (!known_.contains(server) && known_.size() >= kKnownServers) known_.clear();
    known_.try_emplace(server);
    queries_.ask(server);
    emit changed(server);
}

void ServerStatusModel::finished(const QueryResult& result) {
    known_[result.server] = ServerStatus{false, result.answer};
    emit changed(result.server);
}

}  // namespace quorvant
