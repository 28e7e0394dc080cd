#include "app/settings.h"

#include "app/registry.h"
#include "app/settings_names.h"

namespace quorvant {

void CreateSettingsKey() { Registry::CreateKey(settings::kKeyPath, Registry::Root::LocalMachine); }

std::string ReadSetting(std::string_view name) {
    return Registry::ReadValue(Registry::Root::LocalMachine, settings::kKeyPath, name);
}

void WriteSetting(std::string_view name, std::string_view value) {
    Registry::WriteValue(Registry::Root::LocalMachine, settings::kKeyPath, name, value,
                         Registry::kString);
}

std::string ReadRegisteredGameFolder() {
    return Registry::ReadValue(Registry::Root::LocalMachine, settings::kGameAppPathKey,
                               settings::kGameAppPathValue);
}

}  // namespace quorvant
