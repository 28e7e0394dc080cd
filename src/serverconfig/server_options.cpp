#include "serverconfig/server_options.h"

#include "serverconfig/config_lines.h"
#include "serverconfig/console_script.h"

namespace quorvant {
namespace {

constexpr char kHostName[] = "hostname";
constexpr char kPassword[] = "sv_password";
constexpr char kLog[] = "log";

std::string State(bool checked) { return checked ? "1" : "0"; }

// The kinds of file a setting lives in.
enum FileKind : unsigned {
    kRules = 1,        // game.cfg
    kServer = 2,       // server.cfg and listenserver.cfg
    kStartScript = 4,  // autoexec.cfg
    kClient = 8,       // config.cfg
};

struct Setting {
    std::string_view name;
    std::string (*value)(const ServerOptions&);
    unsigned files;
};

// In the order each file receives them.
const Setting kSettings[] = {
    {"mp_timelimit", [](const ServerOptions& o) { return o.timeLimit; }, kRules | kServer},
    {"mp_fraglimit", [](const ServerOptions& o) { return o.fragLimit; }, kRules | kServer},
    {kHostName, [](const ServerOptions& o) { return o.hostName; }, kServer},
    {"mp_friendlyfire", [](const ServerOptions& o) { return State(o.friendlyFire); },
     kRules | kServer},
    {"mp_footsteps", [](const ServerOptions& o) { return State(o.footsteps); }, kRules | kServer},
    {"mp_weaponstay", [](const ServerOptions& o) { return State(o.weaponsStay); },
     kRules | kServer},
    {"mp_forcerespawn", [](const ServerOptions& o) { return State(o.forceRespawn); },
     kRules | kServer},
    {"mp_flashlight", [](const ServerOptions& o) { return State(o.flashlight); }, kRules | kServer},
    {kPassword, [](const ServerOptions& o) { return o.password; }, kServer},
    {kLog, [](const ServerOptions& o) { return State(o.log); }, kStartScript},
    {"cl_allowupload", [](const ServerOptions& o) { return State(o.upload); }, kClient},
    {"cl_allowdownload", [](const ServerOptions& o) { return State(o.download); }, kClient},
    {"sv_lan", [](const ServerOptions& o) { return State(o.lan); }, kClient},
};

struct FileSlot {
    const char* name;
    std::optional<std::string> ServerFiles::*text;
    FileKind kind;
};

// In the order of the save.
const FileSlot kFiles[] = {
    {kGameRulesFile, &ServerFiles::rules, kRules},
    {kStartScriptFile, &ServerFiles::startScript, kStartScript},
    {kDedicatedServerFile, &ServerFiles::dedicated, kServer},
    {kListenServerFile, &ServerFiles::listen, kServer},
    {kClientSettingsFile, &ServerFiles::client, kClient},
};

// A server file holds console commands: a host name is quoted and never emptied, a password may
// be emptied, and a game rule left empty keeps its name alone on its line.
void EditServerFile(std::string& text, std::string_view name, const std::string& value) {
    if (name == kHostName) {
        if (!value.empty()) SetSetting(text, name, value, SettingForm::QuotedCommand);
    } else if (name == kPassword) {
        SetSetting(text, name, value, SettingForm::QuotedCommand);
    } else {
        SetCommandSetting(text, name, value);
    }
}

void EditStartScript(std::string& text, const std::string& state) {
    if (state == "1") {
        AddLogLine(text);
        return;
    }
    // Every "log on" goes: one left behind would keep the log on.
    for (std::size_t before = text.size() + 1; HasLogLine(text) && text.size() < before;) {
        before = text.size();
        RemoveLogLine(text);
    }
}

void Edit(std::string& text, FileKind kind, const Setting& setting, const ServerOptions& options) {
    const std::string value = setting.value(options);
    switch (kind) {
        case kRules:
            SetQuotedSetting(text, setting.name, value);
            break;
        case kServer:
            EditServerFile(text, setting.name, value);
            break;
        case kStartScript:
            EditStartScript(text, value);
            break;
        case kClient:
            SetKeyedValue(text, setting.name, value);
            break;
    }
}

bool Changed(const Setting& setting, const ServerOptions& options,
             const std::optional<ServerOptions>& loaded) {
    return !loaded || setting.value(options) != setting.value(*loaded);
}

// A value that is empty counts as none: the next file in line may hold one.
std::optional<std::string> NonEmpty(std::optional<std::string> value) {
    if (value && value->empty()) return std::nullopt;
    return value;
}

}  // namespace

const std::optional<std::string>* ServerFiles::file(std::string_view name) const {
    for (const FileSlot& slot : kFiles) {
        if (name == slot.name) return &(this->*slot.text);
    }
    return nullptr;
}

ServerFiles ReadServerFiles(const std::string& gameFolder, std::string_view mod) {
    ServerFiles files;
    for (const FileSlot& slot : kFiles)
        files.*slot.text = ReadConfigTextForEdit(gameFolder, mod, slot.name);
    return files;
}

ServerOptions ServerOptionsIn(const ServerFiles& files) {
    const std::string rules = files.rules.value_or(std::string());
    const std::string dedicated = files.dedicated.value_or(std::string());
    const std::string listen = files.listen.value_or(std::string());
    const std::string client = files.client.value_or(std::string());
    // A game rule that game.cfg does not hold shows as the server files have it, so that saving
    // it unchanged changes nothing.
    const auto rule = [&](std::string_view name) {
        if (auto value = NonEmpty(FindSetting(rules, name))) return *value;
        if (auto value = NonEmpty(FindSetting(dedicated, name))) return *value;
        return FindSetting(listen, name).value_or(std::string());
    };
    ServerOptions options;
    options.timeLimit = rule("mp_timelimit");
    options.fragLimit = rule("mp_fraglimit");
    options.friendlyFire = rule("mp_friendlyfire") == "1";
    options.footsteps = rule("mp_footsteps") == "1";
    options.weaponsStay = rule("mp_weaponstay") == "1";
    options.forceRespawn = rule("mp_forcerespawn") == "1";
    options.flashlight = rule("mp_flashlight") == "1";

    options.hostName = FindSetting(listen, kHostName).value_or(std::string());
    options.password = FindSetting(listen, kPassword)
                           .value_or(FindSetting(dedicated, kPassword).value_or(std::string()));
    options.log = HasLogLine(files.startScript.value_or(std::string()));

    // Clients transfer files unless told not to; a server is public unless told it is local.
    const auto upload = GetKeyedValue(client, "cl_allowupload");
    const auto download = GetKeyedValue(client, "cl_allowdownload");
    options.upload = !upload || *upload == "1";
    options.download = !download || *download == "1";
    options.lan = GetKeyedValue(client, "sv_lan") == "1";
    return options;
}

ServerOptions LoadServerOptions(const std::string& gameFolder, std::string_view mod) {
    return ServerOptionsIn(ReadServerFiles(gameFolder, mod));
}

ServerOptionsSave PlanServerOptionsSave(const ServerFiles& files, const ServerOptions& options,
                                        const std::optional<ServerOptions>& loaded) {
    ServerOptionsSave save;
    for (const FileSlot& slot : kFiles) {
        const std::optional<std::string>& text = files.*slot.text;
        std::optional<std::string> edited;
        for (const Setting& setting : kSettings) {
            if (!(setting.files & slot.kind) || !Changed(setting, options, loaded)) continue;
            if (!text) return {{}, slot.name};
            if (!edited) edited = *text;
            Edit(*edited, slot.kind, setting, options);
        }
        if (edited && edited != text) save.changes.push_back({slot.name, std::move(*edited)});
    }
    return save;
}

std::optional<std::string> UnwritableSetting(const ServerOptions& options,
                                             const ServerOptions& loaded) {
    for (const Setting& setting : kSettings) {
        const std::string value = setting.value(options);
        if (value != setting.value(loaded) && !IsConsoleArgument(value))
            return std::string(setting.name);
    }
    return std::nullopt;
}

std::optional<std::string> WriteServerFiles(const std::string& gameFolder, std::string_view mod,
                                            const std::vector<FileChange>& changes) {
    for (const FileChange& change : changes) {
        if (!WriteConfigText(gameFolder, mod, change.name, change.text)) return change.name;
    }
    return std::nullopt;
}

std::optional<std::string> SaveServerOptions(const std::string& gameFolder, std::string_view mod,
                                             const ServerOptions& options,
                                             const std::optional<ServerOptions>& loaded) {
    const ServerOptionsSave save =
        PlanServerOptionsSave(ReadServerFiles(gameFolder, mod), options, loaded);
    if (save.unreadable) return save.unreadable;
    return WriteServerFiles(gameFolder, mod, save.changes);
}

}  // namespace quorvant
