#include "app/start_plan.h"

#include <filesystem>
#include <sstream>
#include <system_error>

#include "app/file_system.h"
#include "app/native_path.h"
#include "app/steam_library.h"
#include "app/wine_prefix.h"
#include "launch/command_line.h"

namespace quorvant {
namespace {

constexpr std::string_view kFlatpakSteam = "com.valvesoftware.Steam";

bool Exists(const std::string& path) {
    std::error_code error;
    return std::filesystem::exists(PathOf(path), error);
}

std::vector<std::string> Words(const std::string& tail) {
    std::vector<std::string> words;
    std::istringstream in(tail);
    for (std::string word; in >> word;) words.push_back(word);
    return words;
}

std::vector<std::string> Joined(std::vector<std::string> head,
                                const std::vector<std::string>& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

std::string FileName(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// A game folder copied from Windows may spell the executable in another case.
std::string ExistingSpelling(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return path;
    return ResolveIgnoringCase(path.substr(0, slash), std::string_view(path).substr(slash + 1));
}

StartPlan PlanDedicatedServer(const std::string& folder, const std::vector<std::string>& tail) {
    for (std::string_view server : {"hlds_run", "hlds_linux"}) {
        const std::string path = ResolveIgnoringCase(folder, server);
        if (Exists(path)) return {{path, tail, {}}, std::nullopt};
    }
    return {
        {},
        "Can't start the dedicated server: " + folder + " holds neither hlds_run nor hlds_linux."};
}

// The native build is started the way Steam starts it, so that it finds Steam running.
StartPlan PlanNativeGame(const std::string& folder, const std::vector<std::string>& tail,
                         const HostPrograms& host) {
    const std::vector<std::string> appLaunch{"-applaunch", std::string(kSteamAppId)};
    const bool flatpakSteam =
        folder.find("/.var/app/" + std::string(kFlatpakSteam) + "/") != std::string::npos;
    if (flatpakSteam && !host.flatpak.empty()) {
        return {{host.flatpak,
                 Joined(Joined({"run", std::string(kFlatpakSteam)}, appLaunch), tail),
                 {}},
                std::nullopt};
    }
    if (!host.steam.empty()) return {{host.steam, Joined(appLaunch, tail), {}}, std::nullopt};
    const std::string bash = host.bash.empty() ? "/bin/bash" : host.bash;
    return {{bash, Joined({ResolveIgnoringCase(folder, "hl.sh")}, tail), {}}, std::nullopt};
}

}  // namespace

bool IsNativeInstall(std::string_view folder) {
    return FileSearchMatches(JoinPath(folder, "hl_linux")) &&
           FileSearchMatches(JoinPath(folder, "hl.sh"));
}

StartPlan PlanStart(const ProgramStart& start, const HostPrograms& host) {
    const std::string program = ExistingSpelling(start.executablePath);
    const std::vector<std::string> tail = Words(start.arguments);
    if (!Exists(program) && IsNativeInstall(start.workingFolder)) {
        if (EqualIgnoringCase(FileName(program), kDedicatedServerExecutable))
            return PlanDedicatedServer(start.workingFolder, tail);
        return PlanNativeGame(start.workingFolder, tail, host);
    }
    if (!IsWindowsProgram(program)) return {{program, tail, {}}, std::nullopt};
    if (host.wine.empty()) {
        return {{},
                "Can't start " + start.executablePath +
                    ": it is a Windows program, and wine is not installed."};
    }
    const std::string prefix = WinePrefixHolding(program);
    const std::string windowsPath = WindowsPathInPrefix(prefix, program);
    if (!host.wineStarter.empty() && !windowsPath.empty()) {
        return {
            {host.wine, {host.wineStarter, "\"" + windowsPath + "\"" + start.arguments}, prefix},
            std::nullopt};
    }
    return {{host.wine, Joined({"start", "/min", "/unix", program}, tail), prefix}, std::nullopt};
}

}  // namespace quorvant
