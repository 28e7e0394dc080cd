#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The server options of a mod, spread over five of its configuration files. Loading reads the
// game rules from game.cfg, else server.cfg, else listenserver.cfg; the host name and the
// password from listenserver.cfg; the log from autoexec.cfg and the client switches from
// config.cfg. Saving writes what the user changed, and only that, into every file that holds the
// setting, each edited in place, so that whatever else the files hold stays as it was.
namespace quorvant {

struct ServerOptions {
    std::string timeLimit{};  // as the file has it, or as typed: never checked to be a number
    std::string fragLimit{};
    std::string hostName{};
    bool friendlyFire = false;
    bool footsteps = false;
    bool weaponsStay = false;
    bool forceRespawn = false;
    bool flashlight = false;
    bool log = false;
    bool upload = false;
    bool download = false;
    bool lan = false;
    std::string password{};  // sv_password of the server files

    bool operator==(const ServerOptions&) const = default;
};

inline constexpr char kGameRulesFile[] = "game.cfg";
inline constexpr char kListenServerFile[] = "listenserver.cfg";
inline constexpr char kDedicatedServerFile[] = "server.cfg";
inline constexpr char kStartScriptFile[] = "autoexec.cfg";
inline constexpr char kClientSettingsFile[] = "config.cfg";

// The five files as they were at one moment: each one's text (empty when it is missing), or
// nothing when it is there but cannot be read.
struct ServerFiles {
    std::optional<std::string> rules, startScript, dedicated, listen, client;

    bool operator==(const ServerFiles&) const = default;
    // The file of that name; nothing for another name.
    const std::optional<std::string>* file(std::string_view name) const;
};

ServerFiles ReadServerFiles(const std::string& gameFolder, std::string_view mod);

ServerOptions ServerOptionsIn(const ServerFiles& files);
ServerOptions LoadServerOptions(const std::string& gameFolder, std::string_view mod);

// A file a save replaces, with its new text.
struct FileChange {
    std::string name;
    std::string text;
};

// What a save writes, file by file in the order of the save: only the files whose text changes.
struct ServerOptionsSave {
    std::vector<FileChange> changes;
    // The first file a change must go into that could not be read: nothing is to be written.
    std::optional<std::string> unreadable;
};

// The files edited for the options now shown, where `loaded` is what they showed at opening:
// each setting that differs from `loaded` is written into every file that holds its kind of
// setting; nothing else. Without `loaded`, every setting counts as changed.
ServerOptionsSave PlanServerOptionsSave(const ServerFiles& files, const ServerOptions& options,
                                        const std::optional<ServerOptions>& loaded);

// The name of the first setting whose value differs from `loaded` and that the game could not
// read back as one value (a double quote, a line end).
std::optional<std::string> UnwritableSetting(const ServerOptions& options,
                                             const ServerOptions& loaded);

// Writes the changes in turn and stops at the first that cannot be written, whose name it
// returns; the files before it stay written. Nothing when all are written.
std::optional<std::string> WriteServerFiles(const std::string& gameFolder, std::string_view mod,
                                            const std::vector<FileChange>& changes);

// Reads, plans and writes at once; the name of the file that stopped it, or nothing.
std::optional<std::string> SaveServerOptions(const std::string& gameFolder, std::string_view mod,
                                             const ServerOptions& options,
                                             const std::optional<ServerOptions>& loaded = {});

}  // namespace quorvant
