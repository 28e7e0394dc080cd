#include "catalogue/map_list_check.h"

namespace quorvant {
namespace {

// Few enough that the first marks come at once, enough not to flood the window's thread.
constexpr std::size_t kMapsPerReport = 16;

}  // namespace

MapListCheck::MapListCheck(QObject* parent) : QObject(parent) { thread_.setMaxThreadCount(1); }

MapListCheck::~MapListCheck() {
    stop();
    thread_.waitForDone();
}

void MapListCheck::start(std::string gameFolder, std::string mod,
                         std::vector<std::pair<int, std::string>> maps, Report report) {
    stop();
    auto stopped = std::make_shared<std::atomic<bool>>(false);
    stopped_ = stopped;
    thread_.start([this, stopped, gameFolder = std::move(gameFolder), mod = std::move(mod),
                   maps = std::move(maps), report = std::move(report)] {
        std::vector<Result> found;
        const auto tell = [&] {
            if (found.empty()) return;
            QMetaObject::invokeMethod(
                this,
                [stopped, report, results = std::exchange(found, {})]() mutable {
                    if (!*stopped) report(std::move(results));
                },
                Qt::QueuedConnection);
        };
        for (const auto& [row, map] : maps) {
            if (*stopped) return;
            found.push_back({row, CheckMap(gameFolder, mod, map)});
            if (found.size() == kMapsPerReport) tell();
        }
        tell();
    });
}

void MapListCheck::stop() {
    if (stopped_) *stopped_ = true;
}

}  // namespace quorvant
