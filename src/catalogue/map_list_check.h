#pragma once

#include <QObject>
#include <QThreadPool>
#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "catalogue/map_needs.h"

namespace quorvant {

// Checks the content of every map of a list on another thread, and tells the results on the
// window's thread, a few maps at a time. Starting again or stopping ends the check under way
// without waiting for it; what it found but had not told yet is never told. Going away waits for
// the map it is reading.
class MapListCheck : public QObject {
  public:
    struct Result {
        int row = 0;
        MapCheck check;
    };
    using Report = std::function<void(std::vector<Result>)>;

    explicit MapListCheck(QObject* parent = nullptr);
    ~MapListCheck() override;

    // Checks each map file of `maps`, given with its row in the list.
    void start(std::string gameFolder, std::string mod,
               std::vector<std::pair<int, std::string>> maps, Report report);
    void stop();
    // Whether a check, or the end of a stopped one, is under way.
    bool running() const { return thread_.activeThreadCount() > 0; }

  private:
    std::shared_ptr<std::atomic<bool>> stopped_;
    QThreadPool thread_;  // one thread, kept between checks: a new mod's check starts at once
};

}  // namespace quorvant
