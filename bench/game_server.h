#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <thread>

namespace quorvant::bench {

// A game server on 127.0.0.1 with a thread of its own, as a real one has a process: it answers
// every information request at once as the server "Bench" and the count of its answers, and
// notes when its last answer went out. It stops with the object.
class GameServer {
  public:
    GameServer();
    ~GameServer();
    GameServer(const GameServer&) = delete;
    GameServer& operator=(const GameServer&) = delete;

    std::uint16_t port() const { return port_; }
    int answers() const { return answers_.load(); }
    std::chrono::steady_clock::time_point lastAnswer() const;

  private:
    void serve();

    int socket_ = -1;
    std::uint16_t port_ = 0;
    std::atomic<bool> stop_{false};
    std::atomic<int> answers_{0};
    std::atomic<std::chrono::steady_clock::rep> lastAnswer_{0};
    std::thread thread_;
};

// The floor of a status shown: seconds from the server's answer to its arrival at a plain
// socket that waits for it. Negative when no answer came.
double AnswerArrivalSeconds(GameServer& server);

}  // namespace quorvant::bench
