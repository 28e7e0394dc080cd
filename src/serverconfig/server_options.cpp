#include "serverconfig/server_options.h"

#include <utility>

#include "serverconfig/config_lines.h"

namespace quorvant {
namespace {

constexpr char kGameRules[] = "game.cfg";
constexpr char kListenServer[] = "listenserver.cfg";
constexpr char kDedicatedServer[] = "server.cfg";
constexpr char kStartScript[] = "autoexec.cfg";
constexpr char kClientSettings[] = "config.cfg";

// A host name only counts on a line of its own: a line break must come before it.
constexpr char kHostNameKey[] = "\r\nhostname";

const char* State(bool checked) { return checked ? "1" : "0"; }

bool IsOne(const std::optional<std::string>& value) { return value && *value == "1"; }

// The server files set the same eight settings as console commands.
void SetServerCommands(std::string& text, const ServerOptions& options) {
    const std::pair<const char*, std::string> commands[] = {
        {"mp_timelimit ", options.timeLimit},
        {"mp_fraglimit ", options.fragLimit},
        {"hostname ", "\"" + options.hostName + "\""},
        {"mp_friendlyfire ", State(options.friendlyFire)},
        {"mp_footsteps ", State(options.footsteps)},
        {"mp_weaponstay ", State(options.weaponsStay)},
        {"mp_forcerespawn ", State(options.forceRespawn)},
        {"mp_flashlight ", State(options.flashlight)},
    };
    for (const auto& [name, value] : commands) SetCommandSetting(text, name, value);
}

void SetGameRules(std::string& text, const ServerOptions& options) {
    SetQuotedSetting(text, "mp_timelimit", options.timeLimit);
    SetQuotedSetting(text, "mp_fraglimit", options.fragLimit);
    SetQuotedSetting(text, "mp_friendlyfire", State(options.friendlyFire));
    SetQuotedSetting(text, "mp_footsteps", State(options.footsteps));
    SetQuotedSetting(text, "mp_weaponstay", State(options.weaponsStay));
    SetQuotedSetting(text, "mp_forcerespawn", State(options.forceRespawn));
    SetQuotedSetting(text, "mp_flashlight", State(options.flashlight));
}

void SetClientSettings(std::string& text, const ServerOptions& options) {
    SetKeyedValue(text, "cl_allowupload", State(options.upload));
    SetKeyedValue(text, "cl_allowdownload", State(options.download));
    SetKeyedValue(text, "sv_lan", State(options.lan));
}

}  // namespace

ServerOptions LoadServerOptions(const std::string& gameFolder, std::string_view mod) {
    ServerOptions options;
    const std::string rules = ReadConfigText(gameFolder, mod, kGameRules);
    options.timeLimit = GetQuotedSetting(rules, "mp_timelimit");
    options.fragLimit = GetQuotedSetting(rules, "mp_fraglimit");
    options.friendlyFire = GetQuotedSetting(rules, "mp_friendlyfire") == "1";
    options.footsteps = GetQuotedSetting(rules, "mp_footsteps") == "1";
    options.weaponsStay = GetQuotedSetting(rules, "mp_weaponstay") == "1";
    options.forceRespawn = GetQuotedSetting(rules, "mp_forcerespawn") == "1";
    options.flashlight = GetQuotedSetting(rules, "mp_flashlight") == "1";

    const std::string listen = ReadConfigText(gameFolder, mod, kListenServer);
    options.hostName = GetKeyedValue(listen, kHostNameKey).value_or(std::string());
    options.log = HasLogLine(ReadConfigText(gameFolder, mod, kStartScript));

    // Clients transfer files unless told not to; a server is public unless told it is local.
    const std::string client = ReadConfigText(gameFolder, mod, kClientSettings);
    const auto upload = GetKeyedValue(client, "cl_allowupload");
    const auto download = GetKeyedValue(client, "cl_allowdownload");
    options.upload = !upload || *upload == "1";
    options.download = !download || *download == "1";
    options.lan = IsOne(GetKeyedValue(client, "sv_lan"));
    return options;
}

std::optional<std::string> SaveServerOptions(const std::string& gameFolder, std::string_view mod,
                                             const ServerOptions& options) {
    using Edit = void (*)(std::string&, const ServerOptions&);
    const std::pair<const char*, Edit> files[] = {
        {kGameRules, SetGameRules},
        {kStartScript,
         [](std::string& text, const ServerOptions& chosen) {
             // The log line is only ever taken away, never added.
             if (!chosen.log) RemoveLogLine(text);
         }},
        {kDedicatedServer, SetServerCommands},
        {kListenServer, SetServerCommands},
        {kClientSettings, SetClientSettings},
    };
    for (const auto& [file, edit] : files) {
        // A file that is there but cannot be read is not replaced by the settings alone.
        std::optional<std::string> text = ReadConfigTextForEdit(gameFolder, mod, file);
        if (!text) return file;
        edit(*text, options);
        if (!WriteConfigText(gameFolder, mod, file, *text)) return file;
    }
    return std::nullopt;
}

}  // namespace quorvant
