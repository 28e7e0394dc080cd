#include <windows.h>

#include <charconv>
#include <vector>

#include "app/registry.h"

namespace quorvant::Registry {
namespace {

HKEY ToHkey(Root root) {
    return root == Root::CurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
}

std::int32_t ToInteger(std::string_view text) {
    std::int32_t number = 0;
    std::from_chars(text.data(), text.data() + text.size(), number);
    return number;
}

}  // namespace

struct OpenedKey::Handle {
    HKEY key = nullptr;
};

OpenedKey::OpenedKey(Root root, std::string_view keyPath, Access access)
    : handle_(std::make_unique<Handle>()) {
    const std::string path(keyPath);
    const REGSAM rights = access == Access::Read ? KEY_READ : KEY_ALL_ACCESS;
    if (RegOpenKeyExA(ToHkey(root), path.c_str(), 0, rights, &handle_->key) != ERROR_SUCCESS) {
        handle_->key = nullptr;
    }
}

OpenedKey::~OpenedKey() {
    if (handle_->key) RegCloseKey(handle_->key);
}

bool OpenedKey::isOpen() const { return handle_->key != nullptr; }

void CreateKey(std::string_view keyPath, Root root) {
    const std::string path(keyPath);
    HKEY key = nullptr;
    DWORD disposition = 0;
    if (RegCreateKeyExA(ToHkey(root), path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                        &disposition) == ERROR_SUCCESS) {
        RegCloseKey(key);
    }
}

Status WriteValueToKey(OpenedKey& key, std::string_view valueName, int valueType,
                       std::string_view value) {
    const std::string name(valueName);
    if (valueType == kString) {
        const std::string text(value);  // the stored length counts the terminating zero
        return RegSetValueExA(key.handle().key, name.c_str(), 0, REG_SZ,
                              reinterpret_cast<const BYTE*>(text.c_str()),
                              static_cast<DWORD>(text.size() + 1));
    }
    if (valueType == kInteger) {
        const std::int32_t number = ToInteger(value);
        return RegSetValueExA(key.handle().key, name.c_str(), 0, REG_DWORD,
                              reinterpret_cast<const BYTE*>(&number), sizeof number);
    }
    return 0;
}

Status ReadValueFromKey(OpenedKey& key, std::string_view valueName, std::string& value) {
    const std::string name(valueName);
    DWORD type = 0;
    DWORD size = 0;
    const LONG probe =
        RegQueryValueExA(key.handle().key, name.c_str(), nullptr, &type, nullptr, &size);
    if (probe != ERROR_SUCCESS) return probe;
    if (type == REG_SZ) {
        std::vector<BYTE> buffer(size);
        const LONG read =
            RegQueryValueExA(key.handle().key, name.c_str(), nullptr, &type, buffer.data(), &size);
        // The last stored byte is the terminating zero.
        value = (read == ERROR_SUCCESS && size > 0)
                    ? std::string(reinterpret_cast<const char*>(buffer.data()), size - 1)
                    : std::string();
        return read;
    }
    if (type == REG_DWORD) {
        std::int32_t number = 0;
        DWORD length = sizeof number;
        const LONG read = RegQueryValueExA(key.handle().key, name.c_str(), nullptr, &type,
                                           reinterpret_cast<BYTE*>(&number), &length);
        if (read == ERROR_SUCCESS) value = std::to_string(number);
        return read;
    }
    return kUnknownType;
}

}  // namespace quorvant::Registry
