#include "floors.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <initializer_list>
#include <string_view>
#include <vector>

namespace quorvant::bench {
namespace {

// The names of a folder's entries, with whether each is a folder.
std::vector<std::pair<std::string, bool>> List(const std::string& folder) {
    std::vector<std::pair<std::string, bool>> names;
    DIR* dir = opendir(folder.c_str());
    if (!dir) return names;
    while (const dirent* entry = readdir(dir)) {
        if (entry->d_name[0] == '.') continue;
        names.emplace_back(entry->d_name, entry->d_type == DT_DIR);
    }
    closedir(dir);
    return names;
}

// `count` bytes from `offset`, or the whole file without a count.
std::string Read(const std::string& path, off_t offset = 0, std::size_t count = 0) {
    const int fd = open(path.c_str(), O_RDONLY);
    if (fd < 0) return {};
    if (count == 0) {
        struct stat status {};
        fstat(fd, &status);
        count = std::size_t(status.st_size);
    }
    std::string bytes(count, '\0');
    const ssize_t got = pread(fd, bytes.data(), count, offset);
    close(fd);
    bytes.resize(got > 0 ? std::size_t(got) : 0);
    return bytes;
}

// A whole-file replacement as safe as the program's: temporary file, flush, rename.
std::size_t Replace(const std::string& path, const std::string& bytes) {
    const std::string temporary = path + ".floor";
    const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) return 0;
    const ssize_t written = write(fd, bytes.data(), bytes.size());
    fsync(fd);
    close(fd);
    rename(temporary.c_str(), path.c_str());
    return written > 0 ? std::size_t(written) : 0;
}

// The path of the parts joined with "/", built in one string.
std::string Path(std::initializer_list<std::string_view> parts) {
    std::string path;
    for (std::string_view part : parts) {
        if (!path.empty()) path += '/';
        path += part;
    }
    return path;
}

}  // namespace

std::size_t StartUpFloor(const std::string& root, const std::string& mod) {
    std::size_t seen = 0;
    for (const auto& [name, isFolder] : List(root)) {
        if (!isFolder) continue;
        seen += List(Path({root, name})).size();
        seen += Read(Path({root, name, "liblist.gam"})).size();
    }
    return seen + ModSelectionFloor(root, mod) + SinglePlayerSelectionFloor(root, mod);
}

std::size_t ModSelectionFloor(const std::string& root, const std::string& mod) {
    return Read(Path({root, mod, "liblist.gam"})).size() + List(Path({root, mod, "dlls"})).size() +
           List(Path({root, mod, "maps"})).size();
}

std::size_t SinglePlayerSelectionFloor(const std::string& root, const std::string& mod) {
    std::size_t seen = Read(Path({root, mod, "liblist.gam"})).size();
    for (const auto& [name, isFolder] : List(Path({root, mod, "Save"})))
        seen += Read(Path({root, mod, "Save", name}), 4242, 70).size();
    return seen;
}

std::size_t LaunchFloor(const std::string& root, const std::string& mod) {
    const std::string descriptor = Path({root, mod, "liblist.gam"});
    return Replace(descriptor, Read(descriptor));
}

std::size_t ServerOptionsLoadFloor(const std::string& root, const std::string& mod) {
    std::size_t seen = 0;
    for (const char* file : {"game.cfg", "listenserver.cfg", "autoexec.cfg", "config.cfg"})
        seen += Read(Path({root, mod, file})).size();
    return seen;
}

std::size_t ServerOptionsSaveFloor(const std::string& root, const std::string& mod) {
    std::size_t seen = 0;
    for (const char* file :
         {"game.cfg", "autoexec.cfg", "server.cfg", "listenserver.cfg", "config.cfg"}) {
        const std::string path = Path({root, mod, file});
        seen += Replace(path, Read(path));
    }
    return seen;
}

}  // namespace quorvant::bench
