#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <clocale>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <sstream>

#include "app/file_system.h"
#include "app/program_start.h"

namespace quorvant {
namespace {

// What the started child reports through its pipe when the program could not be started.
struct ChildFailure {
    enum Stage : int { Fork, EnterFolder, Execute } stage;
    int error;
};

// The system's reason in English, whatever the user's language: every message is in English.
std::string Reason(int error) {
    const locale_t english = newlocale(LC_ALL_MASK, "C", locale_t{});
    std::string reason = english ? strerror_l(error, english) : "error " + std::to_string(error);
    if (english) freelocale(english);
    return reason;
}

std::string Describe(const ChildFailure& failure, const std::string& program,
                     const std::string& folder) {
    const std::string where = failure.stage == ChildFailure::EnterFolder ? " in " + folder : "";
    return "Can't start " + program + where + ": " + Reason(failure.error) + ".";
}

std::vector<char*> NullTerminated(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    pointers.reserve(texts.size() + 1);
    for (std::string& text : texts) pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

std::vector<std::string> EnvironmentWithPrefix(const std::string& winePrefix) {
    constexpr std::string_view kName = "WINEPREFIX=";
    std::vector<std::string> environment;
    for (char** variable = environ; *variable; ++variable) {
        if (winePrefix.empty() || std::string_view(*variable).substr(0, kName.size()) != kName)
            environment.emplace_back(*variable);
    }
    if (!winePrefix.empty()) environment.push_back(std::string(kName) + winePrefix);
    return environment;
}

[[noreturn]] void ReportAndExit(int pipe, ChildFailure::Stage stage) {
    const ChildFailure failure{stage, errno};
    [[maybe_unused]] const ssize_t written = write(pipe, &failure, sizeof failure);
    _exit(127);
}

// In the child: a grandchild that runs the program, while the child itself ends at once.
[[noreturn]] void RunDetached(const std::string& folder, char* const* arguments,
                              char* const* environment, int pipe) {
    const pid_t grandchild = fork();
    if (grandchild < 0) ReportAndExit(pipe, ChildFailure::Fork);
    if (grandchild > 0) _exit(0);
    setsid();
    sigset_t none;
    sigemptyset(&none);
    sigprocmask(SIG_SETMASK, &none, nullptr);
    if (chdir(folder.c_str()) != 0) ReportAndExit(pipe, ChildFailure::EnterFolder);
    execve(arguments[0], arguments, environment);
    ReportAndExit(pipe, ChildFailure::Execute);
}

// What the child reported: nothing once the program runs, since the pipe closed on exec.
std::optional<ChildFailure> AwaitReport(pid_t child, int pipe) {
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    ChildFailure failure{};
    ssize_t got = 0;
    while ((got = read(pipe, &failure, sizeof failure)) < 0 && errno == EINTR) {
    }
    return got == ssize_t{sizeof failure} ? std::optional(failure) : std::nullopt;
}

}  // namespace

std::string FindInPath(const std::string& name) {
    const char* const searchPath = std::getenv("PATH");
    std::istringstream folders(searchPath ? searchPath : "");
    for (std::string folder; std::getline(folders, folder, ':');) {
        if (folder.empty()) continue;
        std::string candidate = JoinPath(folder, name);
        struct stat status {};
        if (stat(candidate.c_str(), &status) == 0 && S_ISREG(status.st_mode) &&
            access(candidate.c_str(), X_OK) == 0)
            return candidate;
    }
    return {};
}

// Forks twice so that the game is nobody's child: it outlives the launcher and is never left
// a zombie. A pipe that closes on exec tells whether the program was reached.
StartFailure StartDetached(const ProgramInvocation& invocation, const std::string& workingFolder) {
    std::vector<std::string> argumentTexts{invocation.program};
    argumentTexts.insert(argumentTexts.end(), invocation.arguments.begin(),
                         invocation.arguments.end());
    std::vector<std::string> environmentTexts = EnvironmentWithPrefix(invocation.winePrefix);
    const std::vector<char*> arguments = NullTerminated(argumentTexts);
    const std::vector<char*> environment = NullTerminated(environmentTexts);

    int report[2];
    if (pipe2(report, O_CLOEXEC) != 0)
        return Describe({ChildFailure::Fork, errno}, invocation.program, workingFolder);
    const pid_t child = fork();
    if (child == 0) {
        close(report[0]);
        RunDetached(workingFolder, arguments.data(), environment.data(), report[1]);
    }
    const int forkError = errno;
    close(report[1]);
    const std::optional<ChildFailure> failure =
        child < 0 ? ChildFailure{ChildFailure::Fork, forkError} : AwaitReport(child, report[0]);
    close(report[0]);
    if (!failure) return std::nullopt;
    return Describe(*failure, invocation.program, workingFolder);
}

std::string WineStarter() {
    char self[4096];
    const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
    if (length <= 0) return {};
    std::string folder(self, static_cast<std::size_t>(length));
    folder.erase(folder.rfind('/'));
    // Installed in lib/quorvant beside the bin folder; in a build, the build's lib folder.
    const std::string starter = folder + "/../lib/quorvant/quorvant-wine-start.exe";
    return access(starter.c_str(), R_OK) == 0 ? starter : std::string();
}

StartFailure StartGame(const ProgramStart& start) {
    const HostPrograms host{FindInPath("wine"), FindInPath("steam"), FindInPath("flatpak"),
                            FindInPath("bash"), WineStarter()};
    const StartPlan plan = PlanStart(start, host);
    if (plan.failure) return plan.failure;
    return StartDetached(plan.invocation, start.workingFolder);
}

}  // namespace quorvant
