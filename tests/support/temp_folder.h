#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "app/native_path.h"

namespace quorvant::testing {

// Whether a name found in any case comes back spelt as the file is: Windows finds such a name
// itself, and gives it back as it was asked for.
inline constexpr bool kNamesAsOnDisk =
#ifdef _WIN32
    false;
#else
    true;
#endif

// A folder of its own for one test, removed with everything in it afterwards.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string str() const { return BytesOf(path_); }
    std::string operator/(std::string_view relative) const;

  private:
    std::filesystem::path path_;
};

// Files of a fixture, written and read byte for byte.
void WriteFile(const std::filesystem::path& path, std::string_view bytes);
std::string ReadFile(const std::filesystem::path& path);
// The same for a path held as bytes in the system's encoding, as the program holds paths.
void WriteFile(const std::string& path, std::string_view bytes);
std::string ReadFile(const std::string& path);
// An empty file of `size` bytes that takes no room on the disk.
void WriteSparseFile(const std::filesystem::path& path, std::uintmax_t size);

// Sets an environment variable for the life of the object.
class ScopedEnvironment {
  public:
    ScopedEnvironment(const char* name, const std::string& value);
    ~ScopedEnvironment();
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

  private:
    const char* name_;
    std::optional<std::string> saved_;
};

// A game folder with the executable in it and mods added by name.
class GameFolder {
  public:
    explicit GameFolder(std::filesystem::path root);

    std::string str() const { return BytesOf(root_); }
    std::string operator/(std::string_view relative) const;

    GameFolder& addExecutable(std::string_view name = "hl.exe");
    GameFolder& addMod(std::string_view mod, std::string_view descriptor);
    GameFolder& addFile(std::string_view relative, std::string_view bytes = {});
    GameFolder& addFolder(std::string_view relative);

  private:
    std::filesystem::path root_;
};

}  // namespace quorvant::testing
