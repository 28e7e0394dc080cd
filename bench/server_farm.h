#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <thread>
#include <vector>

namespace quorvant::bench {

// Game servers and a master server listing them, all on 127.0.0.1, served by one thread of
// their own with plain sockets, as real ones would answer from other machines: every
// information request at once, the master's pages as the master pages them.
class ServerFarm {
  public:
    explicit ServerFarm(int servers);
    ~ServerFarm();
    ServerFarm(const ServerFarm&) = delete;
    ServerFarm& operator=(const ServerFarm&) = delete;

    std::string masterAddress() const;
    std::size_t size() const { return ports_.size(); }
    const std::vector<std::uint16_t>& ports() const { return ports_; }

  private:
    void serve();
    void answerMaster();

    int master_ = -1;
    std::uint16_t masterPort_ = 0;
    std::vector<int> sockets_;
    std::vector<std::uint16_t> ports_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

// The floor of a list filled: the master's pages asked and every server asked for its
// information, `inFlight` at a time, from one plain socket that waits for each datagram.
// Returns how many servers answered.
std::size_t FillFloor(const ServerFarm& farm, int inFlight);

// Raises the limit of open files to what the system allows: thousands of servers are sockets.
void AllowManySockets();

}  // namespace quorvant::bench
