#pragma once

#include <optional>
#include <string>
#include <string_view>

// The server options of a mod, spread over five of its configuration files. Loading reads
// game.cfg, listenserver.cfg, autoexec.cfg and config.cfg; saving edits all five (server.cfg
// too) in place, so that whatever else they hold stays as it was.
namespace quorvant {

struct ServerOptions {
    std::string timeLimit;  // as the file has it, or as typed: never checked to be a number
    std::string fragLimit;
    std::string hostName;
    bool friendlyFire = false;
    bool footsteps = false;
    bool weaponsStay = false;
    bool forceRespawn = false;
    bool flashlight = false;
    bool log = false;
    bool upload = false;
    bool download = false;
    bool lan = false;
};

ServerOptions LoadServerOptions(const std::string& gameFolder, std::string_view mod);

// Writes the files in turn and stops at the first that cannot be read or written, whose name it
// returns; the files before it stay written. Nothing when all five are saved.
std::optional<std::string> SaveServerOptions(const std::string& gameFolder, std::string_view mod,
                                             const ServerOptions& options);

}  // namespace quorvant
