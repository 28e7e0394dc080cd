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
#include <cerrno>
#endif

#include "app/native_path.h"

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
    if (fd < 0) return -1;
    struct stat status {};
    if (fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        close(fd);
        return -1;
    }
    size = static_cast<std::size_t>(status.st_size);
    return fd;
}
#endif

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

fs::path TemporaryPathBeside(const fs::path& target, std::random_device& random) {
    fs::path temporary = target;
    temporary += ".tmp" + std::to_string(random() % 1000000);
    return temporary;
}

// Writes `bytes` into a file made anew at `path` and pushes them to the disk; false, with the
// file gone, when it fails. `exists` is false when the name is taken, so another may be tried.
#ifdef _WIN32
bool WriteNewFile(const fs::path& path, std::string_view bytes, const fs::path&, bool& exists) {
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    exists = file == INVALID_HANDLE_VALUE && GetLastError() == ERROR_FILE_EXISTS;
    if (file == INVALID_HANDLE_VALUE) return false;
    bool written = true;
    for (std::size_t done = 0; written && done < bytes.size();) {
        DWORD wrote = 0;
        const auto chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1 << 20));
        written = WriteFile(file, bytes.data() + done, chunk, &wrote, nullptr) != 0;
        done += wrote;
    }
    written = written && FlushFileBuffers(file) != 0;
    CloseHandle(file);
    if (!written) DeleteFileW(path.c_str());
    return written;
}
#else
bool WriteNewFile(const fs::path& path, std::string_view bytes, const fs::path& target,
                  bool& exists) {
    struct stat original {};
    const bool replacing = stat(target.c_str(), &original) == 0;
    const mode_t mode = replacing ? (original.st_mode & 07777) : 0666;
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    exists = fd < 0 && errno == EEXIST;
    if (fd < 0) return false;
    // The umask narrows a new file's mode; a replaced file keeps exactly the mode it had.
    bool written = !replacing || fchmod(fd, mode) == 0;
    for (std::size_t done = 0; written && done < bytes.size();) {
        const ssize_t wrote = write(fd, bytes.data() + done, bytes.size() - done);
        if (wrote < 0 && errno == EINTR) continue;
        written = wrote > 0;
        if (written) done += static_cast<std::size_t>(wrote);
    }
    written = written && fsync(fd) == 0;
    written = close(fd) == 0 && written;
    if (!written) unlink(path.c_str());
    return written;
}
#endif

}  // namespace

std::optional<std::string> ReadWholeFile(const std::string& path, std::size_t limit) {
#ifndef _WIN32
    // Start-up reads every mod's descriptor: one open and a read of the file's known size.
    std::size_t size = 0;
    const int fd = OpenOrdinaryFile(path, size);
    if (fd < 0) return std::nullopt;
    if (size > limit) {
        close(fd);
        return std::nullopt;
    }
    std::string content(size, '\0');
    std::size_t filled = 0;
    bool complete = false;
    for (;;) {
        if (filled == content.size()) {
            if (filled > limit) break;  // it grew past the limit meanwhile
            content.resize(std::min(filled + 4096, limit + 1));
        }
        const ssize_t got = read(fd, content.data() + filled, content.size() - filled);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) {
            complete = got == 0;
            break;
        }
        filled += static_cast<std::size_t>(got);
    }
    close(fd);
    if (!complete) return std::nullopt;
    content.resize(filled);
    return content;
#else
    std::error_code error;
    const fs::path file = PathOf(path);
    if (!fs::is_regular_file(file, error)) return std::nullopt;
    const std::uintmax_t size = fs::file_size(file, error);
    if (error || size > limit) return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    std::string content(static_cast<std::size_t>(size), '\0');
    in.read(content.data(), static_cast<std::streamsize>(size));
    if (in.bad()) return std::nullopt;
    content.resize(static_cast<std::size_t>(in.gcount()));
    return content;
#endif
}

std::optional<std::string> ReadFileForEdit(const std::string& path, std::size_t limit) {
    std::error_code error;
    const fs::file_status status = fs::symlink_status(PathOf(path), error);
    if (status.type() == fs::file_type::not_found) return std::string();
    return ReadWholeFile(path, limit);
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
    if (!fs::is_regular_file(PathOf(path), error)) return std::nullopt;
    std::ifstream in(PathOf(path), std::ios::binary);
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
    fs::path target = PathOf(path);
    if (fs::is_symlink(target, error)) {
        target = fs::canonical(target, error);
        if (error) return false;
    }
    const bool exists = fs::exists(target, error);
    if (exists && (!fs::is_regular_file(target, error) || !MayWrite(target))) return false;

    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path temporary = TemporaryPathBeside(target, random);
        bool nameTaken = false;
        if (!WriteNewFile(temporary, bytes, target, nameTaken)) {
            if (nameTaken) continue;
            return false;
        }
        MoveOver(temporary, target, error);
        if (!error) return true;
        fs::remove(temporary, error);
        return false;
    }
    return false;
}

std::string WithFinalLineEnd(std::string text) {
    if (text.empty() || (text.back() != '\n' && text.back() != '\r')) text += "\r\n";
    return text;
}

}  // namespace quorvant
