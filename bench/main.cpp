// Speed of the main paths on a large generated installation, each beside its physical floor:
// the same folders listed and files read with plain system calls, in the same run.
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <map>
#include <memory>

#include "app/desktop.h"
#include "app/file_io.h"
#include "app/settings.h"
#include "catalogue/map_needs.h"
#include "catalogue/map_picture.h"
#include "floors.h"
#include "game_server.h"
#include "installation.h"
#include "launch/frm_servers.h"
#include "launch/server_list_model.h"
#include "launch/server_queries.h"
#include "server_farm.h"
#include "serverconfig/frm_serveur.h"
#include "support/map_files.h"
#include "ui/dialogs.h"
#include "ui/form1.h"

namespace quorvant::bench {
namespace {

class SilentDialogs : public Dialogs {
  public:
    void message(QWidget*, const QString& text) override {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
    }
    bool confirm(QWidget*, const QString&) override { return true; }
    QString ask(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
};

class RecordingDesktop : public Desktop {
  public:
    std::size_t starts = 0;
    StartFailure startGame(const ProgramStart&) override {
        ++starts;
        return std::nullopt;
    }
    StartFailure editTextFile(const std::string&, const std::string&) override { return {}; }
    StartFailure openAddress(const std::string&) override { return {}; }
};

// The generated installation and the settings of an earlier run that chose its largest mod.
struct Machine {
    QTemporaryDir folder;
    std::string game;
    SilentDialogs dialogs;
    RecordingDesktop desktop;
    std::unique_ptr<Form1> mainWindow;  // closed before the application ends

    // `kept`: a folder that keeps the game folder between runs, generated once; else a
    // temporary one.
    Machine(const InstallationSize& size, const QString& kept) {
        const QString gameFolder =
            kept.isEmpty() ? folder.filePath(QStringLiteral("Half-Life")) : kept;
        game = QDir(gameFolder).absolutePath().toStdString();
        qputenv("XDG_CONFIG_HOME", folder.filePath(QStringLiteral("config")).toUtf8());
        qputenv("WINEPREFIX", folder.filePath(QStringLiteral("wine")).toUtf8());
        if (QFileInfo::exists(gameFolder + QStringLiteral("/hl.exe"))) {
            std::fprintf(stderr, "Using the game folder generated earlier in %s\n", game.c_str());
        } else {
            generate(size);
        }
        CreateSettingsKey();
        WriteSetting("hl_path", game);
        WriteSetting("Last_Mod_Mplayer", kLargestMod);
        WriteSetting("Last_Mod_Single", kLargestMod);
    }

    void generate(const InstallationSize& size) {
        QDir().mkpath(QString::fromStdString(game));
        const auto start = std::chrono::steady_clock::now();
        GenerateInstallation(game, size);
        std::fprintf(
            stderr, "Generated %d mods of %d maps and %d saves in %.1f s\n", size.mods,
            size.mapsPerMod, size.savesPerMod,
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }

    std::unique_ptr<Form1> startUp() {
        // The join panel asks only the benchmark's own server, on this machine.
        auto form = std::make_unique<Form1>(
            dialogs, desktop, StatusOptions{StatusTiming{}, QueryScope::ThisMachineOnly});
        if (!form->Form_Load()) std::abort();
        QCoreApplication::processEvents();
        return form;
    }
};

Machine* machine = nullptr;
int farmServers = 2000;  // the servers of the browser's list; fewer in a quick run

// The main window as the selection benchmarks find it: started up on the largest mod.
Form1& MainWindow() {
    if (!machine->mainWindow) machine->mainWindow = machine->startUp();
    return *machine->mainWindow;
}

void BM_StartUp(benchmark::State& state) {
    for (auto _ : state) {
        auto form = machine->startUp();
        state.PauseTiming();
        form.reset();
        state.ResumeTiming();
    }
}

void BM_StartUpFloor(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(StartUpFloor(machine->game, kLargestMod));
}

void BM_ModSelection(benchmark::State& state) {
    Form1& form = MainWindow();
    for (auto _ : state) form.lst_mods_Click();
    if (form.lst_maps->count() < 2) state.SkipWithError("no maps listed");
    // The map list's check goes on on another thread: done, and told, before what comes next.
    while (form.markingMaps()) QThread::msleep(5);
    QCoreApplication::processEvents();
}

void BM_ModSelectionFloor(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(ModSelectionFloor(machine->game, kLargestMod));
}

void BM_SinglePlayerSelection(benchmark::State& state) {
    Form1& form = MainWindow();
    for (auto _ : state) form.lst_mods_solo_Click();
    if (form.lst_solo_save->count() < 1) state.SkipWithError("no saves listed");
}

void BM_SinglePlayerSelectionFloor(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(SinglePlayerSelectionFloor(machine->game, kLargestMod));
}

void BM_LaunchClick(benchmark::State& state) {
    Form1& form = MainWindow();
    form.lst_mods_Click();
    form.lst_bots->setCurrentItem(form.lst_bots->findItems("HPB Bot", Qt::MatchExactly).value(0));
    form.lst_maps->setCurrentIndex(1);
    const std::size_t before = machine->desktop.starts;
    for (auto _ : state) form.btn_go_Click();
    if (machine->desktop.starts == before) state.SkipWithError("nothing started");
}

void BM_LaunchClickFloor(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(LaunchFloor(machine->game, kLargestMod));
}

void BM_ServerOptionsLoad(benchmark::State& state) {
    frm_serveur window(MainWindow(), machine->dialogs);
    for (auto _ : state) window.Form_Load();
}

void BM_ServerOptionsLoadFloor(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(ServerOptionsLoadFloor(machine->game, kLargestMod));
}

void BM_ServerOptionsSave(benchmark::State& state) {
    frm_serveur window(MainWindow(), machine->dialogs);
    window.Form_Load();
    for (auto _ : state) window.Label4_Click();
}

void BM_ServerOptionsSaveFloor(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(ServerOptionsSaveFloor(machine->game, kLargestMod));
}

// From the server's answer to its status on the join panel, asked as the panel shows.
void BM_ServerStatus(benchmark::State& state) {
    Form1& form = MainWindow();
    GameServer server;
    form.Label18_Click();
    form.Label23_Click();
    form.txt_port_join->clear();
    form.txt_ip->setEditText(QStringLiteral("127.0.0.1:%1").arg(server.port()));
    for (auto _ : state) {
        const QString status = QStringLiteral("Bench %1 ").arg(server.answers() + 1);
        form.Label22_Click();
        const QDeadlineTimer deadline(2000);
        while (!form.lbl_join_status->text().startsWith(status) && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        const auto shown = std::chrono::steady_clock::now();
        if (!form.lbl_join_status->text().startsWith(status)) {
            state.SkipWithError("no status shown");
            break;
        }
        state.SetIterationTime(std::chrono::duration<double>(shown - server.lastAnswer()).count());
        form.Label23_Click();
    }
    form.txt_ip->setEditText(QString());
}

void BM_ServerStatusFloor(benchmark::State& state) {
    GameServer server;
    for (auto _ : state) {
        const double seconds = AnswerArrivalSeconds(server);
        if (seconds < 0) {
            state.SkipWithError("no answer");
            break;
        }
        state.SetIterationTime(seconds);
    }
}

// The browser's Internet list filled through its window from a master and thousands of servers
// on this machine; the longest the event loop waited meanwhile is a counter of its own.
void BM_BrowserFill(benchmark::State& state) {
    AllowManySockets();
    ServerFarm farm(farmServers);
    WriteSetting("Master_Server", farm.masterAddress());
    WriteSetting("Browser_Source", "0");
    Form1& form = MainWindow();
    StatusOptions options{StatusTiming{}, QueryScope::ThisMachineOnly};
    options.browser.pagePaceMs = 0;
    double longestStall = 0;
    for (auto _ : state) {
        frm_servers window(form, StoredBrowserOptions(options));
        QElapsedTimer sinceTick;
        QTimer ticks;
        ticks.setTimerType(Qt::PreciseTimer);
        ticks.setInterval(1);
        QObject::connect(&ticks, &QTimer::timeout, [&] {
            longestStall = std::max(longestStall, double(sinceTick.restart()));
        });
        window.show();
        window.Form_Load();  // the list fills from here, on the event loop
        sinceTick.start();
        ticks.start();
        const QDeadlineTimer deadline(20000);
        while (window.browser().progress().state == BrowserProgress::State::Filling &&
               !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        if (window.browser().model().answeredCount() != int(farm.size())) {
            state.SkipWithError("not every server listed");
            break;
        }
    }
    state.counters["servers"] = double(farm.size());
    state.counters["longest_stall_ms"] = longestStall;
}

void BM_BrowserFillFloor(benchmark::State& state) {
    AllowManySockets();
    ServerFarm farm(farmServers);
    for (auto _ : state) {
        if (FillFloor(farm, 64) != farm.size()) {
            state.SkipWithError("not every server answered");
            break;
        }
    }
}

// A list of 5,000 servers, as a filled list holds them.
std::unique_ptr<ServerListModel> LargeList() {
    auto model = std::make_unique<ServerListModel>();
    for (int number = 0; number < 5000; ++number) {
        ServerInfo info;
        info.name = "Server " + std::to_string(number * 7919 % 5000);
        info.map = number % 3 ? "de_dust2" : "cs_office";
        info.folder = "cstrike";
        info.players = number % 17;
        info.maxPlayers = 16;
        model->answered({"127.0.0." + std::to_string(number % 250), std::uint16_t(1000 + number)},
                        {info, number % 300});
    }
    model->flush();
    return model;
}

// Sorting the list on another column, then filtering it by a name search.
void BM_BrowserSortFilter(benchmark::State& state) {
    const auto model = LargeList();
    ServerListProxy proxy(*model);
    int column = 0;
    for (auto _ : state) {
        proxy.sort(column++ % 2 ? int(ServerColumn::Players) : int(ServerColumn::Name));
        ServerFilter filter;
        filter.nameSearch = column % 2 ? "server 1" : "";
        proxy.setFilter(filter);
        benchmark::DoNotOptimize(proxy.rowCount());
    }
}

void BM_BrowserSortFilterFloor(benchmark::State& state) {
    const auto model = LargeList();
    std::vector<int> order(std::size_t(model->rowCount()));
    int column = 0;
    for (auto _ : state) {
        for (std::size_t row = 0; row < order.size(); ++row) order[row] = int(row);
        const bool byPlayers = column++ % 2;
        std::sort(order.begin(), order.end(), [&](int a, int b) {
            const ServerInfo& left = model->row(a).answer->info;
            const ServerInfo& right = model->row(b).answer->info;
            return byPlayers ? left.players < right.players : left.name < right.name;
        });
        ServerFilter filter;
        filter.nameSearch = column % 2 ? "server 1" : "";
        benchmark::DoNotOptimize(std::count_if(order.begin(), order.end(), [&](int row) {
            return Keeps(filter, model->row(row).answer->info);
        }));
    }
}

// What a list of 5,000 servers adds to the program's memory: the bytes it holds allocated.
double ListMemoryMiB() {
    // Allocated bytes, from the heap and from mappings of their own (large blocks).
    const auto allocated = [] {
        const struct mallinfo2 info = mallinfo2();
        return info.uordblks + info.hblkhd;
    };
    const std::size_t before = allocated();
    const auto model = LargeList();
    ServerListProxy proxy(*model);
    proxy.sort(int(ServerColumn::Ping));
    return double(allocated() - before) / (1024.0 * 1024.0);
}

// A map of about 20 MB with 30,000 edges, its entities naming a WAD, a sky, models and sounds.
struct LargeMap {
    QTemporaryDir folder;
    std::string game = folder.filePath(QStringLiteral("Half-Life")).toStdString();

    LargeMap() {
        QDir().mkpath(QString::fromStdString(game + "/cstrike/maps"));
        QDir().mkpath(QString::fromStdString(game + "/valve"));
        WriteFileAtomically(game + "/valve/halflife.wad", testing::WadFile({"TEX1", "TEX3"}));
        // Made in a child process: its tens of MiB while it is written are not this program's.
        const pid_t child = fork();
        if (child == 0) _exit(WriteFileAtomically(game + "/cstrike/maps/big.bsp", Bytes()) ? 0 : 1);
        int status = 0;
        if (child < 0 || waitpid(child, &status, 0) != child || status != 0)
            std::fprintf(stderr, "The large map could not be written\n");
    }

    static std::string Bytes() {
        testing::BspFile map;
        map.entities =
            "{\n\"classname\" \"worldspawn\"\n\"wad\" \"\\\\valve\\\\halflife.wad\"\n"
            "\"skyname\" \"desert\"\n}\n";
        for (int entity = 0; entity < 20000; ++entity)
            map.entities += "{\n\"classname\" \"ambient_generic\"\n\"message\" \"ambience/s" +
                            std::to_string(entity % 300) + ".wav\"\n\"origin\" \"1 2 3\"\n}\n";
        for (int texture = 0; texture < 400; ++texture)
            map.textures.push_back({"TEX" + std::to_string(texture), texture % 2 == 0});
        for (int vertex = 0; vertex < 60000; ++vertex)
            map.vertices.push_back({float(vertex % 400), float(vertex / 400 % 400), 0});
        // Short edges between neighbouring corners, as a real map's are.
        for (int edge = 0; edge < 30000; ++edge) {
            const int corner = edge / 2 * 3 % 59000;
            map.edges.emplace_back(std::uint16_t(corner),
                                   std::uint16_t(corner + (edge % 2 == 0 ? 1 : 400)));
        }
        map.lighting.assign(std::size_t(19) << 20, '\x40');
        return map.bytes();
    }
};

LargeMap* largeMap = nullptr;

void BM_MapNeeds(benchmark::State& state) {
    for (auto _ : state) {
        const MapCheck check = CheckMap(largeMap->game, "cstrike", "big.bsp");
        if (!check.readable) state.SkipWithError("the map did not read");
        benchmark::DoNotOptimize(check.missing.size());
    }
}

// The same bytes read plainly.
void BM_MapNeedsFloor(benchmark::State& state) {
    for (auto _ : state) {
        std::ifstream file(largeMap->game + "/cstrike/maps/big.bsp", std::ios::binary);
        std::string part(std::size_t(1) << 20, '\0');  // in parts, not to hold 20 MB at once
        std::size_t read = 0;
        while (file.read(part.data(), std::streamsize(part.size())) || file.gcount() > 0)
            read += std::size_t(file.gcount());
        benchmark::DoNotOptimize(read);
    }
}

void BM_MapDrawing(benchmark::State& state) {
    const auto outline = LoadMapOutline(largeMap->game, "cstrike", "big.bsp");
    if (!outline) state.SkipWithError("the map did not read");
    for (auto _ : state) benchmark::DoNotOptimize(DrawMapOutline(*outline, QSize(256, 256)));
}

// The same edges projected, without drawing them.
void BM_MapDrawingFloor(benchmark::State& state) {
    const auto outline = LoadMapOutline(largeMap->game, "cstrike", "big.bsp");
    for (auto _ : state) {
        double sum = 0;
        for (float value : outline->lines) sum += double(value) * 0.01;
        benchmark::DoNotOptimize(sum);
    }
}

// Keeps each run's time, so that every operation can be set beside its floor at the end.
class FloorReporter : public benchmark::ConsoleReporter {
  public:
    std::map<std::string, double> milliseconds;
    double longestStallMs = 0;
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration || run.error_occurred) continue;
            milliseconds[run.run_name.function_name] = run.GetAdjustedRealTime();
            if (const auto stall = run.counters.find("longest_stall_ms");
                stall != run.counters.end())
                longestStallMs = std::max(longestStallMs, double(stall->second));
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

struct Goal {
    const char* operation;
    double maxRatio;         // 0: measured only
    double maxMilliseconds;  // 0: none
};

bool ReportAgainstFloors(const FloorReporter& reporter) {
    constexpr Goal kGoals[] = {
        {"BM_StartUp", 3, 0},
        {"BM_ModSelection", 2, 50},
        {"BM_SinglePlayerSelection", 2, 50},
        {"BM_LaunchClick", 0, 0},
        {"BM_ServerOptionsLoad", 0, 0},
        {"BM_ServerOptionsSave", 0, 0},
        {"BM_ServerStatus", 0, 50},
        {"BM_BrowserFill", 0, 3000},
        {"BM_BrowserSortFilter", 0, 16},
        {"BM_MapNeeds", 0, 30},
        {"BM_MapDrawing", 0, 50},
    };
    bool met = true;
    std::printf("\n%-26s %10s %10s %7s  %s\n", "operation", "ms", "floor ms", "ratio", "goal");
    for (const Goal& goal : kGoals) {
        const auto time = reporter.milliseconds.find(goal.operation);
        const auto floor = reporter.milliseconds.find(std::string(goal.operation) + "Floor");
        if (time == reporter.milliseconds.end() || floor == reporter.milliseconds.end()) continue;
        const double ratio = time->second / floor->second;
        const bool ok = (goal.maxRatio == 0 || ratio <= goal.maxRatio) &&
                        (goal.maxMilliseconds == 0 || time->second < goal.maxMilliseconds);
        met = met && ok;
        char target[64] = "measured";
        std::string limits =
            goal.maxRatio > 0 ? "<= " + std::to_string(int(goal.maxRatio)) + "x" : "";
        if (goal.maxMilliseconds > 0)
            limits += (limits.empty() ? "< " : ", < ") + std::to_string(int(goal.maxMilliseconds));
        if (!limits.empty())
            std::snprintf(target, sizeof target, "%s %s", limits.c_str(), ok ? "met" : "MISSED");
        std::printf("%-26s %10.3f %10.3f %7.2f  %s\n", goal.operation, time->second, floor->second,
                    ratio, target);
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const double peakMiB = double(usage.ru_maxrss) / 1024.0;
    const bool memoryMet = peakMiB < 60;
    std::printf("%-26s %10.1f MiB resident at most  goal < 60 MiB %s\n", "peak memory", peakMiB,
                memoryMet ? "met" : "MISSED");
    const auto stall = reporter.longestStallMs;
    const bool stallMet = stall < 20;
    std::printf("%-26s %10.1f ms at most while the list filled  goal < 20 ms %s\n",
                "browser event loop", stall, stallMet ? "met" : "MISSED");
    const double listMiB = ListMemoryMiB();
    const bool listMet = listMiB < 20;
    std::printf("%-26s %10.1f MiB for 5,000 servers  goal < 20 MiB %s\n", "browser list memory",
                listMiB, listMet ? "met" : "MISSED");
    return met && memoryMet && stallMet && listMet;
}

}  // namespace
}  // namespace quorvant::bench

using namespace quorvant::bench;

BENCHMARK(BM_StartUp)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartUpFloor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ModSelection)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ModSelectionFloor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SinglePlayerSelection)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SinglePlayerSelectionFloor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LaunchClick)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LaunchClickFloor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ServerOptionsLoad)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ServerOptionsLoadFloor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ServerOptionsSave)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ServerOptionsSaveFloor)->Unit(benchmark::kMillisecond);
// A fixed count: each measures well under a millisecond of a longer round.
BENCHMARK(BM_ServerStatus)->UseManualTime()->Iterations(300)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ServerStatusFloor)->UseManualTime()->Iterations(300)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BrowserFill)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BrowserFillFloor)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BrowserSortFilter)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BrowserSortFilterFloor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MapNeeds)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MapNeedsFloor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MapDrawing)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MapDrawingFloor)->Unit(benchmark::kMillisecond);

// Usage: quorvant_bench [--quick] [--keep=FOLDER] [benchmark options]. Fails when a goal is
// missed. --quick uses a small
// installation, to check that the program runs rather than to measure; --keep generates the game
// folder into FOLDER once and uses it in later runs.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    InstallationSize size;
    bool quick = false;
    QString kept;
    for (int i = 1; i < argc; ++i) {
        quick = quick || std::strcmp(argv[i], "--quick") == 0;
        if (std::strncmp(argv[i], "--keep=", 7) == 0) kept = QString::fromLocal8Bit(argv[i] + 7);
    }
    if (quick) {
        size = {30, 200, 20};
        farmServers = 200;
    }
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    Machine generated(size, kept);
    machine = &generated;
    LargeMap map;
    largeMap = &map;
    FloorReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const bool met = ReportAgainstFloors(reporter);
    benchmark::Shutdown();
    return met || quick ? 0 : 1;
}
