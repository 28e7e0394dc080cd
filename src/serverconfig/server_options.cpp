#include "serverconfig/server_options.h"

#include <set>
#include <utility>

#include "serverconfig/config_lines.h"

namespace quorvant {
namespace {

constexpr char kGameRules[] = "game.cfg";
constexpr char kListenServer[] = "listenserver.cfg";
constexpr char kDedicatedServer[] = "server.cfg";
constexpr char kStartScript[] = "autoexec.cfg";
constexpr char kClientSettings[] = "config.cfg";

// A host name only counts on a line of its own: nothing may come before it on its line.
constexpr char kHostNameKey[] = "hostname";
constexpr char kLogSetting[] = "log on";

std::string State(bool checked) { return checked ? "1" : "0"; }

bool IsOne(const std::optional<std::string>& value) { return value && *value == "1"; }

// Every value of the window by the name the files give it, and whether it is a game rule, whose
// home is game.cfg.
struct Setting {
    std::string_view name;
    std::string (*value)(const ServerOptions&);
    bool gameRule;
};

// The game rules come first, in the order game.cfg receives them.
const Setting kSettings[] = {
    {"mp_timelimit", [](const ServerOptions& o) { return o.timeLimit; }, true},
    {"mp_fraglimit", [](const ServerOptions& o) { return o.fragLimit; }, true},
    {"mp_friendlyfire", [](const ServerOptions& o) { return State(o.friendlyFire); }, true},
    {"mp_footsteps", [](const ServerOptions& o) { return State(o.footsteps); }, true},
    {"mp_weaponstay", [](const ServerOptions& o) { return State(o.weaponsStay); }, true},
    {"mp_forcerespawn", [](const ServerOptions& o) { return State(o.forceRespawn); }, true},
    {"mp_flashlight", [](const ServerOptions& o) { return State(o.flashlight); }, true},
    {kHostNameKey, [](const ServerOptions& o) { return o.hostName; }, false},
    {kLogSetting, [](const ServerOptions& o) { return State(o.log); }, false},
    {"cl_allowupload", [](const ServerOptions& o) { return State(o.upload); }, false},
    {"cl_allowdownload", [](const ServerOptions& o) { return State(o.download); }, false},
    {"sv_lan", [](const ServerOptions& o) { return State(o.lan); }, false},
};

// The settings that a save leaves as the files have them.
using KeptSettings = std::set<std::string_view>;

std::string Command(std::string_view name) { return std::string(name) + " "; }

// The texts a game rule is looked up in: game.cfg first, then the two server files.
struct RuleTexts {
    std::string rules;
    std::string dedicated;
    std::string listen;

    RuleTexts(const std::string& gameFolder, std::string_view mod)
        : rules(ReadConfigText(gameFolder, mod, kGameRules)),
          dedicated(ReadConfigText(gameFolder, mod, kDedicatedServer)),
          listen(ReadConfigText(gameFolder, mod, kListenServer)) {}

    bool inServerFiles(std::string_view name) const {
        return GetCommandSetting(dedicated, Command(name)) ||
               GetCommandSetting(listen, Command(name));
    }
    std::string value(std::string_view name) const {
        if (auto value = FindQuotedSetting(rules, name)) return *value;
        if (auto value = GetCommandSetting(dedicated, Command(name))) return *value;
        return GetCommandSetting(listen, Command(name)).value_or(std::string());
    }
};

KeptSettings SettingsToKeep(const RuleTexts& texts, const ServerOptions& options,
                            const ServerOptions& loaded) {
    const bool anyChange = !(options == loaded);
    KeptSettings kept;
    for (const Setting& setting : kSettings) {
        if (setting.value(options) != setting.value(loaded)) continue;
        if (setting.gameRule && FindQuotedSetting(texts.rules, setting.name)) continue;
        const bool fromServerFiles = setting.gameRule && texts.inServerFiles(setting.name);
        if (anyChange && !fromServerFiles) continue;
        kept.insert(setting.name);
    }
    return kept;
}

// The server files set the same eight settings as console commands.
void SetServerCommands(std::string& text, const ServerOptions& options, const KeptSettings& kept) {
    const std::pair<std::string_view, std::string> commands[] = {
        {"mp_timelimit", options.timeLimit},
        {"mp_fraglimit", options.fragLimit},
        {kHostNameKey, "\"" + options.hostName + "\""},
        {"mp_friendlyfire", State(options.friendlyFire)},
        {"mp_footsteps", State(options.footsteps)},
        {"mp_weaponstay", State(options.weaponsStay)},
        {"mp_forcerespawn", State(options.forceRespawn)},
        {"mp_flashlight", State(options.flashlight)},
    };
    for (const auto& [name, value] : commands) {
        if (!kept.contains(name)) SetCommandSetting(text, Command(name), value);
    }
}

void SetGameRules(std::string& text, const ServerOptions& options, const KeptSettings& kept) {
    for (const Setting& setting : kSettings) {
        if (setting.gameRule && !kept.contains(setting.name))
            SetQuotedSetting(text, setting.name, setting.value(options));
    }
}

// The log line is only ever taken away, never added.
void SetLog(std::string& text, const ServerOptions& options, const KeptSettings& kept) {
    if (!options.log && !kept.contains(kLogSetting)) RemoveLogLine(text);
}

void SetClientSettings(std::string& text, const ServerOptions& options, const KeptSettings& kept) {
    const std::pair<std::string_view, bool> switches[] = {
        {"cl_allowupload", options.upload},
        {"cl_allowdownload", options.download},
        {"sv_lan", options.lan},
    };
    for (const auto& [key, on] : switches) {
        if (!kept.contains(key)) SetKeyedValue(text, key, State(on));
    }
}

std::optional<std::string> SaveFiles(const std::string& gameFolder, std::string_view mod,
                                     const ServerOptions& options, const KeptSettings& kept) {
    using Edit = void (*)(std::string&, const ServerOptions&, const KeptSettings&);
    const std::pair<const char*, Edit> files[] = {
        {kGameRules, SetGameRules},
        {kStartScript, SetLog},
        {kDedicatedServer, SetServerCommands},
        {kListenServer, SetServerCommands},
        {kClientSettings, SetClientSettings},
    };
    for (const auto& [file, edit] : files) {
        // A file that is there but cannot be read is not replaced by the settings alone.
        std::optional<std::string> text = ReadConfigTextForEdit(gameFolder, mod, file);
        if (!text) return file;
        edit(*text, options, kept);
        if (!WriteConfigText(gameFolder, mod, file, *text)) return file;
    }
    return std::nullopt;
}

}  // namespace

ServerOptions LoadServerOptions(const std::string& gameFolder, std::string_view mod) {
    // A game rule that game.cfg does not hold shows as the server files have it, so that saving
    // it unchanged changes nothing.
    const RuleTexts texts(gameFolder, mod);
    ServerOptions options;
    options.timeLimit = texts.value("mp_timelimit");
    options.fragLimit = texts.value("mp_fraglimit");
    options.friendlyFire = texts.value("mp_friendlyfire") == "1";
    options.footsteps = texts.value("mp_footsteps") == "1";
    options.weaponsStay = texts.value("mp_weaponstay") == "1";
    options.forceRespawn = texts.value("mp_forcerespawn") == "1";
    options.flashlight = texts.value("mp_flashlight") == "1";

    options.hostName = GetLineKeyedValue(texts.listen, kHostNameKey).value_or(std::string());
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
    return SaveFiles(gameFolder, mod, options, {});
}

std::optional<std::string> SaveServerOptions(const std::string& gameFolder, std::string_view mod,
                                             const ServerOptions& options,
                                             const ServerOptions& loaded) {
    return SaveFiles(gameFolder, mod, options,
                     SettingsToKeep(RuleTexts(gameFolder, mod), options, loaded));
}

}  // namespace quorvant
