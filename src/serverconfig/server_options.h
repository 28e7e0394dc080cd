#pragma once

#include <optional>
#include <string>
#include <string_view>

// The server options of a mod, spread over five of its configuration files. Loading reads
// game.cfg, listenserver.cfg, autoexec.cfg and config.cfg, and a game rule that game.cfg does not
// hold from server.cfg, else listenserver.cfg; saving edits all five in place, so that whatever
// else they hold stays as it was.
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

    bool operator==(const ServerOptions&) const = default;
};

ServerOptions LoadServerOptions(const std::string& gameFolder, std::string_view mod);

// Writes the files in turn and stops at the first that cannot be read or written, whose name it
// returns; the files before it stay written. Nothing when all five are saved.
std::optional<std::string> SaveServerOptions(const std::string& gameFolder, std::string_view mod,
                                             const ServerOptions& options);

// The same for options shown as `loaded` and now as `options`. What the user did not change is
// not written where it would change a file: with nothing changed, only the game rules that
// game.cfg holds are written (bringing the server files into line with it); otherwise every
// value is, except a game rule shown from a server file and left as shown.
std::optional<std::string> SaveServerOptions(const std::string& gameFolder, std::string_view mod,
                                             const ServerOptions& options,
                                             const ServerOptions& loaded);

}  // namespace quorvant
