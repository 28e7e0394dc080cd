#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

// The settings store: named text values under one key of the system registry. Each operation
// opens the key, does one thing and closes it. Failures are silent: a lost write, or a read that
// gives the empty text. On Windows the key lives in the registry; elsewhere each key maps to an
// INI file in the user's configuration folder ("Software\Org\App\Sub" is Org/App.ini, group Sub),
// the same for both roots.
namespace quorvant::Registry {

enum class Root { LocalMachine, CurrentUser };

// Full access is what the settings key is opened with; other programs' keys are only read, which
// a user without administrator rights may do below the machine's key too.
enum class Access { Full, Read };

// The registry's own type codes.
inline constexpr int kString = 1;   // REG_SZ
inline constexpr int kInteger = 4;  // REG_DWORD

using Status = std::int32_t;
inline constexpr Status kSuccess = 0;
inline constexpr Status kUnknownType = -1;

// An opened key, closed when it goes out of scope; `isOpen` is false when the key is missing
// or may not be opened.
class OpenedKey {
  public:
    OpenedKey(Root root, std::string_view keyPath, Access access = Access::Full);
    ~OpenedKey();
    OpenedKey(const OpenedKey&) = delete;
    OpenedKey& operator=(const OpenedKey&) = delete;

    bool isOpen() const;

    struct Handle;
    Handle& handle() { return *handle_; }

  private:
    std::unique_ptr<Handle> handle_;
};

// Creates the key when it does not exist yet.
void CreateKey(std::string_view keyPath, Root root);

// Writes one value into an existing key; lost when the key cannot be opened.
void WriteValue(Root root, std::string_view keyPath, std::string_view valueName,
                std::string_view value, int valueType);

// Type 1 writes the text, type 4 the text's number; any other type writes nothing and gives 0.
Status WriteValueToKey(OpenedKey& key, std::string_view valueName, int valueType,
                       std::string_view value);

// The value's text (a number as its decimal text), or the empty text.
std::string ReadValue(Root root, std::string_view keyPath, std::string_view valueName,
                      Access access = Access::Full);

// Reads a string or integer value into `value`; a missing value leaves `value` as it was and
// gives the platform's status, a value of another type leaves it and gives -1.
Status ReadValueFromKey(OpenedKey& key, std::string_view valueName, std::string& value);

}  // namespace quorvant::Registry
