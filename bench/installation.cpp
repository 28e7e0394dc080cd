#include "installation.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <stdexcept>
#include <string_view>

namespace quorvant::bench {
namespace {

constexpr std::size_t kSaveSize = 4400;
constexpr std::size_t kDescriptionOffset = 4242;

void MakeFolder(const std::string& path) {
    if (mkdir(path.c_str(), 0755) != 0) throw std::runtime_error("cannot create " + path);
}

void MakeFile(const std::string& path, std::string_view bytes) {
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) throw std::runtime_error("cannot create " + path);
    const bool written = write(fd, bytes.data(), bytes.size()) == ssize_t(bytes.size());
    close(fd);
    if (!written) throw std::runtime_error("cannot write " + path);
}

std::string Numbered(const char* prefix, int number) {
    char name[64];
    std::snprintf(name, sizeof name, "%s%04d", prefix, number);
    return name;
}

std::string SaveBytes(int number) {
    std::string bytes(kSaveSize, '\0');
    std::string field = "Save number " + std::to_string(number);
    field.resize(65, ' ');
    bytes.replace(kDescriptionOffset, 70, field + "12:34");
    return bytes;
}

void GenerateMod(const std::string& root, const std::string& mod, const InstallationSize& size) {
    const std::string folder = root + "/" + mod;
    MakeFolder(folder);
    MakeFile(folder + "/liblist.gam",
             "game \"" + mod +
                 "\"\r\nversion \"1.0\"\r\nurl_info \"www.example.org\"\r\n"
                 "gamedll \"dlls\\mp.dll\"\r\nstartmap \"map0000\"\r\n"
                 "trainmap \"map0001\"\r\n");
    MakeFolder(folder + "/dlls");
    for (const char* library : {"mp.dll", "HPB_bot.dll", "realbot.dll"})
        MakeFile(folder + "/dlls/" + library, "MZ");
    MakeFolder(folder + "/maps");
    for (int map = 0; map < size.mapsPerMod; ++map) {
        const std::string name = folder + "/maps/" + Numbered("map", map);
        MakeFile(name + ".bsp", "");
        if (map % 10 == 0) MakeFile(name + ".txt", "Map " + std::to_string(map) + "\r\n");
    }
    MakeFolder(folder + "/Save");
    for (int save = 0; save < size.savesPerMod; ++save)
        MakeFile(folder + "/Save/" + Numbered(save == 0 ? "quick" : "save", save) + ".sav",
                 SaveBytes(save));
    MakeFile(folder + "/game.cfg",
             "\"mp_timelimit\"\t\t\"25\"\r\n\"mp_fraglimit\"\t\t\"0\"\r\n"
             "\"mp_friendlyfire\"\t\t\"1\"\r\n");
    MakeFile(folder + "/listenserver.cfg", "exec listenip.cfg\r\nhostname \"Bench\"\r\n");
    MakeFile(folder + "/server.cfg", "hostname \"Bench\"\r\nmp_timelimit 25\r\n");
    MakeFile(folder + "/autoexec.cfg", "bind f1 vote\r\nlog on\r\n");
    MakeFile(folder + "/config.cfg", "cl_allowdownload \"1\"\r\nsv_lan \"0\"\r\n");
    MakeFile(folder + "/mapcycle.txt", "map0000\r\nmap0001\r\n");
}

}  // namespace

void GenerateInstallation(const std::string& root, const InstallationSize& size) {
    MakeFile(root + "/hl.exe", "MZ");
    GenerateMod(root, kLargestMod, size);
    // The other mods sort before it, so that start-up walks the whole list to find it.
    for (int mod = 1; mod < size.mods; ++mod) GenerateMod(root, Numbered("addon", mod), size);
}

}  // namespace quorvant::bench
