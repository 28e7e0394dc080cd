#include "app/registry.h"

// The two operations that only combine the others, the same on every platform.
namespace quorvant::Registry {

void WriteValue(Root root, std::string_view keyPath, std::string_view valueName,
                std::string_view value, int valueType) {
    OpenedKey key(root, keyPath);
    if (key.isOpen()) WriteValueToKey(key, valueName, valueType, value);
}

std::string ReadValue(Root root, std::string_view keyPath, std::string_view valueName,
                      Access access) {
    std::string value;
    OpenedKey key(root, keyPath, access);
    if (key.isOpen()) ReadValueFromKey(key, valueName, value);
    return value;
}

}  // namespace quorvant::Registry
