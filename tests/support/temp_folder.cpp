#include "support/temp_folder.h"

#include <cstdlib>
#include <fstream>
#include <random>
#include <stdexcept>

#ifdef _WIN32
#include <windows.h>
#endif

#include "app/native_path.h"

namespace fs = std::filesystem;

namespace quorvant::testing {

TempFolder::TempFolder() {
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        path_ = fs::temp_directory_path() / ("quorvant-test-" + std::to_string(random()));
        if (fs::create_directory(path_)) return;
    }
    throw std::runtime_error("no temporary folder");
}

TempFolder::~TempFolder() {
    std::error_code error;
    fs::remove_all(path_, error);
}

std::string TempFolder::operator/(std::string_view relative) const {
    return BytesOf((path_ / PathOf(relative)).make_preferred());
}

void WriteFile(const fs::path& path, std::string_view bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path.string());
}

void WriteSparseFile(const fs::path& path, std::uintmax_t size) {
    WriteFile(path, "");
#ifdef _WIN32
    // The runtime's resize takes 32-bit sizes: the system call does not.
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    LARGE_INTEGER end;
    end.QuadPart = static_cast<LONGLONG>(size);
    const bool resized = file != INVALID_HANDLE_VALUE &&
                         SetFilePointerEx(file, end, nullptr, FILE_BEGIN) && SetEndOfFile(file);
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    if (!resized) throw std::runtime_error("cannot resize " + path.string());
#else
    fs::resize_file(path, size);
#endif
}

void WriteFile(const std::string& path, std::string_view bytes) { WriteFile(PathOf(path), bytes); }

std::string ReadFile(const std::string& path) { return ReadFile(PathOf(path)); }

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// Sets the variable, or removes it when there is no value.
static void SetVariable(const char* name, const std::optional<std::string>& value) {
#ifdef _WIN32
    _putenv_s(name, value ? value->c_str() : "");  // the empty text removes it
#else
    value ? setenv(name, value->c_str(), 1) : unsetenv(name);
#endif
}

ScopedEnvironment::ScopedEnvironment(const char* name, const std::string& value) : name_(name) {
    if (const char* saved = std::getenv(name)) saved_ = saved;
    SetVariable(name, value);
}

ScopedEnvironment::~ScopedEnvironment() { SetVariable(name_, saved_); }

GameFolder::GameFolder(fs::path root) : root_(std::move(root)) { fs::create_directories(root_); }

std::string GameFolder::operator/(std::string_view relative) const {
    return BytesOf((root_ / PathOf(relative)).make_preferred());
}

GameFolder& GameFolder::addExecutable(std::string_view name) { return addFile(name, "MZ"); }

GameFolder& GameFolder::addMod(std::string_view mod, std::string_view descriptor) {
    return addFile(std::string(mod) + "/liblist.gam", descriptor);
}

GameFolder& GameFolder::addFile(std::string_view relative, std::string_view bytes) {
    WriteFile(root_ / PathOf(relative), bytes);
    return *this;
}

GameFolder& GameFolder::addFolder(std::string_view relative) {
    fs::create_directories(root_ / PathOf(relative));
    return *this;
}

}  // namespace quorvant::testing
