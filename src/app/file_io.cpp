#include "app/file_io.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace quorvant {
namespace {

bool MayWrite(const fs::path& path) {
#ifdef _WIN32
    return _waccess(path.c_str(), 2) == 0;
#else
    return access(path.c_str(), W_OK) == 0;
#endif
}

#ifndef _WIN32
// A descriptor open for reading on an ordinary file, with its size, or -1: folders, devices and
// pipes are not read, and the open does not wait for a pipe's writer.
int OpenOrdinaryFile(const std::string& path, std::size_t& size) {
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    struct stat status {};
    if (fd >= 0 && (fstat(fd, &status) != 0 || !S_ISREG(status.st_mode))) {
        close(fd);
        return -1;
    }
    size = static_cast<std::size_t>(status.st_size);
    return fd;
}
#endif

// Pushes the temporary file's bytes to the disk before the rename makes them the file.
bool FlushToDisk(const fs::path& path) {
#ifdef _WIN32
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    const bool flushed = FlushFileBuffers(file) != 0;
    CloseHandle(file);
    return flushed;
#else
    const int fd = open(path.c_str(), O_RDONLY);
    if (fd < 0) return false;
    const bool synced = fsync(fd) == 0;
    close(fd);
    return synced;
#endif
}

// Makes `temporary` the file at `target`; on Windows the replacing rename is written through to
// the disk before the call returns.
void MoveOver(const fs::path& temporary, const fs::path& target, std::error_code& error) {
#ifdef _WIN32
    if (!MoveFileExW(temporary.c_str(), target.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        error.assign(static_cast<int>(GetLastError()), std::system_category());
    }
#else
    fs::rename(temporary, target, error);
#endif
}

fs::path TemporaryPathBeside(const fs::path& target) {
    std::random_device random;
    fs::path temporary = target;
    temporary += ".tmp" + std::to_string(random() % 1000000);
    return temporary;
}

}  // namespace

std::optional<std::string> ReadWholeFile(const std::string& path) {
#ifndef _WIN32
    // Start-up reads every mod's descriptor: one open and a read of the file's known size.
    std::size_t size = 0;
    const int fd = OpenOrdinaryFile(path, size);
    if (fd < 0) return std::nullopt;
    std::optional<std::string> content(std::in_place, size, '\0');
    std::size_t filled = 0;
    for (;;) {
        if (filled == content->size()) content->resize(filled + 4096);  // it grew meanwhile
        const ssize_t got = read(fd, content->data() + filled, content->size() - filled);
        if (got < 0) {
            content.reset();
            break;
        }
        if (got == 0) {
            content->resize(filled);
            break;
        }
        filled += static_cast<std::size_t>(got);
    }
    close(fd);
    return content;
#else
    std::error_code error;
    if (!fs::is_regular_file(fs::path(path), error)) return std::nullopt;
    std::ifstream in(fs::path(path), std::ios::binary);
    if (!in) return std::nullopt;
    std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return std::nullopt;
    return content;
#endif
}

std::optional<std::string> ReadFileForEdit(const std::string& path) {
    std::error_code error;
    const fs::file_status status = fs::symlink_status(fs::path(path), error);
    if (status.type() == fs::file_type::not_found) return std::string();
    return ReadWholeFile(path);
}

std::optional<std::string> ReadFilePart(const std::string& path, std::uint64_t offset,
                                        std::size_t count) {
#ifndef _WIN32
    // One small read per saved game: a plain descriptor costs far less than a stream, and no
    // status call is needed, since the read itself fails on a folder or a pipe (which the open
    // does not wait for).
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return std::nullopt;
    std::string part(count, '\0');
    const ssize_t got = pread(fd, part.data(), count, static_cast<off_t>(offset));
    close(fd);
    if (got < 0) return std::nullopt;
    part.resize(static_cast<std::size_t>(got));
    return part;
#else
    std::error_code error;
    if (!fs::is_regular_file(fs::path(path), error)) return std::nullopt;
    std::ifstream in(fs::path(path), std::ios::binary);
    if (!in) return std::nullopt;
    std::string part(count, '\0');
    in.seekg(static_cast<std::streamoff>(offset));
    if (in) in.read(part.data(), static_cast<std::streamsize>(count));
    part.resize(in ? count : static_cast<std::size_t>(std::max<std::streamsize>(in.gcount(), 0)));
    return part;
#endif
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes) {
    std::error_code error;
    fs::path target(path);
    if (fs::is_symlink(target, error)) {
        target = fs::canonical(target, error);
        if (error) return false;
    }
    const bool exists = fs::exists(target, error);
    if (exists && (!fs::is_regular_file(target, error) || !MayWrite(target))) return false;

    const fs::path temporary = TemporaryPathBeside(target);
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            fs::remove(temporary, error);
            return false;
        }
    }
    if (exists) fs::permissions(temporary, fs::status(target, error).permissions(), error);
    if (!FlushToDisk(temporary)) {
        fs::remove(temporary, error);
        return false;
    }
    MoveOver(temporary, target, error);
    if (error) {
        fs::remove(temporary, error);
        return false;
    }
    return true;
}

std::string WithFinalLineEnd(std::string text) {
    if (text.empty() || (text.back() != '\n' && text.back() != '\r')) text += "\r\n";
    return text;
}

}  // namespace quorvant
