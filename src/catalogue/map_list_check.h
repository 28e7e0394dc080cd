#pragma once

#include <QObject>
#include <atomic>
#include <functional>
#include <future>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "catalogue/map_needs.h"

namespace quorvant {

// Checks the content of every map of a list on another thread, and tells the results on the
// window's thread, a few maps at a time. Starting again, stopping or going away ends the check
// under way first; what it found but had not told yet is never told.
class MapListCheck : public QObject {
  public:
    struct Result {
        int row = 0;
        MapCheck check;
    };
    using Report = std::function<void(std::vector<Result>)>;

    using QObject::QObject;
    ~MapListCheck() override { stop(); }

    // Checks each map file of `maps`, given with its row in the list.
    void start(std::string gameFolder, std::string mod,
               std::vector<std::pair<int, std::string>> maps, Report report);
    void stop();

  private:
    std::shared_ptr<std::atomic<bool>> stopped_;
    std::future<void> work_;
};

}  // namespace quorvant
